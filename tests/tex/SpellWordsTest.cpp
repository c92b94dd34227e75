#include <QComboBox>
#include <QLineEdit>

#include "tests/app/AppFixture.h"
#include "tex/SpellDialog.h"
#include "tex/SpellWords.h"

namespace {

std::vector<std::string> wordsOf(const std::string& text)
{
    std::vector<std::string> words;
    for (spell::WordSpan s = spell::nextWord(text, 0); s.length; s = spell::nextWord(text, s.start + s.length))
        words.push_back(text.substr(size_t(s.start), size_t(s.length)));
    return words;
}

}  // namespace

TEST(SpellWords, ScannerStepsOverDoubleByteCharactersAndDigits)
{
    // "表" is 95 5C: its trail byte is a backslash that must not start a word.
    EXPECT_EQ(wordsOf("\\section*{Cat's 2nd} \x95\x5C"
                      "abc e-mail @x 'tis"),
              (std::vector<std::string>{"\\section*", "Cat's", "nd", "abc", "e", "mail", "@x", "'tis"}));
    EXPECT_EQ(spell::nextWord("123 ", 0).length, 0);
}

TEST(SpellWords, LookupForms)
{
    struct Case {
        const char* word;
        const char* form;
    } cases[] = {
        {"\\section", ""}, {"make@title", ""}, {"it''s", ""},      {"Cat's", "Cat"},
        {"dogs'", "dogs"}, {"'tis", "'tis"},   {"plain", "plain"}, {"s'", "s"},
    };
    for (const Case& c : cases) EXPECT_EQ(spell::lookupForm(c.word), c.form) << c.word;
}

TEST(SpellWords, ListIgnoresCaseAndOffersOneByteNeighbours)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("w.QWD");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("cat\r\nCot\r\ndog\r\ncats\r\na\r\n");
    f.close();
    spell::WordList list;
    ASSERT_TRUE(list.load(path));
    EXPECT_EQ(list.size(), 5);
    EXPECT_TRUE(list.contains("CAT"));
    EXPECT_FALSE(list.contains("ca"));
    EXPECT_EQ(list.candidates("cxt"), (std::vector<std::string>{"cat"}));
    EXPECT_EQ(list.candidates("Cat"), (std::vector<std::string>{"cat", "Cot"}));
    EXPECT_TRUE(list.candidates("b").empty());
    EXPECT_FALSE(list.load(dir.filePath("missing.QWD")));
}

class BuiltInCheckTest : public apptest::AppTest {};

TEST_F(BuiltInCheckTest, ReplaceIgnoreAndCancel)
{
    TForm1& f = start();
    f.RichEdit->SetText("teh dox \\emph{teh} zzz cat\r\n");
    spell::WordList list;
    list.setWords({"the", "dog", "cat", "emph"});
    std::vector<QString> shown;
    script().onDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFormSpellCheck2&>(d);
        shown.push_back(dialog.ui.Edit1->text());
        dialog.ui.ComboBox1->setEditText("the");
        return int(TFormSpellCheck2::Replace);
    });
    script().onDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFormSpellCheck2&>(d);
        shown.push_back(dialog.ui.Edit1->text());
        EXPECT_EQ(f.RichEdit->SelText(), "dox");
        EXPECT_EQ(dialog.ui.ComboBox1->currentText(), "dog");  // the one candidate
        return int(TFormSpellCheck2::Ignore);
    });
    script().onDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFormSpellCheck2&>(d);
        shown.push_back(dialog.ui.Edit1->text());
        EXPECT_EQ(dialog.ui.ComboBox1->currentText(), "teh");  // no candidate: the word itself
        return int(mrCancel);
    });
    runBuiltInCheck(f, list);
    EXPECT_EQ(shown, (std::vector<QString>{"teh", "dox", "teh"}));
    EXPECT_EQ(f.RichEdit->Text(), "the dox \\emph{teh} zzz cat\r\n");

    // A replacement the document cannot take is refused, naming it, and the
    // check goes on with the next word.
    f.RichEdit->SetText("teh dox\r\n");
    script().onDialog([&](QDialog& d) {
        dynamic_cast<TFormSpellCheck2&>(d).ui.ComboBox1->setEditText(QString::fromUtf8("th\u00e9"));
        return int(TFormSpellCheck2::Replace);
    });
    script().expectMessage({std::nullopt, std::nullopt, MB_OK | MB_ICONEXCLAMATION, IDOK});
    script().onDialog([&](QDialog& d) {
        EXPECT_EQ(dynamic_cast<TFormSpellCheck2&>(d).ui.Edit1->text(), "dox");
        return int(mrCancel);
    });
    runBuiltInCheck(f, list);
    EXPECT_EQ(f.RichEdit->Text(), "teh dox\r\n");
    ASSERT_FALSE(script().messages().empty());
    EXPECT_TRUE(script().messages().back().text.contains(QString::fromUtf8("：\u00e9")));
}
