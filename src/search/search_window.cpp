#include "search/search_window.h"

#include "ui_search_window.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "printing/printer.h"
#include "search/search_totals.h"
#include "store/database.h"

#include <QApplication>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

namespace search {

namespace {

const QString kSortPrompt = QStringLiteral("     -  Sort by -");
// 12465 x 7605 twips
constexpr int kWidth = 831;
constexpr int kHeight = 507;

QPointer<SearchWindow> theWindow;
std::function<bool(const QString &)> ticketOpener;

// The busy pointer while a long list is read or printed.
struct BusyPointer {
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};

// The printable height in twips of the page the report goes to: the default
// printer's, or a PDF page's when there is no printer. 0 when it cannot be told.
int printableHeight() {
  const QPrinterInfo target = QPrinterInfo::defaultPrinter();
  std::unique_ptr<QPrinter> printer = target.isNull()
                                          ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                          : std::make_unique<QPrinter>(target, QPrinter::HighResolution);
  if (target.isNull())
    printer->setOutputFormat(QPrinter::PdfFormat);
  const int dpi = printer->logicalDpiY();
  return dpi > 0 ? int(printer->height() * 1440.0 / dpi) : 0;
}

} // namespace

SearchWindow::SearchWindow(QWidget *parent) : QWidget(parent), ui_(std::make_unique<Ui::SearchWindow>()) {
  ui_->setupUi(this);
  resize(kWidth, kHeight);

  ui_->CbSort->setPlaceholderText(kSortPrompt);
  ui_->CbSort->setCurrentIndex(-1);

  QPalette resultColours = ui_->tbResult->palette();
  resultColours.setColor(QPalette::Text, Qt::red);
  resultColours.setColor(QPalette::Base, palette().color(QPalette::Window));
  ui_->tbResult->setPalette(resultColours);
  ui_->tbResult->setFocusPolicy(Qt::NoFocus);
  resultPointSize_ = ui_->tbResult->font().pointSizeF();

  app::Grid *grid = ui_->Spr1;
  grid->setHeadings({QStringLiteral("Date"), QStringLiteral("Ticket No."), QStringLiteral("P.O. No."),
                     QStringLiteral("Truck Company"), QStringLiteral("Vendor")});
  const int widths[] = {10, 10, 24, 18, 24};
  for (int c = 0; c < kListColumns; ++c)
    grid->setColumnWidthChars(c + 1, widths[c]);
  // Vendor takes what is left, so the list fits the window without side scrolling.
  grid->horizontalHeader()->setStretchLastSection(true);

  const QDate today = app::today();
  for (QDateEdit *picker : {ui_->dtpFrom, ui_->dtpTo}) {
    picker->setDisplayFormat(app::shortDateFormat());
    picker->setDate(today);
    connect(picker, &QDateEdit::dateChanged, this, &SearchWindow::searchAgain);
  }
  connect(ui_->btnSave, &QPushButton::clicked, this, &SearchWindow::searchAgain);
  connect(ui_->btnPrint, &QPushButton::clicked, this, &SearchWindow::PrintReport);
  connect(ui_->CbSort, &QComboBox::textActivated, this, &SearchWindow::onSortChosen);
  connect(grid, &app::Grid::cellClicked, this, &SearchWindow::onCellClicked);

  if (app::MainWindow *main = app::MainWindow::instance())
    main->enableWorkingMenu();
  InitList();
  LoadList();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::InitList() {
  listing_ = Listing();
  ui_->Spr1->clearRows(kListRows);
}

void SearchWindow::LoadList() {
  BusyPointer busy;
  SearchTotals totals;
  ListingBuilder listed;
  try {
    store::visitTrade(ui_->dtpFrom->date(), ui_->dtpTo->date(), ui_->tbKeyword->text(),
                      [&](const store::TradeRowView &found) {
                        totals.addAmount(found.paymentType, found.charge, amountValue(found.tc));
                        listed.add(found);
                      });
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("LoadList has an error!"));
    return;
  }
  listing_ = listed.take();
  fillGrid();
  ui_->tbResult->setText(totals.line());
  fitTotals();
}

void SearchWindow::fitTotals() {
  // A busy day's totals are wider than the window: the line shrinks rather than lose
  // its first label off the edge.
  QLineEdit *line = ui_->tbResult;
  const int room = line->contentsRect().width() - 8;
  if (room == fittedRoom_ && line->text() == fittedText_)
    return;
  fittedRoom_ = room;
  fittedText_ = line->text();
  QFont font = line->font();
  font.setPointSizeF(resultPointSize_);
  while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(line->text()) > room)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  line->setFont(font);
}

void SearchWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  fitTotals();
}

void SearchWindow::fillGrid() {
  app::Grid *grid = ui_->Spr1;
  grid->setRowTexts(listing_.cells);
  // The ticket number in the highlight colour marks it as the way into the ticket.
  grid->setColumnTextColor(TicketColumn, palette().color(QPalette::Highlight));
}

void SearchWindow::RecordReArrange(int column) {
  sortRows(listing_, column);
  fillGrid();
}

void SearchWindow::onSortChosen(const QString &choice) {
  if (const int column = sortColumnFor(choice))
    RecordReArrange(column);
}

void SearchWindow::searchAgain() {
  InitList();
  LoadList();
}

void SearchWindow::onCellClicked(int, int row) {
  if (row < 1)
    return;
  const QString ticket = ui_->Spr1->text(TicketColumn, row);
  if (!ticket.isEmpty())
    ViewForm(ticket);
}

void SearchWindow::ViewForm(const QString &ticket) {
  if (ticketOpener)
    ticketOpener(ticket);
  else
    app::openSavedTicket(ticket);
}

QString SearchWindow::sortText() const {
  return ui_->CbSort->currentIndex() < 0 ? kSortPrompt : ui_->CbSort->currentText();
}

DailyReport SearchWindow::report() const {
  DailyReport r;
  r.fromDate = app::dateText(ui_->dtpFrom->date());
  r.toDate = app::dateText(ui_->dtpTo->date());
  r.sortText = sortText();
  r.keyword = ui_->tbKeyword->text();
  r.totalsLine = ui_->tbResult->text();
  r.rows.reserve(listing_.rows());
  for (int row = 1; row <= listing_.rows(); ++row) {
    QStringList cells;
    for (int col = 1; col <= kListColumns; ++col)
      cells << ui_->Spr1->text(col, row);
    r.rows.push_back(cells);
  }
  return r;
}

void SearchWindow::PrintReport() {
  // A printer failure is reported by the printer code itself; the window stays.
  printing::printOnDefaultPrinter(dailyReportSteps(report(), printableHeight()));
}

SearchWindow *openSearchWindow() { return theWindow; }

void setTicketOpenerForTest(std::function<bool(const QString &)> opener) { ticketOpener = std::move(opener); }

} // namespace search

namespace app {

void openSearch() {
  const bool loading = !search::theWindow;
  if (loading)
    search::theWindow = new search::SearchWindow;
  QMdiSubWindow *frame = showChild(search::theWindow);
  if (loading && frame)
    frame->resize(search::kWidth, search::kHeight);
}

void closeSearch() { closeChild(search::theWindow); }

} // namespace app
