#pragma once
// The table dialog, the partial-rule and merged-cell dialogs and the
// text-to-table conversion dialog.  Each carries its choices in and out as
// the builders' structs, so handlers and tests need not know the widgets.
#include "core/insertion/DialogRoad.h"
#include "forms/TablesForms.h"
#include "insert/TablesBuilder.h"

class TFormTable : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormTable(QWidget* owner);
    FormTableUi ui;
    void SetChoices(const tables::TableChoices& choices);
    tables::TableChoices Choices() const;

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormCline : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormCline(QWidget* owner);
    FormClineUi ui;
    // Keep the range in order: raising "from" past "to" drags "to" along,
    // lowering "to" below "from" drags "from" along.
    void Edit1Change();
    void Edit2Change();
};

class TFormCell : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormCell(QWidget* owner);
    FormCellUi ui;
    void SetChoices(const tables::MergedCellChoices& choices);
    tables::MergedCellChoices Choices() const;
};

class TFormTableChange : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormTableChange(QWidget* owner);
    FormTableChangeUi ui;
    void SetChoices(const tables::ConversionChoices& choices);
    tables::ConversionChoices Choices() const;
};

// The placement boxes to and from the builders' placement.
void setPlacement(const PlacementBoxes& boxes, const tables::Placement& placement);
tables::Placement placementOf(const PlacementBoxes& boxes);
