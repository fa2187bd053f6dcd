#pragma once

#include <cerrno>
#include <cstddef>

namespace ravnelok {

// A way for tests to make the file writer fail part-way, as a full disk or a lost network drive
// would. Only the thread that installs a plan sees it; without one every write goes straight on.
class WriteFaultPlan {
 public:
  virtual ~WriteFaultPlan() = default;
  // How many of the file's `size` bytes may be written; fewer writes those and then fails.
  virtual std::size_t Allow(std::size_t size) = 0;
  // The error the cut write reports.
  virtual int Error() const { return ENOSPC; }
};

// Installs `plan` for the writes of this thread while it lives.
class ScopedWriteFaults {
 public:
  explicit ScopedWriteFaults(WriteFaultPlan& plan);
  ~ScopedWriteFaults();
  ScopedWriteFaults(const ScopedWriteFaults&) = delete;
  ScopedWriteFaults& operator=(const ScopedWriteFaults&) = delete;

 private:
  WriteFaultPlan* previous_;
};

}  // namespace ravnelok
