#include "app/grid.h"
#include "app/main_window.h"
#include "app/windows.h"
#include "lists/truck_company_window.h"
#include "lists/vendor_window.h"
#include "store/reference_lists.h"
#include "store/user_database.h"
#include "support/test_support.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace testing_support;

namespace {

QStringList storedCompanies() {
  QStringList names;
  for (const QString &n : store::truckCompanies())
    names << n;
  return names;
}

QStringList storedVendors() {
  QStringList out;
  for (const auto &v : store::vendors())
    out << v.name + "/" + v.number;
  return out;
}

// The names (and numbers) of the rows in use, from row 1.
QStringList listed(app::Grid *grid) {
  QStringList out;
  for (int r = 1; r <= grid->maxRows() && !grid->text(2, r).isEmpty(); ++r)
    out << (grid->maxCols() == 3 ? grid->text(2, r) + "/" + grid->text(3, r) : grid->text(2, r));
  return out;
}

QList<int> ticks(app::Grid *grid, int rows) {
  QList<int> out;
  for (int r = 1; r <= rows; ++r)
    out << grid->checkValue(1, r);
  return out;
}

void clickHeading(app::Grid *grid, int col) {
  QHeaderView *header = grid->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(col - 1) + 4, header->height() / 2));
}

void click(QWidget *window, const char *button) {
  QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

template <typename W> W *openWindow(void (*opener)(), const char *name) {
  opener();
  return app::MainWindow::instance()->findChild<W *>(name);
}

struct Fixture {
  TempAppFolder folder;
  MessageRecorder messages;
  app::MainWindow main;
  Fixture() {
    folder.signIn("anna");
    main.resize(1000, 700);
    main.show();
  }
};

} // namespace

class TestReferenceLists : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  void truckCompanyAdded() {
    Fixture f;
    auto *w = openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Truck Company Edit"));
    app::Grid *grid = w->grid();
    QCOMPARE(grid->maxRows(), 999);

    auto *box = w->findChild<QLineEdit *>("tbCompany");
    click(w, "btnSave");
    QCOMPARE(f.messages.texts(), QStringList{"Please enter the Truck Company!"});
    QVERIFY(storedCompanies().isEmpty());

