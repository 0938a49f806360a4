// Tickets coming back into the form: the open job of a door, a saved ticket by its
// number or from search, the closed-job lock and the vendor-number look-ups.
#include "app/windows.h"
#include "store/trade_table.h"
#include "tickets/ticket_form_state.h"

#include "form_fixture.h"

#include <QCheckBox>

using tickets::FormMode;
using tickets::TicketForm;
using tickets::TicketRecord;

namespace {

TicketRecord openJob(const QString &ticket, const QString &door) {
  TicketRecord r;
  r.UserID = QStringLiteral("u1");
  r.TradeDate = QDate(2026, 3, 9);
  r.Ticket = ticket;
  r.Door = door;
  r.PaymentType = tickets::code::Check;
  r.TruckCo = QStringLiteral("Select");
  return r;
}

void addVendors() {
  store::session().db().exec(
      "INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Acme', '101'), ('Best', '205');");
}

const char *const kLockedControls[] = {"optCharge", "optCheck", "optCash", "optWH",
                                       "optTC",     "tbBC",     "tbHC",    "tbTC"};

} // namespace

class TestTicketFormLoading : public QObject {
  Q_OBJECT
private slots:
  void init() { tickets::setCurrentTradeDate(QDate()); }

  void openDoorLoadsTheNewestOpenJob() {
    FormFixture f;
    TicketRecord older = openJob(QStringLiteral("40500003"), QStringLiteral("Door230"));
    TicketRecord newer = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    newer.Truck = QStringLiteral("newest");
    store::insertTrade(older);
    store::insertTrade(newer);
    store::insertTrade(openJob(QStringLiteral("40500004"), QStringLiteral("Door231")));
    tickets::Unclosed_ViewForm(QStringLiteral("Door230"));
    TicketForm *form = TicketForm::instance(FormMode::OpenDoor);
    QVERIFY(form);
    QCOMPARE(form->objectName(), QStringLiteral("frmDBClosed201"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Unclosed Door230"));
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500002"));
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("newest"));
    QVERIFY(child<QRadioButton>(form, "optSaved")->isChecked());
    QVERIFY(child<QRadioButton>(form, "optCheck")->isChecked());
    QVERIFY(child(form, "btnFind")->isEnabled());
    // The loaded row's date becomes the current trade date.
    QCOMPARE(tickets::currentTradeDate(), QDate(2026, 3, 9));
    QVERIFY(f.messages.texts().isEmpty());
  }

  void openDoorWithoutJobSaysNoData() {
    FormFixture f;
    tickets::Unclosed_ViewForm(QStringLiteral("Door240"));
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("No data")});
    // The form comes back afresh, with its initial content.
    TicketForm *form = TicketForm::instance(FormMode::OpenDoor);
    QVERIFY(form);
    QCOMPARE(text(form, "tbDoor"), QStringLiteral("Door201"));
  }

  void loadOrderDecidesInvoiceTo_data() {
    QTest::addColumn<int>("charge");
    QTest::addColumn<QString>("invoiceTo");
    QTest::addColumn<QString>("truckCo");
    QTest::addColumn<QString>("shown");
    QTest::newRow("truck company wins") << 1 << "Bill Co"
                                        << "Fast Freight"
                                        << "Fast Freight";
    QTest::newRow("Select keeps the row's Invoice TO") << 1 << "Bill Co"
                                                       << "Select"
                                                       << "Bill Co";
    QTest::newRow("empty Invoice TO replaces Warehouse's text") << 1 << ""
                                                                << "Select"
                                                                << "";
    QTest::newRow("trucking co") << 2 << "Bill Co"
                                 << "Select"
                                 << "Bill Co";
  }
  void loadOrderDecidesInvoiceTo() {
    QFETCH(int, charge);
    QFETCH(QString, invoiceTo);
    QFETCH(QString, truckCo);
    QFETCH(QString, shown);
    FormFixture f;
    TicketRecord row = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    row.PaymentType = tickets::code::Charge;
    row.Charge = charge;
    row.InvoiceTO = invoiceTo;
    row.TruckCo = truckCo;
    store::insertTrade(row);
    tickets::Unclosed_ViewForm(QStringLiteral("Door230"));
    TicketForm *form = TicketForm::instance(FormMode::OpenDoor);
    QCOMPARE(text(form, "tbInvoiceTO"), shown);
    QCOMPARE(text(form, "CbTruckCo"), truckCo);
    QVERIFY(child<QRadioButton>(form, "optCharge")->isChecked());
    QVERIFY(child(form, "tbInvoiceTO")->isEnabled());
  }

  void nullColumnsLoadAsEmptyBoxes() {
    FormFixture f;
    store::session().db().exec("INSERT INTO Trade (Ticket, Door, TradeDate, JobClose) VALUES ('40500002', "
                               "'Door230', '2026-03-09', 0);");
    tickets::Unclosed_ViewForm(QStringLiteral("Door230"));
    TicketForm *form = TicketForm::instance(FormMode::OpenDoor);
    QVERIFY(f.messages.texts().isEmpty());
    for (const char *time : {"mbApptmt", "mbAT", "mbUS", "mbUE", "mbDT"})
      QCOMPARE(text(form, time), QStringLiteral("__:__"));
    for (const char *box : {"tbPO", "tbCEID", "tbCSL", "tbTruck", "tbBC"})
      QCOMPARE(text(form, box), QString());
  }

  void loadClearsWhatAnotherTicketShowed() {
    FormFixture f;
    addVendors();
    TicketRecord first = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    first.Full_P = tickets::code::Full;
    first.Vendor = QStringLiteral("Acme");
    store::insertTrade(first);
    store::insertTrade(openJob(QStringLiteral("40500003"), QStringLiteral("Door231")));
    tickets::Unclosed_ViewForm(QStringLiteral("Door230"));
    TicketForm *form = TicketForm::instance(FormMode::OpenDoor);
    QCOMPARE(text(form, "cbVendor"), QStringLiteral("101"));
    tickets::Unclosed_ViewForm(QStringLiteral("Door231"));
    QCOMPARE(TicketForm::instance(FormMode::OpenDoor), form);
    QCOMPARE(text(form, "tbTicket"), QStringLiteral("40500003"));
    QVERIFY(!child<QRadioButton>(form, "optFull")->isChecked());
    QCOMPARE(text(form, "cbVendor"), QString());
  }

  void closedTicketLocksPaymentAndFees_data() {
    QTest::addColumn<bool>("closed");
    QTest::newRow("closed") << true;
    QTest::newRow("open") << false;
  }
  void closedTicketLocksPaymentAndFees() {
    QFETCH(bool, closed);
    FormFixture f;
    const TicketRecord row = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    closed ? store::closeTrade(row) : store::insertTrade(row);
    TicketForm *form = f.openNew();
    choose(form, "optSaved");
    child<QLineEdit>(form, "tbTicket")->setText(QStringLiteral("40500002"));
    press(form, "btnFind");
    for (const char *name : kLockedControls)
      QVERIFY2(child(form, name)->isEnabled() == !closed, name);
    for (const char *name :
         {"tbTruck", "tbCheckNum", "optDYes", "btnSave", "btnClose", "btnSave2", "btnClose2"})
      QVERIFY2(child(form, name)->isEnabled(), name);
  }

  void savedTicketNotFoundClearsTheForm() {
    FormFixture f;
    TicketForm *form = f.openNew(QStringLiteral("Door260"));
    type(form, "tbTruck", QStringLiteral("T1"));
    child<QLineEdit>(form, "tbDoor")->setText(QStringLiteral("elsewhere"));
    choose(form, "optSaved");
    child<QLineEdit>(form, "tbTicket")->setText(QStringLiteral("49999999"));
    press(form, "btnFind");
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("No data")});
    QCOMPARE(text(form, "tbTicket"), QString());
    QCOMPARE(text(form, "tbTruck"), QString());
    QCOMPARE(text(form, "tbDoor"), QStringLiteral("Door260"));
    QVERIFY(child<QRadioButton>(form, "optSaved")->isChecked());
  }

  void vendorNumberLookUps() {
    FormFixture f;
    addVendors();
    TicketForm *form = f.openNew();
    auto *vendorBox = child<QComboBox>(form, "cbVendor");
    vendorBox->setEditText(QStringLiteral("101"));
    QTest::keyClick(vendorBox, Qt::Key_Return);
    QTest::keyClick(vendorBox, Qt::Key_Return);
    QCOMPARE(text(form, "tbVendor"), QStringLiteral("Acme\nAcme"));
    vendorBox->setEditText(QStringLiteral("999"));
    QTest::keyClick(vendorBox, Qt::Key_Return);
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("No data")});
    QCOMPARE(text(form, "tbVendor"), QStringLiteral("Acme\nAcme"));
    QCOMPARE(vendorBox->count(), 2); // Enter adds nothing to the list

    // Loading a ticket of two vendors looks both numbers up, first line first.
    TicketRecord row = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    row.Vendor = QStringLiteral("Acme|Best");
    store::insertTrade(row);
    tickets::Unclosed_ViewForm(QStringLiteral("Door230"));
    TicketForm *open = TicketForm::instance(FormMode::OpenDoor);
    QCOMPARE(text(open, "tbVendor"), QStringLiteral("Acme\nBest"));
    QCOMPARE(text(open, "cbVendor"), QStringLiteral("101, 205"));
  }

  void searchOpensTheSavedTicketInTheNewDoorForm() {
    FormFixture f;
    TicketRecord row = openJob(QStringLiteral("40500002"), QStringLiteral("Door230"));
    row.Truck = QStringLiteral("T5");
    store::closeTrade(row);
    QVERIFY(app::openSavedTicket(QStringLiteral("40500002")));
    TicketForm *form = TicketForm::instance(FormMode::NewDoor);
    QCOMPARE(form->windowTitle(), QStringLiteral("New Door230"));
    QCOMPARE(text(form, "tbTruck"), QStringLiteral("T5"));
    QVERIFY(child<QRadioButton>(form, "optSaved")->isChecked());
    QVERIFY(!child(form, "tbBC")->isEnabled());
    QVERIFY(f.messages.texts().isEmpty());

    QVERIFY(!app::openSavedTicket(QStringLiteral("40500077")));
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("ViewForm has an error!")});
  }
};

QTEST_MAIN(TestTicketFormLoading)
#include "test_ticket_form_loading.moc"
