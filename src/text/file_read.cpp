#include "text/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ravnelok {

Fd::~Fd() {
  if (fd_ >= 0) ::close(fd_);
}

bool Fd::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}

ReadResult ReadFileCapped(const std::string& path, std::size_t max_bytes, std::string& bytes) {
  bytes.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return ReadResult::kCannotOpen;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ReadResult::kReadError;
  if (!S_ISREG(st.st_mode)) return ReadResult::kNotRegular;
  if (static_cast<unsigned long long>(st.st_size) > max_bytes) return ReadResult::kTooLarge;
  // The size may change while we read: read up to one byte past the cap to notice.
  bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() > max_bytes) return ReadResult::kTooLarge;
      bytes.resize(std::min(max_bytes + 1, bytes.size() * 2));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ReadResult::kReadError;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  if (filled > max_bytes) return ReadResult::kTooLarge;
  bytes.resize(filled);
  return ReadResult::kOk;
}

}  // namespace ravnelok
