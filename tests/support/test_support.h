#pragma once
// What every test needs: a temporary application folder holding the program's files,
// fixture user databases made in code, and a recorder in place of message boxes.

#include "app/message_box.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// Records every box shown; Yes/No boxes are answered from a queue. A Yes/No box
// with no queued answer fails the running test at once and answers No.
class MessageRecorder {
public:
  MessageRecorder();
  ~MessageRecorder();
  void answer(app::Answer a) { answers_.append(a); }
  const QList<app::Message> &messages() const { return messages_; }
  QStringList texts() const;
  QString last() const { return messages_.isEmpty() ? QString() : messages_.last().text; }
  void clear() { messages_.clear(); }

private:
  QList<app::Message> messages_;
  QList<app::Answer> answers_;
};

// A fresh application folder with the template and the placeholder picture, set as
// the program's application folder; the session is reset on both ends.
class TempAppFolder {
public:
  TempAppFolder();
  ~TempAppFolder();
  QString path() const { return dir_.path(); }
  QString file(const QString &name) const { return dir_.filePath(name); }

  // Copies the template to "Trade-<id>.mdb" and writes its Setting row (password
  // stored as the login expects). With a facility code, the profile and the seed row
  // are written too. Returns the database path.
  QString makeUser(const QString &userId, const QString &password, const QString &facilityCode = QString(),
                   const QString &facility = QStringLiteral("Ostrine"));
  // Makes the user as above and signs in: run-time values set as after a login.
  QString signIn(const QString &userId, const QString &password = QStringLiteral("pass"),
                 const QString &facilityCode = QStringLiteral("40500000"));

private:
  QTemporaryDir dir_;
};

} // namespace testing_support
