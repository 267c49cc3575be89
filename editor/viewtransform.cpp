#include "editor/viewtransform.h"

#include "workspace/pannello.h"

#include <algorithm>
#include <cmath>

namespace {

/** a / b rounded toward minus infinity (b > 0). */
int fDivisioneInGiu(qint64 a, qint64 b)
{
    return int(a >= 0 ? a / b : -((-a + b - 1) / b));
}

} // namespace

TVista::TVista(int iPercento)
{
    if (std::find(aiPassi.begin(), aiPassi.end(), iPercento) != aiPassi.end())
        m_iPercento = iPercento;
}

int TVista::fSchermo(int iPannello) const
{
    return fDivisioneInGiu(qint64(iPannello) * m_iPercento, 100);
}

QPoint TVista::fSchermo(const QPoint &pannello) const
{
    return {fSchermo(pannello.x()), fSchermo(pannello.y())};
}

QSize TVista::fSchermo(const QSize &pannello) const
{
    return {fSchermo(pannello.width()), fSchermo(pannello.height())};
}

QRect TVista::fSchermo(const QRect &pannello) const
{
    const QPoint inizio = fSchermo(pannello.topLeft());
    const QPoint fine = fSchermo(pannello.topLeft() + QPoint(pannello.width(), pannello.height()));
    return QRect(inizio, QSize(fine.x() - inizio.x(), fine.y() - inizio.y()));
}

QPoint TVista::fPannello(const QPoint &schermo) const
{
    // the last panel pixel p whose first screen pixel, p * zoom rounded down, is not beyond the screen pixel
    return {fDivisioneInGiu((qint64(schermo.x()) + 1) * 100 - 1, m_iPercento),
            fDivisioneInGiu((qint64(schermo.y()) + 1) * 100 - 1, m_iPercento)};
}

QPointF TVista::fPannelloF(const QPointF &schermo) const
{
    return schermo / fScala();
}

int TVista::fPassoSuccessivo(int iPercento)
{
    for (int iPasso : aiPassi)
        if (iPasso > iPercento)
            return iPasso;
    return aiPassi.back();
}

int TVista::fPassoPrecedente(int iPercento)
{
    for (auto it = aiPassi.rbegin(); it != aiPassi.rend(); ++it)
        if (*it < iPercento)
            return *it;
    return aiPassi.front();
}

int TVista::fPassoCheEntra(const QSize &spazio, const QSize &margini)
{
    int iScelto = aiPassi.front();
    for (int iPasso : aiPassi) {
        const TVista vista(iPasso);
        const QSize pagina = vista.fSchermo(QSize(iLarghezzaPannello, iAltezzaPannello)) + margini;
        if (pagina.width() <= spazio.width() && pagina.height() <= spazio.height())
            iScelto = iPasso;
    }
    return iScelto;
}
