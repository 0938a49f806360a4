#pragma once
// frmSearch: the tickets of a range of trade dates, narrowed by a keyword, with the
// totals by payment, re-sorting, opening a listed ticket and the daily report.

#include "search/daily_report.h"
#include "search/search_list.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class SearchWindow;
}

namespace search {

class SearchWindow : public QWidget {
  Q_OBJECT
public:
  explicit SearchWindow(QWidget *parent = nullptr);
  ~SearchWindow() override;

  // Empties the grid and sets up its empty rows again.
  void InitList();
  // Lists the tickets of the current dates and keyword and sets the totals line.
  void LoadList();
  // Re-sorts the listed rows by a column (2, 4 or 5) and the columns after it.
  void RecordReArrange(int column);
  // Opens a ticket in the ticket form; the search window stays open.
  void ViewForm(const QString &ticket);

  int listedCount() const { return listing_.rows(); }
  // What the daily report prints now: the list as shown, the current criteria.
  DailyReport report() const;

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  void fitTotals();
  void onCellClicked(int col, int row);
  void onSortChosen(const QString &choice);
  void searchAgain();
  void PrintReport();
  void fillGrid();
  QString sortText() const;

  std::unique_ptr<Ui::SearchWindow> ui_;
  Listing listing_;
  double resultPointSize_ = 9;
  // The line and room the totals font was last fitted to; measuring costs more than
  // the rest of a short search.
  QString fittedText_;
  int fittedRoom_ = -1;
};

// The window while it is open, else nullptr.
SearchWindow *openSearchWindow();

// Tests put their own ticket opener in place of the ticket form's; empty restores it.
void setTicketOpenerForTest(std::function<bool(const QString &)> opener);

} // namespace search
