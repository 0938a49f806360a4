#pragma once
// frmAbout: the program's name and version, and a way to the platform's
// system-information program.

#include <QStringList>
#include <QWidget>

namespace app {

class AboutWindow : public QWidget {
  Q_OBJECT
public:
  explicit AboutWindow(QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void startSystemInfo();
};

// The system-information programs looked for, first found is started. Tests put
// their own list here; an empty list brings back the platform's.
void setSystemInfoProgramsForTest(const QStringList &programs);

} // namespace app
