#include "insert/PreambleStore.h"

#include "core/settings/Keys.h"

namespace preamble {

docclass::Settings readClassSettings(const settings::Store& store)
{
    docclass::Settings s;
    s.jPaper = store.read(key::JPaper);
    s.defOption = store.read(key::DefOption);
    return s;
}

QString readUserPackages(const settings::Store& store) { return store.read(key::UserPackage); }

void writeUserPackages(const settings::Store& store, const QString& list) { store.write(key::UserPackage, list); }

}  // namespace preamble
