#include "core/insertion/FieldText.h"

#include <QByteArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

#include "platform/Cp932.h"

namespace fieldtext {

namespace {

// The property under which a field keeps the bytes it was filled with.
constexpr char kFilledWith[] = "quillmarkFilledWith";

// One character of the bytes a field was filled with: as the field shows it,
// and the bytes it keeps there.
struct Piece {
    QString shown;
    std::string bytes;
};

std::vector<Piece> piecesOf(std::string_view bytes)
{
    std::vector<Piece> pieces;
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t length = size_t(cp932::charLength(bytes, pos));
        const std::string_view one = bytes.substr(pos, length);
        pieces.push_back({cp932::decode(one), cp932::withoutInvalidBytes(one)});
        pos += length;
    }
    return pieces;
}

std::string_view viewOf(const QByteArray& bytes) { return {bytes.constData(), size_t(bytes.size())}; }

QByteArray filledWith(const QObject* field)
{
    return field->property(kFilledWith).toByteArray();
}

void remember(QObject* field, std::string_view bytes)
{
    field->setProperty(kFilledWith, QByteArray(bytes.data(), qsizetype(bytes.size())));
}

}  // namespace

QString shown(std::string_view bytes) { return cp932::decode(bytes); }

std::string bytesOf(const QString& text, std::string_view filled)
{
    const std::vector<Piece> pieces = piecesOf(filled);
    size_t front = 0;
    qsizetype from = 0;
    while (front < pieces.size() && QStringView(text).mid(from).startsWith(pieces[front].shown)) {
        from += pieces[front].shown.size();
        ++front;
    }
    size_t back = pieces.size();
    qsizetype to = text.size();
    while (back > front) {
        const QString& last = pieces[back - 1].shown;
        if (to - from < last.size() || QStringView(text).mid(to - last.size(), last.size()) != last) break;
        to -= last.size();
        --back;
    }
    std::string bytes;
    for (size_t i = 0; i < front; ++i) bytes += pieces[i].bytes;
    bytes += cp932::encodeIncoming(text.mid(from, to - from));
    for (size_t i = back; i < pieces.size(); ++i) bytes += pieces[i].bytes;
    return bytes;
}

std::string bytesOfChoice(const QString& text, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        if (cp932::decode(name) == text) return cp932::withoutInvalidBytes(name);
    return cp932::encodeIncoming(text);
}

void fill(QLineEdit* edit, std::string_view bytes)
{
    remember(edit, bytes);
    edit->setText(shown(bytes));
}

std::string bytesOf(const QLineEdit* edit) { return bytesOf(edit->text(), viewOf(filledWith(edit))); }

void fill(QPlainTextEdit* memo, std::string_view bytes)
{
    remember(memo, bytes);
    QString text = shown(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    memo->setPlainText(text);
}

std::string bytesOf(const QPlainTextEdit* memo)
{
    QString text = memo->toPlainText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return bytesOf(text, viewOf(filledWith(memo)));
}

}  // namespace fieldtext
