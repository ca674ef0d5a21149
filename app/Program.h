#pragma once

class QApplication;
class TModalSeam;

// The program from start-up to its end: builds the main window and then the data module, shows
// the window and runs the message loop. Returns the exit code: 0 after an orderly end, 1 after
// a failure that start-up showed.
int RunCardovane(QApplication& qapp, TModalSeam& seam);
