#include "app/About.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Picture.h"
#include "platform/Ask.h"
#include "platform/Help.h"

namespace {
// A label that opens the home page when clicked.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        help::openHomePage();
    }
};
}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName("AboutBox");
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setPixmap(quillPicture(QSize(64, 64), false));
    picture->setFixedSize(64, 64);

    auto* product = new QLabel("Quillmark", this);
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel("Version 8.01", this);
    auto* platforms = new QLabel("for Windows Vista / XP / 2000", this);

    auto* homepage = new LinkLabel("Homepage", this);
    homepage->setObjectName("LabelHomepage");
    QFont link = homepage->font();
    link.setUnderline(true);
    homepage->setFont(link);
    QPalette palette = homepage->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    homepage->setPalette(palette);
    homepage->setCursor(Qt::PointingHandCursor);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(platforms);
    texts->addSpacing(8);
    texts->addWidget(homepage);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    ask::onClick(ok, this, [this] { accept(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        help::showContext(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}
