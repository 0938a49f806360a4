#include "store/credentials.h"

#include <sodium.h>

namespace store {

namespace {
bool ready() {
  static const bool ok = sodium_init() >= 0;
  return ok;
}
} // namespace

QString hashPassword(const QString &password) {
  if (!ready())
    return QString();
  const QByteArray utf8 = password.toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str_alg(out, utf8.constData(), utf8.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
    return QString();
  return QString::fromLatin1(out);
}

bool verifyPassword(const QString &stored, const QString &typed) {
  if (stored.isEmpty() || !ready())
    return false;
  const QByteArray hash = stored.toLatin1();
  const QByteArray utf8 = typed.toUtf8();
  return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), utf8.size()) == 0;
}

} // namespace store
