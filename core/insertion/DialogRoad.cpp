#include "core/insertion/DialogRoad.h"

#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include "core/insertion/Writable.h"
#include "core/session/Session.h"
#include "platform/Ask.h"

namespace road {

namespace {

// Centre coordinates equal to 9999 read as "no centre yet"; a real centre
// that happens to land there is kept one pixel off it.
constexpr int kNoCentre = 9999;

QScreen* screenFor(const QWidget& near, const QPoint& point)
{
    if (QScreen* s = QGuiApplication::screenAt(point)) return s;
    if (QScreen* s = near.screen()) return s;
    return QGuiApplication::primaryScreen();
}

QRect availableFor(const QWidget& near, const QPoint& point)
{
    QScreen* s = screenFor(near, point);
    return s ? s->availableGeometry() : QRect();
}

// The frame of a window already shown stands in for the dialog's, which is
// not known before it is shown.
QMargins frameEstimate(const QWidget& window)
{
    if (!window.isVisible()) return {};
    const QRect g = window.geometry();
    const QRect f = window.frameGeometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

int clampAxis(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength) return areaStart;
    if (start < areaStart) return areaStart;
    if (start + length > areaStart + areaLength) return areaStart + areaLength - length;
    return start;
}

}  // namespace

QWidget* mainWidget(Session& form) { return form.mainWindow; }

QRect keepOnScreen(const QRect& client, const QMargins& frame, const QRect& available)
{
    if (!available.isValid()) return client;
    const QRect outer = client.marginsAdded(frame);
    const int left = clampAxis(outer.left(), outer.width(), available.left(), available.width());
    const int top = clampAxis(outer.top(), outer.height(), available.top(), available.height());
    return QRect(left + frame.left(), top + frame.top(), client.width(), client.height());
}

namespace {

// The size the dialog will show at: polishing (fonts and style metrics) and
// the layout's minimum may still grow a dialog whose contents were just
// filled, and a dialog placed at a smaller size would open off its centre.
// The minimum leaves out word-wrapped labels, whose height depends on the
// width they get; without theirs a label of two lines shows one.
QSize finalSize(QWidget& dialog)
{
    dialog.ensurePolished();
    QLayout* layout = dialog.layout();
    if (layout) layout->activate();
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    else
        dialog.resize(dialog.size().expandedTo(dialog.minimumSizeHint()).expandedTo(dialog.minimumSize()));
    if (layout && layout->hasHeightForWidth()) {
        const int needed = layout->totalHeightForWidth(dialog.width());
        if (needed > dialog.height()) dialog.resize(dialog.width(), needed);
    }
    return dialog.size();
}

// Puts the client rectangle there, its frame kept on the available area.
void settleAt(QWidget& dialog, const QRect& client, const QWidget& near)
{
    const QWidget& frameOf = near.window()->isVisible() ? *near.window() : near;
    dialog.setGeometry(keepOnScreen(client, frameEstimate(frameOf), availableFor(near, client.center())));
}

}  // namespace

void centreOver(QWidget& dialog, const QWidget& window)
{
    QRect client(QPoint(0, 0), finalSize(dialog));
    client.moveCenter(window.frameGeometry().center());
    settleAt(dialog, client, window);
}

void centreOnScreen(QWidget& dialog, const QWidget& near)
{
    QRect client(QPoint(0, 0), finalSize(dialog));
    client.moveCenter(availableFor(near, near.frameGeometry().center()).center());
    settleAt(dialog, client, near);
}

namespace {

// The text of the fields the user can type into: enabled, shown and
// editable lines (those of combo and spin boxes too) and memos.
QString fieldsText(const QWidget& dialog)
{
    QString text;
    auto open = [&](const QWidget* w) { return w->isEnabled() && w->isVisibleTo(&dialog); };
    for (const QLineEdit* e : dialog.findChildren<QLineEdit*>())
        if (open(e) && !e->isReadOnly()) text += e->text();
    for (const QPlainTextEdit* m : dialog.findChildren<QPlainTextEdit*>())
        if (open(m) && !m->isReadOnly()) text += m->toPlainText();
    for (const QTextEdit* m : dialog.findChildren<QTextEdit*>())
        if (open(m) && !m->isReadOnly()) text += m->toPlainText();
    return text;
}

bool fieldsWritable(const QWidget& dialog, FieldUse use)
{
    const QString unwritable = writable::unwritableCharacters(fieldsText(dialog));
    if (unwritable.isEmpty()) return true;
    const QString message = use == FieldUse::Stored
                                ? writable::storeRefusal(unwritable)
                                : writable::refusal(unwritable, QString::fromUtf8("その文字を直すか消して下さい。"));
    ask::messageBox(message, dialog.windowTitle(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

int execChecked(TDialogForm& dialog, FieldUse use)
{
    if (use == FieldUse::Other) return ask::execModal(dialog);
    dialog.AcceptCheck = [&dialog, use] { return fieldsWritable(dialog, use); };
    int result = ask::execModal(dialog);
    dialog.AcceptCheck = nullptr;
    if (result == mrOk && !fieldsWritable(dialog, use)) result = mrCancel;
    return result;
}

void place(Session& form, QWidget& dialog, Placement placement)
{
    switch (placement) {
        case Placement::RememberedCentre: {
            const QSize size = finalSize(dialog);
            const QRect client(QPoint(form.DialogLeft(size.width()), form.DialogTop(size.height())), size);
            settleAt(dialog, client, *form.mainWindow);
            break;
        }
        case Placement::ScreenCentre: centreOnScreen(dialog, *form.mainWindow); break;
        case Placement::MainWindowCentre: centreOver(dialog, *form.mainWindow); break;
    }
}

void storeCentre(Session& form, const QWidget& dialog)
{
    const QRect g = dialog.geometry();
    int top = g.top();
    int left = g.left();
    if (top + g.height() / 2 == kNoCentre) --top;
    if (left + g.width() / 2 == kNoCentre) --left;
    form.StoreDialogTop(top, g.height());
    form.StoreDialogLeft(left, g.width());
}

int show(Session& form, TDialogForm& dialog, const Steps& steps, const std::function<void()>& preload)
{
    dialog.WireButtons();
    if (!steps.helpItem.isEmpty()) dialog.HelpContext = form.HelpContextOf(steps.helpItem);
    // Filled first: what the preload puts in may change the dialog's size.
    if (preload) preload();
    place(form, dialog, steps.placement);
    return execChecked(dialog, steps.fields);
}

void finish(Session& form, TDialogForm& dialog, const Steps& steps, const std::function<void()>& keep)
{
    if (steps.placement != Placement::RememberedCentre) return;
    storeCentre(form, dialog);
    if (keep) keep();
}

wrap::EditorState editorState(Session& form)
{
    wrap::EditorState state;
    state.selLength = form.RichEdit->SelLength();
    if (state.selLength > 0) state.selText = form.RichEdit->SelText();
    state.caretNotAtLineStart = form.CaretNotAtLineStart();
    return state;
}

bool apply(Session& form, const wrap::Insertion& insertion)
{
    if (insertion.text.empty()) return false;
    // The editor refuses a text past its length limit; the caret must not
    // then move back as if it had gone in.
    if (!form.InsertionFits(insertion.text.size())) return false;
    form.InsertText(insertion.text);
    if (insertion.caretBack > 0)
        form.RichEdit->SetCaret(form.RichEdit->SelStart() - insertion.caretBack, insertion.side);
    return true;
}

bool fitsOrWarn(Session& form, size_t bytes, const QString& caption)
{
    const size_t kept = size_t(form.RichEdit->GetTextLen() - form.RichEdit->SelLength());
    const size_t limit = size_t(form.RichEdit->MaxLength());
    if (kept + bytes <= limit) return true;
    ask::messageBox(QStringLiteral("挿入するテキストが長すぎるため、挿入できませんでした。\r\n"
                                   "文書の大きさは %1 バイトまでです（挿入すると %2 バイトになります）。")
                        .arg(limit)
                        .arg(kept + bytes),
                    caption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace road
