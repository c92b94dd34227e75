// Replace All of 10,000 hits in a 512000-byte document through the replace
// dialog's command, and whether Undo then takes back the last replacement.
#include "app/Form1.h"
#include "bench/BenchSupport.h"
#include "core/search/SearchForms.h"
#include "core/undo/MultiUndo.h"
#include "forms/SearchToolForms.h"
#include "platform/Ask.h"

#include <QCheckBox>
#include <QLineEdit>

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    ask::setMessageAnswerer([](const ask::MessageRequest&) { return IDOK; });

    // 10,000 lines of 51 bytes, each with one hit.
    std::string line = "\x95\x5c\x8e\xa6 find hit here and then some words";
    line.append(49 - line.size(), '.');
    line += "\r\n";
    std::string text;
    for (int i = 0; i < 10000; ++i) text += line;

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    form.RichEdit->SetText(text);
    form.RichEdit->SetSelStart(0);
    if (form.UndoManager) form.UndoManager->Reset();
    form.MenuSearchReplaceClick();
    FormReplace->ui.EditFind->setText("hit");
    FormReplace->ui.EditReplace->setText("HT");
    FormReplace->hide();

    const double ms = bench::millisecondsOf([&] { form.ReplaceText(true); });
    std::string expected = text;
    for (size_t at = expected.find("hit"); at != std::string::npos; at = expected.find("hit", at))
        expected.replace(at, 3, "HT");
    std::printf("replace all: %zu bytes, text %s\n", text.size(),
                form.RichEdit->Text() == expected ? "right" : "WRONG");
    bench::report("Replace All of 10,000 hits in 512000 bytes", ms, "ms", "< 100", ms < 100);

    // Each replacement is two steps of the undo history, as through the
    // insertion primitive: the hit taken out, the replacement put in.
    std::string halfBack = expected;
    halfBack.erase(halfBack.rfind("HT"), 2);
    std::string oneBack = expected;
    oneBack.replace(oneBack.rfind("HT"), 2, "hit");
    form.MenuEditUndoClick();
    const bool first = form.RichEdit->Text() == halfBack;
    form.MenuEditUndoClick();
    const bool right = first && form.RichEdit->Text() == oneBack;
    std::printf("replace all: two Undo steps take back the last replacement: %s\n", right ? "yes" : "NO");
    return right ? 0 : 1;
}
