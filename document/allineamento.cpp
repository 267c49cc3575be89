#include "document/allineamento.h"

#include "document/appunti.h"

#include <algorithm>
#include <cmath>
#include <numeric>

int fMinimoAllineamento(TAllineamento eModo)
{
    return eModo == TAllineamento::DistribuisciOrizzontale || eModo == TAllineamento::DistribuisciVerticale ? 3 : 2;
}

namespace {

/** Equal gaps along one axis, given each item's start and length on it. */
QList<int> fDistribuisci(const QList<int> &aInizio, const QList<int> &aLato)
{
    QList<int> aOrdine(aInizio.size());
    std::iota(aOrdine.begin(), aOrdine.end(), 0);
    std::stable_sort(aOrdine.begin(), aOrdine.end(), [&](int a, int b) { return aInizio.at(a) < aInizio.at(b); });
    const int iPrimo = aInizio.at(aOrdine.first());
    const int iUltimo = aOrdine.last();
    // the last item keeps its place; the space between the first's start and the last's start is shared out
    const int iSpazio = aInizio.at(iUltimo) - iPrimo;
    int iLati = 0;
    for (qsizetype k = 0; k + 1 < aOrdine.size(); ++k)
        iLati += aLato.at(aOrdine.at(k));
    const double dGap = double(iSpazio - iLati) / double(aOrdine.size() - 1);
    QList<int> aNuovo = aInizio;
    int iLatiFinora = 0;
    for (qsizetype k = 0; k < aOrdine.size(); ++k) {
        const int i = aOrdine.at(k);
        aNuovo[i] = iPrimo + iLatiFinora + int(std::lround(dGap * double(k)));
        iLatiFinora += aLato.at(i);
    }
    aNuovo[iUltimo] = aInizio.at(iUltimo);
    return aNuovo;
}

} // namespace

QList<QPoint> fAllinea(const QList<QRect> &aRect, TAllineamento eModo)
{
    QList<QPoint> aPos;
    for (const QRect &rc : aRect)
        aPos << rc.topLeft();
    if (aRect.size() < fMinimoAllineamento(eModo))
        return aPos;
    QRect box;
    for (const QRect &rc : aRect)
        box = box.united(rc);
    // whole-pixel edges: right and bottom are the first pixel past the item
    const int iDestra = box.x() + box.width();
    const int iBasso = box.y() + box.height();
    QList<int> aX, aY, aW, aH;
    for (const QRect &rc : aRect) {
        aX << rc.x();
        aY << rc.y();
        aW << rc.width();
        aH << rc.height();
    }
    if (eModo == TAllineamento::DistribuisciOrizzontale)
        aX = fDistribuisci(aX, aW);
    else if (eModo == TAllineamento::DistribuisciVerticale)
        aY = fDistribuisci(aY, aH);
    for (qsizetype i = 0; i < aRect.size(); ++i) {
        const QRect &rc = aRect.at(i);
        QPoint pos(aX.at(i), aY.at(i));
        switch (eModo) {
        case TAllineamento::Sinistra:
            pos.setX(box.x());
            break;
        case TAllineamento::CentroOrizzontale:
            pos.setX(box.x() + (box.width() - rc.width()) / 2);
            break;
        case TAllineamento::Destra:
            pos.setX(iDestra - rc.width());
            break;
        case TAllineamento::Alto:
            pos.setY(box.y());
            break;
        case TAllineamento::CentroVerticale:
            pos.setY(box.y() + (box.height() - rc.height()) / 2);
            break;
        case TAllineamento::Basso:
            pos.setY(iBasso - rc.height());
            break;
        default:
            break;
        }
        aPos[i] = fDentroCanvas(pos, rc.size());
    }
    return aPos;
}
