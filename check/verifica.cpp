#include "check/verifica.h"

#include "check/lettura.h"
#include "export/cp1252.h"
#include "model/appfonts.h"
#include "model/labelfont.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

bool fControllo(char32_t u)
{
    return QChar::category(u) == QChar::Other_Control;
}

/** A text as a message shows it: control characters become [U+XXXX], so a
 *  finding stays one line of one field. */
QString fVisibile(const QString &s)
{
    QString sOut;
    for (char32_t u : s.toUcs4()) {
        if (fControllo(u))
            sOut += QStringLiteral("[U+%1]").arg(QString::number(uint(u), 16).toUpper().rightJustified(4, u'0'));
        else
            sOut += QString::fromUcs4(&u, 1);
    }
    return sOut;
}

/** The first character of s that the code page of maps.txt cannot hold, as
 *  its conversion decides: one it writes as "?" or as a base letter. */
std::optional<QString> fFuoriCp1252(const QString &s)
{
    for (char32_t u : s.normalized(QString::NormalizationForm_C).toUcs4()) {
        const QString sCar = QString::fromUcs4(&u, 1);
        const QByteArray b = fToCp1252(sCar);
        if (b == "?" && u != U'?')
            return sCar;
        const QString sBase = sCar.normalized(QString::NormalizationForm_D).left(1);
        if (sBase != sCar && b == fToCp1252(sBase))
            return sCar; // written as its base letter
    }
    return std::nullopt;
}

bool fNelPannello(qint64 x, qint64 y)
{
    return x >= 0 && x < iLarghezzaPannello && y >= 0 && y < iAltezzaPannello;
}

