#pragma once
// Long file work (the daily backup copy, compaction) reports now and then, so the
// window that waits can repaint itself and show how far the work has come.

#include <functional>

namespace store {

// fraction: 0..1 of the current step, or negative when the step cannot tell.
using ProgressCallback = std::function<void(double fraction)>;

// Installs the callback for the work that follows; an empty one removes it.
void setProgressCallback(ProgressCallback callback);
void reportProgress(double fraction);

// Keeps a callback installed for one scope.
class ProgressScope {
public:
  explicit ProgressScope(ProgressCallback callback) { setProgressCallback(std::move(callback)); }
  ~ProgressScope() { setProgressCallback({}); }
  ProgressScope(const ProgressScope &) = delete;
  ProgressScope &operator=(const ProgressScope &) = delete;
};

} // namespace store
