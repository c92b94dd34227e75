#include "insert/PreambleStore.h"

#include "platform/Registry.h"

namespace preamble {

namespace {

int readInteger(TRegistry& reg, const char* name)
{
    try {
        return reg.ValueExists(name) ? reg.ReadInteger(name) : 0;
    } catch (const ERegistryException&) {
        return 0;
    }
}

}  // namespace

docclass::Settings readClassSettings(unsigned long rootKey, const QString& regKey)
{
    docclass::Settings s;
    TRegistry reg;
    reg.RootKey = rootKey;
    if (reg.OpenKey(regKey, true)) {
        s.jPaper = readInteger(reg, "JPaper");
        s.defOption = readInteger(reg, "DefOption");
        reg.CloseKey();
    }
    return s;
}

QString readUserPackages(unsigned long rootKey, const QString& regKey)
{
    TRegistry reg;
    reg.RootKey = rootKey;
    QString list;
    if (reg.OpenKey(regKey + "\\UserPackage", true)) {
        try {
            if (reg.ValueExists("Package")) list = reg.ReadString("Package");
        } catch (const ERegistryException&) {
            list.clear();
        }
        reg.CloseKey();
    }
    return list;
}

void writeUserPackages(unsigned long rootKey, const QString& regKey, const QString& list)
{
    TRegistry reg;
    reg.RootKey = rootKey;
    reg.OpenKey(regKey + "\\UserPackage", true);
    reg.WriteString("Package", list);
    reg.CloseKey();
}

}  // namespace preamble
