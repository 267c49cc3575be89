#pragma once

#include <QString>

#include <stdexcept>

/**
 * The one way a command fails: thrown at the failing step, carrying the
 * failing layer's own message (SQLite's, the decoder's, the file's path),
 * and caught at one boundary: the error box in the editor, stderr and exit
 * code 1 on the command line.
 */
class TOmbrixError : public std::runtime_error
{
public:
    explicit TOmbrixError(const QString &sMessage) : std::runtime_error(sMessage.toStdString()), m_sMessage(sMessage) {}

    const QString &fMessage() const noexcept { return m_sMessage; }

private:
    QString m_sMessage;
};

/** The system's message for the error number iErrno, in the interface's language: the common file errors in the
 *  program's own words, any other as the toolkit or the C library words it. */
QString fErroreDiSistema(int iErrno);
