// frmSearch driven as the user does: open it, change dates, type a keyword, sort,
// click a listed ticket, print.
#include "search/search_window.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "app/grid.h"
#include "app/main_window.h"
#include "app/windows.h"
#include "printing/printer.h"
#include "support/test_support.h"
#include "trade_rows.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using search_fixture::insert;
using search_fixture::Row;

namespace {

const QDate kToday(2026, 3, 10);

} // namespace

class TestSearchWindow : public QObject {
  Q_OBJECT

private slots:
  void init() {
    folder_ = std::make_unique<testing_support::TempAppFolder>();
    folder_->signIn(QStringLiteral("sam"));
    app::setClockForTest(QDateTime(kToday, QTime(9, 0)));
    messages_ = std::make_unique<testing_support::MessageRecorder>();
    main_ = std::make_unique<app::MainWindow>();
    main_->show();
    opened_.clear();
    search::setTicketOpenerForTest([this](const QString &ticket) {
      opened_ << ticket;
      return true;
    });
    // Two of today's tickets and one of yesterday's.
    insert({{kToday, QStringLiteral("40500007"), QStringLiteral("A1|B2"), QStringLiteral("Rollo Freight"),
             QStringLiteral("Bay Foods"), 1, 1, QStringLiteral("150")},
            {kToday, QStringLiteral("40500003"), QStringLiteral("C9"), QStringLiteral("Ace Lines"),
             QStringLiteral("Cove Farms|Ann's"), 3, 0, QStringLiteral("1,200.50")},
            {kToday.addDays(-1), QStringLiteral("40500001"), QStringLiteral("D4"),
             QStringLiteral("Rollo Freight"), QStringLiteral("Ann's"), 2, 0, QStringLiteral("80")}});
  }
  void cleanup() {
    app::closeSearch();
    search::setTicketOpenerForTest({});
    printing::printToFileForTest({});
    main_.reset();
    messages_.reset();
    folder_.reset();
  }

  void openingListsTodaysTicketsWithTotals() {
    main_->menuAction(QStringLiteral("Door"))->setEnabled(false);
    app::openSearch();
    QVERIFY(window());
    QCOMPARE(window()->windowTitle(), QStringLiteral("Search by Date"));
    QCOMPARE(app::childFrame(window())->size(), QSize(831, 507));
    QVERIFY(main_->menuAction(QStringLiteral("Door"))->isEnabled());
    QCOMPARE(picker("dtpFrom")->date(), kToday);
    QCOMPARE(picker("dtpTo")->date(), kToday);
    QCOMPARE(window()->findChild<QComboBox *>("CbSort")->placeholderText(),
             QStringLiteral("     -  Sort by -"));

    QCOMPARE(grid()->maxRows(), 9999);
    QCOMPARE(gridRows(),
             QList<QStringList>({{dateText(kToday), "40500003", "C9", "Ace Lines", "Cove Farms|Ann's"},
                                 {dateText(kToday), "40500007", "A1, B2", "Rollo Freight", "Bay Foods"}}));
    QCOMPARE(grid()->text(2, 3), QString());
    QCOMPARE(grid()->textColor(2, 1), window()->palette().color(QPalette::Highlight));
    QCOMPARE(result(), QStringLiteral("Charge :$0.00/0        Check :$0.00/0        Cash :$1,200.50/1        "
                                      "Managed :$150.00/1        Total :$1,350.50/2"));
    QVERIFY(messages_->messages().isEmpty());

    // Opening it again only brings it forward.
    search::SearchWindow *first = window();
    app::openSearch();
    QCOMPARE(window(), first);
  }

