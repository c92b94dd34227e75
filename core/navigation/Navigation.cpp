// Heading, label and line navigation.
#include "core/navigation/Navigation.h"
#include "forms/NavigationForms.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "core/session/Session.h"
#include "core/commands/ResidentForms.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Help.h"

TFormMidasiSearch* FormMidasiSearch = nullptr;
TFormLabelSearch* FormLabelSearch = nullptr;

TSearchListForm::TSearchListForm(Session* owner, const QString& caption, const QString& hint, int helpContext)
    : QDialog(owner ? owner->mainWindow : nullptr),
      layout_(std::make_unique<FormSearchListUi>()),
      ui(*layout_),
      HelpContext(helpContext),
      owner_(owner)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    ui.setupUi(this, caption, hint);
    ask::onSignal(ui.ListBox, &QListWidget::itemDoubleClicked, this, [this] { ListBoxDblClick(); });
    ask::onClick(ui.BitBtn1, this, [this] { close(); });
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
}

TSearchListForm::~TSearchListForm() = default;

void TSearchListForm::ShowForm()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    FormShow();
    show();
}

void TSearchListForm::FormShow()
{
    ui.ListBox->clear();
    const std::string text = owner_->RichEdit->Text();
    bool complete = true;
    entries_ = Scan(text, complete);
    for (const navigation::NavEntry& e : entries_)
        ui.ListBox->addItem(cp932::decode(navigation::EntryCaption(text, e)));
    if (!complete)
        ui.LabelLimit->setText(
            QString::fromUtf8("見出しが多いため、最初の %1 個だけを表示しています。").arg(entries_.size()));
    ui.LabelLimit->setVisible(!complete);
    if (!entries_.empty()) ui.ListBox->setCurrentRow(0);
}

void TSearchListForm::FormClose()
{
    ui.ListBox->clear();
    entries_.clear();
}

void TSearchListForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TSearchListForm::ListBoxDblClick()
{
    const int row = ui.ListBox->currentRow();
    if (row < 0 || row >= int(entries_.size())) return;
    const navigation::NavEntry& e = entries_[row];
    TRichEdit* editor = owner_->RichEdit;
    editor->SetSelStart(e.position);
    owner_->ScrollCaretLineToTop();
    editor->Select(e.position, e.length);
}

TFormMidasiSearch::TFormMidasiSearch(Session* owner)
    : TSearchListForm(owner, QString::fromUtf8("見出し検索"),
                      QString::fromUtf8("　上の項目をダブルクリックすると、その見出しのポイントへジャンプします。"),
                      3060)
{
    setObjectName("FormMidasiSearch");
}
TFormMidasiSearch::~TFormMidasiSearch()
{
    if (FormMidasiSearch == this) FormMidasiSearch = nullptr;
}
std::vector<navigation::NavEntry> TFormMidasiSearch::Scan(const std::string& text, bool& complete) const
{
    return navigation::ScanHeadingList(text, &complete);
}

TFormLabelSearch::TFormLabelSearch(Session* owner)
    : TSearchListForm(owner, QString::fromUtf8("ラベル検索"),
                      QString::fromUtf8("　上の項目をダブルクリックすると、そのラベルのポイントへジャンプします。"),
                      3070)
{
    setObjectName("FormLabelSearch");
}
TFormLabelSearch::~TFormLabelSearch()
{
    if (FormLabelSearch == this) FormLabelSearch = nullptr;
}
std::vector<navigation::NavEntry> TFormLabelSearch::Scan(const std::string& text, bool&) const
{
    return navigation::FindLabels(text);
}

TFormLineJump::TFormLineJump(QWidget* owner) : QDialog(owner), layout_(std::make_unique<FormLineJumpUi>()), ui(*layout_)
{
    setObjectName("FormLineJump");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui.setupUi(this);
    ask::onClick(ui.OkButton, this, [this] { accept(); });
    ask::onClick(ui.CancelButton, this, [this] { reject(); });
    ask::onClick(ui.HelpButton, this, [this] { help::showContext(HelpContext); });
}

TFormLineJump::~TFormLineJump() = default;

void TFormLineJump::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui.UpDown1->setFocus();
    ui.UpDown1->selectAll();
}

void Session::BuildSearchNavigationCommands()
{
    if (!MenuSearch->isEmpty()) MenuSearch->addSeparator();
    AddItem(
        MenuSearch, "MenuSearchMidasi", QString::fromUtf8("見出し検索(&M)..."), [this] { MenuSearchMidasiClick(); }, {},
        3060);
    AddItem(
        MenuSearch, "MenuSearchLabel", QString::fromUtf8("ラベル検索(&L)..."), [this] { MenuSearchLabelClick(); }, {},
        3070);
    AddItem(
        MenuSearch, "MenuSearchLineJump", QString::fromUtf8("指定行に移動(&G)..."),
        [this] { MenuSearchLineJumpClick(); }, {}, 3050);
    registerResidentForm(ResidentForm::LabelSearch,
                         [](Session& main) { FormLabelSearch = new TFormLabelSearch(&main); });
    registerResidentForm(ResidentForm::MidasiSearch,
                         [](Session& main) { FormMidasiSearch = new TFormMidasiSearch(&main); });
}

void Session::MenuSearchMidasiClick()
{
    if (Busy) return;
    // A window started without the resident forms (tests) makes its own.
    if (!FormMidasiSearch || FormMidasiSearch->parent() != mainWindow) FormMidasiSearch = new TFormMidasiSearch(this);
    if (const int context = HelpContextOf("MenuSearchMidasi")) FormMidasiSearch->HelpContext = context;
    FormMidasiSearch->ShowForm();
}

void Session::MenuSearchLabelClick()
{
    if (Busy) return;
    if (!FormLabelSearch || FormLabelSearch->parent() != mainWindow) FormLabelSearch = new TFormLabelSearch(this);
    if (const int context = HelpContextOf("MenuSearchLabel")) FormLabelSearch->HelpContext = context;
    FormLabelSearch->ShowForm();
}

void Session::MenuSearchLineJumpClick()
{
    if (Busy) return;
    TFormLineJump dialog(mainWindow);
    if (const int context = HelpContextOf("MenuSearchLineJump")) dialog.HelpContext = context;
    dialog.ui.UpDown1->setValue(LastJumpLine);
    if (ask::execModal(dialog) == mrOk) {
        const int line = dialog.ui.UpDown1->value();
        int start = RichEdit->LineIndex(line - 1);
        // Past the last line the caret goes to the last line's start.
        if (start < 0) start = RichEdit->LineIndex(RichEdit->LineCount() - 1);
        if (start >= 0) {
            RichEdit->SetSelStart(start);
            RichEdit->ScrollCaret();
        }
    }
    LastJumpLine = static_cast<int16_t>(dialog.ui.UpDown1->value());
}
