#pragma once
// Telling the user about a settings store that cannot be written.
#include <QString>
#include <functional>

namespace settings {
// A store that can be read but not written (read-only file or folder, full
// disk) keeps this session's changes in memory, seen by every reader, and
// writes them with the first change that succeeds.  The reporter is called
// once per installation, at the first failure, with the reason; it runs with
// the store locked, so it must only hand the message on (for instance queue
// it for the event loop), never read or write settings itself.
void setWriteFailureReporter(std::function<void(const QString& reason)> report);
}  // namespace settings
