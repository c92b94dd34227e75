#include "assist/UserDefineDialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/files/DocumentFile.h"
#include "core/files/FileErrors.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/WholeFile.h"

namespace {

const QString kFilter = QStringLiteral("Quillmark定義ファイル(*.qmd)");
const QString kAllFilter = QStringLiteral("全てのファイル(*.*)");
const QString kCaption = QStringLiteral("ユーザー定義命令");

// The editor fields hold LF; the table keep CR LF as the document does.
std::string fieldToBytes(const QString& text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return cp932::encode(crlf);
}

QString bytesToField(const std::string& bytes)
{
    QString text = cp932::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace

TFormUserDefine::TFormUserDefine(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    HelpContext = 5170;
    WireButtons();
    ask::onClick(ui.BitBtn4, this, [this] { sbUserDefExportClick(); });
    ask::onClick(ui.BitBtn5, this, [this] { sbUserDefImportClick(); });
    for (QPushButton* b : {ui.BitBtn4, ui.BitBtn5}) b->setAutoDefault(false);
}

void TFormUserDefine::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    FormShow();
}

void TFormUserDefine::FormShow()
{
    if (auto* ok = findChild<QPushButton*>("BitBtn1")) ok->setFocus();
}

userdef::Slots TFormUserDefine::SlotsFromFields() const
{
    userdef::Slots table;
    for (size_t i = 0; i < table.size(); ++i) {
        table[i].title = cp932::encode(ui.Edit[i]->text());
        table[i].definition = fieldToBytes(ui.Memo[i]->toPlainText());
    }
    return table;
}

void TFormUserDefine::SetFields(const userdef::Slots& table)
{
    for (size_t i = 0; i < table.size(); ++i) {
        // An imported title is not cut to the field's typing limit.
        const QString title = cp932::decode(table[i].title);
        ui.Edit[i]->setMaxLength(std::max(48, int(title.size())));
        ui.Edit[i]->setText(title);
        ui.Memo[i]->setPlainText(bytesToField(table[i].definition));
    }
}

void TFormUserDefine::sbUserDefExportClick()
{
    const std::string bytes = userdef::writeFile(SlotsFromFields());
    ask::FileRequest request;
    request.save = true;
    request.caption = QStringLiteral("ユーザー定義命令Save");
    request.directory = DefinitionDir;
    request.fileName = QStringLiteral("*.qmd");
    request.filters = {kFilter};
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return;
    const QString path = docfile::changeFileExt(answer.fileName, QStringLiteral(".qmd"));
    if (QFileInfo::exists(path) &&
        ask::messageBox(QStringLiteral("同名のファイルが存在します。\n上書き保存しますか。"),
                        QStringLiteral("ユーザー定義命令Export"), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // A save that fails is reported by the button's boundary, with the
    // file's name and the reason.
    docfile::write(path, bytes, false);
    ask::messageBox(QStringLiteral("保存完了！"), QStringLiteral("ユーザー定義命令Save"), MB_ICONINFORMATION);
}

void TFormUserDefine::sbUserDefImportClick()
{
    ask::FileRequest request;
    request.caption = QStringLiteral("ユーザー定義命令Load");
    request.directory = DefinitionDir;
    request.filters = {kFilter, kAllFilter};
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted || answer.fileName.isEmpty()) return;
    QString path = answer.fileName;
    if (answer.filterIndex == 1) path = docfile::changeFileExt(path, QStringLiteral(".qmd"));
    if (!QFileInfo(path).isFile()) {
        ask::messageBox(path + QStringLiteral("\nこのファイルが存在しませんので、読み込みできませんでした。"), kCaption,
                        MB_ICONERROR);
        return;
    }
    const wholefile::Contents file = wholefile::read(path, qint64(userdef::kMaxFileBytes));
    if (file.status == wholefile::Status::TooLarge) {
        ask::messageBox(path + QStringLiteral("\nこのファイルは大きすぎるため、読み込みできませんでした。"), kCaption,
                        MB_ICONERROR);
        return;
    }
    if (file.status != wholefile::Status::Ok) {
        ask::errorMessage(docfile::fileErrorText(docfile::FileAction::Read, path, file.error));
        return;
    }
    const QByteArray& data = file.bytes;
    userdef::Slots table = SlotsFromFields();
    const userdef::ReadResult result = userdef::readFile(std::string(data.constData(), size_t(data.size())), table);
    switch (result.status) {
        case userdef::ReadStatus::Ok:
            SetFields(table);
            ask::messageBox(QStringLiteral("インポート完了！"), QStringLiteral("ユーザー定義命令Load"),
                            MB_ICONINFORMATION);
            return;
        case userdef::ReadStatus::NotQuillmark:
            ask::messageBox(QStringLiteral("このファイルはQuillmarkのファイルではありません"), kCaption, MB_ICONERROR);
            return;
        case userdef::ReadStatus::NotDefinitionFile:
            ask::messageBox(QStringLiteral("このファイルはユーザー定義命令設定ファイルではありません。"), kCaption,
                            MB_ICONERROR);
            return;
        case userdef::ReadStatus::NewerVersion:
            ask::messageBox(QStringLiteral("このバージョンのユーザー定義命令設定ファイルは読み込めません。"), kCaption,
                            MB_ICONERROR);
            return;
        case userdef::ReadStatus::TooLarge:
            ask::messageBox(path + QStringLiteral("\nこのファイルは大きすぎるため、読み込みできませんでした。"),
                            kCaption, MB_ICONERROR);
            return;
        case userdef::ReadStatus::InvalidBytes:
            ask::errorMessage(
                path + QStringLiteral("\r\nShift-JISとして読めない文字が含まれているため、読み込みできませんでした。"));
            return;
        case userdef::ReadStatus::TooShort:
            ask::errorMessage(path + QStringLiteral("\r\nファイルが途中で切れているため、読み込みできませんでした。"));
            return;
        case userdef::ReadStatus::BadVersion:
            ask::errorMessage(path +
                              QStringLiteral("\r\nバージョンの値が数値ではないため、読み込みできませんでした。"));
            return;
    }
}
