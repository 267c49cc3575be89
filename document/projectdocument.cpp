#include "document/projectdocument.h"

#include "document/commands/modifica.h"
#include "model/catalogo.h"
#include "model/righe.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace {

// above this many objects in one step, the shown area is read and shown anew instead of item by item
constexpr qsizetype iOggettiUnoAUno = 64;

} // namespace

TProjectDocument::TProjectDocument(QObject *pParent) : QObject(pParent) {}

TProjectDocument::~TProjectDocument()
{
    const QSignalBlocker blocker(this); // the views may be gone already
    pCloseProject();
}

QString TProjectDocument::fDatabase() const
{
    return m_conn.fDatabase();
}

// --- the project's life --------------------------------------------------------

void TProjectDocument::pImpostaCartella(const QString &sRootPrj)
{
    m_sRootPrj = sRootPrj;
    if (!m_sRootPrj.endsWith(QLatin1Char('/')))
        m_sRootPrj += QLatin1Char('/');
    m_pAreaStore = std::make_unique<TAreaStore>(m_conn, CDArea, m_sRootPrj);
    m_pSensorStore = std::make_unique<TSensorStore>(m_conn);
}

void TProjectDocument::pOpenProject(const QString &sDb, bool bNew)
{
    try {
        // A file that is already there is written only once it has proved to
        // be a project: its area list must load before any schema statement.
        const QFileInfo info(sDb);
        const bool bExisting = info.exists() && info.size() > 0;
        m_conn.pOpen(sDb, bNew);
        // every edit is on disk once its statement returns
        m_conn.pExec(QStringLiteral("PRAGMA synchronous = FULL"));
        if (bExisting) {
            // a damaged file is told apart from a file that is not a project
            const QString esito = fQuickCheck();
            if (!esito.isEmpty())
                throw TProgettoDanneggiato(fMessaggioDanneggiato(sDb, esito), sDb);
        }
        if (bNew && bExisting)
            CDArea.pLoad(m_conn);
        if (bNew)
            pCreaTabelle(m_conn);
        CDArea.pLoad(m_conn);
    } catch (const TProgettoDanneggiato &) {
        pCloseProject();
        throw;
    } catch (const TOmbrixError &e) {
        const int iCodice = m_conn.fErrCode();
        pCloseProject();
        if (iCodice == SQLITE_CORRUPT || iCodice == SQLITE_NOTADB)
            throw TProgettoDanneggiato(fMessaggioDanneggiato(sDb, e.fMessage()), sDb);
        // the message names the file it is about
        if (e.fMessage().contains(sDb))
            throw;
        throw TOmbrixError(sDb + QStringLiteral(": ") + e.fMessage());
    } catch (...) {
        pCloseProject();
        throw;
    }
    m_bAperto = true;
    emit sigProgetto(true);
    pAreeCambiate();
    const QList<TAreaRow> aRows = fAreeInOrdineAlbero();
    if (!aRows.isEmpty())
        pMostraArea(aRows.first().iId);
}

void TProjectDocument::pCloseProject(bool bTieniBlocco)
{
    const bool bEraAperto = m_bAperto || m_conn.fIsOpen();
    m_bAperto = false;
    m_undo.clear();
    m_iMostrata = 0;
    m_aOggetti.clear();
    m_indiceOggetti.clear();
    m_aAreeViste.clear();
    if (CDArea.fIsOpen())
        CDArea.pClose();
    if (m_conn.fIsOpen())
        m_conn.pClose();
    if (!bTieniBlocco)
        m_pBlocco.reset();
    if (bEraAperto)
        emit sigProgetto(false);
}

std::unique_ptr<TBloccoProgetto> TProjectDocument::fPrendiBlocco(const QString &sRootPrj)
{
    const QString sFile = QFileInfo(TBloccoProgetto::fFileBlocco(sRootPrj)).absoluteFilePath();
    if (m_pBlocco && QFileInfo(m_pBlocco->fPercorso()).absoluteFilePath() == sFile)
        return std::exchange(m_pBlocco, nullptr); // the same project again: the lock is ours
    return std::make_unique<TBloccoProgetto>(sRootPrj);
}

