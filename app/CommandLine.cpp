#include "app/CommandLine.h"

#include "app/KindListing.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "text/QtText.h"
#include "ui/DialogService.h"
#include "ui/MessageBox.h"
#include "ui/PictureExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

StartRequest Finish(int status, const QString& text) {
    std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
    return {true, status, {}, {}};
}

} // namespace

StartRequest ReadCommandLine(int argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draw circles, rectangles and triangles, and save them as .poly drawings."));
    const QCommandLineOption help = parser.addHelpOption();
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
    // Nobody is there to answer a message box: messages go to standard error.
    const MessageSink toStandardError(
        [](const std::string& text, std::uint32_t, const std::string&) {
            std::fprintf(stderr, "kestrune: %s\n", text.c_str());
            return kAnswerOk;
        });
    std::string text;
    const FileResult read = ReadDrawingFile(FromQt(in), text);
    if (!read.ok) {
        std::fprintf(stderr, "kestrune: cannot read \"%s\": %s.\n", qPrintable(in),
                     read.reason.c_str());
        return 1;
    }
    // The main window's drawing area, built as at every start but never shown.
    StartUp();
    const LinkListCollection shapes = LoadDrawingText(text, Program().ShapeTypes);
    const WindowHandle dialog = Program().MainWindow;
    const std::string error = ExportPicture(dialog, kDrawingAreaId, FromQt(out),
                                            [&] { DrawShapeList(dialog, kDrawingAreaId, shapes); });
    CloseDialog(dialog, 0);
    if (!error.empty()) {
        std::fprintf(stderr, "kestrune: cannot write \"%s\": %s.\n", qPrintable(out),
                     error.c_str());
        return 1;
    }
    return 0;
}
