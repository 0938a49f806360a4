#pragma once

class QApplication;

namespace app {
// Sets the application folder to the program's folder, creates the main window
// with the login inside it, and runs the event loop.
int run(QApplication &application);
} // namespace app
