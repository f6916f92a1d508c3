#pragma once

#include "ui/DialogService.h"
#include "ui/Prompts.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

// Runs action on the first visible top-level window whose title is title, as soon as it
// appears: the way tests answer a modal prompt that blocks the code under test. Fails
// the running test if no such window appears within a few seconds.
void WhenWindowAppears(const QString& title, std::function<void(QWidget*)> action);

// Starts the program as KestruneMain does, showing the main window without running its
// loop, so a test can drive it; EndProgram takes it all down again.
void StartProgram();
void EndProgram();

// Closes every window of the dialog service and deletes what was closed, so each test
// starts from nothing and leaves nothing behind.
void CloseAllDialogs();

// The messages ShowMessage was asked to show while the recorder lives.
class MessageRecorder {
  public:
    MessageRecorder();
    const std::vector<std::string>& Texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
    MessageSink sink_;
};

// What the graphic control shows on the screen (not what is pending off-screen).
QImage ShownImage(WindowHandle control);
// The off-screen bitmap of a graphic control.
QImage BitmapOf(WindowHandle control);
