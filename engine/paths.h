// Where the engine's files live: the installed dictionaries and the user's own.
#pragma once

#include <string>

// "<prefix>/ZkCrec/dic/Crecs.ptn"
std::string ZkDefaultSystemDicPath();
// "<prefix>/ZkCrec/dic/Senijish.dat"
std::string ZkDefaultTransitionDicPath();
// "$HOME/.ZkCrec" ("." when HOME is unset)
std::string ZkUserDir();
// "$HOME/.ZkCrec/Crecs.upt"
std::string ZkDefaultUserDicPath();
