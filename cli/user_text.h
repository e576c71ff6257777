// What a user typed, as the tool reads it and quotes it back in its messages.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace fretwise::cli {

// Standing for "as many as there are" wherever the tool counts candidates or voicings.
inline constexpr int kNoLimit = 1 << 30;

// Qt's text as UTF-8, and UTF-8 as Qt's text.
std::string Utf8(const QString& text);
QString ToQString(std::string_view utf8);

// The bytes as UTF-8, each byte of a broken sequence read as U+FFFD, as Qt reads the command line,
// so that a batch line and the same words as arguments give the same answer: the bytes themselves
// when they are ASCII, else their repair, kept in `repaired`.
std::string_view ValidUtf8(std::string_view bytes, std::string& repaired);

// The text, cut short with "…" past 80 characters: a message that names a 100,000-character
// argument stays readable.
std::string Shortened(std::string_view text);

// Shortened text in single quotes, as errors name a bad argument.
std::string Quoted(std::string_view text);

}  // namespace fretwise::cli
