// The highlight of the focused input control: the handlers that the controls' focus notices run.
#include "app/MainWindow.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/StringGrid.h"

void TfMain::EditEnter(QWidget* sender)
{
    if (auto* c = dynamic_cast<TEdit*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TComboBox*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TDBGrid*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TDateTimePicker*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TMemo*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TStringGrid*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TBitBtn*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
    if (auto* c = dynamic_cast<TRadioGroup*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
    if (auto* c = dynamic_cast<TCheckBox*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
}

void TfMain::EditExit(QWidget* sender)
{
    if (auto* c = dynamic_cast<TEdit*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TComboBox*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TDBGrid*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TDateTimePicker*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TStringGrid*>(sender)) {
        c->SetColor(clWhite);
    }
    if (auto* c = dynamic_cast<TMemo*>(sender)) {
        c->SetColor(clWhite);
    }
    if (auto* c = dynamic_cast<TBitBtn*>(sender)) {
        SetFontStyleOf(*c, {});
    }
    if (auto* c = dynamic_cast<TRadioGroup*>(sender)) {
        SetFontStyleOf(*c, {});
    }
    if (auto* c = dynamic_cast<TCheckBox*>(sender)) {
        SetFontStyleOf(*c, {});
    }
}
