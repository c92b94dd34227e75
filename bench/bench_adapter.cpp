// The editor control alone on a document at the text limit, each shown as a
// top-level window beside a bare QPlainTextEdit of the same size and font,
// paint included: loading the text, a one-line format, reading the whole
// text, a keystroke with a change handler that copies the text (as the undo
// recorder does), and the position mapping.
#include "bench/Harness.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QTextBlock>

namespace {

std::string makeDocument(int targetBytes)
{
    const QString prose[] = {
        QString::fromUtf8("日本語の文章をここに書きます。"),
        QString::fromUtf8("数式は$x^2+y^2=z^2$のように書く。"),
        QString::fromUtf8("　段落の始めは全角空白で字下げする。"),
        QString::fromUtf8("参照は図~\\ref{fig:a}を見よ。"),
    };
    const QString latex[] = {
        "\\section{Introduction}",
        "\\begin{itemize}",
        "  \\item first point % comment",
        "\\end{itemize}",
        "\\begin{equation} a & b \\\\ c \\end{equation}",
    };
    std::string text;
    int i = 0;
    while (int(text.size()) < targetBytes - 64) {
        QString line = (i % 3 == 2) ? latex[i % 5] : prose[i % 4] + prose[(i + 1) % 4];
        text += cp932::encode(line);
        text += "\r\n";
        ++i;
    }
    text.resize(size_t(targetBytes - 2), 'x');
    text += "\r\n";
    return text;
}

QWidget* self(QWidget* w) { return w; }

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();
    const std::string doc = makeDocument(510000);
    const QString decoded = cp932::decode(doc);

    TRichEdit edit;
    edit.resize(800, 600);
    edit.show();
    QPlainTextEdit bare;
    bare.setFont(edit.font());
    bare.resize(800, 600);
    bare.show();
    bench::settle();

    auto sides = [&](const char* ours, const char* theirs) {
        std::pair<bench::Side, bench::Side> s{bench::Side{ours}, bench::Side{theirs}};
        s.first.window = [&] { return self(&edit); };
        s.first.viewport = [&] { return edit.viewport(); };
        s.first.prepare = [&] { bench::activate(&edit, &edit); };
        s.second.window = [&] { return self(&bare); };
        s.second.viewport = [&] { return bare.viewport(); };
        s.second.prepare = [&] { bench::activate(&bare, &bare); };
        return s;
    };

    {
        auto [ours, theirs] = sides("TRichEdit::SetText", "setPlainText");
        ours.step = [&] { edit.SetText(doc); };
        theirs.step = [&] { bare.setPlainText(decoded); };
        bench::alternate(ours, theirs, 15, 2);
        bench::title("loading 510000 bytes into the control");
        std::printf("  document: %d bytes, %d lines\n", edit.GetTextLen(), edit.LineCount());
        bench::compare("SetText / setPlainText", ours, theirs, 1.5, "load");
    }
    {
        const int lastLine = edit.LineCount() - 2;
        const int lineStart = edit.LineIndex(lastLine);
        edit.SetCaret(lineStart, BreakSide::BeforeCR);
        QTextCursor at(bare.document()->findBlockByNumber(lastLine));
        bare.setTextCursor(at);
        const CharFormat formats[2] = {{0x000080, true, false, false, false}, {0x808040, false, true, false, false}};
        int turn = 0, bareTurn = 0;
        auto [ours, theirs] = sides("SetFormat, 20 bytes", "QTextCursor::setCharFormat");
        ours.step = [&] { edit.SetFormat(lineStart, 20, formats[turn++ % 2]); };
        theirs.step = [&] {
            QTextCharFormat f;
            f.setForeground(QColor(bareTurn % 2 ? 0x408080 : 0x800000));
            f.setFontWeight(bareTurn++ % 2 ? QFont::Normal : QFont::Bold);
            QTextCursor c = at;
            c.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 12);
            c.setCharFormat(f);
        };
        bench::alternate(ours, theirs, 100, 5);
        bench::title("one-line format near the end, with its relayout and repaint");
        bench::compare("SetFormat / setCharFormat", ours, theirs, 0, "format");
    }
    {
        volatile size_t sink = 0;
        auto [ours, theirs] = sides("Text()", "toPlainText()");
        ours.step = [&] { sink = edit.Text().size(); };
        theirs.step = [&] { sink = size_t(bare.toPlainText().size()); };
        bench::alternate(ours, theirs, 30, 3);
        bench::title("the whole text read back");
        bench::compare("Text / toPlainText", ours, theirs, 0);
    }
    {
        edit.SetMaxLength(1 << 30);
        edit.SetCaret(edit.GetTextLen() / 2, BreakSide::BeforeCR);
        QTextCursor c = bare.textCursor();
        c.setPosition(int(decoded.size()) / 2);
        bare.setTextCursor(c);
        std::string copy;
        edit.OnChange = [&] { copy = edit.Text(); };
        int turn = 0, bareTurn = 0;
        auto typeAt = [](QWidget* w, int i) {
            bench::keystroke(w, Qt::Key_unknown, QString(QChar(i % 2 ? u'a' : u'\u3042')));
        };
        auto [ours, theirs] = sides("TRichEdit key, OnChange copies", "bare key");
        ours.step = [&] { typeAt(&edit, turn++); };
        theirs.step = [&] { typeAt(&bare, bareTurn++); };
        bench::alternate(ours, theirs, 200, 5);
        edit.OnChange = nullptr;
        bench::title("keystroke in the middle, kana and ASCII by turns");
        bench::compare("keystroke / bare keystroke", ours, theirs, 2.0, "key");
    }
    {
        const int end = edit.GetTextLen();
        const int qtEnd = edit.toQtPosition(end);
        volatile int sink = 0;
        bench::Side mapping{"1,000 mappings near the end"};
        mapping.step = [&] {
            for (int i = 0; i < 1000; ++i) {
                const int pos = end - 1 - (i % 40);
                sink = sink + edit.toQtPosition(pos) + edit.LineFromChar(pos) + edit.fromQtPosition(qtEnd - i % 40);
            }
        };
        bench::Side blocks{"1,000 findBlock near the end"};
        blocks.step = [&] {
            for (int i = 0; i < 1000; ++i) sink = sink + bare.document()->findBlock(qtEnd - 1 - i % 40).blockNumber();
        };
        bench::alternate(mapping, blocks, 30, 3);
        bench::title("position mapping near the end (to Qt, line, from Qt)");
        bench::compare("mapping / findBlock", mapping, blocks, 0);
    }
    return 0;
}