  void datesAndSearchRunTheQueryWithTheTypedKeyword() {
    app::openSearch();
    QTest::keyClicks(window()->findChild<QLineEdit *>("tbKeyword"), QStringLiteral("rollo"));
    QCOMPARE(gridTickets(), QStringList({"40500003", "40500007"})); // typing alone does not search

    picker("dtpFrom")->setDate(kToday.addDays(-1));
    QCOMPARE(gridTickets(), QStringList({"40500001", "40500007"}));
    QVERIFY(result().endsWith(QLatin1String("Total :$230.00/2")));

    window()->findChild<QLineEdit *>("tbKeyword")->setText(QStringLiteral("Ann's"));
    QTest::mouseClick(window()->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCOMPARE(gridTickets(), QStringList({"40500001", "40500003"}));

    window()->findChild<QLineEdit *>("tbKeyword")->clear();
    picker("dtpTo")->setDate(kToday.addDays(-1));
    QCOMPARE(gridTickets(), QStringList({"40500001"}));
    QVERIFY(messages_->messages().isEmpty());
  }

  void sortChoiceReordersListAndReport() {
    app::openSearch();
    picker("dtpFrom")->setDate(kToday.addDays(-1));
    auto *sort = window()->findChild<QComboBox *>("CbSort");
    sort->setFocus();
    QTest::keyClick(sort, Qt::Key_Down); // Truck Company
    QCOMPARE(gridTickets(), QStringList({"40500003", "40500001", "40500007"}));
    QTest::keyClick(sort, Qt::Key_Down); // Ticket
    QCOMPARE(gridTickets(), QStringList({"40500001", "40500003", "40500007"}));
    QTest::keyClick(sort, Qt::Key_Down); // Vendor
    QCOMPARE(sort->currentText(), QStringLiteral("Vendor"));
    QCOMPARE(gridTickets(), QStringList({"40500001", "40500007", "40500003"}));
    const QString totals = result();

    // The report prints the list as shown, numbered in that order, with the keyword
    // as typed now even though the list came from the last search.
    window()->findChild<QLineEdit *>("tbKeyword")->setText(QStringLiteral("Bay"));
    const search::DailyReport report = window()->report();
    QCOMPARE(report.sortText, QStringLiteral("Vendor"));
    QCOMPARE(report.keyword, QStringLiteral("Bay"));
    QCOMPARE(report.totalsLine, totals);
    const auto steps = search::dailyReportSteps(report, 15000);
    QCOMPARE(steps[1].text,
             dateText(kToday.addDays(-1)) + " ~ " + dateText(kToday) + "        Vendor       Search : Bay");
    QStringList printed;
    for (const auto &s : steps)
      if (s.y >= 1984 && (s.x == 567 || s.x == 2268))
        printed << QString::number(s.y) + ":" + s.text;
    QCOMPARE(printed,
             QStringList({"1984:1", "1984:40500001", "2268:2", "2268:40500007", "2552:3", "2552:40500003"}));

    // The next search lists in query order again; the sort box keeps its choice.
    QTest::mouseClick(window()->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCOMPARE(gridTickets(), QStringList({"40500007"}));
    QCOMPARE(sort->currentText(), QStringLiteral("Vendor"));
  }

  void clickOnAListedRowOpensItsTicket_data() {
    QTest::addColumn<int>("col");
    for (int col = 1; col <= 5; ++col)
      QTest::addRow("column %d", col) << col;
  }
  void clickOnAListedRowOpensItsTicket() {
    QFETCH(int, col);
    app::openSearch();
    clickCell(col, 2);
    QCOMPARE(opened_, QStringList({"40500007"}));
    QVERIFY(window()->isVisible()); // the search window stays open
  }

  void listedTicketOpensInTheNewDoorForm() {
    store::session().db().prepare("UPDATE Trade SET Door = 'Door205' WHERE Ticket = '40500007';").run();
    search::setTicketOpenerForTest({});
    app::openSearch();
    clickCell(3, 2);
    auto *form = main_->findChild<QWidget *>("frmDBUpdate201");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("New Door205"));
    QCOMPARE(form->findChild<QLineEdit *>("tbTicket")->text(), QStringLiteral("40500007"));
    QVERIFY(messages_->messages().isEmpty());
    QVERIFY(window()->isVisible());
  }

  void clickBelowTheListOrOnAHeadingDoesNothing() {
    app::openSearch();
    clickCell(2, 3);
    clickCell(4, 50);
    emit grid()->cellClicked(2, 0);
    QVERIFY(opened_.isEmpty());
  }

  void failedSearchKeepsTotalsAndWindow() {
    app::openSearch();
    const QString totals = result();
    store::session().clearDatabase();
    QTest::mouseClick(window()->findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QCOMPARE(messages_->texts(), QStringList({"LoadList has an error!"}));
    QCOMPARE(result(), totals);
    QVERIFY(window()->isVisible());
  }

  void resultLongerThanTheGridIsListedWhole() {
    {
      store::Transaction tx(store::session().db());
      for (int i = 0; i < 10050; ++i)
        insert(Row{kToday,
                   QStringLiteral("S%1").arg(i, 6, 10, QLatin1Char('0')),
                   {},
                   {},
                   {},
                   2,
                   0,
                   QStringLiteral("1")});
      tx.commit();
    }
    app::openSearch();
    QCOMPARE(window()->listedCount(), 10052);
    QCOMPARE(grid()->maxRows(), 10052);
    QCOMPARE(grid()->text(2, 10052), QStringLiteral("S010049"));
    QVERIFY(result().endsWith(QLatin1String("Total :$11,400.50/10052")));
    QCOMPARE(window()->report().rows.size(), size_t(10052));
  }

  void printWritesTheReportOfTheList() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    printing::printToFileForTest(pdf);
    app::openSearch();
    QTest::mouseClick(window()->findChild<QPushButton *>("btnPrint"), Qt::LeftButton);
    QVERIFY(messages_->messages().isEmpty());
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QLatin1String("Daily Report")) && text.contains(QLatin1String("40500003")) &&
                 text.contains(QLatin1String("40500007")) && !text.contains(QLatin1String("40500001")),
             qPrintable(text));
  }

private:
  search::SearchWindow *window() const { return search::openSearchWindow(); }
  app::Grid *grid() const { return window()->findChild<app::Grid *>("Spr1"); }
  QDateEdit *picker(const char *name) const { return window()->findChild<QDateEdit *>(name); }
  QString result() const { return window()->findChild<QLineEdit *>("tbResult")->text(); }
  static QString dateText(const QDate &d) { return app::dateText(d); }
  QList<QStringList> gridRows() const {
    QList<QStringList> rows;
    for (int r = 1; r <= window()->listedCount(); ++r) {
      QStringList cells;
      for (int c = 1; c <= 5; ++c)
        cells << grid()->text(c, r);
      rows << cells;
    }
    return rows;
  }
  QStringList gridTickets() const {
    QStringList tickets;
    for (int r = 1; !grid()->text(2, r).isEmpty(); ++r)
      tickets << grid()->text(2, r);
    return tickets;
  }
  void clickCell(int col, int row) {
    const QModelIndex index = grid()->model()->index(row - 1, col - 1);
    grid()->scrollTo(index);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
  }

  std::unique_ptr<testing_support::TempAppFolder> folder_;
  std::unique_ptr<testing_support::MessageRecorder> messages_;
  std::unique_ptr<app::MainWindow> main_;
  QStringList opened_;
};

QTEST_MAIN(TestSearchWindow)
#include "test_search_window.moc"
