#pragma once
// Captions, messages and menu texts are written in the sources as UTF-8
// literals; this is the one conversion of them to Qt's strings.
#include <QString>

// A null pointer gives the empty string, as a table row without a text does.
inline QString utf8(const char* text) { return QString::fromUtf8(text ? text : ""); }
