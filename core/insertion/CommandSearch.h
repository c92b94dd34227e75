#pragma once
// Finding a command in the document as TeX reads it, for every feature that
// reads a command, rewrites it or puts text beside it: a command inside a
// comment is no command.  A "%" starts a comment unless a backslash takes it
// as its own character ("\%"); after "\\" (a backslash taken by a backslash)
// a "%" starts one again.  The text is walked a character at a time, so a
// 0x5C trail byte of a double-byte character is never a backslash and a
// "%" right after such a character still starts a comment.
#include <string_view>

namespace commandsearch {

// Whether the character at pos (a character boundary) stands in a comment.
bool inComment(std::string_view text, size_t pos);

// The first place at or after from (a character boundary) where needle
// starts outside a comment and not as a character a backslash escapes.  A
// needle that ends in a letter is a command name: a letter right after the
// match makes it a longer command, so "\title" does not find \titlepage.
// ignoreCase folds ASCII letters; with wholeName false a longer command
// that begins with the needle is found too.  -1 when there is none.
int find(std::string_view text, std::string_view needle, int from = 0, bool ignoreCase = false,
         bool wholeName = true);

// Whether find would find the needle anywhere.
inline bool contains(std::string_view text, std::string_view needle, bool ignoreCase = false, bool wholeName = true)
{
    return find(text, needle, 0, ignoreCase, wholeName) >= 0;
}

}  // namespace commandsearch
