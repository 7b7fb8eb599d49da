#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace mapedit {

// Level descriptions, messages and resource texts are 8-bit text; Latin-1
// keeps every byte as it is, so nothing is lost or rejected as bad UTF-8.
inline QString fromBytes(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string toBytes(const QString& s) {
    return s.toLatin1().toStdString();
}

}  // namespace mapedit
