// Layouts of the command-assist pop-up, its settings dialog and the command
// editor.
#include "assist/CmdAssistForms.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "forms/FormParts.h"
#include "platform/Ask.h"

using formparts::named;
using formparts::u;

namespace {

// Rows of one fixed height, so that the list's scroll position counts whole
// items and ten thousand of them lay out at once.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), height_);
    }

private:
    int height_;
};

QFont popupFont()
{
    // Where the proportional Windows face is missing the installed Japanese
    // gothic face stands in for it.
    static const bool substituted = [] {
        QFont::insertSubstitution(u("ＭＳ Ｐゴシック"), "IPAexGothic");
        return true;
    }();
    (void)substituted;
    QFont font(u("ＭＳ Ｐゴシック"));
    font.setPixelSize(13);
    return font;
}

}  // namespace

QPointer<TFormCmdAssist> FormCmdAssist;

TCmdMemo::TCmdMemo(TFormCmdAssist& form, QWidget* parent) : QLineEdit(parent), form_(form) {}

void TCmdMemo::keyPressEvent(QKeyEvent* event)
{
    if (form_.HandleMemoKey(event)) {
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
        // Keys the line does not use (Tab, Esc with nothing to undo) stop
        // here: passed on, the pop-up window would close itself on them.
        event->accept();
    }
    form_.Settle();
}

TFormCmdAssist::TFormCmdAssist(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName("FormCmdAssist");
    setFixedSize(200, 104);
    const QFont font = popupFont();

    MemoCmd = named(new TCmdMemo(*this, this), "MemoCmd");
    MemoCmd->setGeometry(0, 0, 201, 20);
    MemoCmd->setFont(font);
    MemoCmd->setFrame(false);
    // Typed as plain keys even while an input method is on elsewhere.
    MemoCmd->setAttribute(Qt::WA_InputMethodEnabled, false);

    lbCmd = named(new QListWidget(this), "lbCmd");
    lbCmd->setGeometry(0, 20, 201, 85);
    lbCmd->setFont(font);
    lbCmd->setFocusPolicy(Qt::NoFocus);
    lbCmd->setUniformItemSizes(true);
    lbCmd->setSelectionMode(QAbstractItemView::SingleSelection);
    lbCmd->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    lbCmd->setItemDelegate(new FixedRowDelegate(std::max(13, QFontMetrics(font).height()), lbCmd));

    connect(MemoCmd, &QLineEdit::textChanged, this, [this] { MemoCmdChange(); });
    connect(lbCmd, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        lbCmdClick(lbCmd->row(item));
        Settle();
    });
    // The double click is taken from the list's surface: the first click's
    // search may have scrolled another item under the pointer by then.
    lbCmd->viewport()->installEventFilter(this);
}

QPoint cmdAssistPosition(const QPoint& anchor, const QSize& size, const QRect& screen)
{
    int top = anchor.y() + 2;
    int left = anchor.x() + 3;
    const int bottom = screen.y() + screen.height();
    const int right = screen.x() + screen.width();
    if (top + size.height() > bottom - 32) top = bottom - size.height() - 32;
    if (left + size.width() > right) left = right - size.width();
    // A screen too small for the pop-up still shows its input line.
    top = std::max(top, screen.y());
    left = std::max(left, screen.x());
    return QPoint(left, top);
}

