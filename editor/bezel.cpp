#include "editor/bezel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap fBezelPicture()
{
    QPixmap pix(584, 378);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    // the light frame with its curved corners and a soft edge
    const QRectF rcFrame(1.5, 1.5, 581, 375);
    QLinearGradient grad(0, 0, 0, 378);
    grad.setColorAt(0.0, QColor(0xf4, 0xf5, 0xf7));
    grad.setColorAt(1.0, QColor(0xd9, 0xdc, 0xe1));
    p.setPen(QPen(QColor(0xa8, 0xad, 0xb5), 2.0));
    p.setBrush(grad);
    p.drawRoundedRect(rcFrame, 28, 28);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rcFrame.adjusted(5, 5, -5, -5), 23, 23);

    // a recessed rim around the screen
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa0, 0xa8));
    p.drawRect(iBezelOpeningX - 4, iBezelOpeningY - 4, 480 + 8, 272 + 8);
    p.setBrush(QColor(0x3a, 0x3e, 0x44));
    p.drawRect(iBezelOpeningX - 2, iBezelOpeningY - 2, 480 + 4, 272 + 4);

    // the screen opening itself
    p.setBrush(QColor(0x10, 0x12, 0x16));
    p.drawRect(iBezelOpeningX, iBezelOpeningY, 480, 272);

    // maker's strip and the status light below the screen
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xb8, 0xbd, 0xc4));
    p.drawRoundedRect(QRectF(242, 348, 100, 6), 3, 3);
    p.setBrush(QColor(0x3c, 0xb0, 0x4a));
    p.drawEllipse(QPointF(52 + 480 - 6, 352), 3.5, 3.5);
    return pix;
}

QPixmap fBuiltinButtonPicture(const QString &sFile)
{
    if (sFile == QLatin1String("new.bmp"))
        return QPixmap();
    // a plain tile with the command's initial: enough to tell the buttons apart
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x19, 0x19, 0x70), 1.5));
    p.setBrush(QColor(0xe6, 0xea, 0xf5));
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 5, 5);
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, sFile.left(1).toUpper());
    return pix;
}
