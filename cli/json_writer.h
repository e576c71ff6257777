// JSON written as it is made, straight into the tool's output: RapidJSON's writer with the
// formatting the tool's JSON has always had (compact; strings in UTF-8 with only '"', '\' and
// control characters escaped, those without a short escape as \u00xx in lower case).
//
// Members come out in the order they are written: the tool writes each object's keys sorted, as
// its JSON has always listed them.
#pragma once

#include <rapidjson/writer.h>

#include <string>
#include <string_view>

#include "cli/output.h"

namespace fretwise::cli {

// RapidJSON's output stream over Output. The writer flushes at the end of every root value; what
// is gathered is sent by whoever writes the answer, so that does nothing.
struct JsonStream {
  using Ch = char;
  Output& out;
  void Put(char c) { out.Put(c); }
  void Flush() {}
};

}  // namespace fretwise::cli

namespace rapidjson {
// The writer reserves room for a number or a string before it puts its bytes.
template <>
inline void PutReserve(fretwise::cli::JsonStream& stream, size_t count) {
  stream.out.Reserve(count);
}
template <>
inline void PutUnsafe(fretwise::cli::JsonStream& stream, char c) {
  stream.out.PutReserved(c);
}
}  // namespace rapidjson

namespace fretwise::cli {

// Holds the stream so that it exists before the writer that points at it.
struct JsonStreamHolder {
  JsonStream stream;
};

class JsonWriter : private JsonStreamHolder, private rapidjson::Writer<JsonStream> {
  using Base = rapidjson::Writer<JsonStream>;

 public:
  explicit JsonWriter(Output& out) : JsonStreamHolder{{out}}, Base(stream) {}

  void StartObject() { Base::StartObject(); }
  void EndObject() { Base::EndObject(); }
  void StartArray() { Base::StartArray(); }
  void EndArray() { Base::EndArray(); }
  void Int(int value) { Base::Int(value); }
  void Null() { Base::Null(); }
  // RapidJSON escapes control characters in upper case (\u001B); the tool has always written them
  // in lower case (\u001b), and scripts may compare its output byte for byte.
  void String(std::string_view text) {
    Prefix(rapidjson::kStringType);
    WriteEscaped(text);
    EndValue(true);
  }
  // Keys are the tool's own names, which need no escapes.
  void Key(std::string_view name) {
    Prefix(rapidjson::kStringType);
    stream.out.Reserve(name.size() + 2);
    stream.out.PutReserved('"');
    for (char c : name) stream.out.PutReserved(c);
    stream.out.PutReserved('"');
    EndValue(true);
  }
  void Member(std::string_view name, std::string_view value) { Key(name), String(value); }
  void Member(std::string_view name, int value) { Key(name), Int(value); }

  // A value written by `write` straight into room for at most `most` bytes; it gives the end.
  template <class Write>
  void RawInPlace(std::size_t most, Write write) {
    Prefix(rapidjson::kStringType);
    stream.out.Advance(write(stream.out.Room(most)));
    EndValue(true);
  }
  // The JSON text of a string, as String writes it.
  static std::string Quoted(std::string_view text);

 private:
  void WriteEscaped(std::string_view text);
};

}  // namespace fretwise::cli
