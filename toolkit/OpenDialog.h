#pragma once

#include <QString>

class QWidget;
class TApplication;

// The platform's file-open dialog: default title, no filter, no default extension. It lets the
// user type the name of a file that does not exist and opens on the file chosen the time before.
class TOpenDialog {
public:
    explicit TOpenDialog(QWidget* owner) : owner_(owner) {}

    // True with FileName() set to the chosen file's full path; false when cancelled.
    bool Execute(TApplication& app);
    const QString& FileName() const { return fileName_; }

private:
    QWidget* owner_;
    QString fileName_;
};
