// Inputs the fuzz targets found that once broke a rule, kept as cases.
#include "tickets/fees.h"

#include <QTest>

class TestFuzzFindings : public QObject {
  Q_OBJECT
private slots:
  // Two amounts near the largest number: the sum is infinite, so there is no total
  // (the form keeps the one it showed) instead of "inf" and an undefined conversion.
  void feeSumPastTheLargestNumber_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("handling");
    QTest::newRow("exponents") << "1e308"
                               << "1e308";
    QTest::newRow("typed digits") << QString(308, QLatin1Char('9')) << QString(308, QLatin1Char('9'));
    QTest::newRow("one negative") << "-1.7e308"
                                  << "-1.7e308";
  }
  void feeSumPastTheLargestNumber() {
    QFETCH(QString, base);
    QFETCH(QString, handling);
    QVERIFY(tickets::feeValue(base));
    QVERIFY(!tickets::feeTotal(base, handling));
    QCOMPARE(tickets::plainAmount(qInf()), QString());
  }
};

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "test_fuzz_findings.moc"
