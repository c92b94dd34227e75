#pragma once
// The programs of the TeX settings, one row each: the settings values that
// name the program and its options, its page of the settings dialog, and
// its part in the automatic setup and the wizard.  The loader, the dialog,
// the automatic setup and the wizard all read this one table.
#include <QString>
#include <array>
#include <vector>

#include "core/settings/Settings.h"
#include "forms/InitForms.h"

// The program settings as one value: what a run reads, what the dialog
// shows and what the automatic setup fills in.
struct TeXSettings {
    QString TeXFile, TeXOption;
    QString MendexFile, MendexOption, BibTeXFile, BibTeXOption;
    int DviDde = 0;
    QString DviFile, DviOption, DvipdfFile, DvipdfOption, DvipsFile, DvipsOption;
    QString PDFReaderFile, PDFReaderOption, PSViewerFile, PSViewerOption;
    QString SpellFile, SpellOption;
};

namespace tex {

struct ProgramRow {
    ProgramPageLayout page;
    const settings::Text* fileKey;
    const settings::Text* optionKey;
    QString TeXSettings::*file;
    QString TeXSettings::*option;
    // The automatic setup fills the page in; it asks for a file it does not
    // find only where it asks.
    bool setupFills;
    bool setupAsks;
    // The wizard's page for the program (texts of its two labels); the
    // wizard asks for the programs that have one, in table order.
    const char* wizardRequest = nullptr;
    const char* wizardExample = nullptr;
};

// In the order of the dialog's pages.
extern const std::array<ProgramRow, 9> kProgramRows;

// The dialog's program pages, as its layout takes them.
std::vector<ProgramPageLayout> programPages();

}  // namespace tex

TeXSettings readTeXSettings(const settings::Store& store);
void writeTeXSettings(const settings::Store& store, const TeXSettings& values);
