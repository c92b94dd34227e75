// Temporary stand-in for the main window until it lands.
#include "app/Form1.h"
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner) : QMainWindow(owner)
{
    Form1 = this;
    RichEdit = new TRichEdit(this);
    setCentralWidget(RichEdit);
}
TForm1::~TForm1() { if (Form1 == this) Form1 = nullptr; }
void TForm1::Form1Create() {}
void TForm1::FormShow() {}
void TForm1::Form1OnActivate() {}
void TForm1::FormCloseQuery(bool& c) { c = true; }
void TForm1::Form1CloseClick() {}
void TForm1::WMDropFiles(const QStringList&) {}
void TForm1::ApplicationHint(const QString&) {}
void TForm1::MenuViewClick() {}
void TForm1::MenuViewStandardClick() {}
void TForm1::MenuViewFormPreambClick() {}
void TForm1::MenuViewMathClick() {}
void TForm1::MenuViewDocExplrClick() {}
void TForm1::MenuViewStatusBarClick() {}
void TForm1::ArrangeToolBars() {}
void TForm1::MenuHelpContentsClick() {}
void TForm1::MenuHelpKeywordClick() {}
void TForm1::N47Click() {}
void TForm1::MenuHelpHomepageClick() {}
void TForm1::MenuHelpVersionClick() {}
void TForm1::JumpToLineParameter(const QString&) {}
void TForm1::SetStatusPanel(int i, const QString& t) { panelText_[i] = t; }
QString TForm1::StatusPanelText(int i) const { return panelText_[i]; }
QAction* TForm1::Item(const QString& name) const { return items_.value(name); }
QAction* TForm1::AddItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                         const QKeySequence& shortcut, int helpContext)
{
    return InsertItem(menu, nullptr, name, caption, std::move(handler), shortcut, helpContext);
}
QAction* TForm1::InsertItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                            std::function<void()> handler, const QKeySequence& shortcut, int helpContext)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, [this, handler] { Guard(handler); });
    if (menu) menu->insertAction(before, a);
    items_.insert(name, a);
    helpContexts_.insert(name, helpContext);
    return a;
}
QAction* TForm1::AddToolButton(QToolBar* bar, const QString& name, const QString& hint, const QString& iconText,
                               std::function<void()> handler, bool checkable)
{
    auto* a = InsertItem(nullptr, nullptr, name, iconText, std::move(handler));
    a->setToolTip(hint);
    a->setCheckable(checkable);
    if (bar) bar->addAction(a);
    return a;
}
void TForm1::Guard(const std::function<void()>& h) { try { if (h) h(); } catch (const std::exception& e) { ask::errorMessage(e.what()); } }
int TForm1::HelpContextOf(const QString& n) const { return helpContexts_.value(n); }
void TForm1::LoadSettings() {}
void TForm1::closeEvent(QCloseEvent* e) { e->accept(); }
void TForm1::showEvent(QShowEvent* e) { QMainWindow::showEvent(e); }
void TForm1::changeEvent(QEvent* e) { QMainWindow::changeEvent(e); }
void TForm1::dragEnterEvent(QDragEnterEvent* e) { QMainWindow::dragEnterEvent(e); }
void TForm1::dropEvent(QDropEvent* e) { QMainWindow::dropEvent(e); }
void TForm1::BuildMainWindow() {}
void TForm1::BuildMenus() {}
