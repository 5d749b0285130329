#include "grades/fenster/notenfenster.h"
