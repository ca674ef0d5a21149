#pragma once

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "toolkit/ColorAndFont.h"

// Controls with a background colour of their own (the window colour until assigned).
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }
    // Shows each character typed as this one, as a password field does.
    void SetPasswordChar(QChar shown);

private:
    TColorProperty color_{clWindow};
};

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }
    void SetLines(const QStringList& lines);

private:
    TColorProperty color_{clWindow};
};

class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

private:
    TColorProperty color_{clWindow};
};

class TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr) : QDateTimeEdit(parent) {}
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

private:
    TColorProperty color_{clWindow};
};
