#include "app/SettingsLayout.h"

#include "platform/Registry.h"

namespace {
using K = SettingKind;

const SettingDefault kRoot[] = {
    {"ZuSmall", K::Integer, 0, nullptr},
    {"DirOnOff", K::Integer, 0, nullptr},
    {"Backup", K::Integer, 0, nullptr},
    {"FontSize", K::Integer, 12, nullptr},
    {"FontName", K::String, 0, "ＭＳ ゴシック"},
    {"FontColor", K::Integer, 0, nullptr},
    {"BackColor", K::Integer, 0xFFFFFF, nullptr},
    {"adAutoDelete", K::Bool, 0, nullptr},
    {"adDVI", K::Bool, 0, nullptr},
    {"adLOG", K::Bool, 1, nullptr},
    {"adAUX", K::Bool, 1, nullptr},
    {"adTOC", K::Bool, 1, nullptr},
    {"adLOF", K::Bool, 1, nullptr},
    {"adLOT", K::Bool, 1, nullptr},
    {"adIDX", K::Bool, 1, nullptr},
    {"adIND", K::Bool, 1, nullptr},
    {"adILG", K::Bool, 1, nullptr},
    {"adBBL", K::Bool, 1, nullptr},
    {"adBLG", K::Bool, 1, nullptr},
    {"WindowState", K::Integer, 0, nullptr},
    {"Tab", K::Integer, 24, nullptr},
    {"TabSpace", K::Integer, 1, nullptr},
    {"TabSpaceNo", K::Integer, 4, nullptr},
    {"CurrentDir", K::String, 0, ""},
    {"ColMaxSize", K::Integer, 256, nullptr},
    {"ColAutoOn", K::Bool, 1, nullptr},
    {"ColAutoOff", K::Bool, 1, nullptr},
    {"JPaper", K::Integer, 0, nullptr},
    {"DefOption", K::Integer, 0, nullptr},
    {"AutoIndent", K::Bool, 1, nullptr},
    {"AutoCommand", K::Bool, 1, nullptr},
    {"AutoColor", K::Bool, 1, nullptr},
};

const SettingDefault kTeXSetting[] = {
    {"TeXFile", K::String, 0, ""},
    {"TeXOption", K::String, 0, ""},
    {"DviFile", K::String, 0, ""},
    {"DviOption", K::String, 0, ""},
    {"DviDde", K::Integer, 0, nullptr},
    {"MendexFile", K::String, 0, ""},
    {"MendexOption", K::String, 0, ""},
    {"BibTeXFile", K::String, 0, ""},
    {"BibTeXOption", K::String, 0, ""},
    {"DvipsFile", K::String, 0, ""},
    {"DvipsOption", K::String, 0, ""},
    {"DvipdfFile", K::String, 0, ""},
    {"DvipdfOption", K::String, 0, ""},
    {"PDFReaderFile", K::String, 0, ""},
    {"PDFReaderOption", K::String, 0, ""},
    {"PSViewerFile", K::String, 0, ""},
    {"PSViewerOption", K::String, 0, ""},
    {"HowTex", K::Integer, 2, nullptr},
};

const SettingDefault kMathSoeji[] = {
    {"Up", K::String, 0, "\\infty"},
    {"Down", K::String, 0, "-\\infty"},
};

const SettingDefault kUserPackage[] = {
    {"Package", K::String, 0, ""},
};

const SettingDefault kWindow[] = {
    {"WindowTop", K::Integer, 0, nullptr},
    {"WindowLeft", K::Integer, 0, nullptr},
    {"WindowWidth", K::Integer, 875, nullptr},
    {"WindowHeight", K::Integer, 600, nullptr},
};

void writeDefault(TRegistry& reg, const SettingDefault& d) {
    const QString name = QString::fromLatin1(d.name);
    switch (d.kind) {
    case K::Integer: reg.WriteInteger(name, d.number); break;
    case K::Bool: reg.WriteBool(name, d.number != 0); break;
    case K::String: reg.WriteString(name, QString::fromUtf8(d.text)); break;
    }
}
}  // namespace

namespace layout {
std::span<const SettingDefault> rootDefaults() { return kRoot; }
std::span<const SettingDefault> texSettingDefaults() { return kTeXSetting; }
std::span<const SettingDefault> mathSoejiDefaults() { return kMathSoeji; }
std::span<const SettingDefault> userPackageDefaults() { return kUserPackage; }
std::span<const SettingDefault> windowDefaults() { return kWindow; }

void writeMissing(TRegistry& reg, std::span<const SettingDefault> table) {
    for (const SettingDefault& d : table)
        if (!reg.ValueExists(QString::fromLatin1(d.name))) writeDefault(reg, d);
}

void writeMissingUserDefines(TRegistry& reg) {
    for (int n = 1; n <= UserDefineCount; ++n) {
        const QString number = QString::number(n);
        if (reg.ValueExists("Title" + number)) continue;
        reg.WriteString("Title" + number, "Not Defined");
        reg.WriteString("Define" + number, "");
    }
}

int readInteger(TRegistry& reg, const QString& name, int def) {
    try {
        if (reg.ValueExists(name)) return reg.ReadInteger(name);
    } catch (const ERegistryException&) {
    }
    reg.WriteInteger(name, def);
    return def;
}

bool readBool(TRegistry& reg, const QString& name, bool def) {
    try {
        if (reg.ValueExists(name)) return reg.ReadBool(name);
    } catch (const ERegistryException&) {
    }
    reg.WriteBool(name, def);
    return def;
}

QString readString(TRegistry& reg, const QString& name, const QString& def) {
    try {
        if (reg.ValueExists(name)) return reg.ReadString(name);
    } catch (const ERegistryException&) {
    }
    reg.WriteString(name, def);
    return def;
}
}  // namespace layout
