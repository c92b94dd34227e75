// Printer set-up and printing of the editor's text.
#include "core/files/Printing.h"

#include "core/files/FilesState.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace printing {

namespace {
PrinterAnswerer& installed()
{
    static PrinterAnswerer answerer;
    return answerer;
}
}  // namespace

void setPrinterAnswerer(PrinterAnswerer answerer) { installed() = std::move(answerer); }

bool pageSetupDialog(QPrinter& printer, QWidget* parent)
{
    if (installed()) return installed()(printer, true);
    QPageSetupDialog dialog(&printer, parent);
    return ask::execModal(dialog) == mrOk;
}

bool printDialog(QPrinter& printer, QWidget* parent)
{
    if (installed()) return installed()(printer, false);
    QPrintDialog dialog(&printer, parent);
    return ask::execModal(dialog) == mrOk;
}

}  // namespace printing

namespace {
QPrinter& printerOf(Session& form)
{
    Session::DocumentState& state = form.documentState();
    if (!state.printer) state.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *state.printer;
}
}  // namespace

void Session::MenuFilePrintSetupClick()
{
    if (Busy) return;
    printing::pageSetupDialog(printerOf(*this), mainWindow);
}

void Session::MenuFilePrintClick()
{
    if (Busy) return;
    QPrinter& printer = printerOf(*this);
    if (!printing::printDialog(printer, mainWindow)) return;
    // The job carries the program's title; the page layout is the editor's
    // own, with the editor's font and wrapping to the page width.
    printer.setDocName(AppTitle);
    RichEdit->print(&printer);
}
