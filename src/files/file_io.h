#pragma once

#include <string>
#include <string_view>

namespace ravnelok {

enum class WriteResult { kOk, kCannotCreate, kWriteFailed };

// Why a write failed, in the user's terms.
enum class WriteFailure { kNone, kDiskFull, kNoPermission, kReadOnly, kNoFolder, kOther };
// The failure a system error number (errno) means; 0 is none.
WriteFailure WriteFailureOf(int error);

// Writes `bytes` to a temporary file beside `path`, syncs it and renames it over `path` only
// when every byte was written. On any failure the temporary file is removed and an existing
// `path` is left byte for byte as it was. An existing file's permission bits are kept.
// `error`, when given, gets the system's error number of the first step that failed.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                int* error = nullptr);

}  // namespace ravnelok
