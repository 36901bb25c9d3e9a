#include "ui/Splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(2);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(Picture()));
    picture->setFixedSize(576, 400);
    auto* name = new QLabel("Pelmark", this);
    QFont font("Tahoma");
    font.setPixelSize(29);
    font.setBold(true);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    auto* notice = new QLabel("Shallow footing design: bearing capacity, stability and reinforcement.", this);
    notice->setAlignment(Qt::AlignCenter);
    for (QWidget* w :
         {static_cast<QWidget*>(picture), static_cast<QWidget*>(name), static_cast<QWidget*>(notice)}) {
        layout->addWidget(w);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(kCloseAfterMs, this, &QWidget::close);
}

QImage TfrmSplash::Picture()
{
    QImage image(576, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(6, 69, 138));
    sky.setColorAt(1, QColor(120, 170, 220));
    p.fillRect(image.rect(), sky);
    // Soil, a footing and its pedestal.
    p.fillRect(QRect(0, 250, 576, 150), QColor(150, 120, 80));
    p.setPen(QPen(QColor(110, 85, 55), 1));
    for (int x = -150; x < 576; x += 14)
        p.drawLine(x, 400, x + 150, 250);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(168, 300, 240, 50);
    p.drawRect(258, 170, 60, 130);
    // Load arrow.
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(288, 60, 288, 160);
    p.drawLine(288, 160, 276, 140);
    p.drawLine(288, 160, 300, 140);
    // Pressure under the footing.
    p.setPen(QPen(QColor(255, 230, 120), 2));
    for (int x = 178; x <= 398; x += 20) {
        p.drawLine(x, 385, x, 355);
        p.drawLine(x, 355, x - 5, 364);
        p.drawLine(x, 355, x + 5, 364);
    }
    return image;
}

void TfrmSplash::mousePressEvent(QMouseEvent*)
{
    close();
}
