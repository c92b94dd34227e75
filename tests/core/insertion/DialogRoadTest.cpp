#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/EditDialog.h"
#include "tests/support/ScriptedAsk.h"

namespace {

// Installs a dialog answerer for the life of a test and records what it saw.
struct DialogScript {
    explicit DialogScript(std::function<int(QDialog&)> answer)
    {
        ask::setDialogAnswerer([this, answer](QDialog& d) {
            ++shown;
            seenGeometry = d.geometry();
            return answer(d);
        });
    }
    ~DialogScript() { ask::setDialogAnswerer({}); }
    int shown = 0;
    QRect seenGeometry;
};

class ChoiceDialog : public TDialogForm {
public:
    explicit ChoiceDialog(QWidget* owner, QSize size = {200, 100}) : TDialogForm(owner)
    {
        choice = new QSpinBox(this);
        choice->setRange(0, 9);
        setFixedSize(size);
    }
    QSpinBox* choice;
};
class WideDialog : public ChoiceDialog {
public:
    explicit WideDialog(QWidget* owner) : ChoiceDialog(owner, {400, 50}) {}
};

QPoint centreOf(const QRect& r) { return {r.left() + r.width() / 2, r.top() + r.height() / 2}; }

struct RoadFixture : ::testing::Test {
    RoadFixture()
    {
        form.setGeometry(100, 100, 800, 600);
        form.AddItem(nullptr, "MenuTest", "test", nullptr, {}, 4242);
    }
    // Runs the road with ChoiceDialog-like types; remembers into `last`.
    template <class D>
    bool runRoad(int& inserted)
    {
        return road::ask<D>(
            form, {"MenuTest", road::Placement::RememberedCentre}, [this](D& d) { d.choice->setValue(last); },
            [&](D& d) { inserted = d.choice->value(); }, [this](D& d) { last = d.choice->value(); });
    }
    TForm1 form;
    int last = 3;
};

}  // namespace

TEST(DialogPlacement, KeepOnScreen)
{
    const QRect area(0, 0, 1280, 800);
    const QMargins frame(4, 30, 4, 4);
    struct Case {
        QRect in;
        QPoint expectedTopLeft;
    };
    const Case cases[] = {
        {{100, 100, 200, 100}, {100, 100}},    // inside: unchanged
        {{1200, 100, 200, 100}, {1076, 100}},  // off the right edge, frame included
        {{-50, -50, 200, 100}, {4, 30}},       // off the top-left: the title bar stays reachable
        {{100, 760, 200, 100}, {100, 696}},    // off the bottom
        {{500, 300, 2000, 1000}, {4, 30}},     // larger than the area: top-left corner on it
        {{10000, 10000, 200, 100}, {1076, 696}},
    };
    for (const Case& c : cases) {
        const QRect out = road::keepOnScreen(c.in, frame, area);
        EXPECT_EQ(out.topLeft(), c.expectedTopLeft) << c.in.x() << "," << c.in.y();
        EXPECT_EQ(out.size(), c.in.size());
    }
}

TEST_F(RoadFixture, OkInsertsAndStoresCentreAndChoice)
{
    DialogScript script([](QDialog& d) {
        auto& dialog = static_cast<ChoiceDialog&>(d);
        EXPECT_EQ(dialog.HelpContext, 4242);
        EXPECT_EQ(dialog.choice->value(), 3) << "remembered choice preloaded";
        dialog.choice->setValue(5);
        return int(mrOk);
    });
    int inserted = -1;
    EXPECT_TRUE(runRoad<ChoiceDialog>(inserted));
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(inserted, 5);
    EXPECT_EQ(last, 5);
    EXPECT_EQ(QPoint(form.DialogCenterX, form.DialogCenterY), centreOf(script.seenGeometry));
}

TEST_F(RoadFixture, CancelStillMovesCentreAndChoiceAndTheNextDialogOpensThere)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint moved = screen.topLeft() + QPoint(150, 200);
    QRect dragged;
    DialogScript script([&](QDialog& d) {
        auto& dialog = static_cast<ChoiceDialog&>(d);
        dialog.choice->setValue(7);
        dialog.move(moved);  // the user drags it by its frame, then cancels
        dragged = dialog.geometry();
        return int(mrCancel);
    });
    int inserted = -1;
    EXPECT_FALSE(runRoad<ChoiceDialog>(inserted));
    EXPECT_EQ(inserted, -1) << "nothing inserted on cancel";
    EXPECT_EQ(last, 7);
    const QPoint centre(form.DialogCenterX, form.DialogCenterY);
    EXPECT_EQ(centre, centreOf(dragged));

    // A dialog of another size opens centred on the same point, and showing
    // it unmoved again does not shift the centre.
    for (int round = 0; round < 3; ++round) {
        DialogScript again([](QDialog&) { return int(mrCancel); });
        runRoad<WideDialog>(inserted);
        EXPECT_EQ(centreOf(again.seenGeometry), centre) << "round " << round;
        EXPECT_EQ(QPoint(form.DialogCenterX, form.DialogCenterY), centre);
    }
}

