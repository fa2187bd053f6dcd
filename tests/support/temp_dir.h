#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ravnelok::testing {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }
  // The names in the directory, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

}  // namespace ravnelok::testing
