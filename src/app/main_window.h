#pragma once
// frmMain: the frame that holds every working window as a child window.

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QAction;

namespace app {

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit MainWindow(QWidget *parent = nullptr);
  ~MainWindow() override;
  // The one main window, or nullptr before it exists.
  static MainWindow *instance();

  QMdiArea *mdiArea() const { return mdi_; }
  // Enables Door, Unclosed, Search, Truck and Vendor (there is no way back).
  void enableWorkingMenu();
  QAction *menuAction(const QString &name) const;

  // Runs the load behaviour: working entries disabled, login window shown.
  void start();

private:
  void buildMenu();
  void refreshWindowList();
  QMdiArea *mdi_;
  QMenu *viewMenu_ = nullptr;
};

// Puts a window into the main window as a child at its top-left corner (once) and
// makes it visible and active. Closing the child destroys the window.
QMdiSubWindow *showChild(QWidget *window);
// Shows the one window of its kind, making it first when none is loaded.
template <typename Window> void showOnly(QPointer<Window> &window) {
  if (!window)
    window = new Window;
  showChild(window);
}
// The child-window frame of a window, or nullptr when it has none.
QMdiSubWindow *childFrame(QWidget *window);
// Closes a child window (its frame and the window go away).
void closeChild(QWidget *window);
// Hides a child window, keeping it loaded.
void hideChild(QWidget *window);

} // namespace app
