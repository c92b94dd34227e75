// Every real modal dialog of the commands opens where its placement says,
// at its final size; opening and cancelling it again and again leaves it
// (and the remembered centre) where it was; and once it has closed the main
// window has the keyboard back, with the editor focused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/insertion/PickerBinding.h"
#include "insert/TextSymbolPickers.h"
#include "math/SymbolPickers.h"
#include "tests/support/LabelsWhole.h"
#include "tests/support/ScriptedAsk.h"

// Readable failures.
static void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
static void PrintTo(const QPoint& p, std::ostream* os) { *os << p.x() << "," << p.y(); }

namespace {

enum class Where { Remembered, Screen, MainWindow };

struct RoadDialog {
    const char* name;
    void (*open)(TForm1&);
    Where where;
};

template <auto handler>
void command(TForm1& form)
{
    (form.*handler)();
}

template <const picker::Family& family>
void pickerDialog(TForm1& form)
{
    picker::runDialog(form, family);
}

#define MENU(handler) &command<&TForm1::handler>

// A new modal dialog of a command gets its row here.
const RoadDialog kRoadDialogs[] = {
    {"title", MENU(MenuTexPreTitleClick), Where::Remembered},
    {"author", MENU(MenuTexPreAuthorClick), Where::MainWindow},
    {"date", MENU(MenuTexPreDateClick), Where::Remembered},
    {"page style", MENU(MenuTexPrePageStyleClick), Where::Remembered},
    {"paragraph break", MENU(MenuInsertDanrakuClick), Where::Remembered},
    {"explicit space", MENU(MenuInsSpcMeijiClick), Where::Remembered},
    {"fill space", MENU(MenuInsSpcFillClick), Where::Remembered},
    {"paragraph space", MENU(MenuInsSpcDanrakuClick), Where::Remembered},
    {"footnote", MENU(MenuInsertFootnoteClick), Where::Remembered},
    {"marginal note", MENU(MenuInsertMarginparClick), Where::Remembered},
    {"label", MENU(MenuInsertLabelClick), Where::MainWindow},
    {"reference", MENU(MenuInsertRefClick), Where::Remembered},
    {"page reference", MENU(MenuInsertPageRefClick), Where::Remembered},
    {"counter", MENU(MenuFormatSetcounterClick), Where::Screen},
    {"renamed caption", MENU(MenuFormatRenewcommandClick), Where::Screen},
    {"index entry", MENU(MenuTexSakuinClick), Where::Remembered},
    {"nested index entry", MENU(MenuTexSakuin2Click), Where::Remembered},
    {"anchor", MENU(MenuTexinHyperNameClick), Where::Screen},
    {"link to an anchor", MENU(MenuTexinHyperRefClick), Where::Screen},
    {"link to an address", MENU(MenuTexinHypRefURLClick), Where::Screen},
    {"font family", MENU(MenuFormatFontFamilyClick), Where::Remembered},
    {"font series", MENU(MenuFormatFontSeriesClick), Where::Remembered},
    {"font shape", MENU(MenuFormatFontShapeClick), Where::Remembered},
    {"font size", MENU(MenuFormatFontSizeClick), Where::Remembered},
    {"math space", MENU(MenuMathSpaceClick), Where::Screen},
    {"math font", MENU(MenuMathFontClick), Where::Screen},
    {"root", MENU(MenuMathRootClick), Where::Remembered},
    {"bracket", MENU(MenuMathKakkoClick), Where::Remembered},
    {"small Greek letters", &pickerDialog<mathpickers::kSmallGreek>, Where::Remembered},
    {"variant Greek letters", &pickerDialog<mathpickers::kVariantGreek>, Where::Screen},
    {"capital Greek letters", &pickerDialog<mathpickers::kLargeGreek>, Where::Remembered},
    {"math functions", &pickerDialog<mathpickers::kMathFunction>, Where::Remembered},
    {"math symbols", &pickerDialog<mathpickers::kMathSymbol>, Where::Remembered},
    {"binary operators", &pickerDialog<mathpickers::kBinaryOperator>, Where::Remembered},
    {"relations", &pickerDialog<mathpickers::kRelation>, Where::Remembered},
    {"large operators", &pickerDialog<mathpickers::kLargeOperator>, Where::Remembered},
    {"accents for one character", &pickerDialog<mathpickers::kSmallAccent>, Where::Remembered},
    {"accents for two or more", &pickerDialog<mathpickers::kBigAccent>, Where::Remembered},
    {"dots", &pickerDialog<mathpickers::kDots>, Where::Remembered},
    {"arrows", &pickerDialog<mathpickers::kArrow>, Where::Remembered},
    {"text accents", &pickerDialog<textpickers::kAccent>, Where::Remembered},
    {"special characters", &pickerDialog<textpickers::kSpecialChar>, Where::Remembered},
    {"full-width blanks", MENU(MenuSearchZenSpaceClick), Where::Screen},
    {"tabs to blanks", MENU(MenuEditTabSpaceClick), Where::Screen},
    {"trailing blanks", MENU(MenuEditEndSpaceCutClick), Where::Screen},
    {"TeX program settings", MENU(MenuOptionInitClick), Where::MainWindow},
};

QPoint centreOf(const QRect& r) { return {r.left() + r.width() / 2, r.top() + r.height() / 2}; }

// A main window on the screen with the keyboard, its editor focused and
// holding a line (the trailing-blank command wants one).
void bringUp(TForm1& form, const QRect& screen)
{
    form.setGeometry(screen.left() + 40, screen.top() + 40, 640, 480);
    form.show();
    form.RichEdit->SetText("line  ");
    form.activateWindow();
    form.RichEdit->setFocus();
    QCoreApplication::processEvents();
}

}  // namespace

