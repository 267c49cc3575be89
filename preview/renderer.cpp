#include "preview/renderer.h"

#include "export/maplines.h"
#include "model/appfonts.h"
#include "model/catalogo.h"
#include "model/labelfont.h"
#include "preview/disegno.h"
#include "workspace/errors.h"
#include "workspace/filenormali.h"
#include "workspace/uty.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>

namespace {

QString fCartella(const QString &s)
{
    return s.endsWith(QLatin1Char('/')) ? s : s + QLatin1Char('/');
}

constexpr qint64 iIconaMassima = 1LL << 20; // an installation icon is a few kilobytes

[[noreturn]] void pFallisci(const QString &sPath, const QString &sMotivo)
{
    throw TOmbrixError(sPath + QStringLiteral(": ") + sMotivo);
}

/** The picture of the bytes ab, read from sPath, as format szFormato (any the plugins know when null). */
QImage fDecodifica(const QString &sPath, QByteArray ab, const char *szFormato = nullptr)
{
    QBuffer buf(&ab);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, szFormato);
    const QImage img = reader.read();
    if (img.isNull())
        pFallisci(sPath, reader.errorString());
    return img;
}

quint32 fLeggi32(const QByteArray &ab, int i)
{
    const auto *p = reinterpret_cast<const uchar *>(ab.constData()) + i;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 fLeggi16(const QByteArray &ab, int i)
{
    const auto *p = reinterpret_cast<const uchar *>(ab.constData()) + i;
    return quint16(p[0] | p[1] << 8);
}

/** An area's bitmap, as the export writes it: a file header, an information header of 40 bytes, bottom-up rows
 *  of 8, 24 or 32 bits without compression. One of another kind, or shorter than its header says, is refused. */
QImage fLeggiBitmap(const QString &sPath)
{
    const QByteArray ab = fLeggiFileNormale(sPath, iBitmapMassima);
    constexpr int iTestate = 14 + 40;
    if (ab.size() < iTestate || !ab.startsWith("BM") || fLeggi32(ab, 14) != 40 || fLeggi16(ab, 26) != 1 ||
        fLeggi32(ab, 30) != 0)
        pFallisci(sPath, QCoreApplication::translate("Ombrix", "non è una bitmap come quelle dell'esportazione"));
    const qint64 w = qint32(fLeggi32(ab, 18));
    const qint64 h = qint32(fLeggi32(ab, 22));
    const int iBpp = fLeggi16(ab, 28);
    if (w <= 0 || h <= 0 || (iBpp != 8 && iBpp != 24 && iBpp != 32) ||
        fLeggi32(ab, 10) < quint32(iTestate + (iBpp == 8 ? 1024 : 0)))
        pFallisci(sPath, QCoreApplication::translate("Ombrix", "non è una bitmap come quelle dell'esportazione"));
    const qint64 iStride = (w * iBpp / 8 + 3) & ~qint64(3);
    const qint64 iDichiarati = std::max<qint64>(fLeggi32(ab, 2), fLeggi32(ab, 10) + iStride * h);
    if (ab.size() < iDichiarati)
        pFallisci(sPath,
                  QCoreApplication::translate("Ombrix", "bitmap troncata: %1 byte invece dei %2 della sua testata")
                      .arg(ab.size())
                      .arg(iDichiarati));
    return fDecodifica(sPath, ab, "bmp");
}

/** An installation picture, decoded once per run of the program and file. */
QImage fIcona(const QString &sPath)
{
    static QHash<QString, QImage> aIcone;
    auto it = aIcone.find(sPath);
    if (it == aIcone.end())
        it = aIcone.insert(sPath, fDecodifica(sPath, fLeggiFileNormale(sPath, iIconaMassima)));
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
    if (bRichiediBitmap || QFileInfo::exists(sBitmap) || QFileInfo(sBitmap).isSymLink())
        p.drawImage(QPoint(0, 0), fLeggiBitmap(sBitmap)); // unscaled from the top-left corner, clipped
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
    // every name is looked at before anything is written: one taken by a link, a FIFO or a folder stops the run
    QStringList asFile;
    for (const TAreaMappa &a : m.aAree) {
        const QString sPng = fCartella(sCartellaPng) + fNomePng(a.iId);
        const QString sMotivo = fNonNormale(sPng, false);
        if (!sMotivo.isEmpty())
            pFallisci(sPng, sMotivo);
        asFile.append(sPng);
    }
    for (qsizetype i = 0; i < m.aAree.size(); ++i) {
        QByteArray abPng;
        QBuffer buf(&abPng);
        buf.open(QIODevice::WriteOnly);
        if (!fDisegnaPagina(m.aAree.at(i), sCartellaExport).save(&buf, "PNG"))
            pFallisci(asFile.at(i), QCoreApplication::translate("Ombrix", "impossibile scrivere il file"));
        pScriviFileNuovo(asFile.at(i), abPng);
    }
    return asFile;
}
