#pragma once
// The program's picture: a quill over the product name, drawn rather than
// loaded so the program needs no image files.
#include <QPixmap>
#include <QSize>

class QPainter;
class QRect;

void paintQuillPicture(QPainter& painter, const QRect& area, bool withTitle);
QPixmap quillPicture(const QSize& size, bool withTitle);
