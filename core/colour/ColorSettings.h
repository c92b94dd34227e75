#pragma once
// The colour settings dialog and its row dialog.  The dialog edits its own
// copy (Data); nothing reaches the main window before OK.
#include "core/colour/ColorFile.h"

#include <QDialog>
#include <memory>

// The widgets of each dialog, laid out in forms/.
struct FormColorSetUi;
struct FormColorStructUi;

class TFormColorSet : public QDialog {
public:
    explicit TFormColorSet(QWidget* parent = nullptr);
    ~TFormColorSet() override;

private:
    std::unique_ptr<FormColorSetUi> layout_;

public:
    FormColorSetUi& ui;
    unsigned Color = 0;  // what CPanel2 shows
    void SetColor(unsigned color);
    void BtnColChangeClick();
};

class TFormColorStruct : public QDialog {
public:
    explicit TFormColorStruct(QWidget* parent = nullptr);
    ~TFormColorStruct() override;

private:
    std::unique_ptr<FormColorStructUi> layout_;

public:
    FormColorStructUi& ui;
    ColorSettings Data;
    int HelpContext = 9100;
    QString ProgramDir;  // the colour files' folder is ProgramDir + "/QuillColor"

    // Sets the check boxes from Data (their handlers copy them back).
    void SetFlagBoxes();
    void FormShow();
    void ListBox1Click();
    void BtnAddClick();
    void BtnChangeClick();
    void BtnDeleteClick();
    void BtnExportClick();
    void BtnImportClick();
    void BtnRemCChangeClick();
    void BtnFontColorClick();
    void BtnBackColorClick();
    void BtnDollerClick();
    void BtnAndClick();
    void BtnZenkakuClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseColor(QWidget* panel, unsigned& color);
    void showSelectedColor();
    void paintPanels();
    void fillList(int select);
    QString colorFolder() const;
};

// Paints a panel's background with a 0x00BBGGRR colour.
void paintColorPanel(QWidget* panel, unsigned color);
// The name with its extension (after the last dot of the file name part)
// replaced by `extension` (with its dot), or appended when it has none.
QString changeFileExt(const QString& path, const QString& extension);
