#pragma once

#include <QString>

// What the command line asks for. With no arguments the program starts as it always has.
struct StartRequest {
    bool done = false; // --help, --version or a mistake: nothing more to do
    int status = 0;    // the exit status then
    QString file;      // kestrune FILE: start with the file loaded
    QString exportTo;  // kestrune --export OUT IN: the picture to write, and nothing else
};

// Reads the arguments; prints help, the version or the mistake (with the usage) itself.
StartRequest ReadCommandLine(int argc, char* argv[]);

// Writes the drawing of the file in as a picture to out, without a window, the same
// picture for the same file on every run; each bad record and whatever else goes wrong goes
// to standard error. The exit status: 0; or 1 when a record was bad (the picture is still
// written), the file holds bytes but no line names a kind of shape, or nothing was written.
int ExportDrawingFile(const QString& out, const QString& in);
