#pragma once
// Passwords are kept only as argon2id strings, never in clear.

#include <QString>

namespace store {

// An argon2id string for the password (interactive limits). Empty on failure.
QString hashPassword(const QString &password);
// True when the typed password matches the stored string. An empty stored value
// matches nothing.
bool verifyPassword(const QString &stored, const QString &typed);

} // namespace store
