// The main window's side of the user-defined commands: the two menus of 48
// items, the tool button, the definition dialog and running a command.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QToolBar>

#include "assist/Assist.h"
#include "assist/UserDefine.h"
#include "assist/UserDefineDialog.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/Writable.h"
#include "core/insertion/PickerFamily.h"
#include "core/session/Session.h"
#include "core/settings/Keys.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Scope.h"

namespace {

const QString kCaption = QStringLiteral("ユーザー定義命令");
const QString kItemHint = QStringLiteral("ユーザーが定義した命令を挿入します。");
constexpr int kUserHelpContext = 5380;

// The key of a slot: Ctrl+F1..F12 for 1 to 12, Shift+Ctrl+F1..F12 for 13 to
// 24, none above.  Ctrl+F12 belongs to the PostScript processing command,
// which has no other quick road (no tool button), while command 12 is also in
// the tool bar's pop-up; so slot 12 shows no key.
QKeySequence slotKey(int n)
{
    if (n >= 1 && n <= 11) return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + n - 1));
    if (n >= 13 && n <= 24) return QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key(Qt::Key_F1 + n - 13));
    return {};
}

userdef::Slots readSlots(const Session& form)
{
    userdef::Slots table;
    const settings::Store store = form.Settings();
    for (int n = 1; n <= userdef::kSlotCount; ++n) {
        userdef::Slot& slot = table[size_t(n - 1)];
        slot.title = cp932::encode(store.read(key::UserDefineTitle, n));
        // The store keeps each line followed by CR LF; the field shows lines.
        const std::vector<std::string> lines = userdef::splitLines(cp932::encode(store.read(key::UserDefineText, n)));
        for (size_t i = 0; i < lines.size(); ++i) slot.definition += (i ? "\r\n" : "") + lines[i];
    }
    return table;
}

void writeSlots(const Session& form, const userdef::Slots& table)
{
    settings::Batch batch;
    const settings::Store store = form.Settings();
    for (int n = 1; n <= userdef::kSlotCount; ++n)
        store.write(key::UserDefineTitle, n, cp932::decode(table[size_t(n - 1)].title));
    for (int n = 1; n <= userdef::kSlotCount; ++n) {
        const std::string& text = table[size_t(n - 1)].definition;
        store.write(key::UserDefineText, n, cp932::decode(userdef::joinLinesTerminated(userdef::splitLines(text))));
    }
    batch.commit();
}

// Runs into the main window's editor through the insertion primitive.
class EditorTarget : public userdef::RunTarget {
public:
    explicit EditorTarget(Session& form) : form_(form) {}
    void insert(const std::string& bytes) override { form_.InsertText(bytes); }
    int caret() const override { return form_.RichEdit->SelStart(); }
    void moveCaretBack(int pos) override
    {
        // A count that ends inside a double-byte character or a line break
        // stops at the start of that character.
        TRichEdit& ed = *form_.RichEdit;
        const int line = ed.LineFromChar(pos);
        const int start = ed.LineIndex(line);
        const std::string text = ed.Line(line);
        const size_t offset = std::min(size_t(std::max(pos - start, 0)), text.size());
        ed.SetSelStart(start + int(cp932::charStart(text, 0, offset)));
    }

private:
    Session& form_;
};

}  // namespace

void assist::buildUserCommands(Session& s)
{
    if (!s.MenuInsert) return;
    UserMenus& menus = s.part<UserMenus>();
    s.MenuInsert->addSeparator();
    QMenu* menu = menus.menu = s.MenuInsert->addMenu(QStringLiteral("ユーザー定義命令(&U)"));
    menu->setObjectName("MenuUser");
    menu->menuAction()->setObjectName("MenuUser");
    menu->menuAction()->setStatusTip(QStringLiteral("ユーザーが定義した命令を挿入したり、定義の設定を行います。"));
    QMenu* popup = menus.popup = new QMenu(s.mainWindow);
    popup->setObjectName("PopupMenuUser");

    for (int n = 1; n <= userdef::kSlotCount; ++n) {
        const QString caption = QString::number(n) + " ";
        QAction* item =
            s.AddItem(menu, QStringLiteral("MenuUser%1").arg(n), caption, {}, slotKey(n), kUserHelpContext);
        // The pop-up shows the key but does not own it: one key, one action.
        QAction* popupItem =
            s.AddItem(popup, QStringLiteral("PMenuUser%1").arg(n), caption, {}, {}, kUserHelpContext);
        for (QAction* a : {item, popupItem}) {
            setTag(a, n);
            a->setStatusTip(kItemHint);
            QObject::connect(a, &QAction::triggered, a,
                             [&s, a](bool) { Session::Guard([&s, a] { MenuUser1Click(s, a); }); });
        }
        if (n % 12 == 0) {
            menu->addSeparator();
            popup->addSeparator();
        }
    }
    s.AddItem(menu, "MenuUserDefine", QStringLiteral("定義内容設定(&C)..."), [&s] { MenuUserDefineClick(s); });
    s.AddItem(popup, "PUserDefine", QStringLiteral("定義内容設定(&C)..."), [&s] { MenuUserDefineClick(s); });
    s.AddItem(
        s.MenuInsert, "MenuInsertUserSetting", QStringLiteral("ユーザー定義内容設定(&V)"),
        [&s] { MenuUserDefineClick(s); }, {}, 5400);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&s] { Session::Guard([&s] { MenuUserClick(s); }); });
    QObject::connect(popup, &QMenu::aboutToShow, popup, [&s] { Session::Guard([&s] { PopupMenuUserPopup(s); }); });

    if (s.ToolBarTeXShosiki)
        s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInUser", kCaption, QStringLiteral("ユ"),
                        [&s] { sbUserClick(s); });
}

