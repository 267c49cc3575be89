#include "export/mapfile.h"

#include "export/cp1252.h"
#include "workspace/errors.h"

#include <QFile>

namespace {

[[noreturn]] void pThrowFile(const QFile &file)
{
    throw TOmbrixError(file.fileName() + QStringLiteral(": ") + file.errorString());
}

void pAppend(const QString &sFile, const QByteArray &data)
{
    QFile file(sFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        pThrowFile(file);
    if (file.write(data) != data.size() || !file.flush()) {
        // QFile closes in its destructor; report the first error
        pThrowFile(file);
    }
    file.close();
}

} // namespace

void EmptyFile(const QString &FileToClear)
{
    QFile file(FileToClear);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        pThrowFile(file);
    file.close();
}

void pToFileout(const QString &s, const QString &sFileout)
{
    pAppend(sFileout, fToCp1252(s) + QByteArrayLiteral("\r\n"));
}

void TMapsWriter::pRiga(const QString &s)
{
    m_buffer += fToCp1252(s);
    m_buffer += "\r\n";
}

void TMapsWriter::pFlush()
{
    if (m_buffer.isEmpty())
        return;
    const QByteArray data = m_buffer;
    m_buffer.clear();
    pAppend(m_sFile, data);
}
