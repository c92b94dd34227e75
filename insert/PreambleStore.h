#pragma once
// The stored values the document-class and package commands read.
#include <QString>

#include "core/settings/Settings.h"
#include "insert/ClassBuilder.h"

namespace preamble {

// "JPaper" and "DefOption" in the settings key.
docclass::Settings readClassSettings(const settings::Store& store);
// "Package" in "\UserPackage": the user's own package list as typed.
QString readUserPackages(const settings::Store& store);
void writeUserPackages(const settings::Store& store, const QString& list);

}  // namespace preamble
