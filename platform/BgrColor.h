#pragma once
// Colours as the settings, the colour files and the formats keep them: one
// number 0x00BBGGRR, red in the low byte.  The top byte is not a colour and
// is ignored.
#include <QColor>

inline QColor bgrColor(unsigned bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

inline unsigned bgrOf(const QColor& c)
{
    return unsigned(c.red()) | (unsigned(c.green()) << 8) | (unsigned(c.blue()) << 16);
}
