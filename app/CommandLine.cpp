#include "app/CommandLine.h"

#include "app/KindListing.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "shapes/RandomSource.h"
#include "text/QtText.h"
#include "ui/DialogService.h"
#include "ui/MessageBox.h"
#include "ui/PictureExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

namespace {

StartRequest Finish(int status, const QString& text) {
    std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
    return {true, status, {}, {}};
}

void Complain(const char* what, const QString& name, const std::string& reason) {
    std::fprintf(stderr, "kestrune: %s \"%s\": %s.\n", what, qPrintable(name), reason.c_str());
}

// FNV-1a: the same bytes give the same number on every run and every machine.
std::uint32_t HashOf(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : bytes)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    return hash;
}

} // namespace

StartRequest ReadCommandLine(int argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draw circles, rectangles and triangles, and save them as .poly drawings."));
    // Qt's own help option brings --help-all, for the options of a windowed application;
    // the command line is read before there is one.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QStringLiteral("Write the drawing FILE as a picture to <out> (.png or .svg) and quit."),
        QStringLiteral("out"));
    parser.addOption(exportTo);
    const QCommandLineOption kinds(
        QStringLiteral("kinds"),
        QStringLiteral("List every shape kind with its values and origin, and refused plugins."));
    parser.addOption(kinds);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A drawing to open."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return Finish(2, "kestrune: " + parser.errorText() + "\n\n" + parser.helpText());
    if (parser.isSet(help))
        return Finish(0, parser.helpText());
    if (parser.isSet(version))
        return Finish(0, QStringLiteral("kestrune %1\n").arg(QStringLiteral(KESTRUNE_VERSION)));
    if (parser.isSet(kinds))
        return Finish(0, KindListing());
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Finish(2, "kestrune: one drawing at a time\n\n" + parser.helpText());
    if (parser.isSet(exportTo) && files.isEmpty())
        return Finish(2, "kestrune: --export needs the drawing to export\n\n" + parser.helpText());
    return {false, 0, files.value(0), parser.value(exportTo)};
}

int ExportDrawingFile(const QString& out, const QString& in) {
    // Nobody is there to answer a message box: each message goes to standard error.
    std::size_t messages = 0;
    const MessageSink toStandardError(
        [&messages](const std::string& text, std::uint32_t, const std::string&) {
            ++messages;
            std::fprintf(stderr, "kestrune: %s\n", text.c_str());
            return kAnswerOk;
        });
    std::string text;
    const FileResult read = ReadDrawingFile(FromQt(in), text);
    if (!read.ok) {
        Complain("cannot read", in, read.reason);
        return 1;
    }
    // The main window's drawing area, built as at every start but never shown.
    StartUp();
    // A bad record's random values come from the file, not the time: the same file gives
    // the same picture on every run.
    SeedRandom(HashOf(text));
    const LinkListCollection shapes =
        LoadDrawingText(text, Program().ShapeTypes, std::numeric_limits<std::size_t>::max());
    const WindowHandle dialog = Program().MainWindow;
    bool written = false;
    if (shapes.COUNT() == 0 && !text.empty()) {
        Complain("cannot export", in, "no line in it names a kind of shape");
    } else {
        const std::string error = ExportPicture(dialog, kDrawingAreaId, FromQt(out), [&] {
            DrawShapeList(dialog, kDrawingAreaId, shapes);
        });
        written = error.empty();
        if (!written)
            Complain("cannot write", out, error);
    }
    CloseDialog(dialog, 0);
    return written && messages == 0 ? 0 : 1;
}