QString fPunto(qint64 x, qint64 y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

/** Collects the findings of one run. */
class TVerifica
{
public:
    TVerifica(const TProgettoLetto &p, const QString &sRootPrj) : m_p(p), m_sRootPrj(sRootPrj) {}

    QList<TFinding> fEsegui()
    {
        pLoadTahoma();
        for (const TAreaLetta &a : m_p.aAree)
            pArea(a);
        for (const TOggettoLetto &o : m_p.aOggetti) {
            if (const TAreaLetta *pArea = m_p.fArea(o.iAreaId)) // objects of no area are not exported
                pOggetto(*pArea, o);
        }
        std::stable_sort(m_aFindings.begin(), m_aFindings.end(), [](const TFinding &a, const TFinding &b) {
            return std::tuple(a.iAreaId, a.iOggettoId.value_or(-1)) < std::tuple(b.iAreaId, b.iOggettoId.value_or(-1));
        });
        return m_aFindings;
    }

private:
    void pAggiungi(TGravita e, const TAreaLetta &a, std::optional<qint64> iOggetto, const char *szCodice,
                   const QString &sCosa, const QString &sDettaglio)
    {
        const QString sMessaggio =
            QCoreApplication::translate("Ombrix", "Area %1 \"%2\"").arg(a.iId).arg(fVisibile(a.sNome)) + sCosa +
            QStringLiteral(": ") + sDettaglio;
        m_aFindings.append({e, a.iId, iOggetto, QString::fromLatin1(szCodice), sMessaggio});
    }
    void pArea(TGravita e, const TAreaLetta &a, const char *szCodice, const QString &sDettaglio)
    {
        pAggiungi(e, a, std::nullopt, szCodice, QString(), sDettaglio);
    }
    void pOggetto(TGravita e, const TAreaLetta &a, const TOggettoLetto &o, const char *szCodice,
                  const QString &sDettaglio)
    {
        pAggiungi(e, a, o.iId, szCodice,
                  QStringLiteral(", ") + fNomeTipo(o.iTipo) + QLatin1Char(' ') + QString::number(o.iId), sDettaglio);
    }

    void pArea(const TAreaLetta &a)
    {
        if (a.iId > iAreaIdMassimo)
            pArea(TGravita::Avviso, a, "id-fuori-campo",
                  QCoreApplication::translate(
                      "Ombrix", "id %1 oltre %2, più largo della colonna ID di tasti e marcatori (2 cifre)")
                      .arg(a.iId)
                      .arg(iAreaIdMassimo));
        pTesto(a, nullptr, a.sNome, QCoreApplication::translate("Ombrix", "nome"));
        pSfondo(a);
        if (a.iLivello != 0 && !fRaggiunta(a.iId))
            pArea(TGravita::Avviso, a, "area-irraggiungibile",
                  QCoreApplication::translate("Ombrix", "area di dettaglio a cui non porta nessun marcatore di zoom"));
    }

    bool fRaggiunta(qint64 iId) const
    {
        return std::any_of(m_p.aOggetti.cbegin(), m_p.aOggetti.cend(), [&](const TOggettoLetto &o) {
            return o.iTipo == 3 && o.iAreaZoom == iId && m_p.fArea(o.iAreaId);
        });
    }

    void pSfondo(const TAreaLetta &a)
    {
        const QString sNome = QStringLiteral("img_%1.jpg").arg(a.iId);
        const QString sFile = m_sRootPrj + QStringLiteral("areas/") + sNome;
        const QFileInfo fi(sFile);
        if (!fi.exists()) {
            pArea(TGravita::Errore, a, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 mancante").arg(sNome));
            return;
        }
        if (!fi.isFile()) { // a folder, a pipe, a device: never opened
            pArea(TGravita::Errore, a, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 non è un file normale").arg(sNome));
            return;
        }
        QImageReader reader(sFile, "jpeg");
        reader.setAutoDetectImageFormat(false); // the export decodes JPEG only
        // the whole stream is decoded, but a large picture at a reduced scale, so its size costs no memory
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > iLarghezzaPannello || size.height() > iAltezzaPannello))
            reader.setScaledSize(
                size.scaled(iLarghezzaPannello, iAltezzaPannello, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        const QImage img = reader.read();
        if (img.isNull()) {
            pArea(TGravita::Errore, a, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 non leggibile come JPEG: %2")
                      .arg(sNome, reader.errorString()));
            return;
        }
        const QSize dim = size.isValid() ? size : img.size();
        if (dim != QSize(iLarghezzaPannello, iAltezzaPannello))
            pArea(TGravita::Avviso, a, "sfondo-dimensioni",
                  QCoreApplication::translate("Ombrix", "sfondo %1 di %2 x %3 pixel invece di %4 x %5")
                      .arg(sNome)
                      .arg(dim.width())
                      .arg(dim.height())
                      .arg(iLarghezzaPannello)
                      .arg(iAltezzaPannello));
    }

    /** The character checks of an area name (pO null) or of a label. */
    void pTesto(const TAreaLetta &a, const TOggettoLetto *pO, const QString &s, const QString &sCosa)
    {
        const auto pTrovato = [&](TGravita e, const char *szCodice, const QString &sDettaglio) {
            if (pO)
                pOggetto(e, a, *pO, szCodice, sDettaglio);
            else
                pArea(e, a, szCodice, sDettaglio);
        };
        const QString sTesto = QStringLiteral("%1 \"%2\"").arg(sCosa, fVisibile(s));
        for (char32_t u : s.toUcs4()) {
            if (fControllo(u)) {
                pTrovato(TGravita::Errore, "carattere-vietato",
                         QCoreApplication::translate("Ombrix", "%1 contiene il carattere di controllo %2")
                             .arg(sTesto, fVisibile(QString::fromUcs4(&u, 1))));
                break;
            }
            if (pO && (u == U',' || u == U'|')) {
                pTrovato(TGravita::Errore, "carattere-vietato",
                         QCoreApplication::translate("Ombrix", "%1 contiene il carattere vietato \"%2\"")
                             .arg(sTesto, QChar(u)));
                break;
            }
        }
        if (const std::optional<QString> sCar = fFuoriCp1252(s))
            pTrovato(TGravita::Avviso, "carattere-non-cp1252",
                     QCoreApplication::translate("Ombrix", "%1 contiene \"%2\", che maps.txt non può scrivere")
                         .arg(sTesto, *sCar));
    }

    void pOggetto(const TAreaLetta &a, const TOggettoLetto &o)
    {
        if (o.iTipo < 1 || o.iTipo > 10) { // not exported: nothing else of it matters
            pOggetto(TGravita::Avviso, a, o, "tipo-sconosciuto",
                     QCoreApplication::translate("Ombrix", "tipo %1 fuori dal campo 1-10, l'esportazione non lo scrive")
                         .arg(o.iTipo));
            return;
        }
        if (fClasseIo(o.iTipo))
            pNumero(a, o);
        if (o.iTipo == 3 && !m_p.fArea(o.iAreaZoom))
            pOggetto(TGravita::Errore, a, o, "marcatore-orfano",
                     QCoreApplication::translate("Ombrix", "porta all'area %1, che non esiste").arg(o.iAreaZoom));
        pPosizioni(a, o);
        if (o.iTipo == 3) // a zoom marker's label is never exported
            return;
        pStile(a, o);
        if (!o.sTesto.isEmpty())
            pEtichetta(a, o);
    }

    /** The size and colour indices, which the export writes with or without a text: outside the catalogue
     *  they widen the record past its 128 characters. */
    void pStile(const TAreaLetta &a, const TOggettoLetto &o)
    {
        if (!fDimensioneNelCatalogo(o.iFont))
            pOggetto(
                TGravita::Errore, a, o, "stile-fuori-catalogo",
                QCoreApplication::translate("Ombrix", "dimensione del testo %1 fuori dal catalogo (0-9)").arg(o.iFont));
        if (!fColoreNelCatalogo(o.iColor))
            pOggetto(TGravita::Errore, a, o, "stile-fuori-catalogo",
                     QCoreApplication::translate("Ombrix", "colore del testo %1 fuori dal catalogo (0-10, 16)")
                         .arg(o.iColor));
    }

    void pNumero(const TAreaLetta &a, const TOggettoLetto &o)
    {
        const QString sClasse = fNomeClasseIo(*fClasseIo(o.iTipo));
        if (!fNumeroIoValido(o.iNumSensore)) {
            pOggetto(TGravita::Errore, a, o, "numero-fuori-campo",
                     QCoreApplication::translate("Ombrix", "%1 numero %2 fuori dal campo 1-%3")
                         .arg(sClasse)
                         .arg(o.iNumSensore)
                         .arg(iNumeroIoMassimo));
            return; // a number the panel does not have is not also a duplicate
        }
        const auto chiave = std::tuple(a.iId, sClasse, o.iNumSensore);
        const auto [it, bNuovo] = m_primoConNumero.try_emplace(chiave, &o);
        if (!bNuovo)
            pOggetto(TGravita::Avviso, a, o, "numero-duplicato",
                     QCoreApplication::translate("Ombrix", "%1 numero %2 già usato in quest'area da %3 %4")
                         .arg(sClasse)
                         .arg(o.iNumSensore)
                         .arg(fNomeTipo(it->second->iTipo))
                         .arg(it->second->iId));
    }

    void pPosizioni(const TAreaLetta &a, const TOggettoLetto &o)
    {
        const qint64 cx = o.iX + o.iIconSize / 2;
        const qint64 cy = o.iY + o.iIconSize / 2;
        if (!fNelPannello(cx, cy))
            pOggetto(TGravita::Errore, a, o, "fuori-pannello",
                     QCoreApplication::translate("Ombrix", "centro dell'icona %1 fuori dal pannello 0-479 x 0-271")
                         .arg(fPunto(cx, cy)));
        if (o.iTipo == 4) {
            const qint64 iOffset2 = o.iX2 > 0 ? iGlobB2Size / 2 : 0;
            const qint64 x2 = o.iX2 + iOffset2;
            const qint64 y2 = o.iY2 + iOffset2;
            if (!fNelPannello(x2, y2))
                pOggetto(TGravita::Errore, a, o, "fuori-pannello",
                         QCoreApplication::translate("Ombrix", "seconda estremità %1 fuori dal pannello 0-479 x 0-271")
                             .arg(fPunto(x2, y2)));
        }
        for (const TTasto &t : fTastiDelLivello(a.iLivello)) {
            const bool bSopra = o.iX < t.rect.x() + t.rect.width() && o.iX + o.iIconSize > t.rect.x() &&
                                o.iY < t.rect.y() + t.rect.height() && o.iY + o.iIconSize > t.rect.y();
            if (bSopra)
                pOggetto(TGravita::Avviso, a, o, "su-tasti",
                         QCoreApplication::translate("Ombrix", "icona di %1 pixel in %2 sopra il tasto %3")
                             .arg(o.iIconSize)
                             .arg(fPunto(o.iX, o.iY), t.sCodice));
        }
    }

    void pEtichetta(const TAreaLetta &a, const TOggettoLetto &o)
    {
        const QString sTesto = QCoreApplication::translate("Ombrix", "testo \"%1\"").arg(fVisibile(o.sTesto));
        const int iLunghezza = fLunghezzaTesto(o.sTesto);
        if (iLunghezza > iTestoMassimo)
            pOggetto(TGravita::Errore, a, o, "testo-lungo",
                     QCoreApplication::translate("Ombrix", "%1 di %2 caratteri, oltre %3")
                         .arg(sTesto)
                         .arg(iLunghezza)
                         .arg(iTestoMassimo));
        pTesto(a, &o, o.sTesto, QCoreApplication::translate("Ombrix", "testo"));
        if (!fNelPannello(o.iXt, o.iYt)) {
            pOggetto(TGravita::Errore, a, o, "fuori-pannello",
                     QCoreApplication::translate("Ombrix", "%1 in %2 fuori dal pannello 0-479 x 0-271")
                         .arg(sTesto, fPunto(o.iXt, o.iYt)));
            return;
        }
        const QSize size = fDimensioniTesto(o.iFont, o.sTesto);
        QStringList asBordi;
        if (o.iXt + size.width() > iLarghezzaPannello)
            asBordi << QCoreApplication::translate("Ombrix", "destro");
        if (o.iYt + size.height() > iAltezzaPannello)
            asBordi << QCoreApplication::translate("Ombrix", "inferiore");
        if (!asBordi.isEmpty())
            pOggetto(TGravita::Avviso, a, o, "testo-tagliato",
                     QCoreApplication::translate("Ombrix", "%1 in %2, di %3 x %4 pixel, supera il bordo %5")
                         .arg(sTesto, fPunto(o.iXt, o.iYt))
                         .arg(size.width())
                         .arg(size.height())
                         .arg(asBordi.join(QCoreApplication::translate("Ombrix", " e il bordo "))));
    }

    /** The size a label of this text takes on the canvas. */
    static QSize fDimensioniTesto(qint64 iFont, const QString &s)
    {
        const int iIndice = iFont >= 1 && iFont <= 9 ? int(iFont) : 0; // every other index is 16 points
        const QFontMetrics fm(fLabelFont(iIndice));
        return fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, s).size();
    }

    const TProgettoLetto &m_p;
    const QString m_sRootPrj;
    QList<TFinding> m_aFindings;
    std::map<std::tuple<qint64, QString, qint64>, const TOggettoLetto *> m_primoConNumero;
};

} // namespace

QString fNomeGravita(TGravita eGravita)
{
    return eGravita == TGravita::Errore ? QCoreApplication::translate("Ombrix", "errore")
                                        : QCoreApplication::translate("Ombrix", "avviso");
}

QList<TTasto> fTastiDelLivello(qint64 iLivello)
{
    // the key records of the export: centre x, y 18, icon size 32
    QList<std::pair<const char *, int>> aTasti;
    if (iLivello == 0)
        aTasti = {{"Tpre", 180}, {"Tesc", 240}, {"Tnex", 300}};
    else if (iLivello == 1)
        aTasti = {{"Tpre", 150}, {"Tesc", 210}, {"Tsup", 270}, {"Tnex", 330}};
    QList<TTasto> a;
    for (const auto &[szCodice, x] : aTasti)
        a.append({QString::fromLatin1(szCodice), QRect(x - 16, 18 - 16, 32, 32)});
    return a;
}

QList<TFinding> fVerificaProgetto(TSqlConn &conn, const QString &sRootPrj)
{
    const TProgettoLetto p = fLeggiProgetto(conn);
    return TVerifica(p, sRootPrj).fEsegui();
}
