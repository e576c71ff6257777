// The program's own texts are UTF-8 string views; Qt takes them as QString.
#pragma once

#include <QString>
#include <string_view>

namespace fretwise {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace fretwise
