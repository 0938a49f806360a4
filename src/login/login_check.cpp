#include "login/login_check.h"

#include "store/credentials.h"
#include "store/setting_table.h"
#include "store/user_database.h"

namespace login {

LoginCheck checkLogin(const QString &typedUserId, const QString &typedPassword) {
  using Outcome = LoginCheck::Outcome;
  if (typedUserId.isEmpty())
    return {Outcome::EmptyUserId, {}};
  store::Session &s = store::session();
  const QString found = store::findFileName(s.appFolder(), store::databaseFileNameFor(typedUserId));
  s.setDatabaseFileName(found);
  if (found.isEmpty())
    return {Outcome::NoDatabase, {}};

  std::optional<store::SettingRow> row;
  try {
    row = store::readFirstSetting(s.db());
  } catch (const store::DbError &e) {
    s.clearDatabase();
    return {e.busy() ? Outcome::InUse : Outcome::Unreadable, {}};
  }
  if (!row || row->userId.isEmpty() || row->password.isEmpty())
    return {Outcome::WrongCredentials, {}};
  if (typedUserId != row->userId || !store::verifyPassword(row->password, typedPassword))
    return {Outcome::WrongCredentials, {}};
  return {Outcome::Admitted, row->userId};
}

} // namespace login
