#include "tickets/door_lists.h"
#include "tickets/door_numbers.h"

#include <QTest>

using namespace tickets;

Q_DECLARE_METATYPE(tickets::DoorEntry)

namespace {

QStringList candidates() {
  QStringList all;
  for (int n = 201; n <= 280; ++n)
    all << doorName(n);
  for (int n = 314; n <= 399; ++n)
    all << doorName(n);
  return all;
}

} // namespace

class TestDoorLists : public QObject {
  Q_OBJECT
private slots:
  void readsTypedDoor_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<DoorEntry>("status");
    QTest::addColumn<QString>("name");
    const auto ok = DoorEntry::Accepted;
    const auto out = DoorEntry::OutOfRange;
    const auto bad = DoorEntry::NotANumber;
    QTest::newRow("blanks around") << " 250 " << ok << "Door250";
    QTest::newRow("leading zero") << "0250" << ok << "Door250";
    QTest::newRow("decimal down") << "250.4" << ok << "Door250";
    QTest::newRow("half to even, down") << "250.5" << ok << "Door250";
    QTest::newRow("half to even, up") << "251.5" << ok << "Door252";
    QTest::newRow("just above a half") << "250.5000001" << ok << "Door251";
    QTest::newRow("rounds into range") << "200.6" << ok << "Door201";
    QTest::newRow("first door") << "201" << ok << "Door201";
    QTest::newRow("281 typed only") << "281" << ok << "Door281";
    QTest::newRow("313 typed only") << "313" << ok << "Door313";
    QTest::newRow("last door") << "399" << ok << "Door399";
    QTest::newRow("200") << "200" << out << "";
    QTest::newRow("282") << "282" << out << "";
    QTest::newRow("312") << "312" << out << "";
    QTest::newRow("400") << "400" << out << "";
    QTest::newRow("negative") << "-250" << out << "";
    QTest::newRow("huge") << "99999999999999999999" << out << "";
    QTest::newRow("letters") << "abc" << bad << "";
    QTest::newRow("digits then letters") << "250a" << bad << "";
    QTest::newRow("two numbers") << "250 251" << bad << "";
    QTest::newRow("only a dot") << "." << bad << "";
    QTest::newRow("only blanks") << "   " << bad << "";
    QTest::newRow("empty") << "" << DoorEntry::Empty << "";
  }
  void readsTypedDoor() {
    QFETCH(QString, typed);
    QFETCH(DoorEntry, status);
    QFETCH(QString, name);
    const DoorReading reading = readDoorEntry(typed);
    QCOMPARE(reading.status, status);
    QCOMPARE(reading.name, name);
  }

  void newDoorList_data() {
    QTest::addColumn<QStringList>("openRows");
    QTest::addColumn<QStringList>("expected");
    QStringList without205and320 = candidates();
    without205and320.removeOne("Door205");
    without205and320.removeOne("Door320");
    QTest::newRow("no rows at all") << QStringList{} << candidates();
    QTest::newRow("only the seed row") << QStringList{QString()} << candidates();
    QTest::newRow("open jobs at 205 and 320")
        << QStringList{QString(), "Door205", "Door320"} << without205and320;
    QTest::newRow("281 and 313 never listed anyway")
        << QStringList{QString(), "Door281", "Door313"} << candidates();
    // Without a seed row the first open job must still count.
    QTest::newRow("no seed row") << QStringList{"Door205", "Door320"} << without205and320;
    QTest::newRow("door written with a blank")
        << QStringList{QString(), "Door 205", "Door320"} << without205and320;
  }
  void newDoorList() {
    QFETCH(QStringList, openRows);
    QFETCH(QStringList, expected);
    const QStringList doors = tickets::newDoorList(openRows);
    QCOMPARE(doors, expected);
  }

  void candidateCount() { QCOMPARE(tickets::newDoorList({}).size(), 166); }

  void unclosedDoorList_data() {
    QTest::addColumn<QStringList>("openRows");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no rows") << QStringList{} << QStringList{};
    QTest::newRow("only the seed row") << QStringList{QString()} << QStringList{};
    QTest::newRow("one cell per open job") << QStringList{QString(), "Door205", "Door205", "Door320"}
                                           << QStringList{"Door205", "Door205", "Door320"};
    QTest::newRow("no seed row") << QStringList{"Door205"} << QStringList{"Door205"};
  }
  void unclosedDoorList() {
    QFETCH(QStringList, openRows);
    QFETCH(QStringList, expected);
    QCOMPARE(tickets::unclosedDoorList(openRows), expected);
  }

  void gridPlacement() {
    QCOMPARE(doorCell(0), (GridCell{1, 1}));
    QCOMPARE(doorCell(3), (GridCell{1, 4}));
    QCOMPARE(doorCell(4), (GridCell{2, 1}));
    QCOMPARE(doorCell(165), (GridCell{42, 2}));
    const auto rows = doorRows({"a", "b", "c", "d", "e"});
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[0], (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(rows[1], QStringList{"e"});
    QVERIFY(doorRows({}).empty());
  }
};

QTEST_GUILESS_MAIN(TestDoorLists)
#include "test_door_lists.moc"
