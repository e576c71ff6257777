#include "cli/json_writer.h"

#include <array>

namespace fretwise::cli {
namespace {

// The escape after '\' for each byte below 0x20, or 'u' for \u00xx.
constexpr std::string_view kControlEscapes =
    "uuuuuuuubtnufruu"
    "uuuuuuuuuuuuuuuu";
constexpr std::string_view kHexDigits = "0123456789abcdef";
// The bytes that a JSON string cannot hold as they are.
constexpr auto kEscaped = [] {
  std::array<bool, 256> escaped{};
  for (int byte = 0; byte < 0x20; ++byte) escaped[byte] = true;
  escaped['"'] = escaped['\\'] = true;
  return escaped;
}();

}  // namespace

void JsonWriter::WriteEscaped(std::string_view text) {
  Output& out = stream.out;
  out.Put('"');
  std::size_t plain = 0;  // the start of the bytes not yet written
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!kEscaped[byte]) continue;
    out.Append(text.substr(plain, i - plain));
    plain = i + 1;
    out.Put('\\');
    if (byte >= 0x20) {
      out.Put(char(byte));
    } else if (kControlEscapes[byte] != 'u') {
      out.Put(kControlEscapes[byte]);
    } else {
      out.Append("u00");
      out.Put(kHexDigits[byte >> 4]);
      out.Put(kHexDigits[byte & 0xF]);
    }
  }
  out.Append(text.substr(plain));
  out.Put('"');
}

}  // namespace fretwise::cli
