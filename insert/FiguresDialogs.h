#pragma once
// The figure dialog with its enable rules, and the \input or \include
// question.
#include "core/insertion/DialogRoad.h"
#include "forms/FiguresForms.h"
#include "insert/FiguresBuilder.h"

class TFormZuinsert : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormZuinsert(QWidget* owner);
    FormZuinsertUi ui;
    void SetChoices(const figures::FigureChoices& choices);
    figures::FigureChoices Choices() const;

    // Which controls can be used follows the size and package choices: no
    // size, no size fields; the graphics package takes width and height,
    // graphicx may keep the aspect ratio, and then the height alone counts.
    void RBSizeOffClick();
    void RBSizeOnClick();
    void rbGraphicsClick();
    void rbGraphicxClick();
    void cbAspectClick();
    // For a picture whose size cannot be read, a size is required.
    void RequireSize();

private:
    void enableWidth(bool on);
    void updateEnabled();
};

class TFormInputInclude : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormInputInclude(QWidget* owner);
    FormInputIncludeUi ui;
};
