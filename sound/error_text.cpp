#include "sound/error_text.h"

#include <algorithm>
#include <cstring>

namespace fretwise {
namespace {

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The number of bytes of the character that a lead byte starts; a stray byte counts as one.
std::size_t SequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte >= 0xF0) return 4;
  if (byte >= 0xE0) return 3;
  if (byte >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string_view CompleteUtf8Prefix(std::string_view text) {
  std::size_t lead = text.size();
  while (lead > 0 && text.size() - lead < 3 && IsContinuation(text[lead - 1])) --lead;
  if (lead == 0) return text;
  --lead;  // the start of the last character
  return text.size() - lead < SequenceLength(text[lead]) ? text.substr(0, lead) : text;
}

void CopyErrorText(std::string_view text, char* buffer, std::size_t capacity) {
  if (capacity == 0) return;
  const std::string_view kept =
      CompleteUtf8Prefix(text.substr(0, std::min(text.size(), capacity - 1)));
  std::memmove(buffer, kept.data(), kept.size());
  buffer[kept.size()] = '\0';
}

}  // namespace fretwise
