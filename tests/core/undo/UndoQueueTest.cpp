#include <gtest/gtest.h>

#include "core/undo/UndoQueue.h"

namespace {

struct Rec {
    char kind;  // 'i' insert, 'd' delete, 'b' back delete, '|' break
    int start, end;
    const char* text;
};

void play(UndoQueue& q, std::initializer_list<Rec> recs)
{
    for (const Rec& r : recs) {
        switch (r.kind) {
            case 'i': q.AddInsert(r.start, r.end, r.text); break;
            case 'd': q.AddDelete(r.start, r.end, r.text); break;
            case 'b': q.AddBackDelete(r.start, r.end, r.text); break;
            default: q.BreakGroup(); break;
        }
    }
}

}  // namespace

TEST(UndoQueue, MergesOnlyAdjacentEditsOfTheSameKind)
{
    struct Case {
        const char* name;
        std::initializer_list<Rec> recs;
        int entries;
        int mode, start, end;
        const char* text;  // of the newest entry
    };
    const Case cases[] = {
        {"typing run", {{'i', 0, 1, "a"}, {'i', 1, 2, "b"}, {'i', 2, 3, "c"}}, 1, 0, 0, 3, "abc"},
        {"typing elsewhere", {{'i', 0, 1, "a"}, {'i', 5, 6, "b"}}, 2, 0, 5, 6, "b"},
        {"break splits a run", {{'i', 0, 1, "a"}, {'|'}, {'i', 1, 2, "b"}}, 2, 0, 1, 2, "b"},
        {"delete run", {{'d', 3, 4, "x"}, {'d', 3, 4, "y"}, {'d', 3, 5, "\x93\xfa"}}, 1, 1, 3, 7, "xy\x93\xfa"},
        {"backspace run", {{'b', 5, 6, "c"}, {'b', 4, 5, "b"}, {'b', 3, 4, "a"}}, 1, 1, 3, 6, "abc"},
        {"backspace then delete", {{'b', 4, 5, "b"}, {'d', 4, 5, "c"}}, 1, 1, 4, 6, "bc"},
        {"backspace not adjacent", {{'b', 5, 6, "c"}, {'b', 2, 3, "a"}}, 2, 1, 2, 3, "a"},
        {"insert after delete", {{'d', 0, 1, "a"}, {'i', 0, 1, "b"}}, 2, 0, 0, 1, "b"},
        {"delete after insert", {{'i', 0, 1, "a"}, {'d', 0, 1, "a"}}, 2, 1, 0, 1, "a"},
    };
    for (const Case& c : cases) {
        UndoQueue q;
        play(q, c.recs);
        EXPECT_EQ(q.top, c.entries) << c.name;
        EXPECT_EQ(q.current, c.entries) << c.name;
        const auto* e = q.Entry(1);
        ASSERT_NE(e, nullptr) << c.name;
        EXPECT_EQ(e->mode, c.mode) << c.name;
        EXPECT_EQ(e->start, c.start) << c.name;
        EXPECT_EQ(e->end, c.end) << c.name;
        EXPECT_EQ(e->text, c.text) << c.name;
    }
}
