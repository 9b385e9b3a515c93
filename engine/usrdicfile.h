// The user dictionary's file: where the running engine read it from, and whether it was
// damaged then. Initialisation sets both; every save of the user dictionary asks.
#pragma once

#include <string>

// The user dictionary file of the running engine ($HOME/.ZkCrec/Crecs.upt unless
// the engine was started with another one).
const std::string& ZkUsrDicPath();
void ZkSetUsrDicPath(const char* path);  // null: the default path

// Set by engine initialisation: whether the user dictionary file it read was damaged.
void ZkNoteUsrDicLoaded(bool damaged);

// Before a save writes over a damaged file, keeps it beside itself (KeepDamagedCopy),
// once. False when that copy could not be made: nothing may be written then.
bool ZkKeepDamagedUsrDic();

// The copy of a damaged user dictionary the last save kept ("" when none), and whether
// that save made it (false when a copy of the same bytes was there already).
const std::string& ZkUsrDicDamagedCopy();
bool ZkUsrDicDamagedCopyFresh();
