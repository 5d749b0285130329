#include "a/a.h"
#include "b/b.h"
void a() { b(); }
