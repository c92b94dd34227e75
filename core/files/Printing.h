#pragma once
// The printer set-up and print dialogs, behind a seam of their own so that
// tests can choose a PDF file as the printer and never see a dialog.
#include <functional>

class QPrinter;
class QWidget;

namespace printing {

// Answers instead of the dialog: `setup` tells the page set-up dialog from
// the print dialog; returning true is the dialog's OK.
using PrinterAnswerer = std::function<bool(QPrinter& printer, bool setup)>;
void setPrinterAnswerer(PrinterAnswerer answerer);

bool pageSetupDialog(QPrinter& printer, QWidget* parent);
bool printDialog(QPrinter& printer, QWidget* parent);

}  // namespace printing
