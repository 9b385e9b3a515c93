// Definition of the keyboards' state.
#include "keyboards/kbdstate.h"

KeyboardsState Kbd;
