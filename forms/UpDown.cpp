#include "forms/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Ask.h"

TUpDown::TUpDown(QLineEdit& associate, QWidget* parent) : QWidget(parent), associate_(associate)
{
    setObjectName("UpDown1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    ask::onClick(up, this, [this] { Step(1); });
    ask::onClick(down, this, [this] { Step(-1); });
}

int TUpDown::Position() const
{
    bool ok = false;
    const int typed = associate_.text().trimmed().toInt(&ok);
    return ok && typed >= Min && typed <= Max ? typed : position_;
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, Min, Max);
    associate_.setText(QString::number(position_));
}

void TUpDown::Step(int delta)
{
    SetPosition(Position() + delta);
    if (OnClick) OnClick();
}
