#include "b/b.h"
#include "a/a.h"
void b() { a(); }
