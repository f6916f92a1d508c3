#pragma once

#include "ui/MessageBox.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Ready-made modal prompts. Each blocks its caller until the user answers.

// The entered text, or empty when cancelled. The box takes at most 255 characters, so the
// answer is what the user typed and saw. A negative x or y centres the prompt. Like the
// chooser, it blocks every other window of the program while it is open.
std::string PromptText(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, std::int32_t x, std::int32_t y);

// One choice of the file chooser: a description and its patterns, separated by ";".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// Only an existing file may be chosen.
constexpr std::uint32_t kFileMustExist = 0x00001000;

// The full path of the file the user chose, or empty. The process's current directory
// is the same afterwards.
std::string ChooseOpenFile(WindowHandle owner, std::int32_t x, std::int32_t y,
                           const std::string& title, const std::string& startFolder,
                           const std::vector<FileFilter>& filters, const std::string& startFile,
                           const std::string& defaultExtension, std::uint32_t flags);

// A name for a new file, in a save chooser offering the filters; a name typed without an
// extension gets the chosen filter's (its pattern less the "*"). Empty when cancelled.
std::string ChooseSaveFile(const std::string& title, const std::vector<FileFilter>& filters);
