#include "platform/Scope.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/RichEdit.h"

namespace {

struct Failure : std::runtime_error {
    Failure() : std::runtime_error("failed") {}
};

// Runs work that ends by throwing, as a failing command does.
template <class F>
void throwingWork(F work)
{
    EXPECT_THROW(work(), Failure);
}

}  // namespace

TEST(Scopes, PutBackWhatTheySetWhenTheWorkThrows)
{
    bool busy = false;
    throwingWork([&] {
        scope::Busy b(busy);
        EXPECT_TRUE(busy);
        throw Failure();
    });
    EXPECT_FALSE(busy);

    // A flag that was set before stays set: an inner scope never clears the
    // outer work's flag.
    busy = true;
    throwingWork([&] {
        scope::Busy b(busy);
        throw Failure();
    });
    EXPECT_TRUE(busy);

    int exits = 0;
    throwingWork([&] {
        scope::Exit e([&] { ++exits; });
        throw Failure();
    });
    EXPECT_EQ(exits, 1);

    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    throwingWork([&] {
        scope::CurrentFolder folder;
        QDir::setCurrent(elsewhere.path());
        throw Failure();
    });
    EXPECT_EQ(QDir::currentPath(), before);

    TRichEdit edit;
    edit.SetEventMask(ENM_CHANGE);
    throwingWork([&] {
        scope::EventMask quiet(edit, ENM_NONE);
        EXPECT_EQ(edit.EventMask(), ENM_NONE);
        throw Failure();
    });
    EXPECT_EQ(edit.EventMask(), ENM_CHANGE);
}

TEST(Scopes, ViewKeeperKeepsModifiedFlagAndSelectionThroughReformatting)
{
    TRichEdit edit;
    edit.SetText("abc\r\ndefgh\r\nij");
    int changes = 0;
    edit.OnChange = [&] { ++changes; };

    struct Case {
        scope::ViewKeeper::Caret caret;
        bool modified;
        int wantLength;
    };
    for (const Case c : {Case{scope::ViewKeeper::Caret::KeepSelection, true, 4},
                         Case{scope::ViewKeeper::Caret::CollapseToStart, false, 0},
                         Case{scope::ViewKeeper::Caret::CollapseAndScroll, true, 0}}) {
        edit.SetModified(c.modified);
        edit.Select(6, 4);
        throwingWork([&] {
            scope::ViewKeeper keep(edit, c.caret);
            edit.SetFormat(0, edit.GetTextLen(), CharFormat{0x0000FF, true});
            edit.SetModified(!c.modified);
            edit.Select(0, 0);
            throw Failure();
        });
        EXPECT_EQ(edit.Modified(), c.modified);
        EXPECT_EQ(edit.SelStart(), 6);
        EXPECT_EQ(edit.SelLength(), c.wantLength);
    }
    EXPECT_EQ(edit.Text(), "abc\r\ndefgh\r\nij");
    EXPECT_EQ(changes, 0) << "formatting is no edit";
}
