#pragma once

#include <string>
#include <string_view>

// Writes bytes as the whole new content of the named file, or leaves the old file exactly
// as it was. The bytes go to a new file beside the old one, which takes the old one's place
// only once every byte is safely on the disk. Only where no file can be made beside it (a
// folder the user cannot write) is an existing file written in place: its space is reserved
// first, and its old bytes are put back if anything fails. Folders, devices and pipes are
// never written. Empty on success, else the system's reason.
std::string WriteWholeFile(const std::string& name, std::string_view bytes);
