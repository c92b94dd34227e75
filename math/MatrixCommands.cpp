// The matrix command and the text-to-matrix conversion, last in the math
// menu.  Every choice of both dialogs is remembered while the program runs.
#include <QAction>
#include <QMenu>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "math/MatrixDialogs.h"
#include "math/Matrix.h"
#include "platform/Utf8.h"

namespace {

// The editor refuses a text that would take it past its length limit; the
// user hears why instead of seeing nothing happen.
bool fitsOrSay(TForm1& main, size_t bytes, const char* caption)
{
    const TRichEdit& editor = *main.RichEdit;
    const size_t after = size_t(editor.GetTextLen() - editor.SelLength()) + bytes;
    if (after <= size_t(editor.MaxLength())) return true;
    ask::messageBox(
        utf8("行列がエディタに入る文字数（%1バイト）を超えるため、挿入しませんでした。").arg(editor.MaxLength()),
        utf8(caption), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The byte after the selection, where the inserted matrix will end.
std::string following(const TForm1& main)
{
    const int end = main.RichEdit->SelStart() + main.RichEdit->SelLength();
    return main.RichEdit->TextRange(end, end + 1);
}

}  // namespace

void TForm1::BuildMatrixCommands()
{
    if (MenuMath) MenuMath->addSeparator();
    AddItem(
        MenuMath, "MenuMathArray", utf8("行列(&W)... / array環境"), [this] { MenuMathArrayClick(); }, {},
        matrix::kArrayHelpContext)
        ->setStatusTip(utf8("array環境 / 行列を挿入します。"));
    AddItem(
        MenuMath, "MenuMathArrayChange", utf8("行列変換..."), [this] { MenuMathArrayChangeClick(); }, {},
        matrix::kConvertHelpContext);
}

void TForm1::MenuMathArrayClick()
{
    road::ask<TFormArray>(
        *this, {"MenuMathArray"},
        [this](TFormArray& d) {
            d.SetChoices({Last.ArrayBracket, Last.ArrayAlign, Last.ArrayRows, Last.ArrayColumns, Last.ArrayVRules,
                          Last.ArrayHRules});
        },
        [this](TFormArray& d) {
            const wrap::Insertion insertion =
                matrix::skeletonText(d.Choices(), matrix::lineBreakFollows(RichEdit->SelText(), following(*this)));
            if (fitsOrSay(*this, insertion.text.size(), "行列")) road::apply(*this, insertion);
        },
        [this](TFormArray& d) {
            const matrix::Skeleton c = d.Choices();
            Last.ArrayBracket = c.bracket;
            Last.ArrayAlign = c.align;
            Last.ArrayRows = int16_t(c.rows);
            Last.ArrayColumns = int16_t(c.columns);
            Last.ArrayVRules = c.vrules;
            Last.ArrayHRules = c.hrules;
        });
}

void TForm1::MenuMathArrayChangeClick()
{
    if (RichEdit->SelLength() < 1) {
        ask::messageBox(utf8(matrix::kConvertExplanation), utf8(matrix::kConvertCaption), MB_OK | MB_ICONINFORMATION);
        return;
    }
    road::ask<TFormArrayChange>(
        *this, {"MenuMathArrayChange"},
        [this](TFormArrayChange& d) {
            d.SetChoices({Last.ArrayConvBracket, Last.ArrayConvAlign, Last.ArrayConvSeparator, Last.ArrayConvVRules,
                          Last.ArrayConvHRules});
        },
        [this](TFormArrayChange& d) {
            const std::string selection = RichEdit->SelText();
            const std::string text =
                matrix::conversionText(selection, d.Choices(), matrix::lineBreakFollows(selection, following(*this)));
            if (fitsOrSay(*this, text.size(), matrix::kConvertCaption)) InsertText(text);
        },
        [this](TFormArrayChange& d) {
            const matrix::Conversion c = d.Choices();
            Last.ArrayConvBracket = c.bracket;
            Last.ArrayConvAlign = c.align;
            Last.ArrayConvSeparator = c.separator;
            Last.ArrayConvVRules = c.vrules;
            Last.ArrayConvHRules = c.hrules;
        });
}
