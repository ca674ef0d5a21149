#pragma once

#include <QDialog>
#include <QMainWindow>

class TForm : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;
};

// A dialog window that the program builds itself, centred on the screen. The focus coming back
// from it to the main window runs the main window's activation handler (see TApplication).
class TDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TDialogForm(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};
