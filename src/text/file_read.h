#pragma once

#include <cstddef>
#include <string>

namespace ravnelok {

// A file descriptor, closed on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd();
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (it can report a late write error).
  bool Close();

 private:
  int fd_;
};

enum class ReadResult { kOk, kCannotOpen, kNotRegular, kTooLarge, kReadError };

// Reads a whole regular file as raw bytes, refusing one larger than `max_bytes` without reading
// it. Opening never blocks (a FIFO is refused, not waited on) and nothing throws: every file
// the program reads (sheets, the text file, the help file) comes through here.
ReadResult ReadFileCapped(const std::string& path, std::size_t max_bytes, std::string& bytes);

}  // namespace ravnelok
