#include "preview/documentopdf.h"

#include "check/lettura.h"
#include "check/riferimentiio.h"
#include "export/exportrun.h"
#include "preview/mapsreader.h"
#include "preview/renderer.h"
#include "workspace/errors.h"
#include "workspace/filenormali.h"
#include "workspace/sqlconn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>

#include <sys/stat.h>

namespace {

/** The document's font; a spacing other than none keeps letters apart (no "fi" ligature), so the text
 *  copied or searched is the text written. */
QFont fFont(int iPunti, bool bGrassetto)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(iPunti);
    font.setBold(bGrassetto);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

constexpr int iRisoluzione = 300; // dots per inch of the page's coordinates
constexpr qreal fMm = iRisoluzione / 25.4;

/** One table: its column titles and widths (millimetres), and its rows. */
struct TTabella
{
    QStringList asTitoli;
    QList<qreal> aLarghezze;
    QList<QStringList> aRighe;
};

/**
 * Lays the document out page by page: a cursor going down the printable
 * area of the current page, a new page when what comes does not fit.
 */
class TImpaginatore
{
public:
    TImpaginatore(QPdfWriter &writer, QPainter &p) : m_writer(writer), m_p(p)
    {
        m_rcPagina = QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        m_y = 0;
    }

    qreal fLarghezza() const { return m_rcPagina.width(); }
    qreal fY() const { return m_y; }
    void pSpazio(qreal mm) { m_y += mm * fMm; }

    void pNuovaPagina()
    {
        if (!m_writer.newPage())
            throw TOmbrixError(QCoreApplication::translate("Ombrix", "impossibile aggiungere una pagina al documento"));
        m_y = 0;
    }
    /** A new page unless mm still fit on this one. */
    void pServe(qreal mm)
    {
        if (m_y + mm * fMm > m_rcPagina.height())
            pNuovaPagina();
    }

    /** A paragraph of text in iPunti points, bold or not. */
    void pTesto(const QString &s, int iPunti, bool bGrassetto = false, int iAllinea = Qt::AlignLeft)
    {
        m_p.setFont(fFont(iPunti, bGrassetto));
        m_p.setPen(Qt::black);
        const QRectF rc(0, m_y, fLarghezza(), m_rcPagina.height() - m_y);
        const QRectF rcUsato = m_p.boundingRect(rc, iAllinea | Qt::TextWordWrap, s);
        pServe(rcUsato.height() / fMm);
        m_p.drawText(QRectF(0, m_y, fLarghezza(), rcUsato.height()), iAllinea | Qt::TextWordWrap, s);
        m_y += rcUsato.height();
    }

    /** A picture mmLarghezza wide at its own proportions, framed. */
    void pImmagine(const QImage &img, qreal mmLarghezza)
    {
        const qreal w = mmLarghezza * fMm;
        const qreal h = w * img.height() / img.width();
        pServe(h / fMm);
        m_p.drawImage(QRectF(0, m_y, w, h), img);
        m_p.setPen(QPen(Qt::black, 0.3 * fMm));
        m_p.drawRect(QRectF(0, m_y, w, h));
        m_y += h;
    }

