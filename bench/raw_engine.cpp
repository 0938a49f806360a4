#include "raw_engine.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace bench::raw {

namespace {

constexpr const char *kKey = "quolby";

void check(sqlite3 *db, int rc) {
  if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
    throw std::runtime_error(std::string("engine: ") + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
}

} // namespace

Connection::Connection(const QString &path) {
  const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(db_);
    throw std::runtime_error("engine: cannot open " + path.toStdString());
  }
  check(db_, sqlite3_key(db_, kKey, int(std::strlen(kKey))));
  exec("PRAGMA cipher_page_size = 4096;");
  exec("SELECT count(*) FROM sqlite_master;");
}

Connection::~Connection() { sqlite3_close_v2(db_); }

void Connection::exec(const char *sql) {
  char *err = nullptr;
  const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string what = err ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    throw std::runtime_error("engine: " + what);
  }
}

Query::Query(const Connection &db, const char *sql) : db_(db.handle()) {
  check(db_, sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr));
}

Query::~Query() { sqlite3_finalize(stmt_); }

Query &Query::bind(int index, const QByteArray &utf8) {
  check(db_, sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC));
  return *this;
}

Query &Query::bind(int index, long long value) {
  check(db_, sqlite3_bind_int64(stmt_, index, value));
  return *this;
}

std::vector<Value> values(const std::vector<QVariant> &from) {
  std::vector<Value> out;
  for (const QVariant &v : from) {
    const bool isNumber = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
    out.push_back(
        {!isNumber, isNumber ? QByteArray() : v.toString().toUtf8(), isNumber ? v.toLongLong() : 0});
  }
  return out;
}

Query &Query::bind(int index, const Value &value) {
  return value.isText ? bind(index, value.text) : bind(index, value.number);
}

Query &Query::bindAll(const std::vector<Value> &values, int first) {
  for (std::size_t i = 0; i < values.size(); ++i)
    bind(first + int(i), values[i]);
  return *this;
}

bool Query::next() {
  const int rc = sqlite3_step(stmt_);
  if (rc != SQLITE_ROW) {
    check(db_, rc);
    return false;
  }
  volatile std::size_t touched = 0;
  const int columns = sqlite3_column_count(stmt_);
  for (int c = 0; c < columns; ++c) {
    if (sqlite3_column_type(stmt_, c) == SQLITE_INTEGER) {
      touched = touched + std::size_t(sqlite3_column_int64(stmt_, c));
    } else {
      const unsigned char *text = sqlite3_column_text(stmt_, c);
      touched = touched + std::size_t(sqlite3_column_bytes(stmt_, c)) + (text ? text[0] : 0);
    }
  }
  return true;
}

QByteArray Query::text(int column) const {
  const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
  return p ? QByteArray(p, sqlite3_column_bytes(stmt_, column)) : QByteArray();
}

void Query::reset() { sqlite3_reset(stmt_); }

long long Query::readAll() {
  long long rows = 0;
  while (next())
    ++rows;
  sqlite3_reset(stmt_);
  return rows;
}

void Query::run() {
  int rc;
  while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
  }
  check(db_, rc);
  sqlite3_reset(stmt_);
}

void copyFile(const QString &from, const QString &to, bool flush) {
  const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
  const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0) {
    if (in >= 0)
      ::close(in);
    if (out >= 0)
      ::close(out);
    throw std::runtime_error("cannot copy " + from.toStdString());
  }
  // The kernel copies the bytes itself where it can; plain reads and writes otherwise.
  bool ok = true;
  bool inKernel = true;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 24, 0);
    if (n == 0)
      break;
    if (n < 0) {
      inKernel = false;
      break;
    }
  }
  if (!inKernel) {
    ::lseek(in, 0, SEEK_SET);
    ::ftruncate(out, 0);
    ::lseek(out, 0, SEEK_SET);
    std::vector<char> block(1 << 20);
    for (;;) {
      const ssize_t n = ::read(in, block.data(), block.size());
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      if (::write(out, block.data(), std::size_t(n)) != n) {
        ok = false;
        break;
      }
    }
  }
  if (ok && flush)
    ok = ::fsync(out) == 0;
  ::close(in);
  ::close(out);
  if (!ok)
    throw std::runtime_error("copy failed: " + to.toStdString());
}

void exportTo(const QString &from, const QString &to) {
  QFile::remove(to);
  Connection db(from);
  Query attach(db, "ATTACH DATABASE ?1 AS compacted KEY 'quolby';");
  attach.bind(1, QFile::encodeName(to)).run();
  db.exec("PRAGMA compacted.cipher_page_size = 4096;");
  db.exec("SELECT sqlcipher_export('compacted');");
  db.exec("DETACH DATABASE compacted;");
}

} // namespace bench::raw