TFormCmdAssistSetting::TFormCmdAssistSetting(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormCmdAssistSetting");
    setWindowTitle(u("コマンド入力支援設定"));
    resize(570, 496);
    auto* outer = new QVBoxLayout(this);

    GroupBox3 = named(new QGroupBox(u("コマンド入力支援命令設定"), this), "GroupBox3");
    auto* commandRow = new QHBoxLayout(GroupBox3);
    GroupBox1 = named(new QGroupBox(u("入力支援命令"), GroupBox3), "GroupBox1");
    auto* listRow = new QHBoxLayout(GroupBox1);
    ListBox1 = named(new QListWidget(GroupBox1), "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setMinimumSize(241, 137);
    listRow->addWidget(ListBox1, 1);
    auto* editButtons = new QVBoxLayout;
    BtnAdd = named(new QPushButton(u("命令追加(&A)"), GroupBox1), "BtnAdd");
    BtnChange = named(new QPushButton(u("命令変更(&C)"), GroupBox1), "BtnChange");
    BtnDel = named(new QPushButton(u("命令削除(&D)"), GroupBox1), "BtnDel");
    for (QPushButton* b : {BtnAdd, BtnChange, BtnDel}) {
        b->setAutoDefault(false);
        editButtons->addWidget(b);
    }
    editButtons->addStretch();
    listRow->addLayout(editButtons);
    commandRow->addWidget(GroupBox1, 1);

    GroupBox2 = named(new QGroupBox(u("設定読込・保存"), GroupBox3), "GroupBox2");
    auto* fileButtons = new QVBoxLayout(GroupBox2);
    BtnLoad = named(new QPushButton("&Load", GroupBox2), "BtnLoad");
    BtnSave = named(new QPushButton("&Save", GroupBox2), "BtnSave");
    for (QPushButton* b : {BtnLoad, BtnSave}) {
        b->setAutoDefault(false);
        fileButtons->addWidget(b);
    }
    fileButtons->addStretch();
    commandRow->addWidget(GroupBox2);
    outer->addWidget(GroupBox3);

    GroupBox4 = named(new QGroupBox(u("学習機能"), this), "GroupBox4");
    auto* learning = new QVBoxLayout(GroupBox4);
    cbGakusyuu = named(new QCheckBox(u("コマンド入力支援で学習機能を使う(&G)"), GroupBox4), "cbGakusyuu");
    auto* note = new QLabel(
        u("この機能を使うと、前回にコマンド入力支援で入力したコマンドが先に表示されるようになります。"), GroupBox4);
    note->setWordWrap(true);
    learning->addWidget(cbGakusyuu);
    learning->addWidget(note);
    outer->addWidget(GroupBox4);

    struct Group {
        RadioGroup TFormCmdAssistSetting::*member;
        const char* name;
        const char* caption;
        const char* item0;
        const char* item1;
    };
    static const Group groups[] = {
        {&TFormCmdAssistSetting::rgSpace, "rgSpace", "スペースキーを押したとき", "メニューの項目を下方向に選択する",
         "現在の入力内容に空白を付けて確定する"},
        {&TFormCmdAssistSetting::rgKigou, "rgKigou", "記号（数字含む）を入力した時",
         "現在の入力内容に記号を付けて確定する", "記号も他の文字と同様に扱う"},
        {&TFormCmdAssistSetting::rgKakutei, "rgKakutei", "確定方法",
         "[Enter]でリストで選択されている項目を挿入し、[Ctrl}+[Enter]で入力した内容をそのまま挿入する",
         "[Ctrl]+[Enter]でリストで選択されている項目を挿入し、[Enter]で入力した内容をそのまま挿入する"},
        {&TFormCmdAssistSetting::rgList, "rgList", "リストの自動選択",
         "自動的に入力した命令に最も近いリスト項目が選択される",
         "［スペース］又は［↑］［↓］キーを押すと、入力した命令に最も近いリスト項目が選択される"},
    };
    auto* grid = new QGridLayout;
    int at = 0;
    for (const Group& g : groups) {
        const RadioGroup group = formparts::radioGroup(this, g.name, g.caption, {g.item0, g.item1}, 1, -1);
        this->*g.member = group;
        // The two short groups share a row; the long texts get a row each.
        if (at < 2)
            grid->addWidget(group.box, 0, at);
        else
            grid->addWidget(group.box, at - 1, 0, 1, 2);
        ++at;
    }
    outer->addLayout(grid);

    formparts::addButtons(this, outer).keep(BitBtn1, BitBtn2, BitBtn3);
    WireButtons();

    ask::onClick(BtnAdd, this, [this] { BtnAddClick(); });
    ask::onClick(BtnChange, this, [this] { BtnChangeClick(); });
    ask::onSignal(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { BtnChangeClick(); });
    ask::onClick(BtnDel, this, [this] { BtnDelClick(); });
    ask::onClick(BtnLoad, this, [this] { BtnLoadClick(); });
    ask::onClick(BtnSave, this, [this] { BtnSaveClick(); });
}

TFormCmdEdit::TFormCmdEdit(QWidget* owner) : TDialogForm(owner)
{
    setObjectName("FormCmdEdit");
    setWindowTitle(u("コマンド入力支援"));
    resize(289, 90);
    auto* outer = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    Label1 = named(new QLabel(this), "Label1");
    Edit1 = named(new QLineEdit(this), "Edit1");
    Label1->setBuddy(Edit1);
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    outer->addLayout(row);
    outer->addLayout(formparts::buttonRow(this, {"BitBtn1", "BitBtn2", nullptr}).keep(BitBtn1, BitBtn2));
    WireButtons();
}

void TFormCmdEdit::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    // The text is not selected on entry: the caret goes to its end.
    Edit1->deselect();
    Edit1->setCursorPosition(int(Edit1->text().size()));
}
