#include "core/undo/UndoQueue.h"

#include <utility>

void UndoQueue::Reset()
{
    current = 0;
    top = 0;
    breakFlag = false;
}

UndoQueue::undoData& UndoQueue::take()
{
    ++current;
    if (current > kCapacity) {
        for (int i = 1; i < kCapacity; ++i) entries[i] = std::move(entries[i + 1]);
        current = kCapacity;
    }
    top = current;
    return entries[current];
}

void UndoQueue::AddInsert(int start, int end, const std::string& text)
{
    if (current != 0 && !breakFlag) {
        undoData& e = entries[current];
        if (e.mode == ModeAdd && e.end == start) {
            e.end = end;
            e.text += text;
            top = current;
            return;
        }
        if (e.mode == ModeReplace && e.pieces.size() == 1 && e.start + e.pieces[0].inserted == start) {
            e.pieces[0].inserted += end - start;
            e.inserted += text;
            top = current;
            return;
        }
    }
    breakFlag = false;
    take() = {ModeAdd, start, end, text, {}, {}};
}

void UndoQueue::AddDelete(int start, int end, const std::string& text)
{
    if (current != 0 && !breakFlag) {
        undoData& e = entries[current];
        if (e.mode == ModeDelete && e.start == start) {
            e.text += text;
            e.end += end - start;
            top = current;
            return;
        }
    }
    breakFlag = false;
    take() = {ModeDelete, start, end, text, {}, {}};
}

void UndoQueue::AddBackDelete(int start, int end, const std::string& text)
{
    if (current != 0 && !breakFlag) {
        undoData& e = entries[current];
        if (e.mode == ModeDelete && e.start == start + int(text.size())) {
            e.text.insert(0, text);
            e.start = start;
            top = current;
            return;
        }
    }
    breakFlag = false;
    take() = {ModeDelete, start, end, text, {}, {}};
}

void UndoQueue::AddReplace(undoData entry)
{
    if (entry.pieces.empty()) return;
    entry.mode = ModeReplace;
    entry.start = entry.pieces.front().start;
    entry.end = entry.pieces.back().start + entry.pieces.back().removed;
    breakFlag = false;
    take() = std::move(entry);
}

int UndoQueue::indexOf(int k) const
{
    const int i = top + 1 - k;
    return i >= 1 && i <= top && i <= kCapacity ? i : 0;
}

int UndoQueue::GetMode(int k) const
{
    const int i = indexOf(k);
    return i ? entries[i].mode : ModeNone;
}

const UndoQueue::undoData* UndoQueue::Entry(int k) const
{
    const int i = indexOf(k);
    return i ? &entries[i] : nullptr;
}

bool UndoQueue::GetAdd(int k, bool undoing, int& start, int& end, std::string& text)
{
    const int i = indexOf(k);
    if (!i) return false;
    current = undoing ? i - 1 : i;
    start = entries[i].start;
    end = entries[i].end;
    text = entries[i].text;
    return true;
}

bool UndoQueue::GetDelete(int k, bool undoing, int& start, std::string& text)
{
    const int i = indexOf(k);
    if (!i) return false;
    current = undoing ? i - 1 : i;
    start = entries[i].start;
    text = entries[i].text;
    return true;
}
