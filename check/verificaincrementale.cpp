#include "check/verificaincrementale.h"

#include "document/commands/modifica.h"
#include "document/projectdocument.h"

#include <QGuiApplication>

#include <algorithm>
#include <tuple>

namespace {

/** Past this many rows named by steps and not yet read, reading the project whole is the cheaper way. */
constexpr qsizetype iMassimoDaLeggere = 2000;

/** Where the row of id iId is, or goes, in a by-id list. */
template <typename T> qsizetype fPosto(const QList<T> &a, qint64 iId)
{
    return std::lower_bound(a.cbegin(), a.cend(), iId, [](const T &r, qint64 i) { return r.iId < i; }) - a.cbegin();
}

/** Puts riga (none: no row) in place of the row of id iId in the by-id list a. Returns whether that changed
 *  anything, and the row it replaced. */
template <typename T>
std::pair<bool, std::optional<T>> fSostituisci(QList<T> &a, qint64 iId, const std::optional<T> &riga)
{
    const qsizetype i = fPosto(a, iId);
    std::optional<T> prima;
    if (i < a.size() && a.at(i).iId == iId)
        prima = a.at(i);
    if (prima == riga)
        return {false, prima};
    if (riga && prima)
        a[i] = *riga;
    else if (riga)
        a.insert(i, *riga);
    else
        a.removeAt(i);
    return {true, prima};
}

/** Calls fDiverse(prima, dopo) for each id whose row differs between the by-id lists aPrima and aDopo, a
 *  missing row passed as null. */
template <typename T, typename F> void pConfronta(const QList<T> &aPrima, const QList<T> &aDopo, F fDiverse)
{
    qsizetype i = 0, j = 0;
    while (i < aPrima.size() || j < aDopo.size()) {
        const T *pA = i < aPrima.size() ? &aPrima.at(i) : nullptr;
        const T *pB = j < aDopo.size() ? &aDopo.at(j) : nullptr;
        if (pA && (!pB || pA->iId < pB->iId)) {
            fDiverse(pA, nullptr);
            ++i;
        } else if (pB && (!pA || pB->iId < pA->iId)) {
            fDiverse(nullptr, pB);
            ++j;
        } else {
            if (!(*pA == *pB))
                fDiverse(pA, pB);
            ++i;
            ++j;
        }
    }
}

} // namespace

TVerificaIncrementale &TVerificaIncrementale::fDi(TProjectDocument &doc)
{
    if (auto *p = doc.findChild<TVerificaIncrementale *>(QString(), Qt::FindDirectChildrenOnly))
        return *p;
    return *new TVerificaIncrementale(doc);
}

TVerificaIncrementale::TVerificaIncrementale(TProjectDocument &doc) : QObject(&doc), m_doc(doc)
{
    connect(&doc, &TProjectDocument::sigPasso, this, &TVerificaIncrementale::pPasso);
    connect(&doc, &TProjectDocument::sigRiletto, this, [this] { pRileggi(); });
    connect(&doc, &TProjectDocument::sigProgetto, this, &TVerificaIncrementale::pProgetto);
    // back from another program, which may have changed pictures
    if (auto *pApp = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(pApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState eStato) {
            if (eStato == Qt::ApplicationActive)
                pRivediSfondi();
        });
}

void TVerificaIncrementale::pRileggi()
{
    m_bRileggi = true;
    m_bRivediSfondi = true;
}

void TVerificaIncrementale::pPasso(const TChiavi &chiavi)
{
    if (m_bRileggi)
        return;
    for (qint64 iId : chiavi.aAree)
        m_aAreeDaLeggere.insert(iId);
    for (qint64 iId : chiavi.aSensori)
        m_aOggettiDaLeggere.insert(iId);
    for (qint64 iId : chiavi.aImmagini)
        m_aToccate.insert(iId); // its rows are as they were: the cross-reference stays
    if (m_aAreeDaLeggere.size() + m_aOggettiDaLeggere.size() > iMassimoDaLeggere)
        pRileggi();
}

void TVerificaIncrementale::pProgetto()
{
    m_p = {};
    pRileggi();
    m_aAreeDaLeggere.clear();
    m_aOggettiDaLeggere.clear();
    m_aToccate.clear();
    m_bIoDaRifare = true;
    m_voci.clear();
    m_aFindings.clear();
    m_aRigheIo.clear();
}

void TVerificaIncrementale::pTocca(const TAreaLetta *pPrima, const TAreaLetta *pDopo)
{
    m_aToccate.insert(pPrima ? pPrima->iId : pDopo->iId);
    m_bIoDaRifare = true; // its name is in the cross-reference's rows
}

void TVerificaIncrementale::pTocca(const TOggettoLetto *pPrima, const TOggettoLetto *pDopo)
{
    if (pPrima)
        m_aToccate.insert(pPrima->iAreaId);
    if (pDopo)
        m_aToccate.insert(pDopo->iAreaId);
    // a move changes nothing the cross-reference shows
    const auto fIo = [](const TOggettoLetto *p) {
        return p ? std::optional(std::tuple(p->iTipo, p->iNumSensore, p->iAreaId, p->sTesto)) : std::nullopt;
    };
    m_bIoDaRifare = m_bIoDaRifare || fIo(pPrima) != fIo(pDopo);
}

void TVerificaIncrementale::pAggiornaRighe()
{
    try {
        if (m_bRileggi)
            pRileggiTutto();
        else
            pApplicaChiavi();
    } catch (...) {
        pRileggi(); // the rows kept may be half done: they are compared whole next time
        throw;
    }
}