namespace {
void refreshCaptions(Session& form, const QString& prefix)
{
    const userdef::Slots table = readSlots(form);
    for (int n = 1; n <= userdef::kSlotCount; ++n) {
        QAction* item = form.Item(prefix + QString::number(n));
        if (!item) continue;
        QString caption = QString::number(n) + " " + cp932::decode(table[size_t(n - 1)].title);
        // A pop-up item shows the key of its main-menu twin as text only.
        if (prefix == QLatin1String("PMenuUser")) {
            const QKeySequence key = slotKey(n);
            if (!key.isEmpty()) caption += "\t" + key.toString(QKeySequence::NativeText);
        }
        item->setText(caption);
    }
}
}  // namespace

void assist::MenuUserClick(Session& s) { refreshCaptions(s, QStringLiteral("MenuUser")); }

void assist::PopupMenuUserPopup(Session& s) { refreshCaptions(s, QStringLiteral("PMenuUser")); }

void assist::sbUserClick(Session& s)
{
    QAction* button = s.Item("ToolButtonTeXInUser");
    QMenu* popup = s.part<UserMenus>().popup;
    if (popup && button && s.ToolBarTeXShosiki) dropDown(*popup, *s.ToolBarTeXShosiki, *button);
}

void assist::MenuUserDefineClick(Session& s)
{
    scope::CurrentFolder folder;

    road::Steps steps;
    steps.helpItem = "MenuInsertUserSetting";
    steps.placement = road::Placement::ScreenCentre;
    // Titles and definitions are kept as Shift-JIS, for the document.
    steps.fields = road::FieldUse::Stored;
    road::ask<TFormUserDefine>(
        s, steps,
        [&s](TFormUserDefine& d) {
            d.DefinitionDir = s.ProgramDir + "/QuillUserDef";
            d.SetFields(readSlots(s));
        },
        [&s](TFormUserDefine& d) { writeSlots(s, d.SlotsFromFields()); }, {});
}

void assist::MenuUser1Click(Session& s, QObject* sender)
{
    const int n = tagOf(sender);
    if (n < 1 || n > userdef::kSlotCount) return;
    TRichEdit* RichEdit = s.RichEdit;
    const QString stored = s.Settings().read(key::UserDefineText, n);
    if (!writable::writableOrWarn(stored, kCaption, QStringLiteral("「ユーザー定義内容設定」で直して下さい。"))) return;
    const std::string definition = cp932::encode(stored);
    const bool hasSelection = RichEdit->SelLength() > 0;
    const std::string selected = hasSelection ? RichEdit->SelText() : std::string();

    // Refused as a whole when the text would pass the length limit, before
    // anything is inserted or the selection is touched.
    const size_t adds = userdef::insertedBytes(definition, hasSelection, selected);
    if (size_t(RichEdit->GetTextLen() - RichEdit->SelLength()) + adds > size_t(RichEdit->MaxLength())) {
        ask::messageBox(QStringLiteral("挿入すると文書が%1バイトを超えるため、ユーザー定義命令を実行できませんでした。")
                            .arg(RichEdit->MaxLength()),
                        kCaption, MB_ICONEXCLAMATION);
        return;
    }

    EditorTarget target(s);
    const userdef::RunResult result = userdef::run(definition, hasSelection, selected, target);
    if (result.status == userdef::RunStatus::BadBackCursor)
        ask::messageBox(QStringLiteral("\\QmComBackCursorの指定が間違えています"), QStringLiteral("エラー"),
                        MB_ICONERROR);
    else if (result.status == userdef::RunStatus::BadCount)
        ask::errorMessage(QStringLiteral("'%1' は有効な整数値ではありません。").arg(cp932::decode(result.badCount)));
}
