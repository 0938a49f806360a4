#include "store/file_ops.h"

#include "store/progress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::fileops {

namespace {
int failAt = 0;
int calls = 0;

// Counts the call; false when the test seam wants this one to fail.
bool allowed() {
  ++calls;
  return failAt == 0 || calls != failAt;
}
} // namespace

void failAtCall(int n) {
  failAt = n;
  calls = 0;
}

int callCount() { return calls; }

bool exists(const QString &path) { return QFileInfo::exists(path); }

bool sync(const QString &path) {
  int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
  if (fd < 0)
    return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

namespace {

// Copies the bytes inside the kernel where the file system allows it, else by reading
// and writing: a database of hundreds of megabytes is copied at every login.
bool copyBytes(const QString &from, const QString &to) {
  const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
  if (in < 0)
    return false;
  const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool ok = true;
  struct stat info {};
  const double total = ::fstat(in, &info) == 0 && info.st_size > 0 ? double(info.st_size) : 0.0;
  double copied = 0;
  ssize_t n;
  // Pieces of 32 MB, so a waiting window hears how far the copy has come.
  while ((n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 25, 0)) > 0) {
    copied += double(n);
    if (total > 0)
      reportProgress(copied / total);
  }
  if (n < 0) {
    // No copy in the kernel here: start again with plain reads and writes.
    ok = ::lseek(in, 0, SEEK_SET) == 0 && ::lseek(out, 0, SEEK_SET) == 0 && ::ftruncate(out, 0) == 0;
    std::vector<char> block(1 << 20);
    while (ok) {
      const ssize_t got = ::read(in, block.data(), block.size());
      if (got < 0 && errno == EINTR)
        continue;
      if (got <= 0) {
        ok = got == 0;
        break;
      }
      for (ssize_t done = 0; ok && done < got;) {
        const ssize_t put = ::write(out, block.data() + done, std::size_t(got - done));
        if (put < 0 && errno == EINTR)
          continue;
        ok = put > 0;
        done += put;
      }
    }
  }
  ::close(in);
  return ::close(out) == 0 && ok;
}

} // namespace

bool copyReplacing(const QString &from, const QString &to) {
  if (!allowed())
    return false;
  const QString part = to + ".part";
  QFile::remove(part);
  if (!copyBytes(from, part)) {
    QFile::remove(part);
    return false;
  }
  QFile(part).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  if (!sync(part) || ::rename(QFile::encodeName(part).constData(), QFile::encodeName(to).constData()) != 0) {
    QFile::remove(part);
    return false;
  }
  return true;
}

bool rename(const QString &from, const QString &to) {
  if (!allowed())
    return false;
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool remove(const QString &path) {
  if (!allowed())
    return false;
  return QFile::remove(path);
}

bool makeFolder(const QString &path) {
  if (!allowed())
    return false;
  return QDir().mkpath(path);
}

bool append(const QString &path, const QByteArray &bytes) {
  if (!allowed())
    return false;
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0)
    return false;
  const off_t before = ::lseek(fd, 0, SEEK_END);
  qint64 written = 0;
  while (before >= 0 && written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    written += n;
  }
  bool ok = before >= 0 && written == bytes.size() && ::fsync(fd) == 0;
  // A full disk or a size limit can let part of the line through: the file goes back
  // to where it was, so it never holds half a line.
  if (!ok && before >= 0 && ::ftruncate(fd, before) == 0)
    ::fsync(fd);
  ::close(fd);
  return ok;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
  if (!allowed())
    return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  if (file.write(bytes) != bytes.size())
    return false;
  return file.commit();
}

} // namespace store::fileops
