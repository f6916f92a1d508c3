#pragma once

#include "app/KindPlugins.h"
#include "app/ProgramHost.h"
#include "shapes/LinkListCollection.h"

#include <string>

// Program start: the random source, the prototypes, the main window with its drawing
// area, buttons and view panel, and the view manager.

// The program's side of the lower layers, handed to them where they need it; it keeps no
// state of its own and lives as long as the process.
cProgramHost& Host();
// Seeds the random source from the local time of day.
void SeedRandomFromTimeOfDay();
// One prototype per offered shape kind, in button order: the one list of kinds, and the
// only place that names them.
void RegisterPrototypes(LinkListCollection& types);
// The built-in prototypes, then the kinds of the kind plugins for which the button column
// has room.
KindPluginReport RegisterKinds(LinkListCollection& types);
// Builds everything the program shows, with a button for each prototype registered; the
// main window is built but not yet shown.
void BuildMainWindow();
// Seeds, registers the kinds (telling standard error what was left out) and builds the
// main window.
void StartUp();
// The entry point: starts up (with the drawing file, if one is named, loaded as Load
// loads it), runs the main window until it is closed, returns 0.
int KestruneMain(const std::string& file = {});
