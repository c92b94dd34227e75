#include "app/Splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/Picture.h"

TForm3::TForm3(QWidget* owner) : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form3");
    setFixedSize(288, 302);
    setCursor(Qt::WaitCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm3::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintQuillPicture(painter, rect(), true);
}
