// Command assist on a document at the 512000-byte limit: from the backslash
// key to the pop-up shown with its list filled and searched, and the search
// of each further typed character with the built-in list and with a list of
// ten thousand commands.  Prints medians and worst cases of one run.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Form1.h"
#include "assist/CommandList.h"
#include "forms/CmdAssistForms.h"

namespace {

std::string documentOf(size_t bytes)
{
    const std::string line = "\\section{\x93\xfa\x96\x7b\x8c\xea} text \x82\xa0\x82\xa2\x82\xa4 and \\ref{x} words\r\n";
    std::string t;
    while (t.size() + line.size() <= bytes) t += line;
    t.append(bytes - t.size(), 'x');
    return t;
}

void press(QWidget* target, int key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

struct Figures {
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double median() const
    {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

double elapsedMs(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// Opens the pop-up with the backslash key and waits for it to be painted.
double openOnce(TForm1& form)
{
    QElapsedTimer t;
    t.start();
    press(form.RichEdit, Qt::Key_Backslash, "\\");
    QApplication::processEvents();
    return elapsedMs(t);
}

// Times each character of the words typed into the open pop-up.
void typeWords(TForm1& form, const QStringList& words, Figures& figures)
{
    for (const QString& word : words) {
        openOnce(form);
        for (QChar c : word) {
            QElapsedTimer t;
            t.start();
            press(FormCmdAssist->MemoCmd, Qt::Key_A + (c.toLower().unicode() - 'a'), QString(c));
            figures.add(elapsedMs(t));
        }
        press(FormCmdAssist->MemoCmd, Qt::Key_Escape, {});
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS"))
        qputenv("QUILLMARK_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    QApplication app(argc, argv);

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    const std::string text = documentOf(512000 - 100);
    form.RichEdit->SetText(text);
    form.RichEdit->SetSelStart(int(text.size()) / 2);
    form.RichEdit->setFocus();
    QApplication::processEvents();

    Figures open;
    for (int i = 0; i < 50; ++i) {
        open.add(openOnce(form));
        if (!FormCmdAssist || !FormCmdAssist->IsOpen() || FormCmdAssist->lbCmd->count() != 1158) {
            std::printf("pop-up did not open filled\n");
            return 1;
        }
        press(FormCmdAssist->MemoCmd, Qt::Key_Escape, {});
    }

    const QStringList words = {"section", "zeta", "usepackage", "xspaceskip", "begin", "qquad", "nopagebreak"};
    Figures builtin;
    typeWords(form, words, builtin);

    QStringList big;
    for (int i = 0; i < 10000; ++i) big << QString("\\user%1command").arg(i, 5, 10, QChar('0'));
    big << cmdassist::builtinCommands();
    std::sort(big.begin(), big.end());
    FormCmdAssist->SetSetting(cmdassist::joinLines(big), 0, 0, 0, 0, true);
    Figures large;
    typeWords(form, words + QStringList({"userzzz", "usera"}), large);

    std::printf("document %zu bytes\n", text.size());
    std::printf("backslash to pop-up shown and filled: median %.3f ms, worst %.3f ms (%zu runs)\n", open.median(),
                open.worst(), open.ms.size());
    std::printf("per typed character, 1158 commands:   median %.3f ms, worst %.3f ms (%zu keys)\n", builtin.median(),
                builtin.worst(), builtin.ms.size());
    std::printf("per typed character, %lld commands:  median %.3f ms, worst %.3f ms (%zu keys)\n",
                static_cast<long long>(big.size()), large.median(), large.worst(), large.ms.size());
    return 0;
}
