#pragma once
// Pictures of symbols, drawn from a short description instead of shipped as
// image files: a character (or a few) drawn in a math font, centred on a
// white square.  The pickers' tables name their pictures this way, so a new
// entry needs no new image.
//
// A description is drawn as text, except:
//   "AB^→"  the text before "^" with the mark after it stretched over it;
//   "AB_⏟"  the same with the mark stretched under it;
//   ""      an empty frame, the picture of "nothing".
// Pictures are cached by description and size.
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace glyph {

QPixmap pixmap(const QString& description, int size);
QIcon picture(const QString& description, int size);
// Whether every character of the description is in one of the picture fonts
// (one that is not would come out as a box).
bool drawable(const QString& description);

}  // namespace glyph
