#pragma once
// The Setting table: the owner's user ID and password of a user database. Only its
// first row is ever read or written.

#include "store/database.h"

#include <QString>

#include <optional>

namespace store {

struct SettingRow {
  QString userId;
  QString password; // argon2id string, or empty when none was set
  bool userIdNull = true;
  bool passwordNull = true;
};

// The first row of Setting, or nothing when the table is empty. Throws DbError.
std::optional<SettingRow> readFirstSetting(Database &db);

// Writes the user ID and the password string on the first row, adding the row when
// the table has none. Throws DbError.
void writeFirstSetting(Database &db, const QString &userId, const QString &passwordHash);

} // namespace store