void TProjectDocument::pNuovoProgetto(const QString &sDir, const QString &sNome)
{
    if (sNome.isEmpty())
        return;
    pRequireNoControlChars(sNome); // the name of the first area too: refused before anything is made
    QString sFolder = QDir::fromNativeSeparators(sDir);
    while (sFolder.size() > 1 && sFolder.endsWith(QLatin1Char('/')))
        sFolder.chop(1);

    const QString sRoot = sFolder + QLatin1Char('/') + sNome + QLatin1Char('/');
    // Folders that exist stay as they are; a folder that cannot be made
    // shows up as the failure to create the database below.
    QDir().mkdir(sFolder + QLatin1Char('/') + sNome);
    QDir().mkdir(sRoot + QStringLiteral("areas"));
    QDir().mkdir(sRoot + QStringLiteral("out"));
    // a project of that name that another editor has open is left alone, and so is the open one
    std::unique_ptr<TBloccoProgetto> pBlocco =
        QFileInfo(sRoot).isDir() ? fPrendiBlocco(sRoot) : std::unique_ptr<TBloccoProgetto>();
    pCloseProject();
    m_pBlocco = std::move(pBlocco);
    pImpostaCartella(sRoot);

    pOpenProject(sRoot + sNome + QStringLiteral(".omb"), true);
    try {
        // the first area is part of the new project, not a step that can be taken back
        const qint64 iId = m_pAreaStore->pAddAreaBase(sNome, 0);
        CDArea.pLoad(m_conn);
        pAreeCambiate();
        pMostraArea(iId);
    } catch (...) {
        // a new project without its first area is not a usable project
        pCloseProject();
        throw;
    }
    m_undo.clear();
}

void TProjectDocument::pApriProgetto(const QString &sDb)
{
    const QString sRoot = QFileInfo(sDb).absolutePath();
    std::unique_ptr<TBloccoProgetto> pBlocco = fPrendiBlocco(sRoot);
    pCloseProject();
    m_pBlocco = std::move(pBlocco);
    pImpostaCartella(sRoot);
    pOpenProject(sDb, false);
    pCopiaAutomatica(tr("apertura del progetto"));
}

void TProjectDocument::pApriDaCopia(const QString &sDb, const TCopia &copia)
{
    const QString sRoot = QFileInfo(sDb).absolutePath();
    std::unique_ptr<TBloccoProgetto> pBlocco = fPrendiBlocco(sRoot);
    pCloseProject();
    m_pBlocco = std::move(pBlocco);
    pImpostaCartella(sRoot);
    try {
        if (copia.bDanneggiata)
            throw TOmbrixError(copia.sCartella + QStringLiteral(": ") + tr("copia danneggiata, non ripristinabile"));
        if (QFileInfo::exists(sDb))
            fMettiDaParteDanneggiato(sDb);
        pRipristinaCopia(copia, sDb);
    } catch (...) {
        m_pBlocco.reset();
        throw;
    }
    pOpenProject(sDb, false);
}

// --- snapshots -----------------------------------------------------------------

void TProjectDocument::pCopiaAutomatica(const QString &sMotivo)
{
    if (!m_bAperto)
        return;
    try {
        fFaiCopia(m_conn.fHandle(), m_sRootPrj, QFileInfo(fDatabase()).fileName(), sMotivo, iGlobSnapshot);
    } catch (const std::exception &e) {
        const QString sErrore = dynamic_cast<const TOmbrixError *>(&e) ? static_cast<const TOmbrixError &>(e).fMessage()
                                                                       : QString::fromLocal8Bit(e.what());
        emit sigAvviso(tr("Copia automatica non fatta: %1").arg(sErrore));
    }
}

QList<TCopia> TProjectDocument::fCopie() const
{
    return m_bAperto ? fElencaCopie(m_sRootPrj) : QList<TCopia>();
}

