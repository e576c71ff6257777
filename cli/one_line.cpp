#include "cli/one_line.h"

#include <cstdio>
#include <iostream>

namespace fretwise::cli {
namespace {

std::string Hex(const char* prefix, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%s%02X", prefix, value);
  return text;
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      out += Hex("\\x", byte);
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080 to U+009F in UTF-8
      out += Hex("\\u00", next);
      ++i;
    } else {
      out += char(byte);
    }
  }
  return out;
}

void ReportError(std::string_view text) {
  std::cerr << "fretwise-chord: " << OneLine(text) << "\n";
}

}  // namespace fretwise::cli
