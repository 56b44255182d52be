#pragma once

#include <QString>
#include <string_view>

namespace quenaro {

/// UTF-8 text of the core libraries as a Qt string.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace quenaro