    /** A table with a title row, repeated at the top of every page it goes on over. */
    void pTabella(const TTabella &t)
    {
        QFont font = fFont(9, false);
        const qreal hRiga = 6 * fMm;
        auto riga = [&](const QStringList &asCelle, bool bTitolo) {
            font.setBold(bTitolo);
            m_p.setFont(font);
            if (bTitolo) {
                m_p.fillRect(QRectF(0, m_y, fLarghezza(), hRiga), QColor(225, 225, 225));
            }
            m_p.setPen(Qt::black);
            qreal x = 0;
            for (int i = 0; i < asCelle.size(); ++i) {
                const qreal w = t.aLarghezze.value(i) * fMm;
                const QRectF rc(x + 1.5 * fMm, m_y, w - 3 * fMm, hRiga);
                m_p.drawText(rc, Qt::AlignLeft | Qt::AlignVCenter,
                             m_p.fontMetrics().elidedText(asCelle.at(i), Qt::ElideRight, int(rc.width())));
                x += w;
            }
            m_p.setPen(QPen(QColor(150, 150, 150), 0.2 * fMm));
            m_p.drawLine(QPointF(0, m_y + hRiga), QPointF(x, m_y + hRiga));
            m_y += hRiga;
        };
        pServe(2 * hRiga / fMm);
        riga(t.asTitoli, true);
        for (const QStringList &r : t.aRighe) {
            if (m_y + hRiga > m_rcPagina.height()) {
                pNuovaPagina();
                riga(t.asTitoli, true);
            }
            riga(r, false);
        }
    }

private:
    QPdfWriter &m_writer;
    QPainter &m_p;
    QRectF m_rcPagina;
    qreal m_y = 0;
};

/** The areas of the map in the order of the area tree: each base area followed by its detail areas. */
QList<const TAreaMappa *> fOrdineAlbero(const TMappa &m, const TProgettoLetto &prj)
{
    QList<const TAreaMappa *> aOrdine;
    auto padre = [&](qint64 iId) {
        const TAreaLetta *p = prj.fArea(iId);
        return p ? p->iFatherId : 0;
    };
    for (const TAreaMappa &a : m.aAree) {
        if (a.iLivello != 0)
            continue;
        aOrdine << &a;
        for (const TAreaMappa &f : m.aAree)
            if (f.iLivello != 0 && padre(f.iId) == a.iId)
                aOrdine << &f;
    }
    for (const TAreaMappa &a : m.aAree)
        if (!aOrdine.contains(&a))
            aOrdine << &a;
    return aOrdine;
}

/** The area's path in the tree, from its base area down: "Piano terra > Cucina". */
QString fPercorso(const TProgettoLetto &prj, qint64 iId)
{
    QStringList asNomi;
    for (int i = 0; iId != 0 && i < 16; ++i) {
        const TAreaLetta *p = prj.fArea(iId);
        if (!p)
            break;
        asNomi.prepend(p->sNome);
        iId = p->iFatherId;
    }
    return asNomi.join(QStringLiteral(" > "));
}

QString fNomeArea(const TMappa &m, qint64 iId)
{
    const TAreaMappa *a = m.fArea(iId);
    return a ? a->sNome + QStringLiteral(" (") + QString::number(iId) + QStringLiteral(")")
             : QCoreApplication::translate("Ombrix", "area %1").arg(iId);
}

QString fPosizione(const TRecordMappa &r)
{
    return QString::number(r.iX) + QStringLiteral(", ") + QString::number(r.iY);
}

/** The table of an area's objects: zoom markers, inputs, outputs, in the order of the file. */
TTabella fTabellaOggetti(const TMappa &m, const TAreaMappa &a)
{
    TTabella t{{QCoreApplication::translate("Ombrix", "Tipo"), QCoreApplication::translate("Ombrix", "Numero"),
                QCoreApplication::translate("Ombrix", "Etichetta"), QCoreApplication::translate("Ombrix", "Posizione")},
               {40, 60, 50, 30},
               {}};
    for (const TRecordMappa &r : a.aZoom)
        t.aRighe.append({fNomeTipo(3), QCoreApplication::translate("Ombrix", "verso %1").arg(fNomeArea(m, r.iId)),
                         QString(), fPosizione(r)});
    for (const QList<TRecordMappa> *pSezione : {&a.aIngressi, &a.aUscite}) {
        for (const TRecordMappa &r : *pSezione) {
            const int iTipo = fTipoDaCodice(r.sTipo);
            const QString sClasse = iTipo >= 6 ? QCoreApplication::translate("Ombrix", "uscita")
                                               : QCoreApplication::translate("Ombrix", "ingresso");
            t.aRighe.append(
                {fNomeTipo(iTipo), sClasse + QLatin1Char(' ') + QString::number(r.iLink), r.sTesto, fPosizione(r)});
        }
    }
    return t;
}

/** The I/O cross-reference, one row per class and number: the types and the areas that use it. */
TTabella fTabellaIo(const QList<TRigaIo> &aRighe)
{
    TTabella t{{QCoreApplication::translate("Ombrix", "Classe"), QCoreApplication::translate("Ombrix", "Numero"),
                QCoreApplication::translate("Ombrix", "Tipo"), QCoreApplication::translate("Ombrix", "Aree")},
               {25, 20, 45, 90},
               {}};
    for (qsizetype i = 0; i < aRighe.size();) {
        const TRigaIo &r0 = aRighe.at(i);
        QStringList asTipi, asAree;
        for (; i < aRighe.size() && aRighe.at(i).eClasse == r0.eClasse && aRighe.at(i).iNumero == r0.iNumero; ++i) {
            const TRigaIo &r = aRighe.at(i);
            if (!asTipi.contains(r.sTipo))
                asTipi << r.sTipo;
            const QString sArea = r.sArea + QStringLiteral(" (") + QString::number(r.iAreaId) + QStringLiteral(")");
            if (!asAree.contains(sArea))
                asAree << sArea;
        }
        t.aRighe.append({fNomeClasseIo(r0.eClasse), QString::number(r0.iNumero), asTipi.join(QStringLiteral(", ")),
                         asAree.join(QStringLiteral(", "))});
    }
    return t;
}

/** The path of sPath with its folder's links and dots resolved (the file itself need not exist). */
QString fCanonico(const QString &sPath)
{
    const QFileInfo fi(sPath);
    const QString sCartella = QFileInfo(fi.absolutePath()).canonicalFilePath();
    return (sCartella.isEmpty() ? fi.absolutePath() : sCartella) + QLatin1Char('/') + fi.fileName();
}

/** The document may not take the place of the project's own files: its database (with SQLite's files beside it)
 *  or anything in its "areas" and "backup" folders. */
void pControllaDestinazione(const QString &sDb, const QString &sPdf)
{
    const QString sPdfCanonico = fCanonico(sPdf);
    const QString sDbCanonico = fCanonico(sDb);
    const auto pRifiuta = [&](const QString &sMotivo) { throw TOmbrixError(sPdf + QStringLiteral(": ") + sMotivo); };
    for (const char *szCoda : {"", "-journal", "-wal", "-shm"})
        if (sPdfCanonico == sDbCanonico + QLatin1String(szCoda))
            pRifiuta(QCoreApplication::translate("Ombrix", "è il database del progetto"));
    // the same file under another name (a hard link)
    struct stat stDb, stPdf;
    if (::stat(QFile::encodeName(sDb).constData(), &stDb) == 0 &&
        ::stat(QFile::encodeName(sPdf).constData(), &stPdf) == 0 && stDb.st_dev == stPdf.st_dev &&
        stDb.st_ino == stPdf.st_ino)
        pRifiuta(QCoreApplication::translate("Ombrix", "è il database del progetto"));
    const QString sRoot = QFileInfo(sDbCanonico).path() + QLatin1Char('/');
    for (const QString &sCartella : {QStringLiteral("areas"), QStringLiteral("backup")}) {
        QStringList asDentro = {sRoot + sCartella + QLatin1Char('/')};
        const QString sVera = QFileInfo(sRoot + sCartella).canonicalFilePath(); // a linked folder: where it leads
        if (!sVera.isEmpty())
            asDentro << sVera + QLatin1Char('/');
        for (const QString &s : asDentro)
            if (sPdfCanonico.startsWith(s))
                pRifiuta(
                    QCoreApplication::translate("Ombrix", "è dentro la cartella \"%1\" del progetto").arg(sCartella));
    }
}

} // namespace

