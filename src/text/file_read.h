#pragma once

#include <cstddef>
#include <string>

namespace ravnelok {

enum class ReadResult { kOk, kCannotOpen, kNotRegular, kTooLarge, kReadError };

// Reads a whole regular file as raw bytes, refusing one larger than `max_bytes` without reading
// it. Opening never blocks (a FIFO is refused, not waited on) and nothing throws: every file
// the program reads (sheets, the text file, the help file) comes through here.
ReadResult ReadFileCapped(const std::string& path, std::size_t max_bytes, std::string& bytes);

}  // namespace ravnelok
