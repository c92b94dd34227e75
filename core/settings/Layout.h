#pragma once
// The layout of the settings tree at start-up: the values written with their
// default when missing, in the order they are written.
#include <span>

#include "core/settings/Keys.h"

namespace layout {
using Table = std::span<const settings::Value* const>;

// Values directly in the settings key, ZuSmall to AutoColor.
Table rootDefaults();
// "\TeXSetting".
Table texSettingDefaults();
// "\MathSoeji" and "\UserPackage".
Table mathSoejiDefaults();
Table userPackageDefaults();
// The window geometry written at the first start.
Table windowDefaults();

constexpr int UserDefineCount = 48;
constexpr int RecentCount = 5;
constexpr int ParentCount = 128;

// "Title<n>" missing: writes it as "Not Defined" and "Define<n>" as "".
// A title that exists keeps its definition untouched, even a missing one.
void writeMissingUserDefines(const settings::Store& store);
}  // namespace layout
