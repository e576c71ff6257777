// The error texts of sound devices are UTF-8 and kept in fixed buffers. A text that does not fit
// is cut before the first character that would not fit whole, so a cut never leaves half a
// Japanese character behind.
#pragma once

#include <cstddef>
#include <string_view>

namespace fretwise {

// The text without a last character whose bytes are not all there.
std::string_view CompleteUtf8Prefix(std::string_view text);

// Copies as much of text as fits into buffer with its terminator, cut on a character boundary.
// buffer may hold text itself; a capacity of 0 writes nothing.
void CopyErrorText(std::string_view text, char* buffer, std::size_t capacity);

}  // namespace fretwise
