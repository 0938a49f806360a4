#include "support/test_support.h"

#include "app/clock.h"
#include "store/credentials.h"
#include "store/user_database.h"

#include <QFile>
#include <QTest>

namespace testing_support {

MessageRecorder::MessageRecorder() {
  app::setMessageHandler([this](const app::Message &m) {
    messages_.append(m);
    if (m.buttons == app::Buttons::Ok)
      return app::Answer::Ok;
    if (answers_.isEmpty()) {
      QTest::qFail(qPrintable(QStringLiteral("unanswered Yes/No box: ") + m.text), __FILE__, __LINE__);
      return app::Answer::No;
    }
    return answers_.takeFirst();
  });
}

MessageRecorder::~MessageRecorder() { app::setMessageHandler({}); }

QStringList MessageRecorder::texts() const {
  QStringList out;
  for (const auto &m : messages_)
    out << m.text;
  return out;
}

TempAppFolder::TempAppFolder() {
  QFile::copy(QStringLiteral(VARNEL_APP_DIR "/VarnelBase"), dir_.filePath(QStringLiteral("VarnelBase")));
  QFile::copy(QStringLiteral(VARNEL_APP_DIR "/signature.jpg"), dir_.filePath(QStringLiteral("signature.jpg")));
  store::session().reset();
  store::session().setAppFolder(dir_.path());
}

TempAppFolder::~TempAppFolder() {
  store::session().reset();
  app::setClockForTest({});
}

QString TempAppFolder::makeUser(const QString &userId, const QString &password, const QString &facilityCode,
                                const QString &facility) {
  const QString path = dir_.filePath(store::databaseFileNameFor(userId));
  QFile::remove(path);
  QFile::copy(dir_.filePath(QStringLiteral("VarnelBase")), path);
  QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  store::Database db(path);
  db.prepare("INSERT INTO Setting (UserID, Password) VALUES (?, ?);")
      .bind(1, userId)
      .bind(2, store::hashPassword(password))
      .run();
  if (!facilityCode.isEmpty()) {
    db.prepare("INSERT INTO Employee_Info (FCode, EmpType) VALUES (?, 'Full Time');").bind(1, facilityCode).run();
    db.prepare("INSERT INTO Trade (Facility, Ticket) VALUES (?, ?);").bind(1, facility).bind(2, facilityCode).run();
  }
  return path;
}

QString TempAppFolder::signIn(const QString &userId, const QString &password, const QString &facilityCode) {
  const QString path = makeUser(userId, password, facilityCode);
  store::session().setDatabaseFileName(store::databaseFileNameFor(userId));
  store::session().setUserId(userId);
  return path;
}

} // namespace testing_support
