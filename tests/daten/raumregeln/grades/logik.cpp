#include "app/schale.h"
