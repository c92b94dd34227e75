#pragma once
// The stored values the document-class and package commands read.  Each
// reader survives a missing or wrong-typed value by giving the default.
#include <QString>

#include "insert/ClassBuilder.h"

namespace preamble {

// "JPaper" and "DefOption" in the settings key.
docclass::Settings readClassSettings(unsigned long rootKey, const QString& regKey);
// "Package" in "\UserPackage": the user's own package list as typed.
QString readUserPackages(unsigned long rootKey, const QString& regKey);
void writeUserPackages(unsigned long rootKey, const QString& regKey, const QString& list);

}  // namespace preamble
