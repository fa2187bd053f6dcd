#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "files/write_faults.h"
#include "text/file_read.h"

namespace ravnelok {

namespace {

thread_local WriteFaultPlan* fault_plan = nullptr;

bool WriteBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // nothing written and no error: no room left
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  if (fault_plan != nullptr) {
    const std::size_t allowed = fault_plan->Allow(bytes.size());
    if (allowed < bytes.size()) {
      WriteBytes(fd, bytes.substr(0, allowed));
      errno = fault_plan->Error();  // as a full disk, say, would stop it
      return false;
    }
  }
  return WriteBytes(fd, bytes);
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A fresh, hidden name in the target's directory, created exclusively so that no other file is
// ever touched. The mode follows the umask like any new file.
int CreateTemporary(const std::string& path, std::string& temp_path) {
  const auto slash = path.rfind('/');
  const std::string prefix = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_path = prefix + ".ravnelok-" + std::to_string(::getpid()) + "-" +
                std::to_string(counter++) + ".tmp";
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Follows symbolic links (a chain of them, a dangling one too) to the file they name, so that
// the rename replaces that file and the links stay links. Gives `path` when it is no link, and
// nothing for a loop of links.
std::string ResolveLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return path;
    target.resize(static_cast<std::size_t>(n));
    if (target.front() != '/' && path.find('/') != std::string::npos) {
      target = DirectoryOf(path) + "/" + target;
    }
    path = std::move(target);
  }
  return std::string();
}

}  // namespace

ScopedWriteFaults::ScopedWriteFaults(WriteFaultPlan& plan) : previous_(fault_plan) {
  fault_plan = &plan;
}
ScopedWriteFaults::~ScopedWriteFaults() {
  fault_plan = previous_;
}

WriteFailure WriteFailureOf(int error) {
  switch (error) {
    case 0:
      return WriteFailure::kNone;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return WriteFailure::kDiskFull;
    case EACCES:
    case EPERM:
      return WriteFailure::kNoPermission;
    case EROFS:
      return WriteFailure::kReadOnly;
    case ENOENT:
    case ENOTDIR:
      return WriteFailure::kNoFolder;
    default:
      return WriteFailure::kOther;
  }
}

WriteResult WriteFileAtomically(const std::string& given_path, std::string_view bytes, int* error) {
  int first_error = 0;
  // Notes the error of the step that just failed, unless an earlier one failed first.
  auto check = [&first_error](bool ok) {
    if (!ok && first_error == 0) first_error = errno != 0 ? errno : EIO;
    return ok;
  };
  auto report = [&](WriteResult result) {
    if (error != nullptr) *error = result == WriteResult::kOk ? 0 : first_error;
    return result;
  };
  const std::string path = ResolveLinks(given_path);
  if (path.empty()) {
    first_error = ELOOP;
    return report(WriteResult::kCannotCreate);
  }
  std::string temp_path;
  Fd fd(CreateTemporary(path, temp_path));
  if (!check(fd.get() >= 0)) return report(WriteResult::kCannotCreate);

  struct stat old {};
  bool ok = true;
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ok = check(::fchmod(fd.get(), old.st_mode & 07777) == 0);
  }
  ok = ok && check(WriteAll(fd.get(), bytes));
  ok = ok && check(::fsync(fd.get()) == 0);
  ok = check(fd.Close()) && ok;
  ok = ok && check(::rename(temp_path.c_str(), path.c_str()) == 0);
  if (!ok) {
    ::unlink(temp_path.c_str());
    return report(WriteResult::kWriteFailed);
  }
  // Make the rename itself durable; the new file is complete either way.
  Fd dir(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return report(WriteResult::kOk);
}

}  // namespace ravnelok
