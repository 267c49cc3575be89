#pragma once

#include "backup/cartella.h"
#include "backup/impronta.h"

#include <QStringList>

#include <optional>

/** A new file sNome in the folder holding ab, on its way to the disk (TCartella::pSyncFile waits for it). */
void pScriviFile(const TCartella &cartella, const QString &sNome, const QByteArray &ab);

/**
 * A snapshot being made, in its hidden working folder in "backup": its
 * pictures linked from the store where their contents are known, read from
 * the project, hashed and stored where they changed. Delivered, it is
 * renamed to its name; destroyed before, it goes whole, and so do the
 * pictures it stored that nothing else links.
 */
class TNuovaCopia
{
public:
    /** A working folder in copie for a snapshot of the pictures in aree, storing them in archivio. */
    TNuovaCopia(const TCartella &copie, const TCartella &aree, const TCartella &archivio);
    ~TNuovaCopia();
    TNuovaCopia(const TNuovaCopia &) = delete;
    TNuovaCopia &operator=(const TNuovaCopia &) = delete;

    const TCartella &fCartella() const { return *m_cartella; }
    /** The file sNome of the snapshot's folder is to be made durable with it. */
    void pDaSincronizzare(const QString &sNome) { m_asDaSincronizzareQui << sNome; }
    /** A new file sNome in the snapshot's folder, holding ab. */
    void pScrivi(const QString &sNome, const QByteArray &ab);
    /** Picture img of the project into the snapshot: from the store when pPrima gives its contents (its state
     *  being the same, and old enough to tell), else read from the project and stored. Fills img's state and
     *  hash. */
    void pImmagine(TImprontaImmagine &img, const TImprontaImmagine *pPrima);
    /** Everything written made durable, then the folder renamed to the snapshot's name sNome; false when that
     *  name is taken. */
    bool fConsegna(const QString &sNome);

private:
    bool fDallArchivio(const QByteArray &abHash, const QString &sNome);
    void pDalProgetto(TImprontaImmagine &img);
    void pTogliNuoveDallArchivio();

    const TCartella &m_copie;
    const TCartella &m_aree;
    const TCartella &m_archivio;
    QString m_sNome;
    std::optional<TCartella> m_cartella;
    std::optional<TCartella> m_cartellaAree;
    QStringList m_asNuoveInArchivio;
    QStringList m_asDaSincronizzare;    // in "areas"
    QStringList m_asDaSincronizzareQui; // in the snapshot's folder
    bool m_bConsegnata = false;
};
