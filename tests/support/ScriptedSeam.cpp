#include "tests/support/ScriptedSeam.h"

#include <QFileDialog>
#include <QLineEdit>

#include "store/datamodule/LoginDialog.h"
#include "toolkit/EditControls.h"

RecordingSeam::Shown RecordingSeam::Describe(QDialog& dialog)
{
    Shown record;
    record.kind = QString::fromLatin1(dialog.metaObject()->className());
    record.title = dialog.windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        record.text = box->text();
        record.icon = box->icon();
    }
    return record;
}

int ScriptedSeam::Exec(QDialog& dialog)
{
    shown.push_back(Describe(dialog));
    if (answers.empty()) {
        return qobject_cast<QMessageBox*>(&dialog) ? int(QMessageBox::Ok) : int(QDialog::Rejected);
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer(dialog);
}

int RecordingSeam::CountOf(const QString& kind) const
{
    int count = 0;
    for (const Shown& s : shown) {
        count += s.kind == kind ? 1 : 0;
    }
    return count;
}

QStringList RecordingSeam::MessageTexts() const
{
    QStringList texts;
    for (const Shown& s : shown) {
        if (s.kind == QLatin1String("QMessageBox")) {
            texts << s.text;
        }
    }
    return texts;
}

ScriptedSeam::Answer ChooseFile(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files) {
            return int(QDialog::Rejected);
        }
        files->selectFile(path);
        return int(QDialog::Accepted);
    };
}

ScriptedSeam::Answer Cancel()
{
    return [](QDialog&) { return int(QDialog::Rejected); };
}

ScriptedSeam::Answer Login(const QString& userName, const QString& password)
{
    return [userName, password](QDialog& dialog) {
        auto* login = qobject_cast<TLoginDialog*>(&dialog);
        if (!login) {
            return int(QDialog::Rejected);
        }
        login->UserName->setText(userName);
        login->Password->setText(password);
        return int(QDialog::Accepted);
    };
}

ScriptedSeam::Answer PressButton(QMessageBox::StandardButton button)
{
    return [button](QDialog&) { return int(button); };
}
