#pragma once
// The core keeps its texts as UTF-8 bytes; this is how they become Qt strings.

#include <QString>
#include <string_view>

namespace vitalune {

inline QString QUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace vitalune
