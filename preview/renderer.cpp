#include "preview/renderer.h"

#include "export/maplines.h"
#include "model/appfonts.h"
#include "model/catalogo.h"
#include "model/labelfont.h"
#include "preview/disegno.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

QString fCartella(const QString &s)
{
    return s.endsWith(QLatin1Char('/')) ? s : s + QLatin1Char('/');
}

QImage fLeggiImmagine(const QString &sPath)
{
    QImageReader reader(sPath);
    const QImage img = reader.read();
    if (img.isNull())
        throw TOmbrixError(sPath + QStringLiteral(": ") + reader.errorString());
    return img;
}

/** An installation picture, decoded once per run of the program and file. */
QImage fIcona(const QString &sPath)
{
    static QHash<QString, QImage> aIcone;
    auto it = aIcone.find(sPath);
    if (it == aIcone.end())
        it = aIcone.insert(sPath, fLeggiImmagine(sPath));
    return *it;
}

QString fPathIcona(int iTipo, qint64 iIconSize)
{
    return sGlobGrfcPath + fGetTipo(iTipo) + QString::number(iIconSize) + QStringLiteral(".png");
}

QRect fRettangoloIcona(qint64 iX, qint64 iY, qint64 iSize)
{
    const int s = int(iSize);
    return QRect(fAngoloIcona(QPoint(int(iX), int(iY)), s), QSize(s, s));
}

/** A key of the panel: a dark rounded face with a light border and the sign of where it leads. */
void pDisegnaTasto(QPainter &p, const TRecordMappa &r)
{
    const QRect rc = fRettangoloIcona(r.iX, r.iY, r.iIconSize);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 230, 230), 1));
    p.setBrush(QColor(45, 55, 75));
    p.drawRoundedRect(QRectF(rc).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    const QPointF c = QRectF(rc).center();
    const qreal d = rc.width() / 4.0;
    QPolygonF segno;
    if (r.sTipo == QStringLiteral("Tpre"))
        segno << c + QPointF(-d, 0) << c + QPointF(d * 0.7, -d) << c + QPointF(d * 0.7, d);
    else if (r.sTipo == QStringLiteral("Tnex"))
        segno << c + QPointF(d, 0) << c + QPointF(-d * 0.7, -d) << c + QPointF(-d * 0.7, d);
    else if (r.sTipo == QStringLiteral("Tsup"))
        segno << c + QPointF(0, -d) << c + QPointF(d, d * 0.7) << c + QPointF(-d, d * 0.7);
    else // "Tesc": the home
        segno << c + QPointF(0, -d) << c + QPointF(d, -d * 0.1) << c + QPointF(d * 0.6, -d * 0.1)
              << c + QPointF(d * 0.6, d) << c + QPointF(-d * 0.6, d) << c + QPointF(-d * 0.6, -d * 0.1)
              << c + QPointF(-d, -d * 0.1);
    p.drawPolygon(segno);
    p.restore();
}

/** One object as the canvas stacks it: the barrier's second end, the label, then the icon on top. */
void pDisegnaOggetto(QPainter &p, const TRecordMappa &r, QList<QLine> &aLinee)
{
    const int iTipo = fTipoDaCodice(r.sTipo);
    const QRect rcIcona = fRettangoloIcona(r.iX, r.iY, r.iIconSize);
    if (iTipo == 4 && r.iX2 > 0) {
        const QRect rcCapo = fRettangoloIcona(r.iX2, r.iY2, iGlobB2Size);
        pDisegnaIcona(p, rcCapo, fIcona(sGlobGrfcPath + QStringLiteral("b2.png")));
        aLinee.append(fLineaBarriera(rcIcona.topLeft(), rcIcona.width(), rcCapo.topLeft()));
    }
    if (!r.sTesto.isEmpty()) {
        const QFont font = fLabelFont(int(r.iFont));
        const QRect rc(QPoint(int(r.iXt), int(r.iYt)), fDimensioneEtichetta(r.sTesto, font));
        pDisegnaEtichetta(p, rc, r.sTesto, font, fColoreEtichetta(int(r.iColor)));
    }
    pDisegnaIcona(p, rcIcona, fIcona(fPathIcona(iTipo, r.iIconSize)));
}

} // namespace

QImage fDisegnaPagina(const TAreaMappa &a, const QString &sCartellaExport, bool bRichiediBitmap)
{
    pLoadTahoma();
    QImage pagina(iLarghezzaPannello, iAltezzaPannello, QImage::Format_RGB32);
    pagina.fill(Qt::black);
    QPainter p(&pagina);
    const QString sBitmap = fCartella(sCartellaExport) + a.sBitmap;
    if (bRichiediBitmap || QFileInfo::exists(sBitmap))
        p.drawImage(QPoint(0, 0), fLeggiImmagine(sBitmap)); // unscaled from the top-left corner, clipped
    QList<QLine> aLinee;
    for (const QList<TRecordMappa> *pSezione : {&a.aZoom, &a.aIngressi, &a.aUscite})
        for (const TRecordMappa &r : *pSezione)
            pDisegnaOggetto(p, r, aLinee);
    pDisegnaLineeBarriera(p, aLinee);
    for (const TRecordMappa &r : a.aTasti)
        pDisegnaTasto(p, r);
    p.end();
    return pagina;
}

std::optional<qint64> fDestinazione(const TMappa &m, const TAreaMappa &a, const QPoint &pos)
{
    auto verso = [&](qint64 iId) -> std::optional<qint64> {
        if (m.fArea(iId))
            return iId;
        return std::nullopt;
    };
    for (const TRecordMappa &r : a.aTasti)
        if (fRettangoloIcona(r.iX, r.iY, r.iIconSize).contains(pos))
            return verso(r.sTipo == QStringLiteral("Tesc") ? m.fHome() : r.iId);
    // the marker drawn last lies on top
    for (qsizetype i = a.aZoom.size() - 1; i >= 0; --i) {
        const TRecordMappa &r = a.aZoom.at(i);
        if (fRettangoloIcona(r.iX, r.iY, r.iIconSize).contains(pos))
            return verso(r.iId);
    }
    return std::nullopt;
}

QString fNomePng(qint64 iId)
{
    return QStringLiteral("area") + AddLeadingZeroes(iId, 2) + QStringLiteral(".png");
}

QStringList pDisegnaEsportazione(const QString &sCartellaExport, const QString &sCartellaPng)
{
    const TMappa m = fLeggiMappaFile(fCartella(sCartellaExport) + QStringLiteral("maps.txt"));
    if (!QDir().mkpath(sCartellaPng))
        throw TOmbrixError(sCartellaPng + QStringLiteral(": ") +
                           QCoreApplication::translate("Ombrix", "impossibile creare la cartella"));
    QStringList asFile;
    for (const TAreaMappa &a : m.aAree) {
        const QString sPng = fCartella(sCartellaPng) + fNomePng(a.iId);
        const QImage pagina = fDisegnaPagina(a, sCartellaExport);
        if (!pagina.save(sPng, "PNG"))
            throw TOmbrixError(sPng + QStringLiteral(": ") +
                               QCoreApplication::translate("Ombrix", "impossibile scrivere il file"));
        asFile.append(sPng);
    }
    return asFile;
}
