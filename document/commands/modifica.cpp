#include "document/commands/modifica.h"

#include "document/projectdocument.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

/** The bytes of an area picture; nullopt when there is no file. Never opens anything but a plain file. */
std::optional<QByteArray> fLeggiImmagine(const QString &sPath)
{
    const QFileInfo info(sPath);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    if (!info.isFile())
        throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": non è un file normale"));
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        throw TOmbrixError(sPath + QStringLiteral(": ") + file.errorString());
    return file.readAll();
}

/** The row of sTabella whose _id is iId, as SQLite holds it; nullopt when there is none. */
std::optional<TRiga> fRigaPerId(TSqlConn &conn, const char *szTabella, qint64 iId)
{
    const QList<TRiga> aRighe = fLeggiRighe(
        conn, QStringLiteral("SELECT * FROM ") + QLatin1String(szTabella) + QStringLiteral(" WHERE _id = ?"), {iId});
    if (aRighe.isEmpty())
        return std::nullopt;
    return aRighe.first();
}

} // namespace

TModifica::TModifica(TProjectDocument &doc, const QString &sTesto) : QUndoCommand(sTesto), m_doc(doc) {}

void TModifica::pToccaArea(qint64 iId)
{
    if (m_chiavi.aAree.contains(iId))
        return;
    m_chiavi.aAree << iId;
    if (const std::optional<TRiga> riga = fRigaPerId(m_doc.fConn(), "tbarea", iId))
        m_prima.aree.insert(iId, *riga);
}

void TModifica::pToccaSensore(qint64 iId)
{
    if (m_chiavi.aSensori.contains(iId))
        return;
    m_chiavi.aSensori << iId;
    if (const std::optional<TRiga> riga = fRigaPerId(m_doc.fConn(), "tbsensori", iId))
        m_prima.sensori.insert(iId, *riga);
}

void TModifica::pToccaSensoreNuovo(qint64 iId)
{
    if (!m_chiavi.aSensori.contains(iId))
        m_chiavi.aSensori << iId;
}

void TModifica::pToccaImmagine(qint64 iId)
{
    if (m_chiavi.aImmagini.contains(iId))
        return;
    m_chiavi.aImmagini << iId;
    if (const std::optional<QByteArray> bytes = fLeggiImmagine(m_doc.fAreaPicturePath(iId)))
        m_prima.immagini.insert(iId, *bytes);
}

TStato TModifica::fLeggiStato() const
{
    TStato stato;
    TSqlConn &conn = m_doc.fConn();
    for (qint64 iId : m_chiavi.aAree)
        if (const std::optional<TRiga> riga = fRigaPerId(conn, "tbarea", iId))
            stato.aree.insert(iId, *riga);
    for (qint64 iId : m_chiavi.aSensori)
        if (const std::optional<TRiga> riga = fRigaPerId(conn, "tbsensori", iId))
            stato.sensori.insert(iId, *riga);
    for (qint64 iId : m_chiavi.aImmagini)
        if (const std::optional<QByteArray> bytes = fLeggiImmagine(m_doc.fAreaPicturePath(iId)))
            stato.immagini.insert(iId, *bytes);
    return stato;
}

void TModifica::pScriviImmagini(const TStato &stato)
{
    for (qint64 iId : m_chiavi.aImmagini) {
        const QString sPath = m_doc.fAreaPicturePath(iId);
        const auto it = stato.immagini.constFind(iId);
        if (it == stato.immagini.constEnd()) {
            if ((QFileInfo::exists(sPath) || QFileInfo(sPath).isSymLink()) && !QFile::remove(sPath))
                throw TOmbrixError(sPath + QCoreApplication::translate("Ombrix", ": impossibile eliminare il file"));
            continue;
        }
        QSaveFile file(sPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(*it) != it->size() || !file.commit())
            throw TOmbrixError(sPath + QStringLiteral(": ") + file.errorString());
    }
}

void TModifica::pApplica(const TStato &verso, const TStato &da)
{
    TSqlConn &conn = m_doc.fConn();
    conn.pExec(QStringLiteral("SAVEPOINT ombrix_storia"));
    try {
        for (qint64 iId : m_chiavi.aSensori)
            conn.pExec(QStringLiteral("DELETE FROM tbsensori WHERE _id = ?"), {iId});
        for (qint64 iId : m_chiavi.aAree)
            conn.pExec(QStringLiteral("DELETE FROM tbarea WHERE _id = ?"), {iId});
        for (const TRiga &riga : verso.aree)
            pScriviRiga(conn, QStringLiteral("tbarea"), riga);
        for (const TRiga &riga : verso.sensori)
            pScriviRiga(conn, QStringLiteral("tbsensori"), riga);
        try {
            pScriviImmagini(verso);
        } catch (...) {
            try {
                pScriviImmagini(da); // the pictures go back with the rows
            } catch (...) {
            }
            throw;
        }
        conn.pExec(QStringLiteral("RELEASE ombrix_storia"));
    } catch (...) {
        try {
            conn.pExec(QStringLiteral("ROLLBACK TO ombrix_storia"));
            conn.pExec(QStringLiteral("RELEASE ombrix_storia"));
        } catch (...) {
        }
        throw;
    }
}

void TModifica::pUnisci(const TModifica &succ)
{
    m_dopo = succ.m_dopo;
    iMostrataDopo = succ.iMostrataDopo;
}

void TModifica::undo()
{
    ++m_doc.m_iPassi;
    pApplica(m_prima, m_dopo);
    m_doc.pPubblica(m_chiavi, m_prima, iMostrataPrima);
}

void TModifica::redo()
{
    if (m_bGiaFatta) {
        m_bGiaFatta = false;
        return;
    }
    ++m_doc.m_iPassi;
    pApplica(m_dopo, m_prima);
    m_doc.pPubblica(m_chiavi, m_dopo, iMostrataDopo);
}
