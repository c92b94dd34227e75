#pragma once
// Help: menu items and dialogs carry help contexts; each opens a page of the
// HTML help shipped inside the program.  The home page opens with the
// desktop's URL handler.
#include <QString>

namespace help {
// Opens the page for a help context (0 opens the contents).
void showContext(int context);
void showContents();
void showKeywordSearch(const QString& keyword);
void openHomePage();
// For tests: what the last call would have opened, the context the last
// showContext asked for, and a switch that keeps real windows and browsers
// from opening.
QString lastOpened();
int lastContext();
void setSilent(bool silent);
}  // namespace help
