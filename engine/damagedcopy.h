// Keeping a damaged file the user made before anything writes over it: its bytes go
// to "<path>.damaged" (or the first free "<path>.damaged.N"), and an earlier copy is
// never replaced. The same damage found again reuses the copy that holds it.
#pragma once

#include <string>

// Copies `path` beside itself as described above. True when a copy holding the
// file's exact bytes exists afterwards: *keptAs names it and *fresh tells whether
// this call made it. False (with a reason in *error) when the file cannot be read or
// no copy could be written; the caller must then leave `path` alone.
bool KeepDamagedCopy(const std::string& path, std::string* keptAs, bool* fresh, std::string* error);
