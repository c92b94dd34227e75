#include "tex/SpellWords.h"

#include <QByteArrayList>

#include "platform/Cp932.h"
#include "platform/WholeFile.h"

namespace spell {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool startsWord(char c) { return isAsciiLetter(c) || c == '@' || c == '*' || c == '\\' || c == '\''; }
bool continuesWord(char c) { return isAsciiLetter(c) || c == '@' || c == '*' || c == '\''; }

std::string folded(std::string_view word)
{
    std::string s(word);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

}  // namespace

WordSpan nextWord(std::string_view text, int from)
{
    size_t i = size_t(std::max(from, 0));
    while (i < text.size()) {
        const int len = cp932::charLength(text, i);
        if (len == 1 && startsWord(text[i])) {
            size_t end = i + 1;
            while (end < text.size() && continuesWord(text[end])) ++end;
            return {int(i), int(end - i)};
        }
        i += size_t(std::max(len, 1));
    }
    return {int(text.size()), 0};
}

std::string lookupForm(std::string_view word)
{
    if (word.empty() || word[0] == '\\' || word.find('@') != std::string_view::npos ||
        word.find("''") != std::string_view::npos)
        return {};
    if (word.size() >= 2 && word.substr(word.size() - 2) == "'s")
        word.remove_suffix(2);
    else if (word.back() == '\'')
        word.remove_suffix(1);
    return std::string(word);
}

bool WordList::load(const QString& path)
{
    // Far more than the largest dictionaries of English words.
    constexpr qint64 kMaxWordListBytes = 16 << 20;
    const wholefile::Contents file = wholefile::read(path, kMaxWordListBytes);
    if (file.status != wholefile::Status::Ok) return false;
    std::vector<std::string> words;
    for (QByteArray line : file.bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty()) words.push_back(line.toStdString());
    }
    setWords(std::move(words));
    return true;
}

void WordList::setWords(std::vector<std::string> words)
{
    words_ = std::move(words);
    folded_.clear();
    for (const std::string& w : words_) folded_.insert(folded(w));
}

bool WordList::contains(std::string_view word) const { return folded_.count(folded(word)) != 0; }

std::vector<std::string> WordList::candidates(std::string_view word) const
{
    std::vector<std::string> result;
    if (word.size() < 2) return result;
    for (const std::string& w : words_) {
        if (w.size() != word.size()) continue;
        int differing = 0;
        for (size_t i = 0; i < w.size() && differing <= 1; ++i) differing += w[i] != word[i];
        if (differing <= 1) result.push_back(w);
    }
    return result;
}

}  // namespace spell
