#pragma once

#include <string>
#include <string_view>

namespace ravnelok {

enum class WriteResult { kOk, kCannotCreate, kWriteFailed };

// Writes `bytes` to a temporary file beside `path`, syncs it and renames it over `path` only
// when every byte was written. On any failure the temporary file is removed and an existing
// `path` is left byte for byte as it was. An existing file's permission bits are kept.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ravnelok
