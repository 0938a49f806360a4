#pragma once
// The credential test of the login: which user database the typed ID names, and
// whether the typed ID and password are the ones stored in its Setting row.

#include <QString>

namespace login {

struct LoginCheck {
  enum class Outcome {
    EmptyUserId,      // nothing typed
    NoDatabase,       // no user database for the ID
    Unreadable,       // the file is damaged or keyed otherwise
    InUse,            // another program holds the file while it writes
    WrongCredentials, // ID or password differ, or no complete credentials stored
    Admitted,
  };
  Outcome outcome = Outcome::EmptyUserId;
  QString storedUserId; // set when admitted
};

// Sets the session's database file name to the file found (empty when there is none
// or it cannot be read) and tests the credentials against its first Setting row.
// Both comparisons are exact; a row missing its ID or password admits nobody.
LoginCheck checkLogin(const QString &typedUserId, const QString &typedPassword);

} // namespace login
