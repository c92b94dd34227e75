#pragma once
// The bounded edit history behind MultiUndo: up to 256 insertions and
// deletions, oldest first, with the merging that turns a run of typed
// characters, Backspaces or Deletes into one entry.
#include <array>
#include <functional>
#include <string>

class UndoQueue {
public:
    static constexpr int kCapacity = 256;
    enum : int { ModeAdd = 0, ModeDelete = 1, ModeNone = -1 };

    struct undoData {
        int mode = ModeAdd;
        int start = 0;
        int end = 0;  // for a deletion: in the text before the deletion
        std::string text;
    };

    void Reset();
    void BreakGroup() { breakFlag = true; }
    void AddInsert(int start, int end, const std::string& text);
    void AddDelete(int start, int end, const std::string& text);
    void AddBackDelete(int start, int end, const std::string& text);
    // Adds `count` entries that merge with nothing, as that many additions
    // each after BreakGroup would; entryAt(i) gives the i-th, oldest first.
    // Only the ones the history keeps are asked for.
    void AddRun(int count, const std::function<undoData(int)>& entryAt);

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
