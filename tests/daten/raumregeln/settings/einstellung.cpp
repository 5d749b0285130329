#include "widgets/knopf.h"
