#pragma once
// The bounded edit history behind MultiUndo: up to 256 entries, oldest
// first, with the merging that turns a run of typed characters, Backspaces
// or Deletes into one entry.  An entry is an insertion, a deletion, or a
// replacement of one or many stretches that one Undo takes back whole (a
// Replace All, or an edit that also had to change a stray byte beside it).
#include <array>
#include <string>
#include <vector>

class UndoQueue {
public:
    static constexpr int kCapacity = 256;
    enum : int { ModeAdd = 0, ModeDelete = 1, ModeReplace = 2, ModeNone = -1 };

    // One stretch of a replacement: at `start` of the text before it,
    // `removed` bytes became `inserted` ones.
    struct Piece {
        int start = 0;
        int removed = 0;
        int inserted = 0;
    };

    struct undoData {
        int mode = ModeAdd;
        int start = 0;
        int end = 0;  // for a deletion or a replacement: in the text before it
        // An insertion's or deletion's text; a replacement's removed bytes,
        // piece after piece.
        std::string text;
        // A replacement: its pieces, ascending and apart, and their inserted
        // bytes one after another.
        std::vector<Piece> pieces;
        std::string inserted;
    };

    void Reset();
    void BreakGroup() { breakFlag = true; }
    void AddInsert(int start, int end, const std::string& text);
    void AddDelete(int start, int end, const std::string& text);
    void AddBackDelete(int start, int end, const std::string& text);
    // A replacement entry (mode, start and end are set here); it merges with
    // nothing before it, and typing right behind a one-piece replacement
    // merges into it.
    void AddReplace(undoData entry);

    // Step k counts back from the newest recorded entry (k = 1 is the newest).
    // An index outside the recorded entries gives ModeNone / false.
    int GetMode(int k) const;
    bool GetAdd(int k, bool undoing, int& start, int& end, std::string& text);
    bool GetDelete(int k, bool undoing, int& start, std::string& text);
    // Reads an entry without moving the walk.
    const undoData* Entry(int k) const;

    // Drops the redo range: the newest entry in effect becomes the newest one.
    void TruncateRedo() { top = current; }

    int current = 0;  // newest entry in effect; 0 = none
    int top = 0;      // newest recorded entry, the end of the redo range
    bool breakFlag = false;

private:
    int indexOf(int k) const;
    // Starts a new entry, dropping the oldest when the history is full.
    undoData& take();
    std::array<undoData, kCapacity + 1> entries{};  // index 0 unused
};