TEST(RoadDialogs, OpenWhereTheyBelongAndStayThereOverTenCancels)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint remembered = screen.center() + QPoint(-60, -40);
    for (const RoadDialog& row : kRoadDialogs) {
        SCOPED_TRACE(row.name);
        TForm1 form;
        bringUp(form, screen);
        form.DialogCenterX = remembered.x();
        form.DialogCenterY = remembered.y();
        testsupport::ScriptedAsk script;
        script.allowUnscripted();

        std::vector<QRect> seen;
        for (int round = 0; round < 10; ++round) {
            script.onDialog([&](QDialog& d) {
                QCoreApplication::processEvents();  // whatever the layout does on showing
                seen.push_back(d.geometry());
                if (round == 0) testsupport::expectLabelsWhole(d);
                return int(mrCancel);
            });
            row.open(form);
        }
        ASSERT_EQ(seen.size(), 10u);
        for (const QRect& g : seen) EXPECT_EQ(g, seen.front()) << "the dialog moved between openings";

        const QPoint centre = centreOf(seen.front());
        switch (row.where) {
            case Where::Remembered: {
                EXPECT_LE((centre - remembered).manhattanLength(), 1)
                    << "opened at " << centre.x() << "," << centre.y();
                EXPECT_EQ(QPoint(form.DialogCenterX, form.DialogCenterY), remembered);
                break;
            }
            case Where::Screen:
                EXPECT_LE((centre - screen.center()).manhattanLength(), 2)
                    << "opened at " << centre.x() << "," << centre.y();
                EXPECT_EQ(QPoint(form.DialogCenterX, form.DialogCenterY), remembered);
                break;
            case Where::MainWindow:
                EXPECT_LE((seen.front().center() - form.frameGeometry().center()).manhattanLength(), 2);
                EXPECT_EQ(QPoint(form.DialogCenterX, form.DialogCenterY), remembered);
                break;
        }
    }
}

TEST(RoadDialogs, GiveTheKeyboardBackToTheEditorWhenTheyClose)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const RoadDialog& row : kRoadDialogs) {
        SCOPED_TRACE(row.name);
        TForm1 form;
        bringUp(form, screen);
        ASSERT_EQ(QApplication::activeWindow(), &form);
        testsupport::ScriptedAsk script;
        script.allowUnscripted();
        for (int result : {int(mrCancel), int(mrOk)}) {
            bool shown = false;
            script.onDialog([&](QDialog& d) {
                QCoreApplication::processEvents();
                shown = true;
                EXPECT_EQ(QApplication::activeWindow(), &d) << "the dialog has the keyboard while it is open";
                return result;
            });
            row.open(form);
            QCoreApplication::processEvents();
            EXPECT_TRUE(shown);
            EXPECT_EQ(QApplication::activeWindow(), &form) << "closed with " << result;
            EXPECT_EQ(QApplication::focusWidget(), form.RichEdit) << "closed with " << result;
        }
    }
}
