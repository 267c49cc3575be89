#pragma once

#include <QByteArray>
#include <QString>

/**
 * Writing maps.txt. Every line goes out in code page 1252 (cp1252.h)
 * followed by CR LF. A failing file operation throws TOmbrixError naming the
 * file and the system's reason; the file is closed either way.
 */

/** Creates the file, or empties it when it exists, and closes it. */
void EmptyFile(const QString &FileToClear);
/** Appends s (converted) and CR LF to sFileout, creating it when missing;
 *  the file is opened and closed within the call. */
void pToFileout(const QString &s, const QString &sFileout);

/**
 * Collects lines for one file in memory and appends them with one write
 * per pFlush(), so a long export costs a handful of system calls. The
 * caller flushes at the points where the file must be complete on disk.
 */
class TMapsWriter
{
public:
    explicit TMapsWriter(const QString &sFile) : m_sFile(sFile) {}

    /** Adds s (converted) and CR LF. */
    void pRiga(const QString &s);
    /** Adds lines already converted, each with its CR LF. */
    void pAggiungi(const QByteArray &righe) { m_buffer += righe; }
    /** What was collected and not yet written. */
    const QByteArray &fDati() const { return m_buffer; }
    /** Appends what was collected to the file and forgets it. */
    void pFlush();

    /** Size of what was collected and not yet written. */
    qsizetype fSegno() const { return m_buffer.size(); }

private:
    QString m_sFile;
    QByteArray m_buffer;
};
