// Conversions between the engine's byte texts (UTF-8) and Qt's strings.
// Only the user interface converts; the engine never does.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorlith::ui {

inline QString ToQString(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

}  // namespace vorlith::ui
