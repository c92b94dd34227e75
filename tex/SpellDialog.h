#pragma once
// The built-in checker's dialog: one unknown word, the candidates, and
// replace, ignore or cancel.
#include <QDialog>
#include <string>
#include <vector>

#include "forms/TeXExtraForms.h"

class Session;

namespace spell {
class WordList;
}

class TFormSpellCheck2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpellCheck2(QWidget* owner = nullptr);
    FormSpellCheck2Ui ui;
    // The results: replace with ReplacementText(), ignore, or end the check.
    enum { Replace = 100, Ignore = 101 };

    void SetWord(const std::string& word);
    void SetCandidates(const std::vector<std::string>& candidates);
    std::string ReplacementText() const;
    // Whether the document can take the replacement; otherwise says so,
    // naming the characters it cannot.
    bool ReplacementWritable();
};

// Checks the editor's whole text against the list: each unknown word is
// selected and offered in the dialog.
void runBuiltInCheck(Session& form, const spell::WordList& list);
