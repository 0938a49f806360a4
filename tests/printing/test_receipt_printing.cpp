// Drawing receipts: the painter on a PDF read back as text, the signature look-up,
// the vendor numbers read for Tavrel DC, and the printer-error path.
#include "printing/printer.h"
#include "printing/receipt.h"
#include "printing/receipt_layout.h"
#include "printing/receipt_values.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "store/user_database.h"
#include "store/vendor_numbers.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using testing_support::MessageRecorder;
using testing_support::TempAppFolder;

namespace {

struct Word {
  QString text;
  double xMin, yMin, xMax;
};

// The words of a PDF's first page with their boxes in points, in reading order.
QList<Word> pdfWords(const QString &pdf) {
  QProcess run;
  run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  run.waitForFinished(30000);
  const QString html = QString::fromUtf8(run.readAllStandardOutput());
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
  QList<Word> words;
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    QString text = m.captured(4);
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    words.append({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
  }
  return words;
}

const Word *wordOf(const QList<Word> &words, const QString &text) {
  for (const Word &w : words)
    if (w.text == text)
      return &w;
  return nullptr;
}

tickets::TicketRecord ticket(const QString &number) {
  tickets::TicketRecord t;
  t.UserID = QStringLiteral("kim");
  t.Ticket = number;
  t.TradeDate = QDate(2026, 3, 3);
  t.Door = QStringLiteral("Door201");
  t.TruckCo = QStringLiteral("Fast Freight");
  t.PO = QStringLiteral("P1|P2|P3|P4");
  t.Vendor = QStringLiteral("Acme|Beta");
  t.PaymentType = tickets::code::Cash;
  t.BC = QStringLiteral("1234.5");
  t.HC = QStringLiteral("0");
  t.TC = QStringLiteral("1234.5");
  t.CEID = QStringLiteral("E1");
  t.DName = QStringLiteral("Dee");
  return t;
}

QString writeSignature(const QString &path) {
  QImage image(370, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, 5));
  painter.drawLine(20, 60, 340, 20);
  painter.end();
  QDir().mkpath(QFileInfo(path).path());
  return image.save(path, "BMP") ? path : QString();
}

// Points to the page from twips: 20 twips are one point.
constexpr double kPt = 1.0 / 20;

// Paints the steps on a PDF page of the given width whose printable area starts
// 15 mm from the left and 5 mm from the top.
bool paintPdf(const QString &pdf, const printing::PrintSteps &steps, double widthMm) {
  QPdfWriter writer(pdf);
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, 200), QPageSize::Millimeter),
                                   QPageLayout::Portrait, QMarginsF(15, 5, 5, 5), QPageLayout::Millimeter));
  return printing::paintSteps(writer, steps);
}

// With VARNEL_KEEP_RECEIPT=<prefix> the page is also kept as <prefix>.png to look at.
void keepForALook(const QString &pdf, const QString &name) {
  const QString prefix = qEnvironmentVariable("VARNEL_KEEP_RECEIPT");
  if (!prefix.isEmpty())
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                   QStringLiteral("110"), pdf, prefix + name});
}

constexpr double kLeft = 15 / 25.4 * 72, kTop = 5 / 25.4 * 72;
bool near(double a, double b) { return qAbs(a - b) < 4; }

} // namespace

