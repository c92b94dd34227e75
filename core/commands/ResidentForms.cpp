#include "core/commands/ResidentForms.h"

#include "platform/SettingsFile.h"

#include <map>

namespace {
std::map<int, ResidentFormFactory>& factories()
{
    static std::map<int, ResidentFormFactory> table;
    return table;
}
}  // namespace

void registerResidentForm(ResidentForm order, ResidentFormFactory factory)
{
    factories()[static_cast<int>(order)] = std::move(factory);
}

int createResidentForms(Session& session)
{
    settings::OneReading reading;
    int created = 0;
    for (auto& [order, factory] : factories()) {
        if (!factory) continue;
        factory(session);
        ++created;
    }
    return created;
}
