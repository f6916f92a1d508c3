#pragma once

#include "shapes/LinkListCollection.h"
#include "ui/Prompts.h"
#include "ui/WindowTypes.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

// Runs action on the first visible top-level window titled title as soon as it appears:
// how a test answers a modal prompt that blocks the code under test. Fails the running
// test if no such window appears within a few seconds.
void WhenWindowAppears(const QString& title, std::function<void(QWidget*)> action);

// Starts the program as KestruneMain does, with the prototypes registered and any extra
// ones after them, showing the main window without running its loop.
void StartProgram(std::vector<std::shared_ptr<iShape>> extraKinds = {});
// Takes it all down again, closing every window, so each test starts from nothing.
void EndProgram();

// The registered prototype of a kind: tests reach every kind as the program does.
std::shared_ptr<iShape> Prototype(std::string_view kind);
// A shape of the kind its record names, made by the prototype and reading the record.
std::shared_ptr<iShape> ShapeFrom(const std::string& record);
std::vector<std::string> Records(const LinkListCollection& shapes);
// Colours as red + 256 * green + 65536 * blue.
RgbColor ColourAt(const QImage& image, int x, int y);
// What the main window's drawing area shows.
QImage DrawingShown();
RgbColor ShownAt(int x, int y); // at drawing-area client point (x, y)
void ClickDrawing(int x, int y);
void PressButton(const QString& caption);
// Answers the "Filename?" prompt with name, or cancels it when name is empty.
void AnswerFilename(const QString& name);
// Chooses path in the "Open file" chooser, or cancels it when path is empty.
void AnswerChooser(const QString& path);
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

// The messages ShowMessage was asked to show while the recorder lives.
class MessageRecorder {
  public:
    MessageRecorder();
    const std::vector<std::string>& Texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
    MessageSink sink_;
};

// What a graphic control shows on the screen, and its off-screen bitmap.
QImage ShownImage(WindowHandle control);
QImage BitmapOf(WindowHandle control);
