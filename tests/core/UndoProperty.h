#pragma once
// Random editing sessions checked against the undo history: whatever was
// done, undoing everything gives back the starting text byte for byte and
// redoing everything gives back the text before the undoing.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Cp932.h"

struct EditDriver {
    virtual ~EditDriver() = default;
    virtual std::string text() = 0;
    virtual void select(int start, int length) = 0;
    virtual void type(const std::string& chars) = 0;
    virtual void enter() = 0;
    virtual void backspace() = 0;
    virtual void del() = 0;
    virtual void insertText(const std::string& t) = 0;
    virtual void paste(const std::string& t) = 0;
    // Moves the selection to a character boundary of the text without it.
    virtual void dragMove(int to) = 0;
    virtual bool undo() = 0;  // whether something was undone
    virtual bool redo() = 0;
    virtual bool canUndo() = 0;
};

namespace undoprop {

// Character boundaries of a CR LF, CP932 text (a break counts as one character).
inline std::vector<int> boundaries(const std::string& t)
{
    std::vector<int> b{0};
    size_t i = 0;
    while (i < t.size()) {
        i += t.compare(i, 2, "\r\n") == 0 ? 2 : size_t(cp932::charLength(t, i));
        b.push_back(int(i));
    }
    return b;
}

inline const std::vector<std::string>& pieces()
{
    static const std::vector<std::string> p = {
        "a", "xy", "\\item ", "\x93\xfa\x96\x7b",   // 日本
        "\x95\x5c",                                  // 表 (trail byte is a backslash)
        "\x81\x40",                                  // full-width blank
        "\x8c\xea", "ab\r\ncd", "\x83\x5c\r\n",      // 語, ソ + break
    };
    return p;
}

// One random edit.  Returns a short name for failure messages.
inline std::string randomEdit(EditDriver& d, std::mt19937& rng)
{
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    const std::string t = d.text();
    const std::vector<int> b = boundaries(t);
    const int caret = b[size_t(pick(int(b.size())))];
    const std::string& piece = pieces()[size_t(pick(int(pieces().size())))];
    switch (pick(9)) {
    case 0: d.select(caret, 0); d.type(piece); return "type";
    case 1: d.enter(); return "enter";
    case 2: d.select(caret, 0); d.backspace(); d.backspace(); return "backspace";
    case 3: d.select(caret, 0); d.del(); return "delete";
    case 4: {
        const int end = b[size_t(pick(int(b.size())))];
        d.select(std::min(caret, end), std::abs(end - caret));
        d.type(piece);
        return "replace";
    }
    case 5: {
        const int end = b[size_t(pick(int(b.size())))];
        d.select(std::min(caret, end), std::abs(end - caret));
        d.insertText(piece);
        return "insert";
    }
    case 6: d.select(caret, 0); d.paste(piece); return "paste";
    case 7: {
        if (b.size() < 3) return "none";
        const size_t i = size_t(pick(int(b.size()) - 1));
        const size_t j = i + 1 + size_t(pick(int(std::min<size_t>(4, b.size() - 1 - i))));
        const int s = b[i], l = b[j] - b[i];
        std::string rest = t;
        rest.erase(size_t(s), size_t(l));
        const std::vector<int> rb = boundaries(rest);
        int to = rb[size_t(pick(int(rb.size())))];
        if (to == s) return "none";
        d.select(s, l);
        d.dragMove(to);
        return "drag";
    }
    default: d.type(piece); return "type-on";
    }
}

// Runs `sessions` random sessions of `edits` edits each on texts that start
// from `start`, with undo and redo mixed in.
inline void run(EditDriver& d, unsigned seed, int edits, const std::string& start)
{
    std::mt19937 rng(seed);
    const std::string original = d.text();
    EXPECT_EQ(original, start);
    std::string log;
    for (int i = 0; i < edits; ++i) {
        const int r = int(rng() % 10);
        if (r == 0) {
            d.undo();
            log += "U ";
        } else if (r == 1) {
            d.redo();
            log += "R ";
        } else {
            log += randomEdit(d, rng) + " ";
        }
    }
    // The newest state of the history: undone steps at the end are redone first.
    int guard = 0;
    while (d.redo() && guard++ < 2000) {}
    const std::string final = d.text();
    guard = 0;
    while (d.canUndo() && guard++ < 2000) d.undo();
    ASSERT_EQ(d.text(), original) << "seed " << seed << ": " << log;
    guard = 0;
    while (d.redo() && guard++ < 2000) {}
    ASSERT_EQ(d.text(), final) << "seed " << seed << ": " << log;

    // Partial undo, new edits, more undo: undoing everything still returns
    // to the start.
    for (int i = 0; i < 5; ++i) d.undo();
    const std::string middle = d.text();
    d.redo();
    d.undo();
    EXPECT_EQ(d.text(), middle) << "seed " << seed;
    for (int i = 0; i < 5; ++i) randomEdit(d, rng);
    guard = 0;
    while (d.canUndo() && guard++ < 2000) d.undo();
    ASSERT_EQ(d.text(), original) << "seed " << seed << ": " << log;
}

}  // namespace undoprop
