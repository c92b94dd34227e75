#include "forms/UserDefineForms.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "forms/FormParts.h"

using formparts::named;
using formparts::u;

namespace {
// "定義１" .. "定義９" with full-width digits, then "定義10" .. "定義48".
QString tabCaption(int n)
{
    if (n < 10) return u("定義") + QChar(0xFF10 + n);
    return u("定義") + QString::number(n);
}
}  // namespace

void FormUserDefineUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormUserDefine");
    dialog->setWindowTitle(u("ユーザー定義内容設定"));
    auto* layout = new QVBoxLayout(dialog);

    PageControl1 = named(new QTabWidget(dialog), "PageControl1");
    PageControl1->setUsesScrollButtons(true);
    for (int n = 1; n <= kTabs; ++n) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(n));
        auto* column = new QVBoxLayout(page);
        column->addWidget(new QLabel(u("タイトル："), page));
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit%1").arg(n));
        edit->setMaxLength(48);
        column->addWidget(edit);
        column->addWidget(new QLabel(u("定義内容："), page));
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(QStringLiteral("Memo%1").arg(n));
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setTabChangesFocus(false);
        memo->setMinimumSize(521, 281);
        column->addWidget(memo, 1);
        PageControl1->addTab(page, tabCaption(n));
        Edit[size_t(n - 1)] = edit;
        Memo[size_t(n - 1)] = memo;
    }
    PageControl1->setCurrentIndex(0);
    layout->addWidget(PageControl1, 1);

    auto* row = new QHBoxLayout;
    BitBtn5 = named(new QPushButton(u("&Load"), dialog), "BitBtn5");
    BitBtn4 = named(new QPushButton(u("&Save"), dialog), "BitBtn4");
    row->addWidget(BitBtn5);
    row->addWidget(BitBtn4);
    layout->addLayout(row);
    formparts::addButtons(dialog, row);
    dialog->resize(576, 458);
}
