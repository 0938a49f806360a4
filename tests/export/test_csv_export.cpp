// Appending closed jobs to the day's export file: folder of today, append only,
// the export's messages, and nothing partial when a write fails.
#include "export/csv_export.h"
#include "export/csv_line.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "store/file_ops.h"
#include "store/user_database.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

using testing_support::MessageRecorder;
using testing_support::TempAppFolder;

namespace {

const QDate kToday(2026, 3, 4);

tickets::TicketRecord ticket(const QString &number, const QString &user = QStringLiteral("kim")) {
  tickets::TicketRecord t;
  t.UserID = user;
  t.Ticket = number;
  t.TradeDate = kToday.addDays(-1);
  t.Vendor = QStringLiteral("Acme|Beta");
  return t;
}

QByteArray readAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString todayFolder(const TempAppFolder &folder) { return folder.file(app::folderDateText(kToday)); }

} // namespace

class TestCsvExport : public QObject {
  Q_OBJECT

private slots:
  void init() { app::setClockForTest(QDateTime(kToday, QTime(17, 30))); }
  void cleanup() {
    app::setClockForTest({});
    store::fileops::failAtCall(0);
  }

  // Two closes append two lines in closing order to today's file, whatever the
  // tickets' own date; the vendor numbers come from the Vendor table.
  void twoClosesAppendTwoLinesInOrder() {
    TempAppFolder folder;
    folder.signIn(QStringLiteral("kim"));
    store::session()
        .db()
        .prepare("INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Acme', '101'), ('Beta', '205');")
        .run();
    MessageRecorder messages;
    QVERIFY(exporting::SaveTOCSV(ticket(QStringLiteral("40500001"))));
    QVERIFY(exporting::SaveTOCSV(ticket(QStringLiteral("40500002")), QStringLiteral("9")));
    QVERIFY(messages.messages().isEmpty());

    const QByteArray content = readAll(todayFolder(folder) + QStringLiteral("/kim-myFile.csv"));
    const QList<QByteArray> lines = content.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(content.endsWith("\r\n"));
    QVERIFY(lines[0].startsWith("kim," + app::dateText(kToday.addDays(-1)).toUtf8() + ",40500001,"));
    QVERIFY(lines[1].startsWith("kim," + app::dateText(kToday.addDays(-1)).toUtf8() + ",40500002,"));
    QCOMPARE(QString::fromUtf8(lines[0].trimmed()).split(',').at(52), QStringLiteral("101  205"));
    QCOMPARE(QString::fromUtf8(lines[1].trimmed()).split(',').at(52), QStringLiteral("9"));
  }

  // Only the exported field loses the comma: the signed-in user ID and the file's
  // name keep it for every later ticket.
  void commaInTheUserIdChangesOnlyTheField() {
    TempAppFolder folder;
    QDir().mkpath(todayFolder(folder));
    store::session().setUserId(QStringLiteral("ki,m"));
    MessageRecorder messages;
    QVERIFY(exporting::SaveTOCSV(ticket(QStringLiteral("40500001"), QStringLiteral("ki,m")), QString()));
    QVERIFY(exporting::SaveTOCSV(ticket(QStringLiteral("40500002"), QStringLiteral("ki,m")), QString()));
    QCOMPARE(store::session().userId(), QStringLiteral("ki,m"));
    const QByteArray content = readAll(todayFolder(folder) + QStringLiteral("/ki,m-myFile.csv"));
    QCOMPARE(content.count("ki m,"), 2);
    QCOMPARE(content.count('\n'), 2);
  }

  void existingFileIsNeverTruncated() {
    TempAppFolder folder;
    QDir().mkpath(todayFolder(folder));
    const QString path = todayFolder(folder) + QStringLiteral("/kim-myFile.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("earlier line\r\n");
    file.close();
    MessageRecorder messages;
    QVERIFY(exporting::SaveTOCSV(ticket(QStringLiteral("40500003")), QString()));
    const QByteArray content = readAll(path);
    QVERIFY(content.startsWith("earlier line\r\nkim,"));
    QCOMPARE(content.count("\r\n"), 2);
  }

  // Each refusal shows its own box and leaves the file as it was.
  void failuresShowTheirMessageAndWriteNothing_data() {
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("failingCall");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("append fails") << true << 1 << ""
                                  << "Error !";
    QTest::newRow("folder cannot be made") << false << 1 << "Path doen not exist !"
                                           << "Path Error !";
  }
  void failuresShowTheirMessageAndWriteNothing() {
    QFETCH(bool, folderExists);
    QFETCH(int, failingCall);
    QFETCH(QString, text);
    QFETCH(QString, title);
    TempAppFolder folder;
    const QString path = todayFolder(folder) + QStringLiteral("/kim-myFile.csv");
    if (folderExists) {
      QDir().mkpath(todayFolder(folder));
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("earlier line\r\n");
    }
    const QByteArray before = readAll(path);
    MessageRecorder messages;
    store::fileops::failAtCall(failingCall);
    QVERIFY(!exporting::SaveTOCSV(ticket(QStringLiteral("40500004")), QString()));
    QCOMPARE(messages.messages().size(), 1);
    if (!text.isEmpty())
      QCOMPARE(messages.last(), text);
    QVERIFY(!messages.last().isEmpty());
    QCOMPARE(messages.messages().first().title, title);
    QCOMPARE(readAll(path), before);
  }

  void emptyFileNameIsRefused() {
    TempAppFolder folder;
    MessageRecorder messages;
    QVERIFY(!exporting::saveContentToCSVFile(folder.path(), QString(), ticket(QStringLiteral("40500005")),
                                             QString()));
    QCOMPARE(messages.last(), QStringLiteral("FileName is invalid lFileName=[]"));
    QCOMPARE(messages.messages().first().title, QStringLiteral("FileName Error !"));
    QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.csv")}, QDir::Files), QStringList());
  }
};

QTEST_MAIN(TestCsvExport)
#include "test_csv_export.moc"
