#include "settings/einstellung.h"
