#pragma once

#include "ui/DialogService.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Ready-made modal prompts. Each blocks its caller until the user answers.

// Message box styles: the buttons (only "OK" is offered), task-modal, to the foreground.
constexpr std::uint32_t kMessageTaskModal = 0x00002000;
constexpr std::uint32_t kMessageForeground = 0x00010000;
constexpr std::uint32_t kMessageOk = kMessageTaskModal | kMessageForeground;
constexpr std::int32_t kAnswerOk = 1;
// Shown when a caller passes an empty title.
inline constexpr char kDefaultTitle[] = "Vantrel";

std::int32_t ShowMessage(const std::string& text, std::uint32_t style, const std::string& title);

// The entered text (at most 255 characters), or empty when cancelled. A negative x or y
// centres the prompt.
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

// While alive, ShowMessage hands its messages to the sink instead of showing them: for
// loading text where no one is there to answer, such as a fuzzer.
class MessageSink {
  public:
    using Receiver = std::function<std::int32_t(const std::string& text, std::uint32_t style,
                                                const std::string& title)>;
    explicit MessageSink(Receiver receiver);
    ~MessageSink();
    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

  private:
    Receiver previous_;
};
