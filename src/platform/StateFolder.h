#pragma once

#include <string>

namespace platform {

// The program's folder for state that outlives a run (the serial log, the trail journal):
// $XDG_STATE_HOME/quilo when that variable is an absolute path, else $HOME/.local/state/quilo.
// "" when neither variable gives a folder. The folder is not created here.
std::string StateFolder();

// Creates the folders on the way to path and path itself (mode 0700 for new ones); true
// when path is a folder afterwards. Otherwise *err (if given) says why: the reason the first
// folder could not be made, or ENOTDIR when something else has the name.
bool MakeFolders(const std::string& path, int* err = nullptr);

} // namespace platform
