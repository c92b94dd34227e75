#pragma once
// The settings store's file as a whole: where it is, what happens to one
// that cannot be read, and grouping many writes into one.  Values are read
// and written through the typed facade (core/settings/Settings.h).
#include <QString>

namespace settings {
// Path of the store file in force.
QString storePath();

// The largest store file read, and written: far more than the program's own
// values take, so a larger one was not written by it.
constexpr qint64 kMaxStoreBytes = 8 << 20;

// What start-up found of the store file.  One that cannot be parsed, is
// over the size or cannot be read is renamed aside (".corrupt-<time>"); a
// link is moved aside itself, never what it points to.  A pipe, a device or
// a folder standing in the store's place is left alone and refused: nothing
// is written there, and this session's changes are kept in memory only.
// Either way the program starts with defaults and the caller tells the user.
struct StartCheck {
    enum Outcome { Fine, SetAside, Refused } outcome = Fine;
    QString movedTo;  // SetAside: where the file went
    QString reason;   // why it could not be read, when more than "not parsed"
};
StartCheck checkAtStart();

// While a Batch lives, writes of this process (any thread) are seen at once
// by its own readers but reach the file together when the batch ends, in one
// locked read-modify-write: for code that writes hundreds of values in a row,
// such as the defaults at the first start.  Batches nest.
class Batch {
public:
    Batch();
    // Writes the batch's changes; may throw ERegistryException.
    void commit();
    // Commits unless commit() was called; a failure is only logged here.
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    bool committed_ = false;
};

// While a OneReading lives, readers take the copy of the file parsed when it
// began instead of looking at the file again for every value: for code that
// reads hundreds of values in a row, such as building the window.  Writes of
// this process still reach the file and are seen at once; a change another
// instance makes meanwhile, or another store named, is seen once the reading
// ends.  Readings nest.
class OneReading {
public:
    OneReading();
    ~OneReading();
    OneReading(const OneReading&) = delete;
    OneReading& operator=(const OneReading&) = delete;
};
}  // namespace settings
