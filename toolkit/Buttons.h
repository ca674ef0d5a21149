#pragma once

#include <QPushButton>

// A push button that can carry a glyph.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr) : QPushButton(parent) {}
    void SetGlyph(const QIcon& glyph) { setIcon(glyph); }
};
