#include "preview/disegno.h"

#include "model/catalogo.h"
#include "workspace/uty.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace {

constexpr int iAllineamentoEtichetta = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

QPoint fCentroIcona(const QPoint &angolo, int iSize)
{
    return angolo + QPoint(iSize / 2, iSize / 2);
}

QPoint fAngoloIcona(const QPoint &centro, int iSize)
{
    return centro - QPoint(iSize / 2, iSize / 2);
}

QLine fLineaBarriera(const QPoint &angoloIcona, int iIconSize, const QPoint &angoloSecondoCapo)
{
    return QLine(fCentroIcona(angoloIcona, iIconSize), fCentroIcona(angoloSecondoCapo, iGlobB2Size));
}

void pDisegnaLineeBarriera(QPainter &p, const QList<QLine> &aLinee)
{
    if (aLinee.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5); // whole coordinates name pixels, not the corners between them
    QPen pen(QColor(91, 110, 216, 255));
    pen.setWidthF(1.0);
    p.setPen(pen);
    for (const QLine &line : aLinee)
        p.drawLine(line);
    p.restore();
}

void pDisegnaIcona(QPainter &p, const QRect &rc, const QImage &img)
{
    p.save();
    p.setClipRect(rc, Qt::IntersectClip);
    p.drawImage(rc.topLeft(), img);
    p.restore();
}

QColor fColoreEtichetta(int iColor)
{
    return QColor::fromRgb(fIntToColor(iColor));
}

QSize fDimensioneEtichetta(const QString &sTesto, const QFont &font)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), iAllineamentoEtichetta, sTesto).size();
}

void pDisegnaEtichetta(QPainter &p, const QRect &rc, const QString &sTesto, const QFont &font, const QColor &colore)
{
    p.save();
    p.setFont(font);
    p.setPen(colore);
    p.drawText(rc, iAllineamentoEtichetta, sTesto);
    p.restore();
}
