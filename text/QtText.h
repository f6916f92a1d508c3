#pragma once

#include <QString>

#include <string>

// The program's texts are byte strings in the system's 8-bit encoding; Qt's are UTF-16.
// These are the only crossings between the two.

inline QString ToQt(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
