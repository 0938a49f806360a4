#pragma once
// frmNewDL and frmUnCDL: the doors without an open job, and the doors whose job is
// still open. Choosing a door hands it to the ticket form in new-door or open-door
// mode. Close only hides the window; the grid is filled when the window loads.

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace app {
class Grid;
}

namespace tickets {

enum class DoorListKind { NewDoors, UnclosedDoors };

class DoorListWindow : public QWidget {
  Q_OBJECT
public:
  explicit DoorListWindow(DoorListKind kind, QWidget *parent = nullptr);
  DoorListKind kind() const { return kind_; }
  // False once the window was closed for good (it is destroyed soon after).
  bool isClosed() const { return closed_; }

  // The size set at load: 7110 x 6240 twips (New), 7245 x 6165 twips (Unclosed).
  QSize sizeHint() const override;

  void LoadList();
  void btnOK_Click();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void openDoor(const QString &doorName);
  void onCellClicked(int col, int row);
  // Refusals of the typed door; false when the window should stay as it is.
  bool acceptTypedDoor(QString &doorName);

  DoorListKind kind_;
  bool closed_ = false;
  QLineEdit *tbDoorNo_;
  QPushButton *btnOK_;
  QPushButton *btnClose_;
  app::Grid *grid_;
};

// Where a chosen door goes: New_ViewForm and Unclosed_ViewForm unless replaced (tests).
using DoorFormOpener = std::function<void(const QString &doorName)>;
void setDoorFormOpeners(DoorFormOpener openNew, DoorFormOpener openUnclosed);

// The loaded list window of a kind, or nullptr.
DoorListWindow *doorListWindow(DoorListKind kind);

} // namespace tickets
