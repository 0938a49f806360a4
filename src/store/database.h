#pragma once
// A thin RAII layer over the encrypted database engine. Values reach SQL only as
// bound parameters. Failures are thrown as store::DbError; the calling operation
// catches them and shows its own fixed message. Nothing here talks to the user.

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// The password every user database, backup and compacted copy is keyed with.
inline constexpr const char *kDatabaseKey = "quolby";

class DbError : public std::runtime_error {
public:
  DbError(int code, const std::string &what) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }
  // Wrong key or not a database at all: the engine only notices at the first read.
  bool notADatabase() const;
  bool busy() const;

private:
  int code_;
};

class Statement {
public:
  Statement(sqlite3 *db, const char *sql);
  ~Statement();
  Statement(Statement &&other) noexcept;
  Statement &operator=(Statement &&) = delete;
  Statement(const Statement &) = delete;

  // Parameters count from 1, as in the SQL text's "?" order.
  Statement &bind(int index, const QString &text);
  Statement &bind(int index, const char *text) { return bind(index, QString::fromUtf8(text)); }
  Statement &bind(int index, qint64 value);
  Statement &bind(int index, int value) { return bind(index, qint64(value)); }
  Statement &bind(int index, bool value) { return bind(index, qint64(value ? 1 : 0)); }
  Statement &bind(int index, double value);
  Statement &bindNull(int index);
  // A null QVariant binds NULL; numbers bind as numbers, everything else as text.
  Statement &bind(int index, const QVariant &value);

  // Runs to the next row: true while a row is there, false when done.
  bool step();
  // Runs a statement that returns no rows.
  void run();
  void reset();

  int columnCount() const;
  // -1 when the result has no column of that name (names compare ignoring case).
  int column(const char *name) const;
  bool isNull(int col) const;
  bool isNull(const char *name) const { return isNull(requireColumn(name)); }
  // A NULL reads as empty text / 0.
  QString text(int col) const;
  QString text(const char *name) const { return text(requireColumn(name)); }
  // The text as the engine holds it (UTF-8), valid until the next step.
  QByteArrayView utf8(int col) const;
  qint64 integer(int col) const;
  qint64 integer(const char *name) const { return integer(requireColumn(name)); }
  double real(int col) const;
  // An invalid QVariant for NULL.
  QVariant value(int col) const;
  QVariant value(const char *name) const { return value(requireColumn(name)); }

private:
  int requireColumn(const char *name) const;
  void check(int rc) const;
  sqlite3 *db_;
  sqlite3_stmt *stmt_ = nullptr;
};

class Database {
public:
  enum class Mode { OpenExisting, Create };
  // Opens (or creates) the file keyed with kDatabaseKey and checks the key by
  // reading the schema, so a wrong key or a damaged file fails here.
  explicit Database(const QString &path, Mode mode = Mode::OpenExisting);
  ~Database();
  Database(const Database &) = delete;
  Database &operator=(const Database &) = delete;

  Statement prepare(const char *sql);
  // Runs one or more statements without parameters.
  void exec(const char *sql);
  qint64 lastInsertId() const;
  int changes() const;
  const QString &path() const { return path_; }
  sqlite3 *handle() { return db_; }

private:
  QString path_;
  sqlite3 *db_ = nullptr;
};

// Rolls back unless committed.
class Transaction {
public:
  explicit Transaction(Database &db);
  ~Transaction();
  void commit();

private:
  Database &db_;
  bool done_ = false;
};

// Applies the key and the fixed cipher settings to a fresh connection or to an
// attached database ("main" or the attachment's name).
void applyKey(sqlite3 *db, const char *schema = "main");

} // namespace store
