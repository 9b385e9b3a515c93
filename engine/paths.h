// Where the engine's files live: the installed dictionaries and the user's own.
#pragma once

#include <string>

// "<prefix>/ZkCrec/dic/Crecs.ptn"
std::string ZkDefaultSystemDicPath();
// "<prefix>/ZkCrec/dic/Senijish.dat"
std::string ZkDefaultTransitionDicPath();
// The user's home: $HOME, or the password database's entry when HOME is unset or
// empty, or "." when neither names one. Every per-user path starts here.
std::string ZkHomeDir();
// "<home>/.ZkCrec"
std::string ZkUserDir();
// "<home>/.ZkCrec/Crecs.upt"
std::string ZkDefaultUserDicPath();
