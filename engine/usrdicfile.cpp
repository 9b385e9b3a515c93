// The user dictionary's file and the damage found in it at loading.
#include "usrdicfile.h"

#include <cerrno>

#include <unistd.h>

#include "damagedcopy.h"
#include "paths.h"

namespace {

std::string g_usrDicPath;

// A damaged file read at initialisation waits here until a save has kept it.
struct DamageState {
  bool unkept = false;
  std::string copy;
  bool fresh = false;
};
DamageState g_damage;

}  // namespace

const std::string& ZkUsrDicPath() {
  if (g_usrDicPath.empty()) g_usrDicPath = ZkDefaultUserDicPath();
  return g_usrDicPath;
}

void ZkSetUsrDicPath(const char* path) { g_usrDicPath = path ? path : ZkDefaultUserDicPath(); }

void ZkNoteUsrDicLoaded(bool damaged) {
  g_damage = DamageState();
  g_damage.unkept = damaged;
}

bool ZkKeepDamagedUsrDic() {
  const std::string& path = ZkUsrDicPath();
  if (g_damage.unkept && ::access(path.c_str(), F_OK) != 0 && errno == ENOENT)
    g_damage.unkept = false;  // removed since: nothing left to keep
  if (!g_damage.unkept) return true;
  // What the loader could not read is still in the file: it must survive the save.
  if (!KeepDamagedCopy(path, &g_damage.copy, &g_damage.fresh, nullptr)) return false;
  g_damage.unkept = false;
  return true;
}

const std::string& ZkUsrDicDamagedCopy() { return g_damage.copy; }
bool ZkUsrDicDamagedCopyFresh() { return g_damage.fresh; }
