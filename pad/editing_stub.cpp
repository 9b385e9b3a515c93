// Stand-in for the character editing commands until they are built.
#include "pad/editing.h"

void KboxsChang() {}
void KboxsClick(int) {}
