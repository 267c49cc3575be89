#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/**
 * Files read from, or written into, places that a careless or hostile user
 * can prepare: a FIFO, a device, a folder or a link where a plain file was
 * expected.
 *
 * Reading opens only a plain file (or a link to one): it is checked before
 * it is opened, opened without waiting on a FIFO, checked again on the open
 * descriptor, and read up to a bound. Writing creates the file new: a
 * hidden file beside it, created exclusively, renamed into place at the end.
 * So a link already there is never written through, a FIFO never waited
 * on, and a failure leaves the previous file whole.
 *
 * Every failure throws TOmbrixError "<path>: <reason>".
 */

/** Why what stands at sPath is not a plain file ("è una cartella", "è un collegamento simbolico", "non è un file
 *  normale"); empty when it is one, or when nothing is there. With bSegui a link is judged by what it names. */
QString fNonNormale(const QString &sPath, bool bSegui);

/** Refuses sPath, naming it and the reason, when it is missing or is not a plain file (a link to one will do). For
 *  the files a library opens by name. */
void pRichiediFileNormale(const QString &sPath);

/** The bytes of the plain file sPath (a link to one will do), at most iLimite of them: a longer file is refused. */
QByteArray fLeggiFileNormale(const QString &sPath, qint64 iLimite);

/**
 * A file written new in place of sPath. The constructor refuses a name that
 * is taken by anything but a plain file (a link is never followed) and
 * creates the hidden file ".<name>.XXXXXX.part" beside it; pConferma renames
 * it into place. Destroyed without pConferma, it removes the hidden file and
 * sPath stays as it was.
 */
class TFileNuovo
{
public:
    explicit TFileNuovo(const QString &sPath);
    ~TFileNuovo();
    TFileNuovo(const TFileNuovo &) = delete;
    TFileNuovo &operator=(const TFileNuovo &) = delete;

    /** The hidden file, open for writing. */
    QFile &fFile() { return m_file; }
    /** Closes the hidden file and renames it to the path, replacing a plain file there. */
    void pConferma();

private:
    QString m_sPath;
    QString m_sTmp;
    QFile m_file;
    bool m_bConfermato = false;
};

/** Writes abDati as the new file sPath (TFileNuovo). */
void pScriviFileNuovo(const QString &sPath, const QByteArray &abDati);

/** A size in whole MiB, rounded up, for messages. */
QString fMiB(qint64 iByte);
