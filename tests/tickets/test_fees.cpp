#include "tickets/fees.h"

#include <QRegularExpression>
#include <QTest>

class TestFees : public QObject {
  Q_OBJECT
private slots:
  void total_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("total");
    QTest::newRow("decimal and whole") << "12.5"
                                       << "30"
                                       << "42.5";
    QTest::newRow("binary fractions read as typed") << "0.1"
                                                    << "0.2"
                                                    << "0.3";
    QTest::newRow("both empty") << ""
                                << ""
                                << "0";
    QTest::newRow("one empty") << ""
                               << "7"
                               << "7";
    QTest::newRow("trailing point") << "12."
                                    << "1"
                                    << "13";
    QTest::newRow("leading point") << ".5"
                                   << "1"
                                   << "1.5";
    QTest::newRow("no trailing zeros") << "1.50"
                                       << "1.50"
                                       << "3";
    QTest::newRow("fifteen digits without exponent") << "99999999999999"
                                                     << "1"
                                                     << "100000000000000";
    QTest::newRow("small fraction") << "0.0001"
                                    << "0"
                                    << "0.0001";
  }
  void total() {
    QFETCH(QString, base);
    QFETCH(QString, handling);
    QFETCH(QString, total);
    QCOMPARE(tickets::feeTotal(base, handling).value_or(QStringLiteral("<none>")), total);
  }

  void textThatIsNoNumberGivesNoTotal() {
    QVERIFY(!tickets::feeTotal(QStringLiteral("abc"), QStringLiteral("1")));
    QVERIFY(!tickets::feeTotal(QStringLiteral("1"), QStringLiteral(".")));
  }

  void amountBoxesAcceptOnlyAmounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits") << "120" << true;
    QTest::newRow("decimal") << "12.50" << true;
    QTest::newRow("typing the point") << "12." << true;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("letters") << "12a" << false;
    QTest::newRow("minus") << "-5" << false;
    QTest::newRow("thousands comma") << "1,000" << false;
    QTest::newRow("currency sign") << "$5" << false;
  }
  void amountBoxesAcceptOnlyAmounts() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const QRegularExpression amount(QRegularExpression::anchoredPattern(tickets::amountPattern()));
    QCOMPARE(amount.match(text).hasMatch(), accepted);
  }
};

QTEST_GUILESS_MAIN(TestFees)
#include "test_fees.moc"
