#include "file/DrawingFileIo.h"

#include "text/QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

FileResult Failure(const QString& reason) {
    return {false, reason.toLocal8Bit().toStdString()};
}

} // namespace

FileResult WriteDrawingFile(const std::string& name, const std::string& text) {
    const QString path = ToQt(name);
    // The atomic save renames a new file over the old one: it must never replace a folder,
    // a device or a pipe that happens to carry the name.
    const QFileInfo info(path);
    if (info.isDir())
        return Failure(QStringLiteral("it is a folder"));
    if (info.exists() && !info.isFile())
        return Failure(QStringLiteral("it is not a regular file"));
    QSaveFile file(path);
    // In a folder the user cannot write, the new file cannot be made beside the old one:
    // then the old file itself is written, if the user may.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(file.errorString());
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(reason);
    }
    if (!file.commit())
        return Failure(file.errorString());
    return {true, {}};
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
