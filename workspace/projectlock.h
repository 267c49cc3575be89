#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

/**
 * The lock an editor holds on the project it has open: the file
 * ".ombrix.lock" in the project folder, naming the host and the process
 * that hold it. A second editor is refused with "Il progetto è già aperto"
 * and the holder; the lock of a process that no longer runs is taken over
 * without a word. A lock file that is a folder, a link or anything but a
 * plain file is never followed: the project is refused, naming the lock
 * file and what it is. The command-line readers and the export do not take
 * it.
 */
class TBloccoProgetto
{
public:
    /** Takes the lock of the project folder sRootPrj; throws TOmbrixError when another process holds it or
     *  the lock file cannot be made. */
    explicit TBloccoProgetto(const QString &sRootPrj);
    ~TBloccoProgetto();
    TBloccoProgetto(const TBloccoProgetto &) = delete;
    TBloccoProgetto &operator=(const TBloccoProgetto &) = delete;

    const QString &fPercorso() const { return m_sPercorso; }

    /** The lock file of the project folder sRootPrj. */
    static QString fFileBlocco(const QString &sRootPrj);

private:
    QString m_sPercorso;
    std::unique_ptr<QLockFile> m_pLock;
};
