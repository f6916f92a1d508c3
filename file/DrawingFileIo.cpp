#include "file/DrawingFileIo.h"

#include "text/QtText.h"
#include "ui/WholeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <utility>

namespace {

FileResult Failure(const QString& reason) {
    return {false, reason.toLocal8Bit().toStdString()};
}

} // namespace

FileResult WriteDrawingFile(const std::string& name, const std::string& text) {
    std::string reason = WriteWholeFile(name, text);
    return {reason.empty(), std::move(reason)};
}

FileResult ReadDrawingFile(const std::string& name, std::string& text) {
    const QString path = ToQt(name);
    // Whether it exists, and why not, the system says when the file is opened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Failure(QStringLiteral("it is not a regular file"));
    if (info.size() > kMaxDrawingFileBytes)
        return Failure(QStringLiteral("the file is too large to be a drawing"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(file.errorString());
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return {true, {}};
}
