#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

// A push button that can carry a glyph.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr) : QPushButton(parent) {}
    void SetGlyph(const QIcon& glyph) { setIcon(glyph); }
};

class TCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}
};

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr) : QGroupBox(parent) {}
};
