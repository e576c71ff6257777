// Standard output as the tool writes it: what a run or a batch line answers is gathered in memory
// and written whole, and every write is checked, so that a full disk or a closed descriptor is
// reported instead of passing for success.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace fretwise::cli {

class Output {
 public:
  void Put(char c) {
    Reserve(1);
    buffer_.get()[size_++] = c;
  }
  void Append(std::string_view text) {
    Reserve(text.size());
    text.copy(buffer_.get() + size_, text.size());
    size_ += text.size();
  }
  void AppendNumber(int number) {
    // Most numbers written are frets and fingers.
    if (number >= 0 && number < 10) return Put(char('0' + number));
    AppendLongerNumber(number);
  }
  // Room for `count` more bytes, to be put with PutReserved.
  void Reserve(std::size_t count) {
    if (capacity_ - size_ < count) Grow(count);
  }
  void PutReserved(char c) { buffer_.get()[size_++] = c; }
  // Room for at most `count` bytes written straight in, then kept up to `end`.
  char* Room(std::size_t count) {
    Reserve(count);
    return buffer_.get() + size_;
  }
  void Advance(const char* end) { size_ = std::size_t(end - buffer_.get()); }

  // The end of what is gathered, and a return to it (an answer that failed half-written).
  std::size_t Mark() const { return size_; }
  void Truncate(std::size_t mark) { size_ = mark; }

  // Writes what is gathered. False once a write has failed; Error() then says why.
  bool Send();
  // Writes only once enough is gathered to be worth a system call.
  bool SendIfFull();
  // Sends the rest and closes standard output, which is when some file systems report a failure.
  bool Close();

  bool Failed() const { return error_ != 0; }
  // "cannot write standard output: No space left on device"
  std::string Error() const;

 private:
  void Grow(std::size_t count);
  void AppendLongerNumber(int number);

  struct Free {
    void operator()(char* block) const { std::free(block); }
  };
  // Its first size_ bytes are gathered, the rest is room. From malloc, so that growing a large
  // answer's buffer moves its pages instead of copying them, and room is not filled before use.
  std::unique_ptr<char, Free> buffer_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  int error_ = 0;  // errno of the first failed write, 0 while all went well
};

// Keeps descriptors 0, 1 and 2 taken for the whole run. One that is closed at start is held by a
// stand-in that fails every read or write with "Bad file descriptor", so that no file opened later
// takes its number and a closed standard output is reported as closed. Call first thing.
void HoldStandardDescriptors();

}  // namespace fretwise::cli
