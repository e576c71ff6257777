#include "cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace fretwise::cli {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

}  // namespace

LineReader::Result LineReader::Next(std::string_view& line,
                                    const std::function<void()>& beforeWaiting) {
  for (;;) {
    const char* start = buffer_.data();
    const void* newline =
        end_ > scanned_ ? std::memchr(start + scanned_, '\n', end_ - scanned_) : nullptr;
    if (newline) {
      const std::size_t at = static_cast<const char*>(newline) - start;
      line = std::string_view(start + begin_, at - begin_);
      begin_ = scanned_ = at + 1;
      if (std::exchange(skipping_, false)) continue;
      return line.size() > longest_ ? kTooLong : kLine;
    }
    scanned_ = end_;
    if (!skipping_ && end_ - begin_ > longest_) {
      skipping_ = true;
      begin_ = scanned_ = end_ = 0;
      return kTooLong;
    }
    if (skipping_) begin_ = scanned_ = end_ = 0;
    if (ended_) {
      if (begin_ == end_) return kEnd;
      line = std::string_view(start + begin_, end_ - begin_);
      begin_ = scanned_ = end_;
      return kLine;
    }
    // The part of a line read so far goes to the front, and the next block after it.
    if (begin_ > 0) {
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      end_ -= begin_, scanned_ -= begin_, begin_ = 0;
    }
    if (buffer_.size() < end_ + kBlock) buffer_.resize(end_ + kBlock);
    beforeWaiting();
    const ssize_t read = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (read < 0 && errno != EINTR) {
      error_ = errno;
      return kFailed;
    }
    if (read == 0) ended_ = true;
    if (read > 0) end_ += std::size_t(read);
  }
}

}  // namespace fretwise::cli
