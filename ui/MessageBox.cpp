#include "ui/MessageBox.h"

#include "text/QtText.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

#include <utility>

namespace {

MessageSink::Receiver g_sink;

std::int32_t ShowBox(const std::string& text, std::uint32_t style, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon,
                    title.empty() ? QString::fromLatin1(kDefaultTitle) : ToQt(title), ToQt(text),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // a file name is never markup
    box.setWindowModality((style & kMessageTaskModal) ? Qt::ApplicationModal : Qt::WindowModal);
    if (style & kMessageForeground) {
        box.raise();
        box.activateWindow();
    }
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return kAnswerOk;
}

} // namespace

std::int32_t ShowMessage(const std::string& text, std::uint32_t style, const std::string& title) {
    return g_sink ? g_sink(text, style, title) : ShowBox(text, style, title);
}

MessageSink::MessageSink(Receiver receiver)
    : previous_(std::exchange(g_sink, std::move(receiver))) {}

MessageSink::~MessageSink() {
    g_sink = std::move(previous_);
}

MessageLimit::MessageLimit(std::size_t most)
    : most_(most), passOn_(g_sink),
      sink_([this](const std::string& text, std::uint32_t style, const std::string& title) {
          if (shown_ >= most_) {
              ++held_;
              return kAnswerOk;
          }
          ++shown_;
          return passOn_ ? passOn_(text, style, title) : ShowBox(text, style, title);
      }) {}
