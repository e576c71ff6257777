#include "cli/output.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <new>

namespace fretwise::cli {
namespace {

// Enough to make a system call worth it, little enough to keep a batch's memory flat.
constexpr std::size_t kFullBuffer = 32 * 1024;
// The first room: a full buffer and what one answer adds before it is sent, so that the buffer
// does not grow to twice its size (and move into pages of its own) for an answer's last bytes.
constexpr std::size_t kFirstRoom = kFullBuffer + kFullBuffer / 4;

}  // namespace

void Output::AppendLongerNumber(int number) {
  Reserve(12);
  size_ = std::size_t(std::to_chars(buffer_.get() + size_, buffer_.get() + capacity_, number).ptr -
                      buffer_.get());
}

void Output::Grow(std::size_t count) {
  const std::size_t capacity = std::max({2 * capacity_, size_ + count, kFirstRoom});
  char* grown = static_cast<char*>(std::realloc(buffer_.get(), capacity));
  if (!grown) throw std::bad_alloc();
  buffer_.release();
  buffer_.reset(grown);
  capacity_ = capacity;
}

bool Output::Send() {
  std::size_t sent = 0;
  while (error_ == 0 && sent < size_) {
    const ssize_t written = ::write(STDOUT_FILENO, buffer_.get() + sent, size_ - sent);
    if (written >= 0) {
      sent += std::size_t(written);
    } else if (errno != EINTR) {
      error_ = errno;
    }
  }
  size_ = 0;
  return error_ == 0;
}

bool Output::SendIfFull() { return size_ < kFullBuffer ? !Failed() : Send(); }

bool Output::Close() {
  if (!Send()) return false;
  if (::close(STDOUT_FILENO) != 0 && errno != EINTR) error_ = errno;
  return error_ == 0;
}

std::string Output::Error() const {
  return std::string("cannot write standard output: ") + std::strerror(error_);
}

void HoldStandardDescriptors() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Open the wrong way round: reading a write-only descriptor fails, and so does writing a
    // read-only one. The lower descriptors are open, so this one takes fd's number.
    const int standIn = ::open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY));
    if (standIn >= 0 && standIn != fd) {
      ::dup2(standIn, fd);
      ::close(standIn);
    }
  }
}

}  // namespace fretwise::cli
