#include "grades/fenster/notenfenster.h"
#include "widgets/knopf.h"
