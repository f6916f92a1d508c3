#pragma once

#include <cstddef>
#include <string>

// Reading and writing drawing files on disk. Failures are returned with a reason that
// can be shown to the user; nothing is changed by a failed operation.

struct FileResult {
    bool ok = false;
    std::string reason; // why it failed, empty on success
};

// Larger files are no drawings this program wrote; reading them is refused.
constexpr long long kMaxDrawingFileBytes = 512LL * 1024 * 1024;

// Writes text byte for byte, whole or not at all: a failure, at whatever stage, leaves the
// old file exactly as it was and no partial file behind (see WriteWholeFile). Any name the
// system takes is taken; what it refuses comes back with its reason.
FileResult WriteDrawingFile(const std::string& name, const std::string& text);

// Reads the whole file into text, read-only; the file is never created or changed.
FileResult ReadDrawingFile(const std::string& name, std::string& text);
