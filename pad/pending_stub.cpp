// Stand-in for the pending text until it is built: there is nothing to draw yet.
#include "pad/pending.h"

void TxbuffDisp() {}
