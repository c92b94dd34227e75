// Every real dialog of the insertion road opens where its placement says,
// at its final size, and opening and cancelling it again and again leaves
// it (and the remembered centre) where it was.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
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
    void (TForm1::*open)();
    Where where;
};

// A new dialog of the road gets its row here.
const RoadDialog kRoadDialogs[] = {
    {"title", &TForm1::MenuTexPreTitleClick, Where::Remembered},
    {"author", &TForm1::MenuTexPreAuthorClick, Where::MainWindow},
    {"date", &TForm1::MenuTexPreDateClick, Where::Remembered},
    {"page style", &TForm1::MenuTexPrePageStyleClick, Where::Remembered},
    {"paragraph break", &TForm1::MenuInsertDanrakuClick, Where::Remembered},
    {"explicit space", &TForm1::MenuInsSpcMeijiClick, Where::Remembered},
    {"fill space", &TForm1::MenuInsSpcFillClick, Where::Remembered},
    {"paragraph space", &TForm1::MenuInsSpcDanrakuClick, Where::Remembered},
    {"footnote", &TForm1::MenuInsertFootnoteClick, Where::Remembered},
    {"marginal note", &TForm1::MenuInsertMarginparClick, Where::Remembered},
    {"label", &TForm1::MenuInsertLabelClick, Where::MainWindow},
    {"reference", &TForm1::MenuInsertRefClick, Where::Remembered},
    {"page reference", &TForm1::MenuInsertPageRefClick, Where::Remembered},
    {"counter", &TForm1::MenuFormatSetcounterClick, Where::Screen},
    {"renamed caption", &TForm1::MenuFormatRenewcommandClick, Where::Screen},
    {"index entry", &TForm1::MenuTexSakuinClick, Where::Remembered},
    {"nested index entry", &TForm1::MenuTexSakuin2Click, Where::Remembered},
    {"anchor", &TForm1::MenuTexinHyperNameClick, Where::Screen},
    {"link to an anchor", &TForm1::MenuTexinHyperRefClick, Where::Screen},
    {"link to an address", &TForm1::MenuTexinHypRefURLClick, Where::Screen},
    {"font family", &TForm1::MenuFormatFontFamilyClick, Where::Remembered},
    {"font series", &TForm1::MenuFormatFontSeriesClick, Where::Remembered},
    {"font shape", &TForm1::MenuFormatFontShapeClick, Where::Remembered},
    {"font size", &TForm1::MenuFormatFontSizeClick, Where::Remembered},
    {"math space", &TForm1::MenuMathSpaceClick, Where::Screen},
    {"math font", &TForm1::MenuMathFontClick, Where::Screen},
    {"root", &TForm1::MenuMathRootClick, Where::Remembered},
    {"bracket", &TForm1::MenuMathKakkoClick, Where::Remembered},
};

QPoint centreOf(const QRect& r) { return {r.left() + r.width() / 2, r.top() + r.height() / 2}; }

}  // namespace

TEST(RoadDialogs, OpenWhereTheyBelongAndStayThereOverTenCancels)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint remembered = screen.center() + QPoint(-60, -40);
    for (const RoadDialog& row : kRoadDialogs) {
        SCOPED_TRACE(row.name);
        TForm1 form;
        form.setGeometry(screen.left() + 40, screen.top() + 40, 640, 480);
        form.show();
        form.DialogCenterX = remembered.x();
        form.DialogCenterY = remembered.y();
        testsupport::ScriptedAsk script;
        script.allowUnscripted();

        std::vector<QRect> seen;
        for (int round = 0; round < 10; ++round) {
            script.onDialog([&](QDialog& d) {
                QCoreApplication::processEvents();  // whatever the layout does on showing
                seen.push_back(d.geometry());
                return int(mrCancel);
            });
            (form.*row.open)();
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
