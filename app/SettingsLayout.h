#pragma once
// The layout of the settings tree: the values that are written with their
// default when missing at start-up, in the order they are written, and the
// readers that survive a value of the wrong type.
#include <QString>
#include <span>

class TRegistry;

enum class SettingKind { Integer, Bool, String };

struct SettingDefault {
    const char* name;
    SettingKind kind;
    int number;        // integers and booleans
    const char* text;  // strings (UTF-8)
};

namespace layout {
// Values directly in the settings key, ZuSmall to AutoColor.
std::span<const SettingDefault> rootDefaults();
// "\TeXSetting".
std::span<const SettingDefault> texSettingDefaults();
// "\MathSoeji" and "\UserPackage".
std::span<const SettingDefault> mathSoejiDefaults();
std::span<const SettingDefault> userPackageDefaults();
// The window geometry written at the first start.
std::span<const SettingDefault> windowDefaults();

constexpr int UserDefineCount = 48;
constexpr int RecentCount = 5;
constexpr int ParentCount = 128;

// Writes each value of the table that is missing in the open key.
void writeMissing(TRegistry& reg, std::span<const SettingDefault> table);
// "Title<n>" missing: writes it as "Not Defined" and "Define<n>" as "".
// A title that exists keeps its definition untouched, even a missing one.
void writeMissingUserDefines(TRegistry& reg);

// Read a value; when it is missing, of the wrong type or unreadable, the
// default is written in its place and returned, so one bad value never
// stops the start.
int readInteger(TRegistry& reg, const QString& name, int def);
bool readBool(TRegistry& reg, const QString& name, bool def);
QString readString(TRegistry& reg, const QString& name, const QString& def);
}  // namespace layout
