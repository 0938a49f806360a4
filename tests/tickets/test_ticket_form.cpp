// The ticket form driven as the staff use it: opening, options, fees, saving.
#include "app/clock.h"
#include "app/windows.h"
#include "store/trade_table.h"
#include "tickets/ticket_form_state.h"

#include "form_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>

using tickets::FormMode;
using tickets::TicketForm;

class TestTicketForm : public QObject {
  Q_OBJECT
private slots:
  void init() { tickets::setCurrentTradeDate(QDate()); }

  void opensWithDefaultsAndNextNumber() {
    FormFixture f;
    TicketForm *form = f.openNew();
    QCOMPARE(form->objectName(), QStringLiteral("frmDBUpdate201"));
    QCOMPARE(form->windowTitle(), QStringLiteral("New Door250"));
    QCOMPARE(text(form, "tbDoor"), QStringLiteral("Door250"));
    QCOMPARE(text(form, "tbUserID"), QStringLiteral("u1"));
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500001"));
    QCOMPARE(text(form, "tbTC"), QStringLiteral("0"));
    QCOMPARE(text(form, "mbApptmt"), QStringLiteral("__:__"));
    QCOMPARE(text(form, "CbTruckCo"), QStringLiteral("Select"));
    QVERIFY(child<QRadioButton>(form, "optNew")->isChecked());
    QVERIFY(child<QRadioButton>(form, "optPrint2")->isChecked());
    QVERIFY(child<QRadioButton>(form, "optDNo")->isChecked());
    QVERIFY(!child(form, "tbTicket")->isEnabled());
    QVERIFY(!child(form, "cbDRC")->isEnabled());
    QCOMPARE(child<QComboBox>(form, "cbDRC")->count(), 14);
    QVERIFY(f.messages.texts().isEmpty());
    // Opening again reuses the window and keeps its fields.
    type(form, "tbTruck", QStringLiteral("T9"));
    QCOMPARE(f.openNew(QStringLiteral("Door260")), form);
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("T9"));
    QCOMPARE(form->windowTitle(), QStringLiteral("New Door260"));
  }

  void profileOpensTheNewDoorFormForDoor201() {
    FormFixture f;
    app::openTicketFormAfterProfile(QStringLiteral("newcomer"));
    TicketForm *form = TicketForm::instance(FormMode::NewDoor);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("New Door201"));
    QCOMPARE(text(form, "tbDoor"), QStringLiteral("Door201"));
    QCOMPARE(text(form, "tbUserID"), QStringLiteral("newcomer"));
    QVERIFY(f.main->menuAction(QStringLiteral("Search"))->isEnabled());
  }

  void newTicketWithCheckOnlyIsInserted() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    press(form, "btnSave");
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Your job is updated!")});
    QVERIFY(!TicketForm::instance(FormMode::NewDoor)); // the main Save closes the form
    const QString t = QStringLiteral("40500001");
    QCOMPARE(rowsOf(t), 1);
    QCOMPARE(stored(t, "PaymentType").toInt(), 2);
    QCOMPARE(stored(t, "Charge").toInt(), 0);
    for (const char *time : {"Apptmt", "ArrivalT", "US", "UE", "DT"})
      QCOMPARE(stored(t, time).toString(), QStringLiteral("__:__"));
    QCOMPARE(stored(t, "BC").toString(), QString());
    QCOMPARE(stored(t, "TC").toString(), QStringLiteral("0"));
    QCOMPARE(stored(t, "Door").toString(), QStringLiteral("Door250"));
    QCOMPARE(stored(t, "TruckCo").toString(), QStringLiteral("Select"));
    QCOMPARE(stored(t, "signature").toString(), QStringLiteral("sign40500001.BMP"));
    QCOMPARE(stored(t, "JobClose").toInt(), 0);
  }

  void refusedSaveKeepsTheForm_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("numberTaken");
    QTest::addColumn<QString>("message");
    QTest::newRow("no payment") << QStringList{} << false << "Please select Payment type.";
    QTest::newRow("charge without type") << QStringList{"optCharge"} << false << "Please select Charge type.";
    QTest::newRow("number taken") << QStringList{"optCash"} << true
                                  << "This ticket no. is already taken. Please, enter other no.";
  }
  void refusedSaveKeepsTheForm() {
    QFETCH(QStringList, options);
    QFETCH(bool, numberTaken);
    QFETCH(QString, message);
    FormFixture f;
    TicketForm *form = f.openNew();
    if (numberTaken) {
      // Another form saved the same number first.
      tickets::TicketRecord other;
      other.Ticket = QStringLiteral("40500001");
      store::insertTrade(other);
    }
    for (const QString &o : options)
      choose(form, o.toLatin1().constData());
    type(form, "tbTruck", QStringLiteral("T-77"));
    press(form, "btnSave");
    QCOMPARE(f.messages.texts(), QStringList{message});
    QCOMPARE(TicketForm::instance(FormMode::NewDoor), form);
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("T-77"));
    QCOMPARE(rowsOf(QStringLiteral("40500001")), numberTaken ? 1 : 0);
  }

  void textIsStoredAsTypedAndComesBack() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    child<QPlainTextEdit>(form, "tbPO")->setPlainText(QStringLiteral("A1\nB2|C3"));
    child<QPlainTextEdit>(form, "tbVendor")->setPlainText(QStringLiteral("O'Neil"));
    child<QPlainTextEdit>(form, "tbNotes")->setPlainText(QStringLiteral("it's wet\nleft side"));
    type(form, "tbProduct", QStringLiteral("Kid's toys"));
    press(form, "btnSave2");
    const QString t = QStringLiteral("40500001");
    QCOMPARE(stored(t, "PO").toString(), QStringLiteral("A1|B2|C3"));
    QCOMPARE(stored(t, "Vendor").toString(), QStringLiteral("O'Neil"));
    QCOMPARE(stored(t, "Notes").toString(), QStringLiteral("it's wet\r\nleft side"));
    QCOMPARE(stored(t, "Product").toString(), QStringLiteral("Kid's toys"));

    // Saved again in saved mode: still one row, one apostrophe; the typed bar is a line now.
    choose(form, "optSaved");
    press(form, "btnFind");
    QCOMPARE(text(form, "tbPO"), QStringLiteral("A1\nB2\nC3"));
    QCOMPARE(text(form, "tbNotes"), QStringLiteral("it's wet\nleft side"));
    press(form, "btnSave2");
    QCOMPARE(rowsOf(t), 1);
    QCOMPARE(stored(t, "Vendor").toString(), QStringLiteral("O'Neil"));
    QCOMPARE(stored(t, "Product").toString(), QStringLiteral("Kid's toys"));
  }

  void savedModeWritesTheRowOrAddsOneForANewNumber() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCash");
    press(form, "btnSave2");
    choose(form, "optSaved");
    press(form, "btnFind");
    QVERIFY(child(form, "tbTicket")->isEnabled());
    child<QLineEdit>(form, "tbTruck")->setText(QStringLiteral("T2"));
    f.messages.clear();
    press(form, "btnSave");
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Your job is updated!")});
    QCOMPARE(rowsOf(QStringLiteral("40500001")), 1);
    QCOMPARE(stored(QStringLiteral("40500001"), "Truck").toString(), QStringLiteral("T2"));

    form = f.openNew();
    choose(form, "optSaved");
    child<QLineEdit>(form, "tbTicket")->setText(QStringLiteral("40500001"));
    press(form, "btnFind");
    child<QLineEdit>(form, "tbTicket")->setText(QStringLiteral("40500009"));
    child<QLineEdit>(form, "tbTruck")->setText(QStringLiteral("T3"));
    press(form, "btnSave2");
    QCOMPARE(stored(QStringLiteral("40500001"), "Truck").toString(), QStringLiteral("T2"));
    QCOMPARE(stored(QStringLiteral("40500009"), "Truck").toString(), QStringLiteral("T3"));
    QCOMPARE(stored(QStringLiteral("40500009"), "PaymentType").toInt(), 3);
  }

  void feesFollowEachDigitKey() {
    FormFixture f;
    TicketForm *form = f.openNew();
    auto *base = child<QLineEdit>(form, "tbBC");
    auto *handling = child<QLineEdit>(form, "tbHC");
    auto *total = child<QLineEdit>(form, "tbTC");
    QStringList seen;
    for (QChar c : QStringLiteral("12")) {
      QTest::keyClick(base, c.toLatin1());
      seen << total->text();
    }
    for (QChar c : QStringLiteral("30")) {
      QTest::keyClick(handling, c.toLatin1());
      seen << total->text();
    }
    QCOMPARE(seen, (QStringList{"1", "12", "15", "42"}));
    QTest::keyClick(handling, Qt::Key_Backspace);
    QCOMPARE(total->text(), QStringLiteral("42"));
    QTest::keyClicks(handling, QStringLiteral(".5"));
    QCOMPARE(total->text(), QStringLiteral("15.5"));
    // The boxes take amounts only.
    QTest::keyClicks(base, QStringLiteral("a,-"));
    QCOMPARE(base->text(), QStringLiteral("12"));
  }

  void leavingHandlingChargeFillsZeros() {
    FormFixture f;
    TicketForm *form = f.openNew();
    auto *handling = child<QLineEdit>(form, "tbHC");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(handling, &out);
    QCOMPARE(text(form, "tbHC"), QStringLiteral("0"));
    QCOMPARE(text(form, "tbBC"), QStringLiteral("0"));
    QCOMPARE(text(form, "tbTC"), QStringLiteral("0"));
  }

  void paymentOptionsReact() {
    FormFixture f;
    addTruckCompanies();
    TicketForm *form = f.openNew();
    auto *invoice = child<QLineEdit>(form, "tbInvoiceTO");
    choose(form, "optCash");
    choose(form, "optWH");
    QVERIFY(child<QRadioButton>(form, "optCharge")->isChecked());
    QVERIFY(!child<QRadioButton>(form, "optCash")->isChecked());
    QCOMPARE(invoice->text(), QStringLiteral("Ostrine"));
    QVERIFY(invoice->isEnabled());
    // A trucking company picked afterwards replaces it.
    auto *truckCo = child<QComboBox>(form, "CbTruckCo");
    truckCo->setCurrentIndex(0);
    emit truckCo->textActivated(truckCo->currentText());
    QCOMPARE(invoice->text(), QStringLiteral("Fast Freight"));
    choose(form, "optTC");
    QVERIFY(!child(form, "optStream")->isEnabled());
    choose(form, "optCash");
    QVERIFY(!child<QRadioButton>(form, "optTC")->isChecked());
    QVERIFY(!invoice->isEnabled());
    QCOMPARE(invoice->text(), QStringLiteral("Fast Freight"));
    // Setting the box to "Select" leaves Invoice TO alone.
    truckCo->setEditText(QStringLiteral("Select"));
    QCOMPARE(invoice->text(), QStringLiteral("Fast Freight"));
  }

  void damageOptionsReact() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optDYes");
    for (const char *name : {"tbDCases", "cbDRC", "optPYes", "optPNo", "optPWH", "tbDExplain"})
      QVERIFY2(child(form, name)->isEnabled(), name);
    type(form, "tbDCases", QStringLiteral("3"));
    choose(form, "optPWH");
    child<QComboBox>(form, "cbDRC")->setCurrentIndex(3);
    choose(form, "optDNo");
    QCOMPARE(text(form, "tbDCases"), QString());
    QCOMPARE(text(form, "cbDRC"), QString());
    QVERIFY(!child<QRadioButton>(form, "optPWH")->isChecked());
    for (const char *name : {"tbDCases", "cbDRC", "optPYes", "optPNo", "optPWH", "tbDExplain"})
      QVERIFY2(!child(form, name)->isEnabled(), name);
  }

  void facilitySetsStreamAndVendorBox_data() {
    QTest::addColumn<QString>("seed");
    QTest::addColumn<bool>("ostrine");
    QTest::addColumn<QString>("vendorText");
    QTest::addColumn<QString>("firstVendorItem");
    QTest::newRow("Ostrine") << "40500000" << true << ""
                             << "Acme";
    QTest::newRow("Tavrel DC") << "10500000" << false << "Select"
                               << "101";
    QTest::newRow("other facility") << "S0500000" << false << ""
                                    << "Acme";
  }
  void facilitySetsStreamAndVendorBox() {
    QFETCH(QString, seed);
    QFETCH(bool, ostrine);
    QFETCH(QString, vendorText);
    QFETCH(QString, firstVendorItem);
    FormFixture f(seed);
    addVendors();
    TicketForm *form = f.openNew();
    QCOMPARE(form->Ostrine_Facility(), ostrine);
    for (const char *name : {"optStream", "optTraffic", "tbCSL", "lbCSL"})
      QCOMPARE(child(form, name)->isVisible(), ostrine);
    if (ostrine)
      QVERIFY(child(form, "optStream")->isEnabled());
    auto *vendors = child<QComboBox>(form, "cbVendor");
    QCOMPARE(vendors->currentText(), vendorText);
    QCOMPARE(vendors->itemText(0), firstVendorItem);
  }

  void tradeDateCarriesOverBetweenForms() {
    FormFixture f;
    TicketForm *form = f.openNew();
    const QDate changed = app::today().addDays(-3);
    child<QDateEdit>(form, "dtpTradeDate")->setDate(changed);
    TicketForm *other = TicketForm::obtain(FormMode::OpenDoor);
    QCOMPARE(child<QDateEdit>(other, "dtpTradeDate")->date(), changed);
    QCOMPARE(child<QDateEdit>(other, "dtpTo")->date(), app::today());
  }

  void clearLeavesNoNumberUntilNewTicket() {
    FormFixture f;
    TicketForm *form = f.openNew();
    choose(form, "optCheck");
    type(form, "tbTruck", QStringLiteral("T1"));
    press(form, "btnClear");
    QCOMPARE(text(form, "tbTicket"), QString());
    QCOMPARE(text(form, "tbTruck"), QString());
    QCOMPARE(text(form, "tbBC"), QStringLiteral("0"));
    QCOMPARE(text(form, "cbDRC"), QStringLiteral("select"));
    QCOMPARE(text(form, "tbDoor"), QStringLiteral("Door250"));
    QVERIFY(!child<QRadioButton>(form, "optCheck")->isChecked());
    choose(form, "optCash");
    press(form, "btnSave2");
    QCOMPARE(f.messages.last(), QStringLiteral("Please enter Ticket No"));
    choose(form, "optSaved");
    choose(form, "optNew");
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500001"));
    QVERIFY(!child(form, "tbTicket")->isEnabled());
    QVERIFY(!child(form, "btnFind")->isEnabled());
  }

  void timeButtonsStampTheClock() {
    FormFixture f;
    app::setClockForTest(QDateTime(QDate(2026, 5, 4), QTime(7, 5, 59)));
    TicketForm *form = f.openNew();
    type(form, "mbUS", QStringLiteral("1"));
    QCOMPARE(text(form, "mbUS"), QStringLiteral("1_:__"));
    press(form, "btnUS");
    QCOMPARE(text(form, "mbUS"), QStringLiteral("07:05"));
    app::setClockForTest(QDateTime(QDate(2026, 5, 4), QTime(23, 40)));
    press(form, "btnUE");
    QCOMPARE(text(form, "mbUE"), QStringLiteral("23:40"));
  }

  void signatureBoxOpensThePadOnlyForACompleteTicket() {
    FormFixture f;
    TicketForm *form = f.openNew();
    auto *picture = child<QLabel>(form, "Picture2");
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(f.messages.last(), QStringLiteral("Please select Payment type."));
    QVERIFY(!signature::SignaturePad::instance());
    choose(form, "optCheck");
    const QImage before = picture->pixmap().toImage();
    QTest::mouseClick(picture, Qt::LeftButton);
    QVERIFY(signature::SignaturePad::instance());
    QVERIFY(signature::SignaturePad::instance()->saveSignature());
    QVERIFY(picture->pixmap().toImage() != before);
  }

  void bandsAreReadableAndSecondaryButtonsOutOfSight_data() {
    QTest::addColumn<bool>("newDoor");
    QTest::newRow("new door") << true;
    QTest::newRow("open door") << false;
  }
  void bandsAreReadableAndSecondaryButtonsOutOfSight() {
    QFETCH(bool, newDoor);
    FormFixture f;
    TicketForm *form = TicketForm::obtain(newDoor ? FormMode::NewDoor : FormMode::OpenDoor);
    form->showForm();
    form->grab().save(QStringLiteral("/tmp/ticket_form_%1.png").arg(newDoor ? "new" : "open"));
    f.main->grab().save(QStringLiteral("/tmp/ticket_form_%1_in_main.png").arg(newDoor ? "new" : "open"));
    for (const char *name : {"btnSave2", "btnClose2", "btnPrint2", "btnClear2"}) {
      auto *button = child<QPushButton>(form, name);
      QVERIFY(button->isEnabled());
      QVERIFY(button->focusPolicy() & Qt::TabFocus);
      QVERIFY2(button->geometry().top() >= form->height(), name);
    }
    // Every caption fits its control.
    for (QLabel *label : form->findChildren<QLabel *>()) {
      if (label->objectName() == QLatin1String("Picture2") || label->text().isEmpty())
        continue;
      QVERIFY2(label->sizeHint().width() <= label->width() + 2, qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
      const int needed = qobject_cast<QPushButton *>(button)
                             ? button->fontMetrics().horizontalAdvance(button->text()) + 12
                             : button->sizeHint().width();
      QVERIFY2(needed <= button->width() + 2, qPrintable(button->objectName() + QString::number(needed)));
    }
    // Tab goes on from the last visible button to the secondary row.
    QCOMPARE(nextTabStop(child(form, "btnUE")), child(form, "btnSave2"));
    QCOMPARE(nextTabStop(child(form, "tbTicket")), child(form, "optCharge"));
    QCOMPARE(nextTabStop(child(form, "tbRestacks")), child(form, "tbItems"));
  }

private:
  static QWidget *nextTabStop(QWidget *w) {
    QWidget *next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus))
      next = next->nextInFocusChain();
    return next;
  }
  static void addVendors() {
    auto &db = store::session().db();
    db.exec("INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Acme', '101'), ('Best', '205');");
  }
  static void addTruckCompanies() {
    store::session().db().exec("INSERT INTO TruckCo (TruckCo) VALUES ('Fast Freight'), ('Slow Haul');");
  }
};

QTEST_MAIN(TestTicketForm)
#include "test_ticket_form.moc"
