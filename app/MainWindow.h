#pragma once

// Program start: the random source, the prototypes, the main window with its drawing
// area, buttons and view panel, and the view manager.

// Seeds the random source from the local time of day.
void SeedRandomFromTimeOfDay();
// One prototype per offered shape kind, in button order: the only place that names kinds.
void RegisterPrototypes();
// Builds everything the program shows; the main window is built but not yet shown.
void StartUp();
// The entry point: starts up, runs the main window until it is closed, returns 0.
int KestruneMain();
