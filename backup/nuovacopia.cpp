#include "backup/nuovacopia.h"

#include "backup/cartellacopie.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

// the translation context of the program's own messages
struct Ombrix
{
    Q_DECLARE_TR_FUNCTIONS(Ombrix)
};

// a picture that keeps changing while it is copied is given up after this many tries
constexpr int iTentativiCopia = 3;

} // namespace

void pScriviFile(const TCartella &cartella, const QString &sNome, const QByteArray &ab)
{
    const TFd fd = cartella.fCreaFile(sNome);
    if (::write(fd.fFd(), ab.constData(), size_t(ab.size())) != ab.size())
        throw TOmbrixError(fMessaggioErrno(cartella.fPercorso(sNome), errno));
    ::sync_file_range(fd.fFd(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

TNuovaCopia::TNuovaCopia(const TCartella &copie, const TCartella &aree, const TCartella &archivio)
    : m_copie(copie), m_aree(aree), m_archivio(archivio),
      m_sNome(sPrefissoInCorso + QString::number(::getpid()) + QLatin1Char('-') +
              QString::number(QRandomGenerator::global()->generate(), 36))
{
    m_copie.pCreaCartella(m_sNome);
    m_cartella.emplace(m_copie.fSotto(m_sNome));
    m_cartella->pCreaCartella(sCartellaAree);
    m_cartellaAree.emplace(m_cartella->fSotto(sCartellaAree));
}

TNuovaCopia::~TNuovaCopia()
{
    if (m_bConsegnata)
        return;
    m_cartellaAree.reset();
    m_cartella.reset();
    m_copie.fRimuovi(m_sNome);
    try {
        pTogliNuoveDallArchivio();
    } catch (const TOmbrixError &) {
        // left for the pruning after the next snapshot
    }
}

void TNuovaCopia::pScrivi(const QString &sNome, const QByteArray &ab)
{
    pScriviFile(*m_cartella, sNome, ab);
    m_asDaSincronizzareQui << sNome;
}

void TNuovaCopia::pImmagine(TImprontaImmagine &img, const TImprontaImmagine *pPrima)
{
    if (pPrima && !pPrima->abHash.isEmpty() && fDallArchivio(pPrima->abHash, img.sNome)) {
        img.abHash = pPrima->abHash;
        return;
    }
    pDalProgetto(img);
}

bool TNuovaCopia::fConsegna(const QString &sNome)
{
    // all written first, each already on its way: the waits overlap
    for (const QString &s : std::exchange(m_asDaSincronizzareQui, {}))
        m_cartella->pSyncFile(s);
    for (const QString &s : std::exchange(m_asDaSincronizzare, {}))
        m_cartellaAree->pSyncFile(s);
    m_cartellaAree->pSync();
    m_cartella->pSync();
    if (!m_asNuoveInArchivio.isEmpty())
        m_archivio.pSync();
    if (!m_copie.fRinominaNuovo(m_sNome, sNome))
        return false;
    m_bConsegnata = true;
    m_copie.pSync();
    return true;
}

/** A link in the snapshot to the stored picture of that hash; false when there is none to link to. */
bool TNuovaCopia::fDallArchivio(const QByteArray &abHash, const QString &sNome)
{
    const QString sHash = QString::fromLatin1(abHash);
    const std::optional<struct stat> st = m_archivio.fStat(sHash);
    if (!st || !S_ISREG(st->st_mode))
        return false;
    const int iErrno = m_archivio.fCollega(sHash, *m_cartellaAree, sNome);
    if (iErrno == 0)
        return true;
    if (iErrno == ENOENT)
        return false; // pruned meanwhile by another snapshot run
    // a file system without hard links, or one at its most for this file: a copy of the stored one
    const TFd da = m_archivio.fApriFile(sHash);
    const TFd a = m_cartellaAree->fCreaFile(sNome);
    pCopiaFile(da, m_archivio.fPercorso(sHash), a, m_cartellaAree->fPercorso(sNome), nullptr);
    m_asDaSincronizzare << sNome;
    return true;
}

/** The project's picture read, copied into the snapshot while it is hashed, and stored. */
void TNuovaCopia::pDalProgetto(TImprontaImmagine &img)
{
    for (int iTentativo = 0;; ++iTentativo) {
        struct stat stPrima;
        const TFd da = m_aree.fApriFile(img.sNome, &stPrima);
        m_cartellaAree->fRimuovi(img.sNome);
        const TFd a = m_cartellaAree->fCreaFile(img.sNome);
        QCryptographicHash h(iAlgoritmoHash);
        pCopiaFile(da, m_aree.fPercorso(img.sNome), a, m_cartellaAree->fPercorso(img.sNome), &h);
        struct stat stDopo;
        if (::fstat(da.fFd(), &stDopo) != 0)
            throw TOmbrixError(fMessaggioErrno(m_aree.fPercorso(img.sNome), errno));
        if (TStatFile::fDa(stPrima) == TStatFile::fDa(stDopo)) {
            img.st = TStatFile::fDa(stPrima);
            img.abHash = h.result().toHex();
            break;
        }
        if (iTentativo + 1 >= iTentativiCopia)
            throw TOmbrixError(m_aree.fPercorso(img.sNome) + QStringLiteral(": ") +
                               Ombrix::tr("cambia mentre lo si copia"));
    }
    const QString sHash = QString::fromLatin1(img.abHash);
    for (int iTentativo = 0; iTentativo < 2; ++iTentativo) {
        const int iErrno = m_cartellaAree->fCollega(img.sNome, m_archivio, sHash);
        if (iErrno == 0) {
            m_asNuoveInArchivio << sHash;
            break;
        }
        if (iErrno != EEXIST)
            break; // no links here: the snapshot keeps its own copy
        const std::optional<struct stat> st = m_archivio.fStat(sHash);
        if (st && S_ISREG(st->st_mode)) {
            // the same contents are stored already: the snapshot links to them instead of its own copy
            const QString sTmp = QLatin1Char('.') + img.sNome + QStringLiteral(".archivio");
            m_cartellaAree->fRimuovi(sTmp);
            if (m_archivio.fCollega(sHash, *m_cartellaAree, sTmp) == 0) {
                m_cartellaAree->pRinomina(sTmp, *m_cartellaAree, img.sNome);
                return;
            }
            break;
        }
        m_archivio.fRimuovi(sHash); // not a stored picture: it makes way for one
    }
    m_asDaSincronizzare << img.sNome;
}

void TNuovaCopia::pTogliNuoveDallArchivio()
{
    for (const QString &s : m_asNuoveInArchivio) {
        const std::optional<struct stat> st = m_archivio.fStat(s);
        if (st && S_ISREG(st->st_mode) && st->st_nlink <= 1)
            m_archivio.fRimuovi(s);
    }
}
