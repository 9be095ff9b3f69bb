#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tessaro {

// Text is UTF-8 everywhere outside the window mode; these are the only
// crossings between the two.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// A text of the string table, as Qt shows it.
QString uiText(std::string_view group, std::string_view key);

}  // namespace tessaro
