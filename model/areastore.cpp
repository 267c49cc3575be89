#include "model/areastore.h"

#include "model/catalogo.h"
#include "workspace/errors.h"
#include "workspace/mapview.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QFile>
#include <QStringList>

namespace {

const QStringList asAreaColumns = {QStringLiteral("_id"), QStringLiteral("livello"), QStringLiteral("father_id"),
                                   QStringLiteral("NomeArea"), QStringLiteral("Ordinamento")};

QString fBlankPicture()
{
    return sGlobGrfcPath + QStringLiteral("blank.jpg");
}

/** A fresh copy of the blank picture for a new area; a failed copy leaves the area without a picture. */
void pCopyBlankPicture(qint64 iId)
{
    const QString sTarget = fAreaPicturePath(iId);
    QFile::remove(sTarget);
    QFile::copy(fBlankPicture(), sTarget);
}

/** Shows the busy cursor for its lifetime, also when the work fails. */
class TBusyCursor
{
public:
    TBusyCursor() { fMapView().pBusyCursor(true); }
    ~TBusyCursor() { fMapView().pBusyCursor(false); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

/** One transaction on the project connection: rolled back unless committed. */
class TTransaction
{
public:
    TTransaction() { SQLConn.pExec(QStringLiteral("BEGIN")); }
    ~TTransaction()
    {
        if (!m_bDone) {
            try {
                SQLConn.pExec(QStringLiteral("ROLLBACK"));
            } catch (...) {
                // SQLite has already rolled the transaction back itself
            }
        }
    }
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;

    void pCommit()
    {
        SQLConn.pExec(QStringLiteral("COMMIT"));
        m_bDone = true;
    }

private:
    bool m_bDone = false;
};

} // namespace

QString fAreaPicturePath(qint64 iId)
{
    return sGlobRootPrj + QStringLiteral("areas/img_") + QString::number(iId) + QStringLiteral(".jpg");
}

qint64 fNuovoId()
{
    CDArea.pLoad();
    if (CDArea.fCount() == 0)
        return 1;
    TSqlQuery q = SQLConn.fQuery(QStringLiteral("SELECT _id + 1 new_id FROM tbarea mo ") +
                                 QStringLiteral("WHERE NOT EXISTS (") +
                                 QStringLiteral("SELECT NULL FROM tbarea mi WHERE mi._id = mo._id + 1) ") +
                                 QStringLiteral("ORDER BY _id LIMIT 1"));
    if (!q.fNext())
        throw TOmbrixError(QStringLiteral("No free area id in tbarea"));
    // past the largest id SQLite's sum turns into a real number, which is no id
    const QString sNew = q.fText(0);
    bool bOk = false;
    const qint64 iNew = sNew.toLongLong(&bOk);
    if (!bOk || !fIsId(sNew))
        throw TOmbrixError(QStringLiteral("Nessun id libero per una nuova area: ") + SQLConn.fDatabase());
    return iNew;
}

qint64 pAddAreaBase(const QString &sNome, int iLivello)
{
    QString sName = sNome;
    if (sName.isEmpty())
        sName = fMapView().fAskText(QStringLiteral("Nome Area?"), QStringLiteral("Nome Area?"), QString()).value_or(QString());
    if (sName.isEmpty())
        return 0;
    pRequireNoControlChars(sName);

    const qint64 iId = fNuovoId();
    SQLConn.pExec(QStringLiteral("insert into tbarea(_id, livello, nomearea, ordinamento) values(") +
                  QString::number(iId) + QLatin1Char(',') + QString::number(iLivello) + QStringLiteral(", ") +
                  fSqlText(sName, asAreaColumns) + QStringLiteral(", 0);"));
    fMapView().pPulisciTutto();
    fMapView().pLoadBackground(fBlankPicture());
    pCopyBlankPicture(iId);
    fMapView().pPopolaTreeViewNew();
    fMapView().pSelectNodeByName(sName);
    return iId;
}

qint64 pAddAreaSon(const QString &sNome, int iLivello, int iIndex, qint64 iId)
{
    pRequireNoControlChars(sNome);
    const qint64 iNewId = fNuovoId();
    SQLConn.pExec(QStringLiteral("insert into tbarea(_id, livello, father_id, nomearea, ordinamento) ") +
                  QStringLiteral("values(") + QString::number(iNewId) + QLatin1Char(',') +
                  QString::number(iLivello + 1) + QStringLiteral(", ") + QString::number(iId) + QLatin1Char(',') +
                  fSqlText(sNome, asAreaColumns) + QStringLiteral(", 0);"));
    fMapView().pLoadBackground(fBlankPicture());
    pCopyBlankPicture(iNewId);
    fMapView().pPopolaTreeViewNew();
    fMapView().pSelectNodeByLevel_Index(iLivello, iIndex);
    return iNewId;
}

int pDelArea(qint64 iId, int iLivello, int iIndexParent)
{
    // The level and the parent's position do not change what is deleted.
    Q_UNUSED(iLivello);
    Q_UNUSED(iIndexParent);

    TBusyCursor busy;
    fMapView().pPulisciTutto();
    const QString sId = QString::number(iId);
    int iRemoved = 0;
    {
        // the area and every object that lies on it or leads to it go together, or not at all
        TTransaction tx;
        SQLConn.pExec(QStringLiteral("delete from tbsensori where area_id = ") + sId +
                      QStringLiteral(" or area_zoom = ") + sId);
        iRemoved = SQLConn.pExec(QStringLiteral("delete from tbarea where _id = ") + sId);
        tx.pCommit();
    }
    QFile::remove(fAreaPicturePath(iId));
    CDArea.pLoad();
    fMapView().pClearBackground();
    fMapView().pPopolaTreeViewNew();
    return iRemoved;
}

void pRinominaAreaInDb(const QString &sId, const QString &sNome)
{
    if (!fIsId(sId))
        throw TOmbrixError(QStringLiteral("Not an area id: \"%1\"").arg(sId));
    pRequireNoControlChars(sNome);
    SQLConn.pExec(QStringLiteral("update tbarea set NomeArea = ") + fSqlText(sNome, asAreaColumns) +
                  QStringLiteral(" where _id = ") + sId);
}
