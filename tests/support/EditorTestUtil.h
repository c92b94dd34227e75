#pragma once
// Driving the real editor control in tests: keys, typed text and a log of
// the events it raises.
#include "platform/RichEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <string>
#include <vector>

namespace edtest {

inline void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

// One key event per character (QTest::keyClicks cannot type non-ASCII text).
inline void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        int key = Qt::Key_unknown;
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) key = c.toUpper().unicode();
        if (c == u'\t') key = Qt::Key_Tab;
        sendKey(w, key, Qt::NoModifier, QString(c));
    }
}

// Records OnSelectionChange as "sel start,length" and OnChange as
// "change length", in the order they come.
struct EventLog {
    std::vector<std::string> entries;
    void attach(TRichEdit& e)
    {
        e.OnSelectionChange = [this, &e] {
            entries.push_back("sel " + std::to_string(e.SelStart()) + "," + std::to_string(e.SelLength()));
        };
        e.OnChange = [this, &e] { entries.push_back("change " + std::to_string(e.GetTextLen())); };
    }
    void clear() { entries.clear(); }
};

}  // namespace edtest
