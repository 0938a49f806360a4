#include "store/setting_table.h"

namespace store {

std::optional<SettingRow> readFirstSetting(Database &db) {
  Statement q = db.prepare("SELECT UserID, Password FROM Setting ORDER BY rowid LIMIT 1;");
  if (!q.step())
    return std::nullopt;
  SettingRow row;
  row.userIdNull = q.isNull(0);
  row.passwordNull = q.isNull(1);
  row.userId = q.text(0);
  row.password = q.text(1);
  return row;
}

void writeFirstSetting(Database &db, const QString &userId, const QString &passwordHash) {
  Transaction tx(db);
  qint64 rowid = -1;
  {
    Statement first = db.prepare("SELECT rowid FROM Setting ORDER BY rowid LIMIT 1;");
    if (first.step())
      rowid = first.integer(0);
  }
  if (rowid >= 0) {
    db.prepare("UPDATE Setting SET UserID = ?, Password = ? WHERE rowid = ?;")
        .bind(1, userId)
        .bind(2, passwordHash)
        .bind(3, rowid)
        .run();
  } else {
    db.prepare("INSERT INTO Setting (UserID, Password) VALUES (?, ?);")
        .bind(1, userId)
        .bind(2, passwordHash)
        .run();
  }
  tx.commit();
}

} // namespace store
