#include "check/verifica.h"

#include "model/numeroio.h"

#include "check/lettura.h"
#include "check/verificaarea.h"
#include "export/cp1252.h"
#include "model/appfonts.h"
#include "model/labelfont.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QFontMetrics>

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

/** An object as the installer knows it: type, number and label; a zoom marker by the area it leads to, whose
 *  name is put in when the findings are put together (fFindingsArea). */
QString fNomeLetto(const TOggettoLetto &o)
{
    if (o.iTipo == 3)
        return fNomeMarcatoreId(o.iAreaZoom);
    return fNomeOggettoIo(o.iTipo, o.iNumSensore, fVisibile(o.sTesto));
}

/** A finding about area a, or about its object iOggetto (sCosa names it). */
TFinding fTrovato(TGravita e, const TAreaLetta &a, std::optional<qint64> iOggetto, const char *szCodice,
                  const QString &sCosa, const QString &sDettaglio)
{
    const QString sMessaggio =
        QCoreApplication::translate("Ombrix", "Area %1 \"%2\"").arg(a.iId).arg(fVisibile(a.sNome)) + sCosa +
        QStringLiteral(": ") + sDettaglio;
    return {e, a.iId, iOggetto, QString::fromLatin1(szCodice), sMessaggio};
}

TFinding fTrovatoArea(TGravita e, const TAreaLetta &a, const char *szCodice, const QString &sDettaglio)
{
    return fTrovato(e, a, std::nullopt, szCodice, QString(), sDettaglio);
}

TFinding fTrovatoOggetto(TGravita e, const TAreaLetta &a, const TOggettoLetto &o, const char *szCodice,
                         const QString &sDettaglio)
{
    return fTrovato(e, a, o.iId, szCodice, QStringLiteral(", ") + fNomeLetto(o), sDettaglio);
}

/** Checks one area: its row, its objects and its picture's facts. */
class TVerificaArea
{
public:
    TVerificaArea(const TAreaLetta &a, const TFattiSfondo &sfondo) : m_a(a) { m_esito.sfondo = sfondo; }

    TEsitoArea fEsegui(const QList<const TOggettoLetto *> &aOggetti)
    {
        pLoadTahoma();
        pArea();
        m_pOggetti = &aOggetti;
        for (const TOggettoLetto *pO : aOggetti) {
            m_pEsito = nullptr;
            pOggetto(*pO);
        }
        return std::move(m_esito);
    }

private:
    void pArea(TGravita e, const char *szCodice, const QString &sDettaglio)
    {
        m_esito.aArea.append(fTrovatoArea(e, m_a, szCodice, sDettaglio));
    }
    /** The esito of object o, made at its first finding. */
    TEsitoOggetto &fEsitoOggetto(const TOggettoLetto &o)
    {
        if (!m_pEsito) {
            m_esito.aOggetti.append(TEsitoOggetto{o.iId, {}, {}, {}, {}});
            m_pEsito = &m_esito.aOggetti.last();
        }
        return *m_pEsito;
    }
    void pOggetto(TGravita e, const TOggettoLetto &o, const char *szCodice, const QString &sDettaglio)
    {
        TEsitoOggetto &eo = fEsitoOggetto(o);
        (eo.iZoom ? eo.aDopo : eo.aPrima).append(fTrovatoOggetto(e, m_a, o, szCodice, sDettaglio));
    }

    void pArea()
    {
        const TAreaLetta &a = m_a;
        if (a.iId > iAreaIdMassimo)
            pArea(TGravita::Avviso, "id-fuori-campo",
                  QCoreApplication::translate(
                      "Ombrix", "id %1 oltre %2, più largo della colonna ID di tasti e marcatori (2 cifre)")
                      .arg(a.iId)
                      .arg(iAreaIdMassimo));
        pTesto(nullptr, a.sNome, QCoreApplication::translate("Ombrix", "nome"));
        pSfondo();
        if (a.iLivello != 0)
            m_esito.irraggiungibile = fTrovatoArea(
                TGravita::Avviso, a, "area-irraggiungibile",
                QCoreApplication::translate("Ombrix", "area di dettaglio a cui non porta nessun marcatore di zoom"));
    }

