#pragma once
// Every "set, work, restore" pair of the program as a scope: what a command
// sets for the length of its work (the busy flag, the hourglass, the
// editor's event mask, the process's current folder, the editor's view)
// comes back however the work ends, by a return or by an exception on its
// way to the window's exception boundary.
#include <QString>
#include <utility>

class QWidget;
class TRichEdit;

namespace scope {

// Runs f when the scope ends.
template <class F>
class Exit {
public:
    explicit Exit(F f) : f_(std::move(f)) {}
    ~Exit() { f_(); }
    Exit(const Exit&) = delete;
    Exit& operator=(const Exit&) = delete;

private:
    F f_;
};

// Sets a busy flag (the window's, or the one that says the input method's
// text is being taken in) for the scope and puts back what it held before,
// so a flag that was clear is clear again even when the work throws.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~Busy() { flag_ = saved_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
    bool saved_;
};

// The hourglass over the application, and over up to two widgets that set
// a cursor of their own (the editor shows an I-beam otherwise).
class WaitCursor {
public:
    explicit WaitCursor(QWidget* a = nullptr, QWidget* b = nullptr);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* a_;
    QWidget* b_;
};

// The editor's event mask set to `mask` for the scope.
class EventMask {
public:
    EventMask(TRichEdit& edit, int mask);
    ~EventMask();
    EventMask(const EventMask&) = delete;
    EventMask& operator=(const EventMask&) = delete;

private:
    TRichEdit& edit_;
    int saved_;
};

// The process's current folder, which file dialogs and the programs' runs
// move, put back when the scope ends.
class CurrentFolder {
public:
    CurrentFolder();
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    const QString& saved() const { return saved_; }

private:
    QString saved_;
};

// Keeps what the user sees of the editor while a command reformats or
// re-lays the whole text: the selection is hidden meanwhile, and the
// modified flag and the caret come back at the end, so formatting never
// reads as an edit.
class ViewKeeper {
public:
    enum class Caret {
        KeepSelection,     // the selection as it was
        CollapseToStart,   // the caret at the selection's start
        CollapseAndScroll  // the same, scrolled into view when it had moved
    };
    explicit ViewKeeper(TRichEdit& edit, Caret caret = Caret::KeepSelection);
    ~ViewKeeper();
    ViewKeeper(const ViewKeeper&) = delete;
    ViewKeeper& operator=(const ViewKeeper&) = delete;

private:
    TRichEdit& edit_;
    Caret caret_;
    bool modified_;
    int selStart_;
    int selLength_;
};

}  // namespace scope
