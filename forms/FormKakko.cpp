#include "forms/FormKakko.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/Utf8.h"

void FormKakkoUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormKakko");
    dialog->setWindowTitle(utf8("括弧"));

    Label1 = new QLabel(utf8("括弧の種類："), dialog);
    ListViewKind = new QListWidget(dialog);
    ListViewKind->setObjectName("ListViewKind");
    ListViewKind->setViewMode(QListView::IconMode);
    ListViewKind->setIconSize(QSize(24, 24));
    ListViewKind->setMovement(QListView::Static);
    ListViewKind->setResizeMode(QListView::Adjust);
    ListViewKind->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewKind->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewKind->setGridSize(QSize(72, 48));
    ListViewKind->setMinimumSize(420, 160);

    RadioGroupSize = formparts::radioGroup(
        dialog, "RadioGroupSize", "大きさ",
        {"自動（開き括弧）", "自動（閉じ括弧）", "標準", "大きい", "より大きい", "さらに大きい", "すごく大きい"}, 3);
    RadioGroupSizeKind = formparts::radioGroup(dialog, "RadioGroupSizeKind", "大きさの種類",
                                               {"開き括弧（前に空白を空ける）", "閉じ括弧（後ろに空白を空ける）",
                                                "関係子（前後に空白を空ける）", "数式記号（前後に空白を空けない）"});

    const formparts::ButtonRow buttons = formparts::buttonRow(dialog, formparts::kRoadButtons, formparts::OkIsDefault);
    auto* main = new QVBoxLayout(dialog);
    main->addWidget(Label1);
    main->addWidget(ListViewKind);
    main->addWidget(RadioGroupSize.box);
    main->addWidget(RadioGroupSizeKind.box);
    main->addLayout(buttons.keep(BitBtn1, BitBtn2, BitBtn3));
}
