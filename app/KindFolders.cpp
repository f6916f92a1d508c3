#include "app/KindFolders.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Where the user's own data goes, if the environment names it absolutely.
QString UserDataFolder() {
    const QString named = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(named))
        return named;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

QStringList KindFolders() {
    QStringList folders;
    const QStringList named =
        qEnvironmentVariable("KESTRUNE_KIND_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& folder : named) {
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    folders.append(UserDataFolder() + QStringLiteral("/kestrune/kinds"));
    // Found from the program's own place, so that an installed tree can move as a whole.
    folders.append(QCoreApplication::applicationDirPath() + QStringLiteral("/" KESTRUNE_KIND_DIR));
    // A folder named twice is searched once: its plugins would only refuse themselves.
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}