    QTest::keyClicks(box, "O'Hara Freight");
    click(w, "btnSave");
    click(w, "btnSave"); // no check for an equal name
    QCOMPARE(box->text(), QString("O'Hara Freight"));
    QCOMPARE(storedCompanies(), (QStringList{"O'Hara Freight", "O'Hara Freight"}));
    QCOMPARE(listed(grid), storedCompanies());
    QCOMPARE(grid->textColor(2, 1), QColor(Qt::black));
    QCOMPARE(grid->textColor(2, 2), QColor(Qt::blue));
    QCOMPARE(f.messages.messages().size(), 1);
  }

  void listOpensAtItsEnd() {
    Fixture f;
    for (int i = 1; i <= 12; ++i)
      store::addTruckCompany(QString("Company %1").arg(i, 2, 10, QChar('0')));
    auto *w = openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo");
    app::Grid *grid = w->grid();
    QCOMPARE(listed(grid).size(), 12);
    QCOMPARE(grid->topRow(), 4);
    QCOMPARE(grid->textColor(2, 11), QColor(Qt::black));
    QCOMPARE(grid->textColor(2, 12), QColor(Qt::blue));
    // Shown again from the menu: the same window, not reloaded.
    store::addTruckCompany("Late Co");
    QCOMPARE(openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo"), w);
    QCOMPARE(listed(grid).size(), 12);
  }

  void deleteChecked_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");
    // Ticking one Acme removes both; the apostrophe name goes too.
    QTest::newRow("Yes") << true << QStringList{"Beta"};
    QTest::newRow("No") << false << QStringList{"Acme", "Beta", "Acme", "O'Neil"};
  }
  void deleteChecked() {
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    Fixture f;
    for (const char *name : {"Acme", "Beta", "Acme", "O'Neil"})
      store::addTruckCompany(name);
    auto *w = openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo");
    app::Grid *grid = w->grid();
    grid->setCheckValue(1, 1, 1);
    grid->setCheckValue(1, 4, 1);
    f.messages.answer(yes ? app::Answer::Yes : app::Answer::No);
    click(w, "btnDelete");
    QCOMPARE(f.messages.messages().size(), 1);
    const app::Message asked = f.messages.messages().first();
    QCOMPARE(asked.text, QString("Are you sure to delete these company?"));
    QCOMPARE(asked.title, QString("Reconfirm"));
    QCOMPARE(asked.buttons, app::Buttons::YesNo);
    QCOMPARE(storedCompanies(), left);
    QCOMPARE(listed(grid), left); // reloaded either way, every tick cleared
    QCOMPARE(ticks(grid, 4), (QList<int>{0, 0, 0, 0}));
    QCOMPARE(grid->textColor(2, left.size()), QColor(Qt::blue));
  }

  void truckHeadingClicks() {
    Fixture f;
    for (const char *name : {"Delta", "alpha", "Charlie", "Bravo"})
      store::addTruckCompany(name);
    auto *w = openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo");
    app::Grid *grid = w->grid();

    clickHeading(grid, 1);
    QCOMPARE(ticks(grid, 5), (QList<int>{1, 1, 1, 1, 0}));
    clickHeading(grid, 1);
    QCOMPARE(ticks(grid, 5), (QList<int>{0, 0, 0, 0, 0}));

    grid->setCheckValue(1, 1, 1);
    clickHeading(grid, 2);
    QCOMPARE(listed(grid), (QStringList{"alpha", "Bravo", "Charlie", "Delta"}));
    QCOMPARE(ticks(grid, 4), (QList<int>{1, 0, 0, 0})); // ticks stay where they are
    QCOMPARE(grid->textColor(2, 2), QColor(Qt::blue));  // the last entry keeps its blue
    clickHeading(grid, 2);
    QCOMPARE(listed(grid), (QStringList{"Delta", "Charlie", "Bravo", "alpha"}));
    QCOMPARE(ticks(grid, 4), (QList<int>{1, 0, 0, 0}));
    QVERIFY(f.messages.messages().isEmpty());
  }

  void vendorAdded() {
    Fixture f;
    auto *w = openWindow<lists::VendorWindow>(app::openVendors, "frmVendor");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Vendor Edit"));
    auto *name = w->findChild<QLineEdit *>("tbVendor");
    auto *number = w->findChild<QLineEdit *>("tbVendorNo");

    QTest::keyClicks(number, "77");
    click(w, "btnSave1");
    QCOMPARE(f.messages.texts(), QStringList{"Please enter the Vendor Name!"});
    QVERIFY(number->text().isEmpty());
    QVERIFY(storedVendors().isEmpty());

    // Enter moves on instead of adding.
    name->setFocus();
    QTest::keyClicks(name, "Kell's");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(w->focusWidget(), number);
    QVERIFY(storedVendors().isEmpty());
    click(w, "btnSave1");
    QTest::keyClicks(name, "Bolt");
    QTest::keyClicks(number, "12");
    click(w, "btnSave1");
    QCOMPARE(storedVendors(), (QStringList{"Kell's/", "Bolt/12"}));
    QCOMPARE(listed(w->grid()), storedVendors());
    QVERIFY(name->text().isEmpty() && number->text().isEmpty());
    QCOMPARE(w->grid()->textColor(3, 1), QColor(Qt::black));
    QCOMPARE(w->grid()->textColor(3, 2), QColor(Qt::blue));
  }

  void vendorDeletedByName() {
    Fixture f;
    for (const auto &v :
         std::vector<store::VendorEntry>{{"Acme", "1"}, {"O'Neil", "2"}, {"Acme", "3"}, {"Bolt", "4"}})
      store::addVendor(v);
    auto *w = openWindow<lists::VendorWindow>(app::openVendors, "frmVendor");
    w->grid()->setCheckValue(1, 3, 1);
    w->grid()->setCheckValue(1, 2, 1);
    f.messages.answer(app::Answer::Yes);
    click(w, "btnDelete");
    QCOMPARE(storedVendors(), QStringList{"Bolt/4"});
    QCOMPARE(listed(w->grid()), QStringList{"Bolt/4"});
  }

  void vendorHeadingClicks() {
    Fixture f;
    for (const auto &v :
         std::vector<store::VendorEntry>{{"Bolt", "2"}, {"Acme", "1"}, {"Bolt", "9"}, {"Acme", "5"}})
      store::addVendor(v);
    auto *w = openWindow<lists::VendorWindow>(app::openVendors, "frmVendor");
    app::Grid *grid = w->grid();
    // Every click on "Vendor Name" gives the same order.
    for (int i = 0; i < 2; ++i) {
      clickHeading(grid, 2);
      QCOMPARE(listed(grid), (QStringList{"Acme/5", "Acme/1", "Bolt/9", "Bolt/2"}));
    }
    clickHeading(grid, 3);
    QCOMPARE(listed(grid), (QStringList{"Acme/1", "Bolt/2", "Acme/5", "Bolt/9"}));
  }

  // When the database cannot be reached the list shows nothing that is not stored.
  void failuresLeaveTheListTrue() {
    Fixture f;
    store::addTruckCompany("Acme");
    store::addTruckCompany("Beta");
    auto *w = openWindow<lists::TruckCompanyWindow>(app::openTruckCompanies, "frmTruckCo");
    app::Grid *grid = w->grid();
    store::session().setDatabaseFileName("Trade-missing.mdb");

    QTest::keyClicks(w->findChild<QLineEdit *>("tbCompany"), "Cargo");
    click(w, "btnSave");
    grid->setCheckValue(1, 1, 1);
    f.messages.answer(app::Answer::Yes);
    click(w, "btnDelete");
    QCOMPARE(f.messages.texts(), (QStringList{"InTimeDB has an error!",
                                              "Are you sure to delete these company?", "Delete Error!!"}));
    QCOMPARE(listed(grid), (QStringList{"Acme", "Beta"}));
    QCOMPARE(grid->checkValue(1, 1), 1); // not reloaded after a failed delete

    f.messages.clear();
    app::closeChild(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *vendors = openWindow<lists::VendorWindow>(app::openVendors, "frmVendor");
    QCOMPARE(f.messages.texts(), QStringList{"LoadList has an error!"});
    auto *name = vendors->findChild<QLineEdit *>("tbVendor");
    QTest::keyClicks(name, "Acme");
    click(vendors, "btnSave1");
    QCOMPARE(f.messages.last(), QString("InTimeDB has an error!"));
    QCOMPARE(name->text(), QString("Acme")); // kept for another try
    QVERIFY(listed(vendors->grid()).isEmpty());
  }
};

QTEST_MAIN(TestReferenceLists)
#include "test_reference_lists.moc"
