#include "core/insertion/Writable.h"

#include <QStringList>

#include "platform/Ask.h"
#include "platform/Cp932.h"

namespace writable {

QString unwritableCharacters(const QString& text)
{
    QStringList named;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        bool lossy = false;
        cp932::encode(one, &lossy);
        const bool control = (c < 0x20 && c != U'\t' && c != U'\r' && c != U'\n') || c == 0x7F;
        if (!lossy && !control) continue;
        const QString name = control ? QString("U+%1").arg(uint(c), 4, 16, QChar('0')).toUpper() : one;
        if (!named.contains(name)) named << name;
    }
    return named.join(QString::fromUtf8("、"));
}

QString refusal(const QString& characters, const QString& remedy)
{
    return QString::fromUtf8(
               "文書に書けない文字（Shift-JIS にない文字や制御文字）が含まれているため、"
               "挿入しませんでした：%1\r\n%2")
        .arg(characters, remedy);
}

QString storeRefusal(const QString& characters)
{
    return QString::fromUtf8(
               "文書に書けない文字（Shift-JIS にない文字や制御文字）が含まれているため、"
               "保存しませんでした：%1\r\n"
               "その文字を直すか消してから、もう一度 OK を押して下さい。")
        .arg(characters);
}

bool writableOrWarn(const QString& text, const QString& caption, const QString& remedy)
{
    const QString unwritable = unwritableCharacters(text);
    if (unwritable.isEmpty()) return true;
    ask::messageBox(refusal(unwritable, remedy), caption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace writable
