#pragma once
// The per-user folder of the program's own files: "Velmora.ini", the history files and the
// log folder.

#include <QString>

inline constexpr char kLogFolderName[] = "Logdat";

// The generic data location (XDG_DATA_HOME, normally ~/.local/share) + "/Quenbrook/Velmora/",
// created with its sub-folder "Logdat" when missing. Always ends with the separator; creation
// failures are left to whoever writes there (FolderExists tells).
QString UserDataFolder();
// UserDataFolder() + "Logdat/".
QString LogFolder();
