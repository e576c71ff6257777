// The lines of an input, read in blocks, each at most a bound long: a line past it is skipped
// without being kept, so that memory stays flat whatever comes (even /dev/zero, which never ends a
// line).
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace fretwise::cli {

class LineReader {
 public:
  enum Result { kLine, kTooLong, kEnd, kFailed };

  LineReader(int fd, std::size_t longest) : fd_(fd), longest_(longest) {}

  // kLine with the next line, without its newline, valid until the next call; the last line needs
  // no newline. kTooLong once for a line longer than `longest`, whose rest is then skipped. kEnd
  // at the end of the input; kFailed when it cannot be read (error() says why). beforeWaiting runs
  // before every read, which may wait for the input.
  Result Next(std::string_view& line, const std::function<void()>& beforeWaiting);
  int error() const { return error_; }

 private:
  int fd_;
  std::size_t longest_;
  std::vector<char> buffer_;
  // buffer_[begin_, end_) is read and not yet handed out; up to scanned_ it holds no newline.
  std::size_t begin_ = 0, scanned_ = 0, end_ = 0;
  bool skipping_ = false;  // the rest of a line that was too long, up to its newline
  bool ended_ = false;
  int error_ = 0;
};

}  // namespace fretwise::cli
