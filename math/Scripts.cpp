#include "math/Scripts.h"

#include <QRegularExpression>

#include "core/settings/Keys.h"
#include "platform/Cp932.h"

namespace scripts {

namespace {

const settings::Text& listKey(Script script) { return script == Script::Up ? key::MathSoejiUp : key::MathSoejiDown; }

}  // namespace

std::string opening(Script script) { return script == Script::Up ? "^{" : "_{"; }

std::string scriptText(Script script, const QString& entry) { return opening(script) + cp932::encode(entry) + "}"; }

wrap::Insertion quickText(Script script, const wrap::EditorState& editor)
{
    return wrap::inlineCommand(editor, opening(script), "}");
}

std::string pairText(const QString* sub, const QString* sup)
{
    std::string text;
    if (sub) text += scriptText(Script::Down, *sub);
    if (sup) text += scriptText(Script::Up, *sup);
    return text;
}

QStringList entries(const QString& text)
{
    if (text.isEmpty()) return {};
    static const QRegularExpression lineBreak("\r\n|\n|\r");
    QStringList lines = text.split(lineBreak);
    // The break after the last line ends that line; it opens none.
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}

QString storedText(const QString& memoText)
{
    static const QRegularExpression lineBreak("\r\n|\n|\r");
    QString text = memoText;
    return text.replace(lineBreak, "\r\n");
}

QString defaultList(Script script) { return script == Script::Up ? "\\infty" : "-\\infty"; }

// The one place that reads the stored lists: a missing or wrong-typed list
// is the default one.
QString readList(const QString& settingsKey, Script script)
{
    const std::optional<QString> text = settings::Store(settingsKey).find(listKey(script));
    return text ? *text : defaultList(script);
}

// The one place that writes them.
void writeList(const QString& settingsKey, Script script, const QString& text)
{
    settings::Store(settingsKey).write(listKey(script), text);
}

}  // namespace scripts