    void pSfondo()
    {
        const QString sNome = fNomeSfondo(m_a.iId);
        const TFattiSfondo &f = m_esito.sfondo;
        switch (f.eStato) {
        case TFattiSfondo::EStato::Mancante:
            pArea(TGravita::Errore, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 mancante").arg(sNome));
            return;
        case TFattiSfondo::EStato::NonFile:
            pArea(TGravita::Errore, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 non è un file normale").arg(sNome));
            return;
        case TFattiSfondo::EStato::NonLeggibile:
            pArea(TGravita::Errore, "sfondo-mancante",
                  QCoreApplication::translate("Ombrix", "sfondo %1 non leggibile come JPEG: %2").arg(sNome, f.sErrore));
            return;
        case TFattiSfondo::EStato::Letto:
            break;
        }
        if (f.dim != QSize(iLarghezzaPannello, iAltezzaPannello))
            pArea(TGravita::Avviso, "sfondo-dimensioni",
                  QCoreApplication::translate("Ombrix", "sfondo %1 di %2 x %3 pixel invece di %4 x %5")
                      .arg(sNome)
                      .arg(f.dim.width())
                      .arg(f.dim.height())
                      .arg(iLarghezzaPannello)
                      .arg(iAltezzaPannello));
    }

    /** The character checks of an area name (pO null) or of a label. */
    void pTesto(const TOggettoLetto *pO, const QString &s, const QString &sCosa)
    {
        const auto pTrovato = [&](TGravita e, const char *szCodice, const QString &sDettaglio) {
            if (pO)
                pOggetto(e, *pO, szCodice, sDettaglio);
            else
                pArea(e, szCodice, sDettaglio);
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

    void pOggetto(const TOggettoLetto &o)
    {
        if (o.iTipo < 1 || o.iTipo > 10) { // not exported: nothing else of it matters
            pOggetto(TGravita::Avviso, o, "tipo-sconosciuto",
                     QCoreApplication::translate("Ombrix", "tipo %1 fuori dal campo 1-10, l'esportazione non lo scrive")
                         .arg(o.iTipo));
            return;
        }
        if (fClasseIo(o.iTipo))
            pNumero(o);
        if (o.iTipo == 3) {
            TEsitoOggetto &eo = fEsitoOggetto(o);
            eo.iZoom = o.iAreaZoom;
            eo.orfano = fTrovatoOggetto(
                TGravita::Errore, m_a, o, "marcatore-orfano",
                QCoreApplication::translate("Ombrix", "porta all'area %1, che non esiste").arg(o.iAreaZoom));
        }
        pPosizioni(o);
        if (o.iTipo == 3) // a zoom marker's label is never exported
            return;
        pStile(o);
        if (!o.sTesto.isEmpty())
            pEtichetta(o);
    }

    /** The size and colour indices, which the export writes with or without a text: outside the catalogue
     *  they widen the record past its 128 characters. */
    void pStile(const TOggettoLetto &o)
    {
        if (!fDimensioneNelCatalogo(o.iFont))
            pOggetto(
                TGravita::Errore, o, "stile-fuori-catalogo",
                QCoreApplication::translate("Ombrix", "dimensione del testo %1 fuori dal catalogo (0-9)").arg(o.iFont));
        if (!fColoreNelCatalogo(o.iColor))
            pOggetto(TGravita::Errore, o, "stile-fuori-catalogo",
                     QCoreApplication::translate("Ombrix", "colore del testo %1 fuori dal catalogo (0-10, 16)")
                         .arg(o.iColor));
    }

    void pNumero(const TOggettoLetto &o)
    {
        const QString sClasse = fNomeClasseIo(*fClasseIo(o.iTipo));
        if (!fNumeroIoValido(o.iNumSensore)) {
            pOggetto(TGravita::Errore, o, "numero-fuori-campo",
                     QCoreApplication::translate("Ombrix", "%1 numero %2 fuori dal campo 1-%3")
                         .arg(sClasse)
                         .arg(o.iNumSensore)
                         .arg(iNumeroIoMassimo));
            return; // a number the panel does not have is not also a duplicate
        }
        const auto [it, bNuovo] = m_primoConNumero.try_emplace(std::tuple(sClasse, o.iNumSensore), &o);
        if (!bNuovo)
            pOggetto(TGravita::Avviso, o, "numero-duplicato",
                     QCoreApplication::translate("Ombrix", "%1 numero %2 già usato in quest'area da %3")
                         .arg(sClasse)
                         .arg(o.iNumSensore)
                         .arg(fNomeLetto(*it->second)));
    }

    void pPosizioni(const TOggettoLetto &o)
    {
        const qint64 cx = o.iX + o.iIconSize / 2;
        const qint64 cy = o.iY + o.iIconSize / 2;
        if (!fNelPannello(cx, cy))
            pOggetto(TGravita::Errore, o, "fuori-pannello",
                     QCoreApplication::translate("Ombrix", "centro dell'icona %1 fuori dal pannello 0-479 x 0-271")
                         .arg(fPunto(cx, cy)));
        if (o.iTipo == 4) {
            const qint64 iOffset2 = o.iX2 > 0 ? iGlobB2Size / 2 : 0;
            const qint64 x2 = o.iX2 + iOffset2;
            const qint64 y2 = o.iY2 + iOffset2;
            if (!fNelPannello(x2, y2))
                pOggetto(TGravita::Errore, o, "fuori-pannello",
                         QCoreApplication::translate("Ombrix", "seconda estremità %1 fuori dal pannello 0-479 x 0-271")
                             .arg(fPunto(x2, y2)));
        }
        for (const TTasto &t : m_aTasti) {
            const bool bSopra = o.iX < t.rect.x() + t.rect.width() && o.iX + o.iIconSize > t.rect.x() &&
                                o.iY < t.rect.y() + t.rect.height() && o.iY + o.iIconSize > t.rect.y();
            if (bSopra)
                pOggetto(TGravita::Avviso, o, "su-tasti",
                         QCoreApplication::translate("Ombrix", "icona di %1 pixel in %2 sopra il tasto %3")
                             .arg(o.iIconSize)
                             .arg(fPunto(o.iX, o.iY), t.sCodice));
        }
    }

    void pEtichetta(const TOggettoLetto &o)
    {
        const QString sTesto = QCoreApplication::translate("Ombrix", "testo \"%1\"").arg(fVisibile(o.sTesto));
        const int iLunghezza = fLunghezzaTesto(o.sTesto);
        if (iLunghezza > iTestoMassimo)
            pOggetto(TGravita::Errore, o, "testo-lungo",
                     QCoreApplication::translate("Ombrix", "%1 di %2 caratteri, oltre %3")
                         .arg(sTesto)
                         .arg(iLunghezza)
                         .arg(iTestoMassimo));
        pTesto(&o, o.sTesto, QCoreApplication::translate("Ombrix", "testo"));
        if (!fNelPannello(o.iXt, o.iYt)) {
            pOggetto(TGravita::Errore, o, "fuori-pannello",
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
            pOggetto(TGravita::Avviso, o, "testo-tagliato",
                     QCoreApplication::translate("Ombrix", "%1 in %2, di %3 x %4 pixel, supera il bordo %5")
                         .arg(sTesto, fPunto(o.iXt, o.iYt))
                         .arg(size.width())
                         .arg(size.height())
                         .arg(asBordi.join(QCoreApplication::translate("Ombrix", " e il bordo "))));
        pSovrapposto(o, sTesto, size);
    }

    /** A label over another object's icon, which the panel would show half hidden; touching is not covering. */
    void pSovrapposto(const TOggettoLetto &o, const QString &sTesto, const QSize &size)
    {
        for (const TOggettoLetto *pAltro : *m_pOggetti) {
            const TOggettoLetto &a = *pAltro;
            if (a.iId == o.iId || a.iTipo < 1 || a.iTipo > 10) // an object the export does not write is not shown
                continue;
            const bool bCopre = o.iXt < a.iX + a.iIconSize && o.iXt + size.width() > a.iX &&
                                o.iYt < a.iY + a.iIconSize && o.iYt + size.height() > a.iY;
            if (bCopre)
                pOggetto(TGravita::Avviso, o, "testo-sovrapposto",
                         QCoreApplication::translate("Ombrix", "%1 in %2 copre l'icona di %3 %4")
                             .arg(sTesto, fPunto(o.iXt, o.iYt), fNomeTipo(a.iTipo))
                             .arg(a.iId));
        }
    }

    /** The size a label of this text takes on the canvas. */
    static QSize fDimensioniTesto(qint64 iFont, const QString &s)
    {
        const int iIndice = iFont >= 1 && iFont <= 9 ? int(iFont) : 0; // every other index is 16 points
        const QFontMetrics fm(fLabelFont(iIndice));
        return fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, s).size();
    }

    const TAreaLetta &m_a;
    const QList<TTasto> m_aTasti = fTastiDelLivello(m_a.iLivello);
    TEsitoArea m_esito;
    TEsitoOggetto *m_pEsito = nullptr;                        // the esito of the object being checked, once it has one
    const QList<const TOggettoLetto *> *m_pOggetti = nullptr; // the area's objects
    std::map<std::tuple<QString, qint64>, const TOggettoLetto *> m_primoConNumero;
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

QString fNomeSfondo(qint64 iAreaId)
{
    return QStringLiteral("img_%1.jpg").arg(iAreaId);
}

QString fPercorsoSfondo(const QString &sRootPrj, qint64 iAreaId)
{
    return sRootPrj + QStringLiteral("areas/") + fNomeSfondo(iAreaId);
}

TEsitoArea fVerificaArea(const TAreaLetta &a, const QList<const TOggettoLetto *> &aOggetti, const TFattiSfondo &sfondo)
{
    return TVerificaArea(a, sfondo).fEsegui(aOggetti);
}

QList<TFinding> fFindingsArea(const TEsitoArea &e, bool bRaggiunta,
                              const std::function<std::optional<QString>(qint64)> &fNomeArea)
{
    QList<TFinding> a = e.aArea;
    if (e.irraggiungibile && !bRaggiunta)
        a.append(*e.irraggiungibile);
    for (const TEsitoOggetto &o : e.aOggetti) {
        const std::optional<QString> sArea = o.iZoom ? fNomeArea(*o.iZoom) : std::nullopt;
        qsizetype iPrimo = a.size();
        a.append(o.aPrima);
        if (o.iZoom && !sArea)
            a.append(o.orfano);
        a.append(o.aDopo);
        if (sArea) // a marker is named by the area it leads to
            for (; iPrimo < a.size(); ++iPrimo)
                a[iPrimo].sMessaggio.replace(fNomeMarcatoreId(*o.iZoom), fNomeMarcatore(fVisibile(*sArea)));
    }
    // an object's findings follow the area's own, unless its id is below theirs
    const auto fPrima = [](const TFinding &x, const TFinding &y) {
        return x.iOggettoId.value_or(-1) < y.iOggettoId.value_or(-1);
    };
    if (!std::is_sorted(a.cbegin(), a.cend(), fPrima))
        std::stable_sort(a.begin(), a.end(), fPrima);
    return a;
}

QList<TFinding> fVerificaRighe(const TProgettoLetto &p, const QString &sRootPrj, TCacheSfondi &sfondi)
{
    QHash<qint64, QList<const TOggettoLetto *>> perArea;
    for (const TOggettoLetto &o : p.aOggetti)
        perArea[o.iAreaId].append(&o);
    QList<TEsitoArea> aEsiti;
    for (const TAreaLetta &a : p.aAree)
        aEsiti.append(fVerificaArea(a, perArea.value(a.iId), sfondi.fFatti(fPercorsoSfondo(sRootPrj, a.iId))));
    const QSet<qint64> aRaggiunte = fAreeRaggiunte(aEsiti);
    const auto fNomeArea = [&p](qint64 iId) {
        const TAreaLetta *pArea = p.fArea(iId);
        return pArea ? std::optional<QString>(pArea->sNome) : std::nullopt;
    };
    QList<TFinding> aFindings;
    for (qsizetype i = 0; i < p.aAree.size(); ++i)
        aFindings.append(fFindingsArea(aEsiti.at(i), aRaggiunte.contains(p.aAree.at(i).iId), fNomeArea));
    return aFindings;
}

QList<TFinding> fVerificaProgetto(TSqlConn &conn, const QString &sRootPrj)
{
    TCacheSfondi sfondi;
    return fVerificaRighe(fLeggiProgetto(conn), sRootPrj, sfondi);
}
