#include "platform/RichEditLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace richedit {
namespace {

// Up to this many changed blocks of an unchanged block count are laid out
// one by one, each repainting only itself; a longer run is left to Qt, which
// drops the blocks' lines for a lazy layout and repaints everything.
constexpr int kBlockByBlock = 16;

}  // namespace

void EditorLayout::expect(int first, int last)
{
    if (first < 0 || last < first) return;
    if (first_ < 0) {
        first_ = first;
        last_ = last;
    } else {
        first_ = std::min(first_, first);
        last_ = std::max(last_, last);
    }
}

void EditorLayout::expectEdit(int position, int added)
{
    // A change of the text is always laid out, whatever was asked before.
    quiet_ = false;
    QTextDocument* doc = document();
    const int end = std::max(doc->characterCount() - 1, 0);
    expect(doc->findBlock(std::clamp(position, 0, end)).blockNumber(),
           doc->findBlock(std::clamp(position + std::max(added, 0), 0, end)).blockNumber());
}

void EditorLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument* doc = document();
    const int count = doc->blockCount();
    const QTextBlock first = first_ >= 0 ? doc->findBlockByNumber(first_) : QTextBlock();
    const QTextBlock last = first_ >= 0 ? doc->findBlockByNumber(std::min(last_, count - 1)) : QTextBlock();
    first_ = last_ = -1;
    const bool quiet = quiet_;
    quiet_ = false;
    const bool sameBlocks = count == blocks_;
    blocks_ = count;
    if (quiet && sameBlocks && !first.isValid()) return;

    if (!first.isValid() || !last.isValid() || last.blockNumber() < first.blockNumber()) {
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        return;
    }
    if (!sameBlocks || last.blockNumber() - first.blockNumber() >= kBlockByBlock) {
        // Qt's own road for these blocks only: the range ends in the last
        // changed block instead of running on into the ones after it.
        QPlainTextDocumentLayout::documentChanged(first.position(), 0, last.position() - first.position() + 1);
        return;
    }
    // Each block is laid out once, here: Qt's own road for one block would
    // lay it out twice, since its lines went with its formats.  Whether its
    // height changed shows in the line count Qt keeps apart.
    bool moved = false;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const int lines = block.lineCount();
        block.clearLayout();
        ensureBlockLayout(block);
        moved = moved || block.lineCount() != lines;
        if (block == last) break;
    }
    // A block that now wraps to more or fewer lines moved everything below.
    if (moved) {
        requestUpdate();
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        emit updateBlock(block);
        if (block == last) break;
    }
}

}  // namespace richedit
