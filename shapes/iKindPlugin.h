#pragma once

// Everything the source of a kind plugin needs: the base of a kind, its drawing
// primitives and 32-bit arithmetic, and the interface the program loads the plugin by.
#include "shapes/Int32Wrap.h"
#include "shapes/cShapeOf.h"
#include "ui/GraphicService.h"

#include <QtPlugin>

#include <memory>
#include <vector>

// The interface id carries the kit's version: the program loads only plugins built with
// the kit it was built with, since a kind lives inside the program's own classes.
#define KESTRUNE_KIND_PLUGIN_IID "org.kestrune.Kestrune.KindPlugin/1.0"

// What a kind plugin offers the program.
class iKindPlugin {
  public:
    virtual ~iKindPlugin() = default;
    // A new prototype of each kind offered, in the order their buttons take.
    virtual std::vector<std::shared_ptr<cShapeBase>> Kinds() const = 0;
};

Q_DECLARE_INTERFACE(iKindPlugin, KESTRUNE_KIND_PLUGIN_IID)