void TProjectDocument::pRipristina(const TCopia &copia)
{
    if (!m_bAperto)
        return;
    if (copia.bDanneggiata)
        throw TOmbrixError(copia.sCartella + QStringLiteral(": ") + tr("copia danneggiata, non ripristinabile") +
                           QStringLiteral(" (") + copia.sDifetto + QLatin1Char(')'));
    const QString sDb = fDatabase();
    // the state being replaced is kept first, so that the restore can be taken back; the chosen snapshot
    // is never the one the count pushes out
    fFaiCopia(m_conn.fHandle(), m_sRootPrj, QFileInfo(sDb).fileName(),
              tr("prima del ripristino della copia %1").arg(copia.sNome), iGlobSnapshot, copia.sNome);
    pCloseProject(true);
    try {
        pRipristinaCopia(copia, sDb);
    } catch (...) {
        try {
            pOpenProject(sDb, false); // whatever is there now is shown, not a project that is gone
        } catch (...) {
        }
        throw;
    }
    pOpenProject(sDb, false);
}

void TProjectDocument::pChiudiProgetto()
{
    pCloseProject();
}

QString TProjectDocument::fMessaggioDanneggiato(const QString &sDb, const QString &sErrore)
{
    return sDb + QStringLiteral(": ") + sErrore + QLatin1Char('\n') + tr("Il database del progetto è danneggiato.");
}

QString TProjectDocument::fQuickCheck()
{
    TSqlQuery q = m_conn.fQuery(QStringLiteral("PRAGMA quick_check"));
    const QString sEsito = q.fNext() ? q.fText(0) : QString();
    return sEsito == QStringLiteral("ok") ? QString() : sEsito.isEmpty() ? QStringLiteral("quick_check") : sEsito;
}

// --- areas ---------------------------------------------------------------------

QList<TAreaRow> TProjectDocument::fAreeInOrdineAlbero() const
{
    QList<TAreaRow> aRows = CDArea.fRows();
    std::stable_sort(aRows.begin(), aRows.end(), [](const TAreaRow &a, const TAreaRow &b) {
        if (a.iLivello != b.iLivello)
            return a.iLivello < b.iLivello;
        return a.iOrdinamento < b.iOrdinamento;
    });
    return aRows;
}

const TAreaRow *TProjectDocument::fArea(qint64 iId) const
{
    for (const TAreaRow &row : CDArea.fRows())
        if (row.iId == iId)
            return &row;
    return nullptr;
}

QString TProjectDocument::fAreaPicturePath(qint64 iId) const
{
    return m_sRootPrj + QStringLiteral("areas/img_") + QString::number(iId) + QStringLiteral(".jpg");
}

// --- the shown area ------------------------------------------------------------

void TProjectDocument::pMostraArea(qint64 iId)
{
    if (!m_bAperto)
        return;
    m_iMostrata = 0;
    m_aOggetti.clear();
    m_indiceOggetti.clear();
    if (iId != 0 && fArea(iId)) {
        m_iMostrata = iId;
        m_aOggetti = m_pSensorStore->pLoadSensori(QString::number(iId));
    }
    emit sigAreaMostrata(m_iMostrata);
}

const TSensore *TProjectDocument::fOggetto(qint64 iId) const
{
    if (m_indiceOggetti.isEmpty() && !m_aOggetti.isEmpty())
        for (qsizetype i = 0; i < m_aOggetti.size(); ++i)
            m_indiceOggetti.insert(m_aOggetti.at(i).Get_id(), i);
    const auto it = m_indiceOggetti.constFind(iId);
    return it == m_indiceOggetti.constEnd() ? nullptr : &m_aOggetti.at(*it);
}

// --- edits -----------------------------------------------------------------------

void TProjectDocument::pEsegui(TModifica *pModifica)
{
    std::unique_ptr<TModifica> p(pModifica);
    if (!m_bAperto)
        return;
    p->iMostrataPrima = m_iMostrata;
    p->iMostrataDopo = m_iMostrata;
    ++m_iPassi;
    try {
        p->pAvanti();
        p->m_dopo = p->fLeggiStato();
    } catch (...) {
        pRicarica();
        throw;
    }
    const TChiavi chiavi = p->fChiavi();
    const TStato dopo = p->m_dopo;
    const qint64 iDaMostrare = p->iMostrataDopo;
    if (!p->fNulla())
        m_undo.push(p.release()); // its first redo does nothing: the edit is done
    pPubblica(chiavi, dopo, iDaMostrare);
}

