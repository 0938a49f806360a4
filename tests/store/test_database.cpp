#include "store/database.h"
#include "store/user_database.h"
#include "support/test_support.h"

#include <QFile>
#include <QTest>

using namespace testing_support;

class TestDatabase : public QObject {
  Q_OBJECT
private slots:
  void boundValuesKeepApostrophes() {
    TempAppFolder folder;
    const QString path = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    store::Database db(path);
    const QString tricky = QStringLiteral("O'Neil'); DROP TABLE Trade; --");
    db.prepare("INSERT INTO TruckCo (TruckCo) VALUES (?);").bind(1, tricky).run();
    auto q = db.prepare("SELECT TruckCo FROM TruckCo WHERE TruckCo = ?;");
    q.bind(1, tricky);
    QVERIFY(q.step());
    QCOMPARE(q.text("TruckCo"), tricky);
    QVERIFY(!q.step());
  }

  void nullIsDetectable() {
    TempAppFolder folder;
    store::Database db(folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass")));
    db.prepare("INSERT INTO Trade (Ticket) VALUES ('1');").run();
    auto q = db.prepare("SELECT Door, Ticket FROM Trade;");
    QVERIFY(q.step());
    QVERIFY(q.isNull("Door"));
    QVERIFY(!q.value("Door").isValid());
    QVERIFY(!q.isNull("Ticket"));
  }

  void fileWithoutTheKeyIsRefusedCleanly() {
    TempAppFolder folder;
    const QString plain = folder.file(QStringLiteral("plain.mdb"));
    QFile f(plain);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    try {
      store::Database db(plain);
      QFAIL("a file of random bytes opened");
    } catch (const store::DbError &e) {
      QVERIFY(e.notADatabase());
    }
  }

  void templateIsEncrypted() {
    TempAppFolder folder;
    QFile f(folder.file(QStringLiteral("VarnelBase")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(!f.read(16).startsWith("SQLite format 3"));
  }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
