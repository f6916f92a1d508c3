#pragma once

#include <QString>

// kestrune --kinds: every kind in button order, with its keyword, its values' labels and
// where it came from ("built-in" or the plugin's file), then every refused file with the
// reason. Loads the kinds as a start does, and needs no display.
QString KindListing();
