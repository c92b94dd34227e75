#pragma once
// The choices the insertion dialogs and pop-up families remember for the
// life of the main window.  Never written to the settings store: every
// program start begins from these values.  Members are grouped by the
// command that keeps them, in the order the constructor sets them.
#include <QString>
#include <cstdint>

#include "insert/FiguresBuilder.h"
#include "insert/TablesBuilder.h"

struct LastUsed {
    // citation style, math space, math font
    int LastCiteKind = 0;
    int LastMathSpace = 0;
    int LastMathFont = 0;
    // explicit space: kind, amount in mm
    int LastExplicitSpaceKind = 0;
    int16_t LastExplicitSpaceAmount = 10;
    // stretchable space: kind, whether it may be ignored
    int LastFillKind = 0;
    int LastFillIgnored = 0;
    // space between paragraphs
    int LastParagraphSpace = 0;
    // small and capital Greek letters, text accents
    int LastSmallGreek = 0;
    int LastLargeGreek = 0;
    int LastAccent = 0;
    // line of the go-to-line dialog
    // figure
    figures::FigureChoices Figure;
    // marginal note size, breaks (dialog and pop-up share it), label and page references
    int LastMarginparSize = 0;
    int LastBreakIndex = 0;
    int LastRefKind = 0;
    int LastPageRefKind = 0;
    // text-to-table conversion
    tables::ConversionChoices TableChange;
    // text-to-matrix conversion
    int ArrayConvBracket = 0;
    int ArrayConvAlign = 1;
    int ArrayConvSeparator = 0;
    bool ArrayConvVRules = false;
    bool ArrayConvHRules = false;
    // partial horizontal rule
    int ClineFrom = 1;
    int ClineTo = 2;
    // merged cell
    int MultiColumnCount = 1;
    int MultiColumnLeftRule = 0;
    int MultiColumnRightRule = 0;
    int MultiColumnAlign = 1;
    // root: degree, whether the square root was chosen
    int16_t LastRootDegree = 3;
    bool LastRootSquare = true;
    // matrix
    int ArrayBracket = 0;
    int ArrayAlign = 1;
    int16_t ArrayRows = 2;
    int16_t ArrayColumns = 2;
    bool ArrayVRules = false;
    bool ArrayHRules = false;
    // special characters
    int LastSpecialChar = 0;
    // table
    tables::TableChoices Table;
    // package group and the math picker families
    int LastPackageGroup = 0;
    int LastMathInt = 0;
    int LastMathKigou = 0;
    int LastMathEnzansi = 0;
    int LastMathKankeisi = 0;
    int LastMathArrow = 0;
    int LastMathOmission = 0;
    int LastMathFunction = 0;
    int LastMathSmallAccent = 0;
    int LastMathBigAccent = 0;
    // font family, series, shape and size: the choice and its scope
    int LastFontFamily = 0;
    int LastFontFamilyScope = 0;
    int LastFontSeries = 0;
    int LastFontSeriesScope = 0;
    int LastFontShape = 0;
    int LastFontShapeScope = 0;
    int LastFontSize = 4;
    int LastFontSizeScope = 0;
    // subscript and superscript lists
    int LastUpDownSub = 0;
    int LastUpDownSup = 0;
    // parent fields of the nested index entry
    QString LastIndexParent1;
    QString LastIndexReading1;
    QString LastIndexParent2;
    QString LastIndexReading2;
    // \input or \include
    int LastInputKind = 0;
};
