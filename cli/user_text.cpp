#include "cli/user_text.h"

#include <algorithm>

namespace fretwise::cli {
namespace {

constexpr std::size_t kShownCharacters = 80;

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::string Utf8(const QString& text) { return text.toStdString(); }

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string_view ValidUtf8(std::string_view bytes, std::string& repaired) {
  if (std::all_of(bytes.begin(), bytes.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return bytes;  // ASCII, the common case
  }
  repaired = Utf8(ToQString(bytes));
  return repaired;
}

std::string Shortened(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i]) && ++characters > kShownCharacters) {
      return std::string(text.substr(0, i)) + "\u2026";
    }
  }
  return std::string(text);
}

std::string Quoted(std::string_view text) { return "'" + Shortened(text) + "'"; }

}  // namespace fretwise::cli