void TProjectDocument::pPubblica(const TChiavi &chiavi, const TStato &stato, qint64 iDaMostrare)
{
    emit sigPasso(chiavi);
    if (!chiavi.aAree.isEmpty()) {
        const QList<TAreaRow> aPrima = m_aAreeViste;
        CDArea.pLoad(m_conn);
        m_aAreeViste = CDArea.fRows();
        const QList<TAreaRow> &aDopo = CDArea.fRows();
        bool bSoloNomi = aPrima.size() == aDopo.size();
        for (qsizetype i = 0; bSoloNomi && i < aPrima.size(); ++i)
            bSoloNomi = aPrima.at(i).iId == aDopo.at(i).iId && aPrima.at(i).iLivello == aDopo.at(i).iLivello &&
                        aPrima.at(i).iFatherId == aDopo.at(i).iFatherId &&
                        aPrima.at(i).iOrdinamento == aDopo.at(i).iOrdinamento;
        if (bSoloNomi) {
            for (qsizetype i = 0; i < aPrima.size(); ++i)
                if (aPrima.at(i).sNome != aDopo.at(i).sNome)
                    emit sigAreaRinominata(aDopo.at(i).iId, aDopo.at(i).sNome);
        } else {
            pAreeCambiate();
        }
    }
    if (iDaMostrare != 0 && !fArea(iDaMostrare))
        iDaMostrare = 0;
    if (iDaMostrare != m_iMostrata || (m_iMostrata != 0 && !fArea(m_iMostrata))) {
        pMostraArea(iDaMostrare);
        return;
    }
    if (m_iMostrata == 0)
        return;
    // a step on many objects (a large paste, its undo) shows the area anew, once, rather than item by item
    if (chiavi.aSensori.size() > iOggettiUnoAUno) {
        pMostraArea(m_iMostrata);
        return;
    }
    for (qint64 iId : chiavi.aSensori) {
        const auto riga = stato.sensori.constFind(iId);
        const auto it =
            std::find_if(m_aOggetti.begin(), m_aOggetti.end(), [iId](const TSensore &s) { return s.Get_id() == iId; });
        const bool bQui =
            riga != stato.sensori.constEnd() && riga->fValore(QStringLiteral("area_id")).toLongLong() == m_iMostrata;
        if (!bQui) {
            if (it != m_aOggetti.end()) {
                m_aOggetti.erase(it);
                m_indiceOggetti.clear();
                emit sigOggettoRimosso(iId);
            }
            continue;
        }
        const TSensore s = fSensoreDaRiga(*riga);
        if (it != m_aOggetti.end()) {
            *it = s;
            emit sigOggettoCambiato(iId);
        } else {
            const auto pos = std::find_if(m_aOggetti.begin(), m_aOggetti.end(),
                                          [iId](const TSensore &o) { return o.Get_id() > iId; });
            m_aOggetti.insert(pos, s);
            m_indiceOggetti.clear();
            emit sigOggettoAggiunto(iId);
        }
    }
    if (chiavi.aImmagini.contains(m_iMostrata))
        emit sigSfondoCambiato(m_iMostrata);
}

void TProjectDocument::pAreeCambiate()
{
    m_aAreeViste = CDArea.fRows();
    emit sigAreeCambiate();
}

void TProjectDocument::pRileggi()
{
    if (!m_bAperto)
        return;
    emit sigRiletto();
    CDArea.pLoad(m_conn);
    pAreeCambiate();
    pMostraArea(fArea(m_iMostrata) ? m_iMostrata : 0);
}

void TProjectDocument::pRicarica()
{
    try {
        pRileggi();
    } catch (...) {
        // the failure being reported is the one that brought us here
    }
}
