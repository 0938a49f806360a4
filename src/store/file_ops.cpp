#include "store/file_ops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
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

bool copyReplacing(const QString &from, const QString &to) {
  if (!allowed())
    return false;
  const QString part = to + ".part";
  QFile::remove(part);
  if (!QFile::copy(from, part))
    return false;
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
