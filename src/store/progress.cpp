#include "store/progress.h"

namespace store {

namespace {
ProgressCallback &current() {
  static ProgressCallback callback;
  return callback;
}
} // namespace

void setProgressCallback(ProgressCallback callback) { current() = std::move(callback); }

void reportProgress(double fraction) {
  if (current())
    current()(fraction);
}

} // namespace store
