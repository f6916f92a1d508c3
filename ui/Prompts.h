#pragma once

#include "ui/DialogService.h"

#include <cstdint>
#include <functional>
#include <string>

// Ready-made modal prompts. Each blocks its caller until the user answers.

// One "OK" button, no icon, task-modal, brought to the foreground.
constexpr std::uint32_t kMessageOk = 0x00012000;
constexpr std::int32_t kAnswerOk = 1;
// Shown when a caller passes an empty title.
inline constexpr char kDefaultTitle[] = "Vantrel";

std::int32_t ShowMessage(const std::string& text, std::uint32_t style, const std::string& title);

// The entered text (at most 255 characters), or empty when cancelled. A negative x or y
// centres the prompt.
std::string PromptText(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, std::int32_t x, std::int32_t y);

// The full path of an existing file the user chose, or empty. filter holds
// (description, pattern) pairs, each text ended by one NUL. The process's current
// directory is the same afterwards.
std::string ChooseOpenFile(WindowHandle owner, std::int32_t x, std::int32_t y,
                           const std::string& title, const std::string& startFolder,
                           const std::string& filter, const std::string& startFile,
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
