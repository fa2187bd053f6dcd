#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ravnelok {

enum class ReadResult { kOk, kCannotOpen, kNotRegular, kTooLarge, kReadError };

// Reads a whole regular file as raw bytes, refusing one larger than `max_bytes` without reading
// it. Opening never blocks (a FIFO is refused, not waited on).
ReadResult ReadFileCapped(const std::string& path, std::size_t max_bytes, std::string& bytes);

enum class WriteResult { kOk, kCannotCreate, kWriteFailed };

// Writes `bytes` to a temporary file beside `path`, syncs it and renames it over `path` only
// when every byte was written. On any failure the temporary file is removed and an existing
// `path` is left byte for byte as it was. An existing file's permission bits are kept.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ravnelok
