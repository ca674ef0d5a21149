#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

// A push button of a fixed size. A caption wider than the button (a language's longer words)
// ends in an ellipsis, and the whole caption is its tooltip; a screen reader reads it whole.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr) : QPushButton(parent) {}
    TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}
    bool CaptionCut() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int CaptionRoom() const;
};

// A push button that can carry a glyph.
class TBitBtn : public TButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr) : TButton(parent) {}
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
