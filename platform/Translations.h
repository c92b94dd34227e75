#pragma once
// Qt's own strings in Japanese: the stock buttons of message boxes ("はい",
// "いいえ", "キャンセル") and the file, font and colour dialogs.  The program
// speaks Japanese whatever the system's locale says, so the catalogue is
// chosen by the program, not by the locale.
class QCoreApplication;

namespace translations {

// Installs Qt's Japanese catalogue from Qt's translations folder.  Returns
// false when it is not installed there (the strings then stay English).
bool installQtJapanese(QCoreApplication& application);

}  // namespace translations
