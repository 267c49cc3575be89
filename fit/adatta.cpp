#include "fit/adatta.h"

#include "fit/sorgente.h"
#include "workspace/filenormali.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

/** From the picture's natural coordinates to those of the picture turned by iGradi clockwise. */
QTransform fRotazione(int iGradi, const QSizeF &dim)
{
    switch (iGradi) {
    case 90:
        return QTransform(0, 1, -1, 0, dim.height(), 0);
    case 180:
        return QTransform(-1, 0, 0, -1, dim.width(), dim.height());
    case 270:
        return QTransform(0, -1, 1, 0, 0, dim.width());
    default:
        return QTransform();
    }
}

} // namespace

TImpaginazione fImpagina(const QSizeF &dimensione, const TOpzioniAdatta &opz)
{
    TImpaginazione imp;
    imp.rcPagina = opz.bSottoBanner ? QRect(0, iAltezzaBanner, iLatoPannelloX, iLatoPannelloY - iAltezzaBanner)
                                    : QRect(0, 0, iLatoPannelloX, iLatoPannelloY);
    const bool bDiTraverso = opz.iRotazione == 90 || opz.iRotazione == 270;
    const QSizeF dim = bDiTraverso ? dimensione.transposed() : dimensione;
    const double dSx = imp.rcPagina.width() / dim.width(), dSy = imp.rcPagina.height() / dim.height();
    const double dZoom = std::clamp(opz.dZoom, 0.01, 100.0);
    switch (opz.eModo) {
    case TModoAdatta::Adatta:
        imp.dScala = std::min(dSx, dSy);
        imp.posFinestra = QPointF(0.5, 0.5);
        break;
    case TModoAdatta::Riempi:
        imp.dScala = std::max(dSx, dSy) * dZoom;
        imp.posFinestra = opz.posFinestra.value_or(QPointF(0.5, 0.5));
        break;
    case TModoAdatta::Originale:
        imp.dScala = dZoom;
        imp.posFinestra = opz.posFinestra.value_or(QPointF(0, 0));
        break;
    }
    imp.posFinestra = QPointF(std::clamp(imp.posFinestra.x(), 0.0, 1.0), std::clamp(imp.posFinestra.y(), 0.0, 1.0));
    const QSizeF sizeScalata = dim * imp.dScala;
    imp.rcImmagine = QRectF(imp.rcPagina.x() + imp.posFinestra.x() * (imp.rcPagina.width() - sizeScalata.width()),
                            imp.rcPagina.y() + imp.posFinestra.y() * (imp.rcPagina.height() - sizeScalata.height()),
                            sizeScalata.width(), sizeScalata.height());
    return imp;
}

QImage fAdatta(TSorgente &sorgente, const TOpzioniAdatta &opz)
{
    const TImpaginazione imp = fImpagina(sorgente.fDimensione(), opz);
    QImage pagina(iLatoPannelloX, iLatoPannelloY, QImage::Format_RGB32);
    pagina.fill(opz.colFondo.rgb());

    // the page pixels the picture covers, and the part of the picture they show
    const QRectF rcVista = imp.rcImmagine.intersected(QRectF(imp.rcPagina));
    const QRect rcPixel(QPoint(qRound(rcVista.left()), qRound(rcVista.top())),
                        QPoint(qRound(rcVista.right()) - 1, qRound(rcVista.bottom()) - 1));
    if (rcPixel.isEmpty())
        return pagina;
    const QRectF rcRuotata(QPointF(rcPixel.topLeft()) - imp.rcImmagine.topLeft(), QSizeF(rcPixel.size()));
    const QRectF rcGirata(rcRuotata.topLeft() / imp.dScala, rcRuotata.size() / imp.dScala);
    const QTransform rot = fRotazione(opz.iRotazione, sorgente.fDimensione());
    const QRectF rcNat = rot.inverted().mapRect(rcGirata);
    const bool bDiTraverso = opz.iRotazione == 90 || opz.iRotazione == 270;
    const QSize sizeNat = bDiTraverso ? rcPixel.size().transposed() : rcPixel.size();

    QImage parte = sorgente.fRegione(rcNat, sizeNat, opz.colFondo, opz.bLineeMarcate);
    if (opz.iRotazione != 0)
        parte = parte.transformed(QTransform().rotate(opz.iRotazione));
    QPainter painter(&pagina);
    painter.drawImage(rcPixel.topLeft(), parte);
    return pagina;
}

QByteArray fJpegSfondo(const QImage &pagina)
{
    QByteArray ab;
    QBuffer buf(&ab);
    buf.open(QIODevice::WriteOnly);
    QImageWriter writer(&buf, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(false);
    // three channels even when the page is all grey
    if (!writer.write(pagina.convertToFormat(QImage::Format_RGB888)))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "codifica JPEG non riuscita: ") +
                           writer.errorString());
    return ab;
}

void pAdattaFile(const QString &sSorgente, const QString &sDest, const TOpzioniAdatta &opz, int iPagina)
{
    TSorgente sorgente(sSorgente, iPagina);
    const QByteArray abJpeg = fJpegSfondo(fAdatta(sorgente, opz));
    pScriviFileNuovo(sDest, abJpeg);
}
