// Stand-in until the pad drives the recognition engine: nothing to start or end yet.
#include "pad/engines.h"

void Pad_StartEngines() {}
void Pad_EndEngines() {}
void Pad_SetEngineOptions() {}
