#pragma once
// The built-in checker's word list (.QWD: one word a line, system code page)
// and its view of a document's words.
#include <QString>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace spell {

// A run of single-byte characters that starts with an ASCII letter, "@",
// "*", "\" or "'" and goes on with letters, "@", "*" or "'".
struct WordSpan {
    int start = 0;  // byte offset
    int length = 0;
};
// The next word at or after from, or a span of length 0 when there is none.
// Double-byte characters are stepped over whole.
WordSpan nextWord(std::string_view text, int from);

// The form of a word that is looked up: commands and words with "@" or "''"
// are passed over (""), and a final "'s", or else a final "'", is taken off.
std::string lookupForm(std::string_view word);

class WordList {
public:
    // Reads the list whole; false when the file cannot be read.
    bool load(const QString& path);
    void setWords(std::vector<std::string> words);
    // Looked up without regard to ASCII case.
    bool contains(std::string_view word) const;
    // For words of two or more characters: the list's words of the same
    // length that differ in at most one byte position.
    std::vector<std::string> candidates(std::string_view word) const;
    int size() const { return int(words_.size()); }

private:
    std::vector<std::string> words_;
    std::unordered_set<std::string> folded_;
};

}  // namespace spell
