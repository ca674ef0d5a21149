#pragma once

#include <QDialog>
#include <QMainWindow>

class TApplication;

class TForm : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;
};

// A dialog window that the program builds itself, centred on the screen. Closing it tells the
// application, so that the main window knows its next activation is the focus coming back from
// one of its own windows.
class TDialogForm : public QDialog {
    Q_OBJECT
public:
    TDialogForm(TApplication& app, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TApplication& app_;
};
