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

// Writes `text` as a JSON string into `out`, an Output or a StringSink.
template <class Sink>
void Escape(Sink& out, std::string_view text) {
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

struct StringSink {
  std::string& text;
  void Put(char c) { text.push_back(c); }
  void Append(std::string_view more) { text.append(more); }
};

}  // namespace

void JsonWriter::WriteEscaped(std::string_view text) { Escape(stream.out, text); }

std::string JsonWriter::Quoted(std::string_view text) {
  std::string quoted;
  StringSink sink{quoted};
  Escape(sink, text);
  return quoted;
}

}  // namespace fretwise::cli
