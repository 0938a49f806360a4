#pragma once
// Every file operation of the program goes through here, so tests can make the
// Nth operation fail and check that nothing was lost.

#include <QByteArray>
#include <QString>

namespace store::fileops {

bool exists(const QString &path);
// Copies beside the target ("<to>.part"), flushes, then renames over the target.
bool copyReplacing(const QString &from, const QString &to);
// Atomic rename over an existing target.
bool rename(const QString &from, const QString &to);
bool remove(const QString &path);
bool makeFolder(const QString &path);
// Appends the bytes and flushes them to disk; the file is created when missing. On a
// short write the file is cut back to its old length: all of the bytes or none.
bool append(const QString &path, const QByteArray &bytes);
// Writes a whole file beside the target and renames it into place.
bool writeFile(const QString &path, const QByteArray &bytes);
// Flushes a written file to disk.
bool sync(const QString &path);

// Test seam: the Nth operation from now (1 = the next) fails; 0 switches it off.
void failAtCall(int n);
// Number of operations since the last failAtCall.
int callCount();

} // namespace store::fileops
