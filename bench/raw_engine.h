#pragma once
// The floors: the same work done straight on the encrypted engine's C interface with
// the program's settings (its key, 4096-byte cipher pages), and plain file copies.
// Nothing of the program's own layers is used here.

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace bench::raw {

class Connection {
public:
  explicit Connection(const QString &path);
  ~Connection();
  Connection(const Connection &) = delete;
  Connection &operator=(const Connection &) = delete;
  sqlite3 *handle() const { return db_; }
  void exec(const char *sql);

private:
  sqlite3 *db_ = nullptr;
};

// A value as the engine binds it, converted before any timing starts.
struct Value {
  bool isText = true;
  QByteArray text;
  long long number = 0;
};
std::vector<Value> values(const std::vector<QVariant> &from);

class Query {
public:
  Query(const Connection &db, const char *sql);
  ~Query();
  Query(const Query &) = delete;
  Query &operator=(const Query &) = delete;
  Query &bind(int index, const QByteArray &utf8);
  Query &bind(int index, long long value);
  Query &bind(int index, const Value &value);
  // Binds the values to parameters first, first + 1, ...
  Query &bindAll(const std::vector<Value> &values, int first = 1);
  // One row with every column read; false when there is none left.
  bool next();
  QByteArray text(int column) const;
  void reset();
  // Steps through every row reading every column as the program would (text as
  // bytes, numbers as numbers); returns the number of rows.
  long long readAll();
  void run();

private:
  sqlite3 *db_;
  sqlite3_stmt *stmt_ = nullptr;
};

// Copies the bytes (in the kernel where it can); with `flush`, the copy is on disk when
// this returns, as every copy the program makes is.
void copyFile(const QString &from, const QString &to, bool flush);
// Opens `from`, attaches a new file `to` with the same key and settings, exports.
void exportTo(const QString &from, const QString &to);

} // namespace bench::raw
