// Finishing a job from the ticket form: Close, Print and the secondary Close write the
// row closed, append the export line, clear and renumber; refusals and failures keep
// the form and export nothing.
#include "app/clock.h"
#include "app/date_text.h"
#include "printing/printer.h"
#include "tickets/ticket_form_state.h"

#include "form_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using tickets::FormMode;
using tickets::TicketForm;
using Button = tickets::TicketForm::CloseButton;

Q_DECLARE_METATYPE(tickets::TicketForm::CloseButton)

namespace {

const char *buttonName(Button b) {
  switch (b) {
  case Button::Close:
    return "btnClose";
  case Button::Print:
    return "btnPrint";
  case Button::SecondaryClose:
    return "btnClose2";
  }
  return "";
}

QString exportFile(const testing_support::TempAppFolder &folder) {
  return folder.file(app::folderDateText(app::today()) + QStringLiteral("/u1-myFile.csv"));
}

QStringList exportedTickets(const testing_support::TempAppFolder &folder) {
  QFile file(exportFile(folder));
  QStringList tickets;
  if (!file.open(QIODevice::ReadOnly))
    return tickets;
  for (const QByteArray &line : file.readAll().split('\n')) {
    if (!line.trimmed().isEmpty())
      tickets << QString::fromUtf8(line.split(',').value(2));
  }
  return tickets;
}

} // namespace

class TestTicketFormClosing : public QObject {
  Q_OBJECT
private slots:
  void init() {
    tickets::setCurrentTradeDate(QDate());
    printing::printToFileForTest(QDir::temp().filePath(QStringLiteral("varnel_form_receipt.pdf")));
  }
  void cleanup() { printing::printToFileForTest(QString()); }

  void closingWritesExportsAndRenumbers_data() {
    QTest::addColumn<Button>("button");
    QTest::addColumn<bool>("formStays");
    QTest::newRow("Close") << Button::Close << false;
    QTest::newRow("Print") << Button::Print << false;
    QTest::newRow("secondary Close") << Button::SecondaryClose << true;
  }
  void closingWritesExportsAndRenumbers() {
    QFETCH(Button, button);
    QFETCH(bool, formStays);
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    child<QPlainTextEdit>(form, "tbPO")->setPlainText(QStringLiteral("A1\nB2"));
    type(form, "tbTruck", QStringLiteral("T1"));
    press(form, buttonName(button));
    QVERIFY(f.messages.texts().contains(QStringLiteral("Your job is closed!")));
    const QString t = QStringLiteral("40500001");
    QCOMPARE(stored(t, "JobClose").toInt(), 1);
    QCOMPARE(stored(t, "PO").toString(), QStringLiteral("A1|B2"));
    QCOMPARE(stored(t, "Truck").toString(), QStringLiteral("T1"));
    QCOMPARE(exportedTickets(f.folder), QStringList{t});
    QCOMPARE(TicketForm::instance(FormMode::NewDoor) != nullptr, formStays);
    if (formStays) {
      QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500002"));
      QCOMPARE(text(form, "tbTruck"), QString());
    }
  }

  void twoClosesExportTwoLinesInOrder() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    press(form, "btnClose2");
    choose(form, "optCash");
    press(form, "btnClose2");
    QCOMPARE(exportedTickets(f.folder), (QStringList{"40500001", "40500002"}));
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500003"));
  }

  void printUsesTheChosenLayoutAndClosesAfterAFailedPrint() {
    FormFixture f;
    // A printer that cannot be reached: the Print flow still closes and exports.
    printing::printToFileForTest(QStringLiteral("/nonexistent-folder/receipt.pdf"));
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    choose(form, "optPrint");
    press(form, "btnPrint");
    QCOMPARE(f.messages.texts(), (QStringList{"Please check your printer setup.", "Your job is closed!"}));
    QCOMPARE(stored(QStringLiteral("40500001"), "JobClose").toInt(), 1);
    QCOMPARE(exportedTickets(f.folder), QStringList{QStringLiteral("40500001")});
  }

  void refusedCloseKeepsTheFormAndExportsNothing_data() {
    QTest::addColumn<Button>("button");
    QTest::newRow("Close") << Button::Close;
    QTest::newRow("Print") << Button::Print;
    QTest::newRow("secondary Close") << Button::SecondaryClose;
  }
  void refusedCloseKeepsTheFormAndExportsNothing() {
    QFETCH(Button, button);
    FormFixture f;
    TicketForm *form = f.openNew();
    type(form, "tbTruck", QStringLiteral("T1"));
    press(form, buttonName(button));
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Please select Payment type.")});
    QCOMPARE(rowsOf(QStringLiteral("40500001")), 0);
    QVERIFY(!QFileInfo::exists(exportFile(f.folder)));
    QCOMPARE(TicketForm::instance(FormMode::NewDoor), form);
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("T1"));
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500001"));
  }

  void failedWriteKeepsTheFormAndExportsNothing_data() { refusedCloseKeepsTheFormAndExportsNothing_data(); }
  void failedWriteKeepsTheFormAndExportsNothing() {
    QFETCH(Button, button);
    FormFixture f;
    TicketForm *form = f.openNew();
    store::session().db().exec("CREATE TRIGGER refuse_insert BEFORE INSERT ON Trade BEGIN "
                               "SELECT RAISE(ABORT, 'disk full'); END;");
    choose(form, "optCheck");
    type(form, "tbTruck", QStringLiteral("T1"));
    press(form, buttonName(button));
    QVERIFY(f.messages.texts().contains(QStringLiteral("Update error!")));
    QVERIFY(!f.messages.texts().contains(QStringLiteral("Your job is closed!")));
    QCOMPARE(rowsOf(QStringLiteral("40500001")), 0);
    QVERIFY(!QFileInfo::exists(exportFile(f.folder)));
    QCOMPARE(TicketForm::instance(FormMode::NewDoor), form);
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("T1"));
  }
};

QTEST_MAIN(TestTicketFormClosing)
#include "test_ticket_form_closing.moc"
