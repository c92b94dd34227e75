#pragma once
// Brace finding in CP932 text.  A "{" or "}" byte can be the second byte of
// a double-byte character (マ is 83 7D), so every walk steps over both bytes
// of such a character; a brace is only ever a character of its own.
#include <string_view>

namespace braces {

// The first "{" at or after `from` (a character boundary) and before
// `limit`; with stopAtLineEnd a CR or LF ends the search.  -1 when none.
int findOpen(std::string_view text, int from, int limit, bool stopAtLineEnd = false);

// The "}" that closes the "{" at `open`, nested pairs counted, before
// `limit`.  -1 when it does not close within reach.
int findClose(std::string_view text, int open, int limit);

}  // namespace braces
