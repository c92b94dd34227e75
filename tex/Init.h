#pragma once
// The TeX program settings dialog ("初期設定"), the automatic setup, the
// prompt for a missing program and the wizard page.
#include <QDialog>
#include <QString>

#include "forms/InitForms.h"
#include "tex/InitSetup.h"
#include "tex/TeXPrograms.h"

class Session;

// The help pages of the settings dialog and of its automatic setup.
constexpr int kInitHelpContext = 9120;
constexpr int kAutoSettingHelpContext = 9122;

class TFormAutoSetting : public QDialog {
    Q_OBJECT
public:
    explicit TFormAutoSetting(QWidget* owner = nullptr);
    FormAutoSettingUi ui;
    int HelpContext = kAutoSettingHelpContext;

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormFileSitei : public QDialog {
    Q_OBJECT
public:
    explicit TFormFileSitei(QWidget* owner = nullptr);
    QString MissingPath;
    QString ExpectedName;
    FileExists fileExists;
    FormFileSiteiUi ui;
    // OK: accepted only for an existing file of exactly the expected name.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormFileSitei2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormFileSitei2(QWidget* owner = nullptr);
    FormFileSitei2Ui ui;

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormInit : public QDialog {
    Q_OBJECT
public:
    explicit TFormInit(QWidget* owner = nullptr);
    // The program key the dialog reads and writes below.
    void SetRegKey(const QString& regKey) { RegKey = regKey; }
    QString RegKey;
    int HelpContext = 0;
    // Tests point the probes and the missing-file checks elsewhere.
    FileExists fileExists;
    FormInitUi ui;

    void FormShow();
    void FormClose(int modalResult);
    // The program pages: all of them, or only those the automatic setup fills.
    void ShowValues(const TeXSettings& values, bool setupFilledOnly);
    TeXSettings Values();
    void BitBtn4Click();
    void BitBtnSettingWizardClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runViewerProbes();
    void browseInto(class QLineEdit* field);
    bool stored_ = false;
};

namespace tex {
// 初期設定: the dialog over the session's settings; OK forgets that the
// document was processed, since the programs may have changed.
void MenuOptionInitClick(Session& s);
}  // namespace tex
