#pragma once

#include <QByteArray>
#include <QHash>
#include <QSize>
#include <QString>

/** What the check needs to know of an area's picture. */
struct TFattiSfondo
{
    enum class EStato { Mancante, NonFile, NonLeggibile, Letto };
    EStato eStato = EStato::Mancante;
    QString sErrore; // the decoder's message, for NonLeggibile
    QSize dim;       // the picture's size, for Letto
    bool operator==(const TFattiSfondo &) const = default;
};

/**
 * The facts of the pictures of a project. Each file's identity (device,
 * inode, size, modification and change times in nanoseconds) is kept with
 * the hash of its bytes, and the facts with the hash: a picture is read
 * again only when its identity changed, and decoded again only when its
 * bytes did. A file changed within the timestamps' granularity of the moment
 * it was read could change again without its identity moving: such an entry
 * is trusted only after its bytes hash as before, until it is old enough to
 * be trusted on its identity alone.
 *
 * Nothing fails: a file that cannot be read is a fact like any other.
 */
class TCacheSfondi
{
public:
    /** The facts of the picture sPath: a plain file is decoded as JPEG (a large one at a reduced scale), a
     *  folder, pipe or device is never opened. */
    TFattiSfondo fFatti(const QString &sPath);
    /** How many pictures were decoded so far, and how many files read. */
    qint64 fDecodifiche() const { return m_iDecodifiche; }
    qint64 fLetture() const { return m_iLetture; }
    void pSvuota();

private:
    struct TIdentita
    {
        quint64 iDev = 0, iIno = 0;
        qint64 iSize = 0, iMtimeNs = 0, iCtimeNs = 0;
        bool operator==(const TIdentita &) const = default;
    };
    struct TVoce
    {
        TIdentita id;
        QByteArray abHash;
        bool bRecente = false; // changed too close to when it was read: its bytes are compared
    };

    QHash<QString, TVoce> m_voci;                   // by path
    QHash<QByteArray, TFattiSfondo> m_perContenuto; // by the hash of the bytes
    qint64 m_iDecodifiche = 0;
    qint64 m_iLetture = 0;
};
