#pragma once
// A signed-in user (Ostrine seed 40500000), a main window to hold the ticket forms,
// and a recorder in place of message boxes.

#include "app/main_window.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "tickets/ticket_form.h"
#include "tickets/view_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

struct FormFixture {
  explicit FormFixture(const QString &facilityCode = QStringLiteral("40500000")) {
    folder.signIn(QStringLiteral("u1"), QStringLiteral("pass"), facilityCode);
    main = std::make_unique<app::MainWindow>();
    main->resize(1100, 800);
    main->show();
  }
  ~FormFixture() {
    // A form that was never shown has no frame to take it away with the main window.
    delete tickets::TicketForm::instance(tickets::FormMode::NewDoor);
    delete tickets::TicketForm::instance(tickets::FormMode::OpenDoor);
    main.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  tickets::TicketForm *openNew(const QString &door = QStringLiteral("Door250")) {
    tickets::New_ViewForm(door);
    return tickets::TicketForm::instance(tickets::FormMode::NewDoor);
  }

  testing_support::MessageRecorder messages;
  testing_support::TempAppFolder folder;
  std::unique_ptr<app::MainWindow> main;
};

template <typename T = QWidget> T *child(QWidget *form, const char *name) {
  T *w = form->findChild<T *>(QString::fromLatin1(name));
  if (!w)
    qFatal("no control %s", name);
  return w;
}

inline QString text(QWidget *form, const char *name) {
  QWidget *w = child(form, name);
  if (auto *line = qobject_cast<QLineEdit *>(w))
    return line->displayText();
  if (auto *box = qobject_cast<QPlainTextEdit *>(w))
    return box->toPlainText();
  if (auto *combo = qobject_cast<QComboBox *>(w))
    return combo->currentText();
  return {};
}

inline void type(QWidget *form, const char *name, const QString &keys) {
  QWidget *w = child(form, name);
  if (auto *combo = qobject_cast<QComboBox *>(w))
    w = combo->lineEdit();
  QTest::keyClicks(w, keys);
}

inline void choose(QWidget *form, const char *option) { child<QRadioButton>(form, option)->click(); }
inline void press(QWidget *form, const char *button) { child<QPushButton>(form, button)->click(); }

// One column of the ticket's first row; invalid when there is no row.
inline QVariant stored(const QString &ticket, const char *column) {
  auto st = store::session().db().prepare("SELECT * FROM Trade WHERE Ticket = ? ORDER BY No");
  st.bind(1, ticket);
  if (!st.step())
    return {};
  return st.isNull(column) ? QVariant(QStringLiteral("<null>")) : st.value(column);
}

inline int rowsOf(const QString &ticket) {
  auto st = store::session().db().prepare("SELECT COUNT(*) FROM Trade WHERE Ticket = ?");
  st.bind(1, ticket);
  st.step();
  return int(st.integer(0));
}
