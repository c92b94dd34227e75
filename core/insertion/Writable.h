#pragma once
// Whether text from a dialog, a list or a stored value can go into the
// document.  The document is Shift-JIS: a character it lacks would reach it
// as "?", so text holding one is refused, and the refusal names it.
#include <QString>

namespace writable {

// The characters of a text that a document cannot take: those Shift-JIS
// lacks, and control characters other than tab and the line breaks.  Each
// is named once, in the order met, joined by "、"; a control character as
// U+XXXX.  Empty when the whole text can go in.
QString unwritableCharacters(const QString& text);

// The refusal to insert text holding such characters, then what the user
// can do about it.
QString refusal(const QString& characters, const QString& remedy);

// The refusal to store such text where it waits to go into the document
// (a list of entries, a definition): the user mends it and presses OK again.
QString storeRefusal(const QString& characters);

// True when the text can go in; otherwise says so in a box with the caption.
bool writableOrWarn(const QString& text, const QString& caption, const QString& remedy);

}  // namespace writable
