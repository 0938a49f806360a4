#include "app/date_text.h"
#include "app/main_window.h"
#include "signature/signature_pad.h"
#include "store/file_ops.h"
#include "support/test_support.h"
#include "tickets/ticket_form_state.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using signature::SignaturePad;

namespace {

// Stands in for a ticket form: its ticket box and the signature it was shown.
class FakeForm : public QWidget, public signature::SignatureOwner {
public:
  FakeForm(const QString &name, const QString &ticket) : ticket_(ticket) { setObjectName(name); }
  QString signatureTicket() const override { return ticket_; }
  void showSignature(const QString &filePath) override { shown = filePath; }
  QString ticket_;
  QString shown;
};

tickets::TicketRecord completeTicket() {
  tickets::TicketRecord r;
  r.TradeDate = QDate(2026, 3, 9);
  r.Ticket = QStringLiteral("40500001");
  r.PaymentType = tickets::code::Cash;
  return r;
}

bool isBlack(const QImage &image, int x, int y) { return image.pixelColor(x, y) == QColor(Qt::black); }

} // namespace

class TestSignaturePad : public QObject {
  Q_OBJECT
private slots:
  void init() {
    folder_.reset(new TempAppFolder);
    main_.reset(new app::MainWindow);
    tickets::setCurrentTradeDate(QDate(2026, 3, 9));
    store::fileops::failAtCall(0);
  }
  void cleanup() {
    store::fileops::failAtCall(0);
    main_.reset();
    folder_.reset();
  }

  void untouchedPadSavesAWhitePictureInTheTradeDateFolder() {
    FakeForm newForm(QStringLiteral("frmDBUpdate201"), QStringLiteral("40500001"));
    FakeForm openForm(QStringLiteral("frmDBClosed201"), QStringLiteral("40500077"));
    MessageRecorder messages;
    QVERIFY(signature::openSignaturePad(QStringLiteral("New Door201"), completeTicket()));
    SignaturePad *pad = SignaturePad::instance();
    QVERIFY(pad);
    QCOMPARE(pad->windowTitle(), QStringLiteral("New Door201"));

    QTest::mouseClick(pad->findChild<QPushButton *>(QStringLiteral("btnSave")), Qt::LeftButton);

    const QString path = folder_->path() + QLatin1Char('/') + app::folderDateText(QDate(2026, 3, 9)) +
                         QStringLiteral("/sign40500001.BMP");
    QCOMPARE(newForm.shown, path);
    QCOMPARE(openForm.shown, QString());
    QImage saved(path, "BMP");
    QCOMPARE(saved.size(), SignaturePad::drawingSize());
    for (int y = 0; y < saved.height(); y += 7)
      for (int x = 0; x < saved.width(); x += 7)
        QCOMPARE(saved.pixelColor(x, y), QColor(Qt::white));
    QVERIFY(messages.messages().isEmpty());
    QTRY_VERIFY(!SignaturePad::instance());
  }

  void unclosedCaptionSignsTheOpenDoorForm() {
    FakeForm newForm(QStringLiteral("frmDBUpdate201"), QStringLiteral("40500001"));
    FakeForm openForm(QStringLiteral("frmDBClosed201"), QStringLiteral("40500077"));
    QVERIFY(signature::openSignaturePad(QStringLiteral("New Door201"), completeTicket()));
    // Opened again from the other form: same pad, new caption, new owner.
    QVERIFY(signature::openSignaturePad(QStringLiteral("Unclosed Door205"), completeTicket()));
    QVERIFY(SignaturePad::instance()->saveSignature());
    QVERIFY(openForm.shown.endsWith(QStringLiteral("/sign40500077.BMP")));
    QCOMPARE(newForm.shown, QString());
  }

  void strokeIsJoinedAndOnlyTheLeftButtonWrites() {
    QVERIFY(signature::openSignaturePad(QStringLiteral("New Door201"), completeTicket()));
    SignaturePad *pad = SignaturePad::instance();
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(10, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 40), pad->mapToGlobal(QPointF(200, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pad, &move);
    QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 40));
    // A fast stroke reports only its ends; the line between them is drawn all the same.
    QVERIFY(isBlack(pad->drawing(), 10, 40));
    QVERIFY(isBlack(pad->drawing(), 105, 40));
    QVERIFY(isBlack(pad->drawing(), 105, 42)); // five pixels wide
    QVERIFY(!isBlack(pad->drawing(), 105, 46));

    QMouseEvent rightDrag(QEvent::MouseMove, QPointF(50, 70), pad->mapToGlobal(QPointF(50, 70)), Qt::NoButton,
                          Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(pad, &rightDrag);
    QVERIFY(!isBlack(pad->drawing(), 50, 70));

    QTest::mouseClick(pad->findChild<QPushButton *>(QStringLiteral("Command11")), Qt::LeftButton);
    QVERIFY(!isBlack(pad->drawing(), 105, 40));
  }

  void incompleteTicketOpensNoPad() {
    MessageRecorder messages;
    tickets::TicketRecord r = completeTicket();
    r.PaymentType = tickets::code::NoPayment;
    QVERIFY(!signature::openSignaturePad(QStringLiteral("New Door201"), r));
    QCOMPARE(messages.texts(), QStringList({QStringLiteral("Please select Payment type.")}));
    QVERIFY(!SignaturePad::instance());
  }

  void unwritableFolderOrFileIsReportedAndThePadStays_data() {
    QTest::addColumn<int>("failingCall");
    QTest::newRow("folder") << 1;
    QTest::newRow("file") << 2;
  }

  void unwritableFolderOrFileIsReportedAndThePadStays() {
    QFETCH(int, failingCall);
    FakeForm newForm(QStringLiteral("frmDBUpdate201"), QStringLiteral("40500001"));
    QVERIFY(signature::openSignaturePad(QStringLiteral("New Door201"), completeTicket()));
    SignaturePad *pad = SignaturePad::instance();
    QTest::mouseClick(pad, Qt::LeftButton, {}, QPoint(30, 30));
    MessageRecorder messages;
    store::fileops::failAtCall(failingCall);
    QVERIFY(!pad->saveSignature());
    QCOMPARE(messages.messages().size(), 1);
    QCOMPARE(newForm.shown, QString());
    QCOMPARE(SignaturePad::instance(), pad);
    QVERIFY(isBlack(pad->drawing(), 30, 30)); // the drawing is kept for another try

    store::fileops::failAtCall(0);
    QVERIFY(pad->saveSignature());
    QVERIFY(!newForm.shown.isEmpty());
  }

  void padWithoutItsFormIsReported() {
    QVERIFY(signature::openSignaturePad(QStringLiteral("Unclosed Door201"), completeTicket()));
    MessageRecorder messages;
    QVERIFY(!SignaturePad::instance()->saveSignature());
    QCOMPARE(messages.messages().size(), 1);
  }

  void lookOfThePad() {
    QVERIFY(signature::openSignaturePad(QStringLiteral("New Door201"), completeTicket()));
    SignaturePad *pad = SignaturePad::instance();
    QCOMPARE(pad->size(), QSize(320, 125));
    if (!qEnvironmentVariableIsEmpty("VARNEL_SHOT"))
      main_->grab().save(qEnvironmentVariable("VARNEL_SHOT"));
  }

private:
  std::unique_ptr<TempAppFolder> folder_;
  std::unique_ptr<app::MainWindow> main_;
};

QTEST_MAIN(TestSignaturePad)
#include "test_signature_pad.moc"