TEST_F(RoadFixture, NoCentreYetIsItsOwnStateAndPlacementStaysOnScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A real centre at 9999 would read as "none"; storing keeps it off.
    ChoiceDialog dialog(&form);
    dialog.setGeometry(9999 - 100, 9999 - 50, 200, 100);
    road::storeCentre(form, dialog);
    EXPECT_NE(form.DialogCenterX, 9999);
    EXPECT_NE(form.DialogCenterY, 9999);

    // A remembered centre far off the screen still places the dialog on it.
    form.DialogCenterX = 50000;
    form.DialogCenterY = -50000;
    DialogScript script([](QDialog&) { return int(mrCancel); });
    int inserted = -1;
    runRoad<ChoiceDialog>(inserted);
    EXPECT_TRUE(screen.contains(script.seenGeometry)) << script.seenGeometry.x() << "," << script.seenGeometry.y();
}

TEST_F(RoadFixture, ScreenCentredDialogsRememberNothing)
{
    DialogScript script([](QDialog& d) {
        static_cast<ChoiceDialog&>(d).choice->setValue(8);
        d.move(10, 10);
        return int(mrCancel);
    });
    road::ask<ChoiceDialog>(form, {"", road::Placement::ScreenCentre}, nullptr, nullptr,
                            [this](ChoiceDialog& d) { last = d.choice->value(); });
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(centreOf(script.seenGeometry), centreOf(screen));
    EXPECT_EQ(last, 3);
    EXPECT_EQ(form.DialogCenterX, 9999);
    EXPECT_EQ(form.DialogCenterY, 9999);
}

TEST_F(RoadFixture, OneLineRoadIsSetUpByItsCallerAndCentredOnTheMainWindow)
{
    ResidentEditDialog(form).Edit1->setText("left over");
    DialogScript script([](QDialog& d) {
        auto& dialog = static_cast<TFormEditDialog&>(d);
        EXPECT_EQ(dialog.windowTitle(), "part");
        EXPECT_EQ(dialog.Label1->text(), "label");
        EXPECT_EQ(dialog.HelpContext, 5100);
        EXPECT_TRUE(dialog.Edit1->text().isEmpty()) << "a cleared line, not the last caller's";
        return int(mrOk);
    });
    auto typed = road::askOneLine(form, "part", "label", 5100);
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(*typed, "") << "an empty line is an answer";
    // Centred over the main window.
    EXPECT_EQ(script.seenGeometry.center(), form.frameGeometry().center());
}

namespace {

class TextDialog : public TDialogForm {
public:
    explicit TextDialog(QWidget* owner) : TDialogForm(owner)
    {
        setWindowTitle("text");
        line = new QLineEdit(this);
        unused = new QLineEdit(this);
        unused->setEnabled(false);
        ok = new QPushButton(this);
        ok->setObjectName("BitBtn1");
    }
    QLineEdit* line;
    QLineEdit* unused;
    QPushButton* ok;
};

}  // namespace

TEST_F(RoadFixture, TypedTextTheDocumentCannotTakeIsRefusedAtOk)
{
    const QString accented = QString::fromUtf8("caf\u00e9 \u00e9");
    auto run = [this] {
        QString taken;
        road::ask<TextDialog>(
            form, {}, nullptr, [&](TextDialog& d) { taken = d.line->text(); }, nullptr);
        return taken;
    };
    testsupport::ScriptedAsk ask;
    // A click on OK names the character once and keeps the dialog open to
    // mend it; a field that is switched off does not count.
    ask.onDialog([&](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        dialog.unused->setText(accented);
        dialog.line->setText(accented);
        dialog.ok->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.line->setText("cafe");
        dialog.ok->click();
        return dialog.result();
    });
    ask.expectMessage({QString::fromUtf8("文書に書けない文字（Shift-JIS にない文字や制御文字）が含まれているため、"
                                         "挿入しませんでした：\u00e9\r\nその文字を直すか消して下さい。"),
                       "text", MB_OK | MB_ICONEXCLAMATION, IDOK});
    EXPECT_EQ(run(), "cafe");
    // Closed with OK some other way, it counts as cancelled.
    ask.onDialog([&](QDialog& d) {
        static_cast<TextDialog&>(d).line->setText(accented);
        return int(mrOk);
    });
    ask.answerNextMessage(IDOK);
    EXPECT_EQ(run(), "");
    // Characters Shift-JIS holds under another code, tabs and line breaks go in.
    ask.onDialog([&](QDialog& d) {
        static_cast<TextDialog&>(d).line->setText(QString::fromUtf8("\u301c\u2212\t"));
        return int(mrOk);
    });
    EXPECT_EQ(run(), QString::fromUtf8("\u301c\u2212\t"));
}
