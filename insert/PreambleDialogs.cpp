#include "insert/PreambleDialogs.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "insert/BibBuilder.h"
#include "insert/PackageBuilder.h"
#include "platform/Ask.h"

TFormTexClass::TFormTexClass(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 6020;
    WireButtons();
    FormCreate();
    // Only a pick by the user runs the presets; a class set from the
    // document's line keeps the options read with it.
    connect(ui.ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ui.ComboBox1, &QComboBox::currentIndexChanged, this, [this] { enableChapterStart(); });
}

void TFormTexClass::FormCreate()
{
    ui.ComboBox1->setCurrentIndex(0);
    ui.RadioGroupSide.SetItemIndex(0);
    ui.RadioGroupHyoudai.SetItemIndex(0);
    enableChapterStart();
}

void TFormTexClass::enableChapterStart()
{
    const bool on = docclass::chapterStartApplies(ui.ComboBox1->currentIndex());
    ui.rbOddPage->setEnabled(on);
    ui.rbBothPage->setEnabled(on);
}

void TFormTexClass::ComboBox1Change()
{
    docclass::Choices c = Choices();
    docclass::applyClassPresets(c);
    SetChoices(c);
}

docclass::Choices TFormTexClass::Choices() const
{
    docclass::Choices c;
    c.classIndex = std::max(0, ui.ComboBox1->currentIndex());
    c.paper = ui.RadioGroupPaperSize.ItemIndex();
    c.charSize = ui.RadioGroupCharSize.ItemIndex();
    c.direction = ui.RadioGroupDir.ItemIndex();
    c.columns = ui.RadioGroupColumn.ItemIndex();
    c.side = ui.RadioGroupSide.ItemIndex();
    c.title = ui.RadioGroupHyoudai.ItemIndex();
    c.mathPos = ui.RadioGroupMathPos.ItemIndex();
    c.mathNoPos = ui.RadioGroupMathNoPos.ItemIndex();
    c.kumi = ui.RadioGroupKumiMode.ItemIndex();
    c.bunken = ui.RadioGroupBunken.ItemIndex();
    c.test = ui.RadioGroupTest.ItemIndex();
    c.oddPage = ui.rbOddPage->isChecked();
    return c;
}

void TFormTexClass::SetChoices(const docclass::Choices& c)
{
    ui.ComboBox1->setCurrentIndex(c.classIndex);
    ui.RadioGroupPaperSize.SetItemIndex(c.paper);
    ui.RadioGroupCharSize.SetItemIndex(c.charSize);
    ui.RadioGroupDir.SetItemIndex(c.direction);
    ui.RadioGroupColumn.SetItemIndex(c.columns);
    ui.RadioGroupSide.SetItemIndex(c.side);
    ui.RadioGroupHyoudai.SetItemIndex(c.title);
    ui.RadioGroupMathPos.SetItemIndex(c.mathPos);
    ui.RadioGroupMathNoPos.SetItemIndex(c.mathNoPos);
    ui.RadioGroupKumiMode.SetItemIndex(c.kumi);
    ui.RadioGroupBunken.SetItemIndex(c.bunken);
    ui.RadioGroupTest.SetItemIndex(c.test);
    (c.oddPage ? ui.rbOddPage : ui.rbBothPage)->setChecked(true);
}

TFormUsepackage::TFormUsepackage(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this, package::groupCaptions());
    HelpContext = 8050;
    WireButtons();
    for (int i = 0; i < ui.RadioGroup.Count(); ++i)
        ask::onClick(ui.RadioGroup.Button(i), this, [this] { FillPackageList(); });
    ask::onSignal(ui.ListBox, &QListWidget::itemDoubleClicked, this, [this] { done(mrOk); });
    ask::onClick(ui.BitBtn4, this, [this] { BitBtn4Click(); });
    FormCreate();
}

void TFormUsepackage::FormCreate() { FillPackageList(); }

void TFormUsepackage::FillPackageList()
{
    const int group = Group();
    QStringList files = group == package::kUserGroup ? package::userFiles(ReadUserList ? ReadUserList() : QString())
                                                     : package::groupFiles(group);
    std::stable_sort(files.begin(), files.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    ui.ListBox->clear();
    ui.ListBox->addItems(files);
    if (ui.ListBox->count() > 0) ui.ListBox->setCurrentRow(0);
}

int TFormUsepackage::Group() const { return ui.RadioGroup.ItemIndex(); }

void TFormUsepackage::SetGroup(int group)
{
    ui.RadioGroup.SetItemIndex(group >= 0 && group < package::kGroupCount ? group : 0);
    FillPackageList();
}

std::string TFormUsepackage::GetCommand() const { return package::command(SelectedEntry()); }

QString TFormUsepackage::SelectedEntry() const
{
    const QListWidgetItem* item = ui.ListBox->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TFormUsepackage::BitBtn4Click()
{
    TFormUserPackage editor(this);
    editor.WireButtons();
    editor.SetText(ReadUserList ? ReadUserList() : QString());
    editor.adjustSize();
    QRect frame(QPoint(0, 0), editor.size());
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        frame.moveCenter(s->availableGeometry().center());
    editor.setGeometry(frame);
    if (ask::execModal(editor) != mrOk) return;
    if (WriteUserList) WriteUserList(editor.Text());
    FillPackageList();
}

void TFormUsepackage::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    ui.ListBox->setFocus();
}

TFormUserPackage::TFormUserPackage(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 8050;
    WireButtons();
}

QString TFormUserPackage::Text() const
{
    QString text = ui.Memo1->toPlainText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void TFormUserPackage::SetText(const QString& stored)
{
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ui.Memo1->setPlainText(text);
}

namespace {

std::vector<const char*> citeListTexts()
{
    std::vector<const char*> texts;
    for (const bib::Style& s : bib::citeStyles()) texts.push_back(s.listText);
    return texts;
}

}  // namespace

TFormBibRef::TFormBibRef(QWidget* owner)
    : TFormRefBase(owner, "FormBibRef", "参考文献参照", "参照する参考文献のラベル名(&L)：", citeListTexts(), 5105)
{
}
