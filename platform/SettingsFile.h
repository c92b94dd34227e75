#pragma once
// The settings store's file as a whole: where it is, what happens to one
// that cannot be read, and grouping many writes into one.  Values are read
// and written through the typed facade (core/settings/Settings.h).
#include <QString>

namespace settings {
// Path of the store file in force.
QString storePath();
// Called once at start-up: when the file exists but cannot be parsed, it is
// renamed aside (".corrupt-<time>") and true is returned, so the caller can
// tell the user; the program then starts with defaults.
bool quarantineIfCorrupt(QString* movedTo = nullptr);

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
