#pragma once
// The choices the insertion dialogs and pop-up families remember for the
// life of the session.  Never written to the settings store: every program
// start begins from these values.  Kept as a part of the session
// (s.part<insert::LastUsed>()); the math commands keep theirs in math/.
// Members are grouped by the command that keeps them.
#include <QString>
#include <cstdint>

#include "insert/FiguresBuilder.h"
#include "insert/TablesBuilder.h"

namespace insert {

struct LastUsed {
    // citation style
    int LastCiteKind = 0;
    // explicit space: kind, amount in mm
    int LastExplicitSpaceKind = 0;
    int16_t LastExplicitSpaceAmount = 10;
    // stretchable space: kind, whether it may be ignored
    int LastFillKind = 0;
    int LastFillIgnored = 0;
    // space between paragraphs
    int LastParagraphSpace = 0;
    // text accents
    int LastAccent = 0;
    // figure
    figures::FigureChoices Figure;
    // marginal note size, breaks (dialog and pop-up share it), label and page references
    int LastMarginparSize = 0;
    int LastBreakIndex = 0;
    int LastRefKind = 0;
    int LastPageRefKind = 0;
    // text-to-table conversion
    tables::ConversionChoices TableChange;
    // partial horizontal rule
    int ClineFrom = 1;
    int ClineTo = 2;
    // merged cell
    int MultiColumnCount = 1;
    int MultiColumnLeftRule = 0;
    int MultiColumnRightRule = 0;
    int MultiColumnAlign = 1;
    // special characters
    int LastSpecialChar = 0;
    // table
    tables::TableChoices Table;
    // package group
    int LastPackageGroup = 0;
    // font family, series, shape and size: the choice and its scope
    int LastFontFamily = 0;
    int LastFontFamilyScope = 0;
    int LastFontSeries = 0;
    int LastFontSeriesScope = 0;
    int LastFontShape = 0;
    int LastFontShapeScope = 0;
    int LastFontSize = 4;
    int LastFontSizeScope = 0;
    // parent fields of the nested index entry
    QString LastIndexParent1;
    QString LastIndexReading1;
    QString LastIndexParent2;
    QString LastIndexReading2;
    // \input or \include
    int LastInputKind = 0;
};

}  // namespace insert