void TVerificaIncrementale::pRileggiTutto()
{
    TProgettoLetto p = fLeggiProgetto(m_doc.fConn());
    pConfronta(m_p.aAree, p.aAree, [this](const TAreaLetta *pA, const TAreaLetta *pB) { pTocca(pA, pB); });
    pConfronta(m_p.aOggetti, p.aOggetti, [this](const TOggettoLetto *pA, const TOggettoLetto *pB) { pTocca(pA, pB); });
    m_p = std::move(p);
    m_aAreeDaLeggere.clear();
    m_aOggettiDaLeggere.clear();
    m_bRileggi = false;
}

void TVerificaIncrementale::pApplicaChiavi()
{
    TSqlConn &conn = m_doc.fConn();
    for (qint64 iId : std::as_const(m_aAreeDaLeggere)) {
        const std::optional<TAreaLetta> a = fLeggiArea(conn, iId);
        const auto [bCambiata, prima] = fSostituisci(m_p.aAree, iId, a);
        if (bCambiata)
            pTocca(prima ? &*prima : nullptr, a ? &*a : nullptr);
    }
    m_aAreeDaLeggere.clear();
    for (qint64 iId : std::as_const(m_aOggettiDaLeggere)) {
        const std::optional<TOggettoLetto> o = fLeggiOggetto(conn, iId);
        const auto [bCambiato, prima] = fSostituisci(m_p.aOggetti, iId, o);
        if (bCambiato)
            pTocca(prima ? &*prima : nullptr, o ? &*o : nullptr);
    }
    m_aOggettiDaLeggere.clear();
}

const QList<TFinding> &TVerificaIncrementale::fFindings()
{
    if (!m_doc.fAperto()) {
        pProgetto();
        return m_aFindings;
    }
    pAggiornaRighe();
    if (m_sRoot != m_doc.fRootPrj()) {
        m_sRoot = m_doc.fRootPrj();
        m_sfondi.pSvuota();
    }
    bool bCambiate = false;
    for (qint64 iId : std::as_const(m_aToccate))
        if (!m_p.fArea(iId))
            bCambiate = m_voci.remove(iId) || bCambiate;

    // the areas to check again: those the steps touched, and any whose picture changed when all are looked at
    QHash<qint64, TFattiSfondo> aDaVerificare;
    if (m_bRivediSfondi) {
        for (const TAreaLetta &a : std::as_const(m_p.aAree)) {
            TFattiSfondo fatti = m_sfondi.fFatti(fPercorsoSfondo(m_sRoot, a.iId));
            const auto it = m_voci.constFind(a.iId);
            if (it == m_voci.cend() || m_aToccate.contains(a.iId) || it->esito.sfondo != fatti)
                aDaVerificare.insert(a.iId, std::move(fatti));
        }
        m_bRivediSfondi = false;
    } else {
        for (qint64 iId : std::as_const(m_aToccate))
            if (m_p.fArea(iId))
                aDaVerificare.insert(iId, m_sfondi.fFatti(fPercorsoSfondo(m_sRoot, iId)));
    }
    m_aToccate.clear();
    if (!aDaVerificare.isEmpty()) {
        QHash<qint64, QList<const TOggettoLetto *>> perArea;
        for (const TOggettoLetto &o : std::as_const(m_p.aOggetti))
            if (aDaVerificare.contains(o.iAreaId))
                perArea[o.iAreaId].append(&o);
        for (auto it = aDaVerificare.cbegin(); it != aDaVerificare.cend(); ++it) {
            TVoce &voce = m_voci[it.key()];
            voce = TVoce{};
            voce.esito = fVerificaArea(*m_p.fArea(it.key()), perArea.value(it.key()), it.value());
            ++m_iAreeVerificate;
        }
        bCambiate = true;
    }

    // the facts that span the project, from the rows
    QSet<qint64> aRaggiunte;
    for (const TVoce &voce : std::as_const(m_voci))
        for (const TEsitoOggetto &o : voce.esito.aOggetti)
            if (o.iZoom)
                aRaggiunte.insert(*o.iZoom);
    const auto fEsiste = [this](qint64 iId) {
        const TAreaLetta *pArea = m_p.fArea(iId);
        return pArea ? std::optional<QString>(pArea->sNome) : std::nullopt;
    };
    for (const TAreaLetta &a : std::as_const(m_p.aAree)) {
        TVoce &voce = m_voci[a.iId];
        const bool bRaggiunta = aRaggiunte.contains(a.iId);
        QList<std::optional<QString>> aEsistono;
        for (const TEsitoOggetto &o : std::as_const(voce.esito.aOggetti))
            if (o.iZoom)
                aEsistono.append(fEsiste(*o.iZoom));
        if (voce.bPronta && voce.bRaggiunta == bRaggiunta && voce.aEsistono == aEsistono)
            continue;
        voce.aFindings = fFindingsArea(voce.esito, bRaggiunta, fEsiste);
        voce.bRaggiunta = bRaggiunta;
        voce.aEsistono = std::move(aEsistono);
        voce.bPronta = true;
        bCambiate = true;
    }
    if (bCambiate) {
        m_aFindings.clear();
        for (const TAreaLetta &a : std::as_const(m_p.aAree))
            m_aFindings.append(m_voci.constFind(a.iId)->aFindings);
    }
    return m_aFindings;
}

const QList<TRigaIo> &TVerificaIncrementale::fRigheIo()
{
    if (!m_doc.fAperto()) {
        pProgetto();
        return m_aRigheIo;
    }
    pAggiornaRighe();
    if (m_bIoDaRifare) {
        m_aRigheIo = fRiferimentiIo(m_p);
        m_bIoDaRifare = false;
    }
    return m_aRigheIo;
}
