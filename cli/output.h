// Standard output as the tool writes it: what a run or a batch line answers is gathered in memory
// and written whole, and every write is checked, so that a full disk or a closed descriptor is
// reported instead of passing for success.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fretwise::cli {

class Output {
 public:
  void Put(char c) { buffer_.push_back(c); }
  void Append(std::string_view text) { buffer_.append(text); }
  void AppendNumber(int number);

  // The end of what is gathered, and a return to it (an answer that failed half-written).
  std::size_t Mark() const { return buffer_.size(); }
  void Truncate(std::size_t mark) { buffer_.resize(mark); }

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
  std::string buffer_;
  int error_ = 0;  // errno of the first failed write, 0 while all went well
};

// Keeps descriptors 0, 1 and 2 taken for the whole run. One that is closed at start is held by a
// stand-in that fails every read or write with "Bad file descriptor", so that no file opened later
// takes its number and a closed standard output is reported as closed. Call first thing.
void HoldStandardDescriptors();

}  // namespace fretwise::cli
