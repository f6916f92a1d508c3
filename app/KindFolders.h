#pragma once

#include <QStringList>

// The folders kind plugins are loaded from, in order: every absolute folder named in
// KESTRUNE_KIND_PATH (colon-separated; an empty or relative element names no folder, so
// the current folder is never searched), the user's $XDG_DATA_HOME/kestrune/kinds (by
// default ~/.local/share/kestrune/kinds), then the folder installed with the program.
QStringList KindFolders();
