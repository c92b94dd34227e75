#include "tex/SpellDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/insertion/Writable.h"
#include "core/session/Session.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "tex/SpellWords.h"

TFormSpellCheck2::TFormSpellCheck2(QWidget* owner) : QDialog(owner)
{
    ui.setupUi(this);
    ask::onClick(ui.ReplaceButton, this, [this] {
        if (ReplacementWritable()) done(Replace);
    });
    ask::onClick(ui.IgnoreButton, this, [this] { done(Ignore); });
    ask::onClick(ui.CancelButton, this, [this] { reject(); });
}

void TFormSpellCheck2::SetWord(const std::string& word)
{
    ui.Edit1->setText(cp932::decode(word));
    ui.ComboBox1->clear();
    ui.ComboBox1->setEditText(cp932::decode(word));
}

void TFormSpellCheck2::SetCandidates(const std::vector<std::string>& candidates)
{
    const QString text = ui.ComboBox1->currentText();
    for (const std::string& c : candidates) ui.ComboBox1->addItem(cp932::decode(c));
    ui.ComboBox1->setEditText(candidates.empty() ? text : ui.ComboBox1->itemText(0));
}

std::string TFormSpellCheck2::ReplacementText() const { return cp932::encode(ui.ComboBox1->currentText()); }

bool TFormSpellCheck2::ReplacementWritable()
{
    return writable::writableOrWarn(ui.ComboBox1->currentText(), windowTitle(),
                                    QString::fromUtf8("その文字を直すか消して下さい。"));
}

void runBuiltInCheck(Session& form, const spell::WordList& list)
{
    QWidget progress(form.mainWindow, Qt::Tool);
    FSpellCheckProgressUi bar;
    bar.setupUi(&progress);
    progress.show();

    std::string text = form.RichEdit->Text();
    int pos = 0;
    for (;;) {
        const spell::WordSpan span = spell::nextWord(text, pos);
        if (span.length == 0) break;
        pos = span.start + span.length;
        const std::string word = text.substr(size_t(span.start), size_t(span.length));
        const std::string looked = spell::lookupForm(word);
        if (looked.empty() || list.contains(looked)) continue;
        bar.Label1->setText(cp932::decode(word));
        bar.ProgressBar1->setValue(text.empty() ? 100 : int(qint64(span.start) * 100 / qint64(text.size())));

        form.RichEdit->Select(span.start, span.length);
        form.RichEdit->ScrollCaret();
        TFormSpellCheck2 dialog(form.mainWindow);
        dialog.SetWord(word);
        dialog.SetCandidates(list.candidates(looked));
        const int result = ask::execModal(dialog);
        // A replacement the document cannot take replaces nothing.
        if (result == TFormSpellCheck2::Replace && dialog.ReplacementWritable()) {
            const std::string replacement = dialog.ReplacementText();
            if (form.RichEdit->SetSelText(replacement)) {
                text = form.RichEdit->Text();
                pos = span.start + int(replacement.size());
            }
        } else if (result != TFormSpellCheck2::Ignore && result != TFormSpellCheck2::Replace) {
            break;
        }
    }
}
