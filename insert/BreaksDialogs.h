#pragma once
// The break chooser and the three space dialogs.  Each hands its handler the
// finished LaTeX through its getter; the radio groups and the up-down carry
// the remembered choices in and out.
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/BreaksForms.h"

class TFormDanraku : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormDanraku(QWidget* owner);
    FormDanrakuUi ui;
    RadioGroup& RadioGroup1 = ui.RadioGroup1;
    std::string MakeCommand() const;
};

class TFormMeijiSpace : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormMeijiSpace(QWidget* owner);
    FormMeijiSpaceUi ui;
    RadioGroup& rgSpaceKind = ui.rgSpaceKind;
    std::string GetCommand() const;
};

class TFormSpaceFill : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormSpaceFill(QWidget* owner);
    FormSpaceFillUi ui;
    RadioGroup& rgSpaceKind = ui.rgSpaceKind;
    RadioGroup& rgMusi = ui.rgMusi;
    std::string GetCommand() const;
};

class TFormDanrakuSpace : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormDanrakuSpace(QWidget* owner);
    FormDanrakuSpaceUi ui;
    RadioGroup& rgDanrakuSpace = ui.rgDanrakuSpace;
    std::string MakeCommand() const;
};
