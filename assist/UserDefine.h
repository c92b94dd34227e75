#pragma once
// The 48 user-defined commands: their slots, the ".qmd" definition file that
// carries them between installations, and the small directive language a
// definition may be written in.  Everything here works on CP932 bytes and
// knows nothing of the editor or the settings store.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace userdef {

constexpr int kSlotCount = 48;
// A version 1 file holds the first 24 slots only.
constexpr int kVersion1Slots = 24;
constexpr int kCurrentVersion = 2;
// A definition file larger than this cannot be a file of this program.
constexpr size_t kMaxFileBytes = 8u << 20;

struct Slot {
    std::string title;       // CP932
    std::string definition;  // CP932, lines joined by CR LF
    bool operator==(const Slot&) const = default;
};
using Slots = std::array<Slot, kSlotCount>;

// "01" .. "48".
std::string slotNumber(int n);

// The lines of a text split at CR LF, CR or LF; a break at the very end adds
// no line, and an empty text has none.
std::vector<std::string> splitLines(std::string_view text);
// Lines joined with each one followed by CR LF, as the settings store keeps
// a definition ("" for no lines).
std::string joinLinesTerminated(const std::vector<std::string>& lines);

// ---- the definition file ----

// The whole file: header and the 48 slots, each entry followed by CR LF.
std::string writeFile(const Slots& table);

// The two entries of slot n (1-based) as the file holds them.
void appendDefinition(int n, const std::string& title, std::vector<std::string>& list, const std::string& definition);
// Finds slot n's title and definition in the file's text; false unless all
// four markers are there.
bool extractDefinition(int n, std::string& title, const std::string& text, std::string& definition);

enum class ReadStatus {
    Ok,
    TooLarge,      // past kMaxFileBytes
    InvalidBytes,  // not Shift-JIS throughout
    TooShort,      // fewer than the three header entries
    NotQuillmark,  // entry 1 is not "Quillmark"
    NotDefinitionFile,
    BadVersion,    // entry 3 is not a number
    NewerVersion,  // entry 3 is above kCurrentVersion
};
struct ReadResult {
    ReadStatus status = ReadStatus::TooShort;
    int version = 0;
};
// Reads the file's bytes over the table: on any status but Ok it is untouched;
// on Ok each slot whose four markers are present is replaced and the others
// keep their contents.
ReadResult readFile(const std::string& bytes, Slots& table);

// ---- running a definition ----

// What a run needs of the editor.  insert() replaces the selection the first
// time and inserts at the caret afterwards, leaving the caret after the text.
class RunTarget {
public:
    virtual ~RunTarget() = default;
    virtual void insert(const std::string& bytes) = 0;
    virtual int caret() const = 0;
    virtual void moveCaretBack(int newPosition) = 0;
};

enum class RunStatus {
    Done,
    BadBackCursor,  // braces missing or empty: the rest is dropped
    BadCount,       // a count that is not a number: the rest is dropped
};
struct RunResult {
    RunStatus status = RunStatus::Done;
    std::string badCount;  // the text between the braces, for BadCount
};

// Whether a line holds the directive, never matching from the second byte of
// a double-byte character.
bool containsDirective(std::string_view line, std::string_view directive);

// Runs a definition.  Without any directive its lines go in separated by
// line breaks; with one, plain lines go in as they are and directive lines
// act.  The selection state is the one the command started with.
RunResult run(const std::string& definition, bool hasSelection, const std::string& selectedText, RunTarget& target);

// How many bytes a run would insert, for the length limit.
size_t insertedBytes(const std::string& definition, bool hasSelection, const std::string& selectedText);

}  // namespace userdef
