#pragma once
// The command assist and the user-defined commands as they work on a
// session: the keys they take over in the editor, their menu items and tool
// buttons, and the handlers behind them.  The main window forwards its
// handlers of the same names here.
class QMenu;
class QObject;
class Session;
class TFormCmdAssist;

namespace assist {

// The menus of the user-defined commands, made by buildUserCommands.
struct UserMenus {
    QMenu* menu = nullptr;   // "MenuUser" in the insertion menu
    QMenu* popup = nullptr;  // "PopupMenuUser", dropped from the tool button
};

// The builders, in the order the menus list them.
void buildAssistCommands(Session& s);     // the Tab key in table rows
void buildCmdAssistCommands(Session& s);  // the backslash key, MenuOptionAutoCommand (F7), the settings item
void buildUserCommands(Session& s);       // MenuUser, PopupMenuUser, ToolButtonTeXInUser

// The Tab key's work: true when it was handled and the tab character must
// not be typed.
bool HandleTabKey(Session& s);
// The backslash key's work: true when the pop-up took the key and the
// backslash must not be typed.
bool HandleBackslashKey(Session& s);

void sbAutoCommandClick(Session& s);
void MenuAutoClick(Session& s);
void MenuOptionCmdAssistSetClick(Session& s);

// Runs the slot named by the sender's Tag (1..48).
void MenuUser1Click(Session& s, QObject* sender);
void MenuUserClick(Session& s);
void PopupMenuUserPopup(Session& s);
void sbUserClick(Session& s);
void MenuUserDefineClick(Session& s);

// The session's resident pop-up; made (and loaded from the store) on first
// use when start-up did not make it, as for a window created alone.
TFormCmdAssist& residentCmdAssist(Session& s);

}  // namespace assist
