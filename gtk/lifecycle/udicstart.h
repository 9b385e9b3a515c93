// The user's taught files at the start of the pad: mended, and the user told what was
// found, once.
#pragma once

// Runs UdicCheckAtStart once the engine is up (`dictionaryDamaged`: it loaded a damaged
// user dictionary) and shows what it found in a message box as soon as the main loop
// runs (and on standard error). True when the engine must read the dictionary again.
bool Udic_CheckFilesAtStart(bool dictionaryDamaged);
