// The matrix command and the text-to-matrix conversion, last in the math
// menu.  Every choice of both dialogs is remembered while the program runs.
#include <QAction>
#include <QMenu>

#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "math/MathCommands.h"
#include "math/MathLastUsed.h"
#include "math/Matrix.h"
#include "math/MatrixDialogs.h"
#include "platform/Utf8.h"

namespace math {

namespace {

// The editor refuses a text that would take it past its length limit; the
// user hears why instead of seeing nothing happen.
bool fitsOrSay(Session& s, size_t bytes, const char* caption)
{
    const TRichEdit& editor = *s.RichEdit;
    const size_t after = size_t(editor.GetTextLen() - editor.SelLength()) + bytes;
    if (after <= size_t(editor.MaxLength())) return true;
    ask::messageBox(
        utf8("行列がエディタに入る文字数（%1バイト）を超えるため、挿入しませんでした。").arg(editor.MaxLength()),
        utf8(caption), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The byte after the selection, where the inserted matrix will end.
std::string following(const Session& s)
{
    const int end = s.RichEdit->SelStart() + s.RichEdit->SelLength();
    return s.RichEdit->TextRange(end, end + 1);
}

}  // namespace

void buildMatrixCommands(Session& s)
{
    if (s.MenuMath) s.MenuMath->addSeparator();
    s.AddItem(
         s.MenuMath, "MenuMathArray", utf8("行列(&W)... / array環境"), [&s] { MenuMathArrayClick(s); }, {},
         matrix::kArrayHelpContext)
        ->setStatusTip(utf8("array環境 / 行列を挿入します。"));
    s.AddItem(
        s.MenuMath, "MenuMathArrayChange", utf8("行列変換..."), [&s] { MenuMathArrayChangeClick(s); }, {},
        matrix::kConvertHelpContext);
}

void MenuMathArrayClick(Session& s)
{
    MathLastUsed& last = s.part<MathLastUsed>();
    road::ask<TFormArray>(
        s, {"MenuMathArray"},
        [&last](TFormArray& d) {
            d.SetChoices({last.ArrayBracket, last.ArrayAlign, last.ArrayRows, last.ArrayColumns, last.ArrayVRules,
                          last.ArrayHRules});
        },
        [&s](TFormArray& d) {
            const wrap::Insertion insertion =
                matrix::skeletonText(d.Choices(), matrix::lineBreakFollows(s.RichEdit->SelText(), following(s)));
            if (fitsOrSay(s, insertion.text.size(), "行列")) road::apply(s, insertion);
        },
        [&last](TFormArray& d) {
            const matrix::Skeleton c = d.Choices();
            last.ArrayBracket = c.bracket;
            last.ArrayAlign = c.align;
            last.ArrayRows = int16_t(c.rows);
            last.ArrayColumns = int16_t(c.columns);
            last.ArrayVRules = c.vrules;
            last.ArrayHRules = c.hrules;
        });
}

void MenuMathArrayChangeClick(Session& s)
{
    if (s.RichEdit->SelLength() < 1) {
        ask::messageBox(utf8(matrix::kConvertExplanation), utf8(matrix::kConvertCaption), MB_OK | MB_ICONINFORMATION);
        return;
    }
    MathLastUsed& last = s.part<MathLastUsed>();
    road::ask<TFormArrayChange>(
        s, {"MenuMathArrayChange"},
        [&last](TFormArrayChange& d) {
            d.SetChoices({last.ArrayConvBracket, last.ArrayConvAlign, last.ArrayConvSeparator, last.ArrayConvVRules,
                          last.ArrayConvHRules});
        },
        [&s](TFormArrayChange& d) {
            const std::string selection = s.RichEdit->SelText();
            const std::string text =
                matrix::conversionText(selection, d.Choices(), matrix::lineBreakFollows(selection, following(s)));
            if (fitsOrSay(s, text.size(), matrix::kConvertCaption)) s.InsertText(text);
        },
        [&last](TFormArrayChange& d) {
            const matrix::Conversion c = d.Choices();
            last.ArrayConvBracket = c.bracket;
            last.ArrayConvAlign = c.align;
            last.ArrayConvSeparator = c.separator;
            last.ArrayConvVRules = c.vrules;
            last.ArrayConvHRules = c.hrules;
        });
}

}  // namespace math