void pScriviDocumentoPdf(const QString &sDb, const QString &sPdf, const QDateTime &quando)
{
    pRichiediFileNormale(sDb); // a FIFO or a device would hold SQLite forever
    pControllaDestinazione(sDb, sPdf);
    const QFileInfo fi(sDb);
    const QString sRoot = fi.absolutePath() + QLatin1Char('/');

    // the export, into a folder of its own: its "areas" is the project's, its "out" a new one
    QTemporaryDir tmp;
    if (!tmp.isValid())
        throw TOmbrixError(tmp.errorString());
    const QString sTmp = tmp.path() + QLatin1Char('/');
    if (!QFile::link(sRoot + QStringLiteral("areas"), sTmp + QStringLiteral("areas")) ||
        !QDir(sTmp).mkdir(QStringLiteral("out")))
        throw TOmbrixError(sTmp + QStringLiteral(": ") +
                           QCoreApplication::translate("Ombrix", "impossibile preparare l'esportazione temporanea"));
    TSqlConn conn;
    conn.pOpen(fi.absoluteFilePath(), false, true);
    const TProgettoEsportato esportato{conn, sTmp};
    pOutTxt(esportato);
    const TProgettoLetto prj = fLeggiProgetto(conn);
    const QList<TRigaIo> aIo = fRiferimentiIo(conn);
    conn.pClose();
    const TMappa m = fLeggiMappaFile(esportato.fOut() + QStringLiteral("maps.txt"));

    // written beside the destination and renamed into place at the end: a failure leaves the previous PDF
    TFileNuovo file(sPdf);
    QPdfWriter writer(&file.fFile());
    writer.setResolution(iRisoluzione);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    const QString sNome = fi.completeBaseName();
    writer.setTitle(QCoreApplication::translate("Ombrix", "Documentazione del progetto %1").arg(sNome));
    writer.setCreator(QStringLiteral("Ombrix"));
    QPainter p;
    if (!p.begin(&writer))
        throw TOmbrixError(sPdf + QStringLiteral(": ") +
                           QCoreApplication::translate("Ombrix", "impossibile scrivere il file"));
    TImpaginatore doc(writer, p);

    // the cover
    int iIngressi = 0, iUscite = 0, iZoom = 0, iBase = 0;
    for (const TAreaMappa &a : m.aAree) {
        iIngressi += int(a.aIngressi.size());
        iUscite += int(a.aUscite.size());
        iZoom += int(a.aZoom.size());
        iBase += a.iLivello == 0;
    }
    doc.pSpazio(60);
    doc.pTesto(QCoreApplication::translate("Ombrix", "Documentazione del progetto"), 16, false, Qt::AlignHCenter);
    doc.pSpazio(6);
    doc.pTesto(sNome, 28, true, Qt::AlignHCenter);
    doc.pSpazio(6);
    doc.pTesto(QCoreApplication::translate("Ombrix", "Pannello KP5800, pagine di 480 x 272 pixel"), 12, false,
               Qt::AlignHCenter);
    doc.pTesto(quando.toString(QStringLiteral("dd/MM/yyyy HH:mm")), 12, false, Qt::AlignHCenter);
    doc.pSpazio(20);
    const QStringList asConti = {QCoreApplication::translate("Ombrix", "Aree: %1 (%2 di base, %3 di dettaglio)")
                                     .arg(m.aAree.size())
                                     .arg(iBase)
                                     .arg(m.aAree.size() - iBase),
                                 QCoreApplication::translate("Ombrix", "Ingressi: %1").arg(iIngressi),
                                 QCoreApplication::translate("Ombrix", "Uscite: %1").arg(iUscite),
                                 QCoreApplication::translate("Ombrix", "Marcatori di zoom: %1").arg(iZoom)};
    for (const QString &s : asConti)
        doc.pTesto(s, 12, false, Qt::AlignHCenter);

    // one page per area
    for (const TAreaMappa *pArea : fOrdineAlbero(m, prj)) {
        doc.pNuovaPagina();
        doc.pTesto(pArea->sNome, 18, true);
        doc.pTesto(QCoreApplication::translate("Ombrix", "Percorso: %1").arg(fPercorso(prj, pArea->iId)), 10);
        doc.pTesto(QCoreApplication::translate("Ombrix", "Area %1, livello %2, bitmap %3")
                       .arg(pArea->iId)
                       .arg(pArea->iLivello)
                       .arg(pArea->sBitmap),
                   10);
        doc.pSpazio(4);
        doc.pImmagine(fDisegnaPagina(*pArea, esportato.fOut(), false), 180);
        doc.pSpazio(6);
        const TTabella t = fTabellaOggetti(m, *pArea);
        if (t.aRighe.isEmpty())
            doc.pTesto(QCoreApplication::translate("Ombrix", "Nessun oggetto."), 10);
        else
            doc.pTabella(t);
    }

    // the inputs and outputs
    doc.pNuovaPagina();
    doc.pTesto(QCoreApplication::translate("Ombrix", "Ingressi e uscite"), 18, true);
    doc.pSpazio(4);
    const TTabella t = fTabellaIo(aIo);
    if (t.aRighe.isEmpty())
        doc.pTesto(QCoreApplication::translate("Ombrix", "Nessun ingresso o uscita."), 10);
    else
        doc.pTabella(t);
    if (!p.end())
        throw TOmbrixError(sPdf + QStringLiteral(": ") +
                           QCoreApplication::translate("Ombrix", "impossibile scrivere il file"));
    file.pConferma();
}
