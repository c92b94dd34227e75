#include "tex/TeXPrograms.h"

#include "core/settings/Keys.h"

namespace tex {

using U = FormInitUi;
using S = TeXSettings;

// clang-format off
const std::array<ProgramRow, 9> kProgramRows = {{
    {{"TeX", "TeXExeFileName", "sbTeX1", "EditTeXCommand", &U::TeXExeFileName, &U::sbTeX1, &U::EditTeXCommand},
     &key::TeXFile, &key::TeXOption, &S::TeXFile, &S::TeXOption, true, true,
     "TeXを処理するプログラム・ファイルと、その起動時オプションを指定してください。\r\n",
     "記入例：\r\n\r\n　ファイル=/usr/bin/platex\r\n　オプション=空白\r\n"},
    {{"DVI Reader", "TeXDVIFileName", "SpeedButton1", "EditDVIOption", &U::TeXDVIFileName, &U::SpeedButton1,
      &U::EditDVIOption, true},
     &key::DviFile, &key::DviOption, &S::DviFile, &S::DviOption, true, true,
     "DVI Reader（DVIファイルを表示するソフト）と、その起動時オプションを指定してください。",
     "記入例：\r\n\r\n　ファイル=/usr/bin/xdvi\r\n　オプション=空白\r\n"},
    {{"MakeIndex", "EditMendexFile", "sbMendex", "EditMendexOption", &U::EditMendexFile, &U::sbMendex,
      &U::EditMendexOption},
     &key::MendexFile, &key::MendexOption, &S::MendexFile, &S::MendexOption, true, true,
     "MakeIndexと、その起動時オプションを指定してください。\r\n",
     "記入例：\r\n\r\n　ファイル=/usr/bin/mendex\r\n　オプション=指定しない\r\n\r\n"},
    {{"BibTeX", "EditBibFile", "SpeedButton3", "EditBibOption", &U::EditBibFile, &U::SpeedButton3, &U::EditBibOption},
     &key::BibTeXFile, &key::BibTeXOption, &S::BibTeXFile, &S::BibTeXOption, true, true,
     "BibTeXと、その起動時オプションを指定してください。",
     "記入例：\r\n\r\n　ファイル=/usr/bin/pbibtex\r\n　オプション=指定しない\r\n\r\n"},
    {{"DVI→PS", "EditDvips", "SpeedButton8", "EditDvipsOption", &U::EditDvips, &U::SpeedButton8, &U::EditDvipsOption},
     &key::DvipsFile, &key::DvipsOption, &S::DvipsFile, &S::DvipsOption, true, true},
    {{"DVI→PDF", "EditDVIPDF", "SpeedButton12", "EditDVIPDFOption", &U::EditDVIPDF, &U::SpeedButton12,
      &U::EditDVIPDFOption},
     &key::DvipdfFile, &key::DvipdfOption, &S::DvipdfFile, &S::DvipdfOption, true, false},
    {{"PDF Reader", "EditPDFReader", "SpeedButton10", "EditPDFReaderOption", &U::EditPDFReader, &U::SpeedButton10,
      &U::EditPDFReaderOption},
     &key::PDFReaderFile, &key::PDFReaderOption, &S::PDFReaderFile, &S::PDFReaderOption, false, false},
    {{"PS Reader", "EditPSViewer", "SpeedButton11", "EditPSViewerOption", &U::EditPSViewer, &U::SpeedButton11,
      &U::EditPSViewerOption},
     &key::PSViewerFile, &key::PSViewerOption, &S::PSViewerFile, &S::PSViewerOption, false, false},
    {{"Spell Checker", "EditSpellProg", "sbSpell", "EditSpellOpt", &U::EditSpellProg, &U::sbSpell, &U::EditSpellOpt},
     &key::SpellFile, &key::SpellOption, &S::SpellFile, &S::SpellOption, true, false},
}};
// clang-format on

std::vector<ProgramPageLayout> programPages()
{
    std::vector<ProgramPageLayout> pages;
    for (const ProgramRow& row : kProgramRows) pages.push_back(row.page);
    return pages;
}

}  // namespace tex

TeXSettings readTeXSettings(const settings::Store& store)
{
    TeXSettings values;
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        values.*row.file = store.read(*row.fileKey);
        values.*row.option = store.read(*row.optionKey);
    }
    values.DviDde = store.read(key::DviDde);
    return values;
}

void writeTeXSettings(const settings::Store& store, const TeXSettings& values)
{
    for (const tex::ProgramRow& row : tex::kProgramRows) {
        store.write(*row.fileKey, values.*row.file);
        store.write(*row.optionKey, values.*row.option);
    }
    store.write(key::DviDde, values.DviDde);
}
