// The pad's link to the recognition engine and the transition rescoring: started when
// the pad comes up, ended when it goes (or at exit), options taken from the settings.
#pragma once

// Starts both; a failure is fatal (message on standard error, exit status 1).
void Pad_StartEngines();
// Ends both if they run.
void Pad_EndEngines();
// Sets the engine options (character types and width) from alc_mode and dbl_mode.
void Pad_SetEngineOptions();
