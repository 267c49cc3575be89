#include "editor/bezel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QSize fBezelSize(const QSize &apertura)
{
    return apertura + QSize(iBezelOpeningX + iBezelDestra, iBezelOpeningY + iBezelSotto);
}

void pDisegnaCornice(QPainter &p, const QSize &apertura)
{
    const QSize size = fBezelSize(apertura);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int iW = size.width();
    const int iH = size.height();

    // the light frame with its curved corners and a soft edge
    const QRectF rcFrame(1.5, 1.5, iW - 3, iH - 3);
    QLinearGradient grad(0, 0, 0, iH);
    grad.setColorAt(0.0, QColor(0xf4, 0xf5, 0xf7));
    grad.setColorAt(1.0, QColor(0xd9, 0xdc, 0xe1));
    p.setPen(QPen(QColor(0xa8, 0xad, 0xb5), 2.0));
    p.setBrush(grad);
    p.drawRoundedRect(rcFrame, 28, 28);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rcFrame.adjusted(5, 5, -5, -5), 23, 23);

    // a recessed rim around the screen
    const QRect rcApertura(QPoint(iBezelOpeningX, iBezelOpeningY), apertura);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa0, 0xa8));
    p.drawRect(rcApertura.adjusted(-4, -4, 4, 4));
    p.setBrush(QColor(0x3a, 0x3e, 0x44));
    p.drawRect(rcApertura.adjusted(-2, -2, 2, 2));

    // the screen opening itself
    p.setBrush(QColor(0x10, 0x12, 0x16));
    p.drawRect(rcApertura);

    // maker's strip and the status light below the screen
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xb8, 0xbd, 0xc4));
    p.drawRoundedRect(QRectF((iW - 100) / 2, iH - 30, 100, 6), 3, 3);
    p.setBrush(QColor(0x3c, 0xb0, 0x4a));
    p.drawEllipse(QPointF(iW - iBezelDestra - 6, iH - 26), 3.5, 3.5);
    p.restore();
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
