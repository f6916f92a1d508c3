#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The message box, and what can stand in for it.

// Message box styles: the buttons (only "OK" is offered), task-modal, to the foreground.
constexpr std::uint32_t kMessageTaskModal = 0x00002000;
constexpr std::uint32_t kMessageForeground = 0x00010000;
constexpr std::uint32_t kMessageOk = kMessageTaskModal | kMessageForeground;
constexpr std::int32_t kAnswerOk = 1;
// Shown when a caller passes an empty title.
inline constexpr char kDefaultTitle[] = "Vantrel";

// Shows text as plain text with an "OK" button and waits for it; the default title for
// an empty one. While the program is busy, the box shows the ordinary pointer.
std::int32_t ShowMessage(const std::string& text, std::uint32_t style, const std::string& title);

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

// While alive, ShowMessage shows the first most messages as it would without it and only
// counts the others: so that a flood of messages never holds the user hostage.
class MessageLimit {
  public:
    explicit MessageLimit(std::size_t most);
    MessageLimit(const MessageLimit&) = delete;
    MessageLimit& operator=(const MessageLimit&) = delete;
    // How many messages were counted and not shown.
    std::size_t Held() const { return held_; }

  private:
    std::size_t most_;
    std::size_t shown_ = 0;
    std::size_t held_ = 0;
    MessageSink::Receiver passOn_;
    MessageSink sink_;
};
