#pragma once

class QApplication;

namespace app {
// Allocator settings for the program's way of using memory: long lists of small texts
// built and dropped at once. Called first by run(); the benchmarks call it too.
void tuneMemory();

// Sets the application folder to the program's folder, creates the main window
// with the login inside it, and runs the event loop.
int run(QApplication &application);
} // namespace app