class TestReceiptPrinting : public QObject {
  Q_OBJECT

private slots:
  void init() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext is not installed");
  }

  // A CMP10 receipt on a narrow page whose printable area starts 1.5 cm in, so the
  // signature's left part (1.4 cm left of the area) still lands on paper.
  void cmp10ReceiptReadsBackInOrderAndPlace() {
    QTemporaryDir dir;
    const QString signature = writeSignature(dir.filePath(QStringLiteral("sign.BMP")));
    QVERIFY(!signature.isEmpty());
    printing::ReceiptFacts facts;
    facts.picturePath = signature;
    facts.printedAt = QDateTime(QDate(2026, 3, 4), QTime(14, 5));
    const printing::PrintSteps steps = printing::cmp10Receipt(ticket(QStringLiteral("40500001")), facts);

    const QString pdf = dir.filePath(QStringLiteral("receipt.pdf"));
    QVERIFY(paintPdf(pdf, steps, 80));
    keepForALook(pdf, QStringLiteral("-cmp10"));
    const QList<Word> words = pdfWords(pdf);
    QVERIFY2(!words.isEmpty(), "no text in the PDF");

    const double left = kLeft, top = kTop;
    const double pageWidth = 80 / 25.4 * 72;

    // Reading order: header, ticket, ..., driver's name, footer.
    QStringList order;
    for (const Word &w : words)
      order << w.text;
    const QStringList expectedOrder = {"Ralvane", "Ticket",   "40500001", "Facility", "Ostrine",
                                       "P.O.",    "P1,",      "P4",       "Vendor",   "Acme",
                                       "Beta",    "1,234.50", "Driver's", "Dee"};
    int at = -1;
    for (const QString &w : expectedOrder) {
      const int next = order.indexOf(w, at + 1);
      QVERIFY2(next > at, qPrintable(QStringLiteral("out of order: ") + w));
      at = next;
    }

    const Word *company = wordOf(words, QStringLiteral("Ralvane"));
    QVERIFY(near((company->xMin + company->xMax) / 2, left + (pageWidth - left - 5 / 25.4 * 72) / 2));
    const Word *label = wordOf(words, QStringLiteral("Ticket"));
    const Word *number = wordOf(words, QStringLiteral("40500001"));
    QVERIFY(near(label->xMin, left));
    QVERIFY(near(number->xMin, left + printing::twips(1.2) * kPt));
    QVERIFY(near(number->yMin, label->yMin));
    QVERIFY(near(label->yMin, top + printing::twips(1.5) * kPt));
    // P.O. groups of three stand 0.2 cm in, on the two lines below the label.
    const Word *group = wordOf(words, QStringLiteral("P1,"));
    QVERIFY(near(group->xMin, left + printing::twips(0.2) * kPt));
    QVERIFY(near(group->yMin, wordOf(words, QStringLiteral("P.O."))->yMin + printing::twips(0.42) * kPt));
    // 8-point text: a line is about 8 points high, lines 0.42 cm (11.9 pt) apart.
    const Word *facility = wordOf(words, QStringLiteral("Facility"));
    QVERIFY(near(facility->yMin - label->yMin, 2 * printing::twips(0.42) * kPt));
  }

  // SiPix: the right-hand column starts 9 cm in, on the line of its left part.
  void sipixReceiptReadsBackInTwoColumns() {
    QTemporaryDir dir;
    printing::ReceiptFacts facts;
    facts.printedAt = QDateTime(QDate(2026, 3, 4), QTime(14, 5));
    tickets::TicketRecord t = ticket(QStringLiteral("40500001"));
    t.Truck = QStringLiteral("T7");
    t.Trailer = QStringLiteral("TR9");
    const QString pdf = dir.filePath(QStringLiteral("sipix.pdf"));
    QVERIFY(paintPdf(pdf, printing::sipixReceipt(t, facts), 180));
    keepForALook(pdf, QStringLiteral("-sipix"));
    const QList<Word> words = pdfWords(pdf);
    const Word *truck = wordOf(words, QStringLiteral("T7"));
    const Word *trailer = wordOf(words, QStringLiteral("Trailer"));
    const Word *trailerNo = wordOf(words, QStringLiteral("TR9"));
    QVERIFY(truck && trailer && trailerNo);
    QVERIFY(near(trailer->xMin, kLeft + printing::twips(9) * kPt));
    QVERIFY(near(trailerNo->xMin, kLeft + printing::twips(11.4) * kPt));
    QVERIFY(near(trailer->yMin, truck->yMin));
    QVERIFY(near(wordOf(words, QStringLiteral("Ticket"))->yMin, kTop + printing::twips(2.5) * kPt));
    // The handling fee stands on the employee-ID line, the one after the payment line.
    const Word *handling = wordOf(words, QStringLiteral("Handling"));
    const Word *payment = wordOf(words, QStringLiteral("Payment"));
    QVERIFY(handling && payment);
    QVERIFY(near(handling->yMin, payment->yMin + printing::twips(0.7) * kPt));
  }

  // The receipt prints the ticket's signature from its trade date's folder, else
  // the application folder's placeholder, else the built-in one.
  void signatureIsLookedUpByTradeDate() {
    TempAppFolder folder;
    const tickets::TicketRecord t = ticket(QStringLiteral("40500001"));
    const QString placeholder = folder.file(QStringLiteral("signature.jpg"));
    QCOMPARE(printing::receiptPicturePath(folder.path(), t), placeholder);

    const QString other =
        folder.file(app::folderDateText(t.TradeDate.addDays(1)) + QStringLiteral("/sign40500001.BMP"));
    QVERIFY(!writeSignature(other).isEmpty());
    QCOMPARE(printing::receiptPicturePath(folder.path(), t), placeholder);

    const QString own = folder.file(app::folderDateText(t.TradeDate) + QStringLiteral("/sign40500001.BMP"));
    QVERIFY(!writeSignature(own).isEmpty());
    QCOMPARE(QFileInfo(printing::receiptPicturePath(folder.path(), t)), QFileInfo(own));

    QFile::remove(own);
    QFile::remove(placeholder);
    QCOMPARE(printing::receiptPicturePath(folder.path(), t), QString());
  }

  // The first row of a name gives its number; names without a row add nothing.
  void vendorNumbersComeFromTheVendorTable() {
    TempAppFolder folder;
    folder.signIn(QStringLiteral("kim"), QStringLiteral("pass"), QStringLiteral("10500000"));
    store::Database &db = store::session().db();
    for (auto [name, number] : {std::pair{"Acme", "101"}, {"Beta", "205"}, {"Acme", "999"}, {"Joe's", "7"}})
      db.prepare("INSERT INTO Vendor (Vendor, VendorNo) VALUES (?, ?);").bind(1, name).bind(2, number).run();
    QCOMPARE(store::vendorNumbersOf(db, {"Acme", "Beta"}), QStringLiteral("101, 205"));
    QCOMPARE(store::vendorNumbersOf(db, {"Nobody", "Joe's"}), QStringLiteral("7"));
    QCOMPARE(store::vendorNumbersOf(db, {"x' OR '1'='1"}), QString());

    // A Tavrel DC receipt printed without the form's text carries these numbers.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tavrel.pdf"));
    printing::printToFileForTest(pdf);
    MessageRecorder messages;
    QVERIFY(printing::PrintReceipt(ticket(QStringLiteral("10500001"))));
    printing::printToFileForTest({});
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(wordOf(pdfWords(pdf), QStringLiteral("Beta(101,")));
  }

  void noDefaultPrinterShowsThePrinterError() {
    if (!QPrinterInfo::defaultPrinter().isNull())
      QSKIP("a default printer is set up here");
    TempAppFolder folder;
    MessageRecorder messages;
    QVERIFY(!printing::PrintReceipt2(ticket(QStringLiteral("40500001")), QString()));
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(messages.last(), QStringLiteral("Please check your printer setup."));
    QCOMPARE(messages.messages().first().title, QStringLiteral("Printer Error!!"));
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // A signature file that is no picture fails the job before anything is drawn.
  void unreadableSignatureShowsThePrinterError() {
    TempAppFolder folder;
    const tickets::TicketRecord t = ticket(QStringLiteral("40500001"));
    const QString bad = folder.file(app::folderDateText(t.TradeDate) + QStringLiteral("/sign40500001.BMP"));
    QDir().mkpath(QFileInfo(bad).path());
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bad.pdf"));
    printing::printToFileForTest(pdf);
    MessageRecorder messages;
    const bool printed = printing::PrintReceipt2(t, QString());
    printing::printToFileForTest({});
    QVERIFY(!printed);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Please check your printer setup.")});
    QVERIFY(!QGuiApplication::overrideCursor());
  }
};

QTEST_MAIN(TestReceiptPrinting)
#include "test_receipt_printing.moc"
