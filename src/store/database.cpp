#include "store/database.h"

#include <sqlcipher/sqlite3.h>

#include <cstring>

namespace store {

namespace {

[[noreturn]] void fail(sqlite3 *db, int rc) {
  const char *msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  throw DbError(rc, msg ? msg : "database error");
}

} // namespace

bool DbError::notADatabase() const { return (code_ & 0xff) == SQLITE_NOTADB; }
bool DbError::busy() const { return (code_ & 0xff) == SQLITE_BUSY || (code_ & 0xff) == SQLITE_LOCKED; }

void applyKey(sqlite3 *db, const char *schema) {
  const bool isMain = std::strcmp(schema, "main") == 0;
  if (isMain) {
    int rc = sqlite3_key(db, kDatabaseKey, int(std::strlen(kDatabaseKey)));
    if (rc != SQLITE_OK)
      fail(db, rc);
  }
  // One page size for every file: smaller files and faster scans than the default.
  QByteArray pragma = QByteArray("PRAGMA ") + schema + ".cipher_page_size = 4096;";
  char *err = nullptr;
  int rc = sqlite3_exec(db, pragma.constData(), nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string what = err ? err : "cipher settings refused";
    sqlite3_free(err);
    throw DbError(rc, what);
  }
}

// ---------------------------------------------------------------- Statement

Statement::Statement(sqlite3 *db, const char *sql) : db_(db) {
  check(sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr));
}

Statement::~Statement() {
  if (stmt_)
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement &&other) noexcept : db_(other.db_), stmt_(other.stmt_) {
  other.stmt_ = nullptr;
}

void Statement::check(int rc) const {
  if (rc != SQLITE_OK)
    fail(db_, rc);
}

Statement &Statement::bind(int index, const QString &text) {
  QByteArray utf8 = text.toUtf8();
  check(sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
  return *this;
}

Statement &Statement::bind(int index, qint64 value) {
  check(sqlite3_bind_int64(stmt_, index, value));
  return *this;
}

Statement &Statement::bind(int index, double value) {
  check(sqlite3_bind_double(stmt_, index, value));
  return *this;
}

Statement &Statement::bindNull(int index) {
  check(sqlite3_bind_null(stmt_, index));
  return *this;
}

Statement &Statement::bind(int index, const QVariant &value) {
  if (!value.isValid() || value.isNull())
    return bindNull(index);
  switch (value.typeId()) {
  case QMetaType::Int:
  case QMetaType::LongLong:
  case QMetaType::UInt:
  case QMetaType::Bool:
    return bind(index, value.toLongLong());
  case QMetaType::Double:
    return bind(index, value.toDouble());
  default:
    return bind(index, value.toString());
  }
}

bool Statement::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW)
    return true;
  if (rc == SQLITE_DONE)
    return false;
  fail(db_, rc);
}

void Statement::run() {
  while (step()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

int Statement::column(const char *name) const {
  const int n = sqlite3_column_count(stmt_);
  for (int i = 0; i < n; ++i)
    if (sqlite3_stricmp(sqlite3_column_name(stmt_, i), name) == 0)
      return i;
  return -1;
}

int Statement::requireColumn(const char *name) const {
  int col = column(name);
  if (col < 0)
    throw DbError(SQLITE_ERROR, std::string("no such column: ") + name);
  return col;
}

bool Statement::isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

QString Statement::text(int col) const {
  const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, col));
  if (!p)
    return QString();
  return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, col));
}

QByteArrayView Statement::utf8(int col) const {
  const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, col));
  return p ? QByteArrayView(p, sqlite3_column_bytes(stmt_, col)) : QByteArrayView();
}

qint64 Statement::integer(int col) const { return sqlite3_column_int64(stmt_, col); }

double Statement::real(int col) const { return sqlite3_column_double(stmt_, col); }

QVariant Statement::value(int col) const {
  switch (sqlite3_column_type(stmt_, col)) {
  case SQLITE_NULL:
    return QVariant();
  case SQLITE_INTEGER:
    return QVariant(qint64(sqlite3_column_int64(stmt_, col)));
  case SQLITE_FLOAT:
    return QVariant(sqlite3_column_double(stmt_, col));
  default:
    return QVariant(text(col));
  }
}

// ----------------------------------------------------------------- Database

Database::Database(const QString &path, Mode mode) : path_(path) {
  const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
  try {
    if (rc != SQLITE_OK)
      fail(db_, rc);
    sqlite3_busy_timeout(db_, 0);
    applyKey(db_);
    // The key is only tried on the first read: a wrong key or a damaged file fails here.
    exec("SELECT count(*) FROM sqlite_master;");
  } catch (...) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw;
  }
}

Database::~Database() {
  if (db_)
    sqlite3_close_v2(db_);
}

Statement Database::prepare(const char *sql) { return Statement(db_, sql); }

void Database::exec(const char *sql) {
  char *err = nullptr;
  int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string what = err ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    throw DbError(rc, what);
  }
}

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

int Database::changes() const { return sqlite3_changes(db_); }

// -------------------------------------------------------------- Transaction

Transaction::Transaction(Database &db) : db_(db) { db_.exec("BEGIN IMMEDIATE;"); }

Transaction::~Transaction() {
  if (!done_) {
    try {
      db_.exec("ROLLBACK;");
    } catch (...) {
    }
  }
}

void Transaction::commit() {
  db_.exec("COMMIT;");
  done_ = true;
}

} // namespace store
