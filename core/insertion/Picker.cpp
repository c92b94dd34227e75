#include "core/insertion/Picker.h"

#include "platform/Cp932.h"

namespace picker {

int validIndex(const Family& family, int index) { return index >= 0 && index < family.count() ? index : 0; }

std::string entryCommand(const Family& family, int index)
{
    if (index < 0 || index >= family.count()) return {};
    const Row& row = family.rows[size_t(index)];
    return cp932::encode(QString::fromUtf8(row.text ? row.text : row.caption));
}

const char* popupCaption(const Row& row) { return row.menuCaption ? row.menuCaption : row.caption; }

wrap::Insertion finish(const Family& family, const std::string& command, const wrap::EditorState& editor)
{
    if (command.empty()) return {};
    switch (family.finish) {
        case Finish::AsIs: return {command};
        case Finish::Blank: return {command + " "};
        case Finish::Accent: return wrap::inlineCommand(editor, command + "{", "}");
    }
    return {};
}

wrap::Insertion entryInsertion(const Family& family, int index, const wrap::EditorState& editor)
{
    return finish(family, entryCommand(family, index), editor);
}

}  // namespace picker
