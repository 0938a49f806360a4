// Text that breaks naive programs typed into every box of the ticket form: quotes,
// wildcards, bars, commas, line breaks, very long text and other scripts. It is saved,
// loaded and found again exactly as shown, and the export line keeps its 57 fields.
#include "app/windows.h"
#include "export/csv_line.h"
#include "store/trade_search.h"
#include "store/trade_table.h"
#include "tickets/ticket_form_state.h"

#include "tickets/form_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QString longText() {
  const QString piece = QStringLiteral("Ab'c\"d%e_f|g,h\r\nЖщ日本ü😀 ");
  QString text;
  while (text.size() < 10000)
    text += piece;
  text.truncate(10000);
  return text;
}

// Every box a user can type into, except the ticket number the form gives.
QList<QWidget *> typingBoxes(QWidget *form) {
  QList<QWidget *> boxes;
  for (QLineEdit *line : form->findChildren<QLineEdit *>()) {
    const QString name = line->objectName();
    if ((name.startsWith(QLatin1String("tb")) || name.startsWith(QLatin1String("mb"))) &&
        name != "tbTicket" && line->isEnabled() && !line->isReadOnly())
      boxes << line;
  }
  for (QPlainTextEdit *box : form->findChildren<QPlainTextEdit *>())
    if (box->isEnabled() && !box->isReadOnly())
      boxes << box;
  for (QComboBox *combo : form->findChildren<QComboBox *>())
    if (combo->isEditable() && combo->isEnabled())
      boxes << combo;
  return boxes;
}

// What a user does: the text pasted over whatever the box held. Boxes with a pattern
// (amounts, times) take only what fits it.
void paste(QWidget *box, const QString &text) {
  QGuiApplication::clipboard()->setText(text);
  if (auto *line = qobject_cast<QLineEdit *>(box)) {
    line->selectAll();
    line->paste();
  } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
    plain->selectAll();
    plain->paste();
  } else if (auto *combo = qobject_cast<QComboBox *>(box)) {
    combo->lineEdit()->selectAll();
    combo->lineEdit()->paste();
  }
}

// What each box holds. A one-line box keeps a pasted line break (it shows a blank
// for it), so its text is read, not its display; a time box is read as shown.
QMap<QString, QString> boxTexts(QWidget *form, const QList<QWidget *> &boxes) {
  QMap<QString, QString> held;
  for (QWidget *box : boxes) {
    auto *line = qobject_cast<QLineEdit *>(box);
    held.insert(box->objectName(), line && !line->objectName().startsWith(QLatin1String("mb"))
                                       ? line->text()
                                       : text(form, box->objectName().toLatin1().constData()));
  }
  return held;
}

} // namespace

class TestHostileText : public QObject {
  Q_OBJECT
private slots:
  void init() { tickets::setCurrentTradeDate(QDate()); }

  void everyBoxKeepsItsTextExactly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("quotes") << "O'Neil \"Big\" '' \" ' --"
                            << "O'Neil \"Big\"";
    QTest::newRow("wildcards") << "100% _x_ %_%"
                               << "0% _x";
    QTest::newRow("bars") << "A1|B2||C3|"
                          << "B2||C3";
    QTest::newRow("commas") << ",a,,b, c,"
                            << ",a,,b";
    QTest::newRow("line breaks") << "first\r\nsecond\r\n\r\nfourth"
                                 << "second";
    QTest::newRow("statement text") << "x'); DELETE FROM Trade; --"
                                    << "DELETE FROM";
    QTest::newRow("other scripts") << "Ωμέγα 日本語 Ünïcödé עברית 😀"
                                   << "日本語 Ünï";
    QTest::newRow("10,000 characters") << longText() << longText().left(40);
  }
  void everyBoxKeepsItsTextExactly() {
    QFETCH(QString, typed);
    QFETCH(QString, keyword);
    FormFixture f;
    tickets::TicketForm *form = f.openNew();
    choose(form, "optCharge");
    choose(form, "optTC");
    choose(form, "optDYes");
    const QList<QWidget *> boxes = typingBoxes(form);
    QVERIFY(boxes.size() >= 38);
    for (QWidget *box : boxes)
      paste(box, typed);
    const QMap<QString, QString> shown = boxTexts(form, boxes);
    const QString ticket = text(form, "tbTicket");
    press(form, "btnSave2");
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Your job is updated!")});

    // Stored as held: one-line boxes as they are, the P.O., vendor and employee-ID
    // boxes with their lines joined by bars, the two note boxes with CR LF.
    const std::optional<tickets::TicketRecord> row = store::findTicket(ticket);
    QVERIFY(row);
    QCOMPARE(row->Truck, shown.value("tbTruck"));
    QCOMPARE(row->InvoiceTO, shown.value("tbInvoiceTO"));
    QCOMPARE(row->TruckCo, shown.value("CbTruckCo"));
    QCOMPARE(row->DRC, shown.value("cbDRC"));
    QCOMPARE(row->Notes, QString(shown.value("tbNotes")).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    QCOMPARE(row->DExplain,
             QString(shown.value("tbDExplain")).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    QCOMPARE(row->PO, QString(shown.value("tbPO")).replace(QLatin1Char('\n'), QLatin1Char('|')));
    QCOMPARE(row->Vendor, QString(shown.value("tbVendor")).replace(QLatin1Char('\n'), QLatin1Char('|')));
    QCOMPARE(row->CEID, QString(shown.value("tbCEID")).replace(QLatin1Char('\n'), QLatin1Char('|')));
    if (!typed.contains(QLatin1Char('\n')))
      QCOMPARE(row->Notes, typed);

    // Loaded again through the way a search result opens it: every box as it was,
    // except that bars typed into the three line-joined boxes come back as line breaks.
    const QString vendorNumbers = text(form, "cbVendor");
    press(form, "btnSave"); // the main Save ends the work at this door
    QVERIFY(app::openSavedTicket(ticket));
    tickets::TicketForm *loaded = tickets::TicketForm::instance(tickets::FormMode::NewDoor);
    QVERIFY(loaded);
    const QMap<QString, QString> reloaded = boxTexts(loaded, typingBoxes(loaded));
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
      QString expected = it.value();
      if (it.key() == "tbPO" || it.key() == "tbVendor" || it.key() == "tbCEID")
        expected.replace(QLatin1Char('|'), QLatin1Char('\n'));
      if (it.key() == "cbVendor")
        continue; // not stored: refilled from the vendor list
      QVERIFY2(reloaded.contains(it.key()), qPrintable(it.key()));
      QCOMPARE(reloaded.value(it.key()), expected);
    }

    // Found again by the search, with the values as stored.
    const auto listed = store::searchTrade(row->TradeDate, row->TradeDate, keyword);
    QCOMPARE(int(listed.size()), 1);
    QCOMPARE(listed.front().ticket, ticket);
    QCOMPARE(listed.front().po, row->PO);
    QCOMPARE(listed.front().vendor, row->Vendor);
    QCOMPARE(listed.front().truckCo, row->TruckCo);

    // One export line of 57 fields, whatever the text.
    const QString line = exporting::csvLine(*row, vendorNumbers);
    QCOMPARE(line.split(QLatin1Char(',')).size(), exporting::kFieldCount);
    QVERIFY(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
  }
};

QTEST_MAIN(TestHostileText)
#include "test_hostile_text.moc"
