#pragma once

#include "shapes/LinkListCollection.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What loading the kind plugins did: the file each added kind came from, in the order
// the kinds were added, and every file or kind left out, with the reason.
struct KindPluginReport {
    struct Refusal {
        QString file;
        QString reason;
    };
    std::vector<QString> origins;
    std::vector<Refusal> refusals;
};

// Adds the kinds of the plugins in the folders to types, folder by folder, each folder's
// files in file-name order. A kind is left out when Load could never tell it from the
// others or could never match its keyword, when the edit panel cannot hold its values, or
// when types already holds mostKinds.
KindPluginReport LoadKindPlugins(const QStringList& folders, LinkListCollection& types,
                                 std::int32_t mostKinds);

// One line on standard error for each refusal.
void PrintRefusals(const KindPluginReport& report);
