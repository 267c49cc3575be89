#include "model/areastore.h"

#include "model/catalogo.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <limits>

namespace {

const QStringList asAreaColumns = {QStringLiteral("_id"), QStringLiteral("livello"), QStringLiteral("father_id"),
                                   QStringLiteral("NomeArea"), QStringLiteral("Ordinamento")};

} // namespace

QString fBlankPicture()
{
    return sGlobGrfcPath + QStringLiteral("blank.jpg");
}

QString TAreaStore::fAreaPicturePath(qint64 iId) const
{
    return m_sRootPrj + QStringLiteral("areas/img_") + QString::number(iId) + QStringLiteral(".jpg");
}

void TAreaStore::pCopyBlankPicture(qint64 iId) const
{
    const QString sTarget = fAreaPicturePath(iId);
    QFile::remove(sTarget);
    QFile::copy(fBlankPicture(), sTarget);
}

qint64 TAreaStore::fNuovoId()
{
    m_CDArea.pLoad(m_conn);
    if (m_CDArea.fCount() == 0)
        return 1;
    TSqlQuery q =
        m_conn.fQuery(QStringLiteral("SELECT _id + 1 new_id FROM tbarea mo ") + QStringLiteral("WHERE NOT EXISTS (") +
                      QStringLiteral("SELECT NULL FROM tbarea mi WHERE mi._id = mo._id + 1) ") +
                      QStringLiteral("ORDER BY _id LIMIT 1"));
    if (!q.fNext())
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Nessun id libero in tbarea"));
    // past the largest id SQLite's sum turns into a real number, which is no id
    const QVariant v = q.fValue(0);
    if (v.typeId() != QMetaType::LongLong)
        throw TOmbrixError(
            QCoreApplication::translate("Ombrix", "Nessun id libero per una nuova area: %1").arg(m_conn.fDatabase()));
    return v.toLongLong();
}

void TAreaStore::pInsertAreaBase(qint64 iId, const QString &sNome, int iLivello)
{
    pRequireNoControlChars(sNome);
    m_conn.pExec(QStringLiteral("insert into tbarea(_id, livello, nomearea, ordinamento) values(") +
                 QString::number(iId) + QLatin1Char(',') + QString::number(iLivello) + QStringLiteral(", ") +
                 fSqlText(sNome, asAreaColumns) + QStringLiteral(", 0);"));
}

void TAreaStore::pInsertAreaSon(qint64 iNewId, const QString &sNome, int iLivello, qint64 iId)
{
    pRequireNoControlChars(sNome);
    m_conn.pExec(QStringLiteral("insert into tbarea(_id, livello, father_id, nomearea, ordinamento) ") +
                 QStringLiteral("values(") + QString::number(iNewId) + QLatin1Char(',') +
                 QString::number(iLivello + 1) + QStringLiteral(", ") + QString::number(iId) + QLatin1Char(',') +
                 fSqlText(sNome, asAreaColumns) + QStringLiteral(", 0);"));
}

qint64 TAreaStore::pAddAreaBase(const QString &sNome, int iLivello)
{
    if (sNome.isEmpty())
        return 0;                  // asking for a name is the editor's: without one there is no area
    pRequireNoControlChars(sNome); // refused before a new id is even looked for
    const qint64 iId = fNuovoId();
    pInsertAreaBase(iId, sNome, iLivello);
    pCopyBlankPicture(iId);
    return iId;
}

qint64 TAreaStore::pAddAreaSon(const QString &sNome, int iLivello, qint64 iId)
{
    pRequireNoControlChars(sNome);
    const qint64 iNewId = fNuovoId();
    pInsertAreaSon(iNewId, sNome, iLivello, iId);
    pCopyBlankPicture(iNewId);
    return iNewId;
}

int TAreaStore::pDelArea(qint64 iId)
{
    const QString sId = QString::number(iId);
    int iRemoved = 0;
    {
        // the area and every object that lies on it or leads to it go together, or not at all
        TTransaction tx(m_conn);
        m_conn.pExec(QStringLiteral("delete from tbsensori where area_id = ") + sId +
                     QStringLiteral(" or area_zoom = ") + sId);
        iRemoved = m_conn.pExec(QStringLiteral("delete from tbarea where _id = ") + sId);
        tx.pCommit();
    }
    QFile::remove(fAreaPicturePath(iId));
    m_CDArea.pLoad(m_conn);
    return iRemoved;
}

void TAreaStore::pRinominaAreaInDb(const QString &sId, const QString &sNome)
{
    if (!fIsId(sId))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Non è un id di area: \"%1\"").arg(sId));
    pRequireNoControlChars(sNome);
    m_conn.pExec(QStringLiteral("update tbarea set NomeArea = ") + fSqlText(sNome, asAreaColumns) +
                 QStringLiteral(" where _id = ") + sId);
}
