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

// Writes text byte for byte, atomically: the old file stays intact until the new content
// is completely written, and a failure leaves no partial file behind. Only where no new
// file can be made beside it (a folder the user cannot write) is the old file written in
// place. Any name the system takes is taken; what it refuses comes back with its reason.
FileResult WriteDrawingFile(const std::string& name, const std::string& text);

// Reads the whole file into text, read-only; the file is never created or changed.
FileResult ReadDrawingFile(const std::string& name, std::string& text);
