#include "model/sensorstore.h"

#include "model/catalogo.h"
#include "model/sensore.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QCoreApplication>
#include <QStringList>

#include <limits>

namespace {

const QStringList asSensoriColumns = {
    QStringLiteral("_id"),         QStringLiteral("area_id"),     QStringLiteral("area_zoom"),
    QStringLiteral("NumSensore"),  QStringLiteral("IconSize"),    QStringLiteral("TipoSensore"),
    QStringLiteral("ZonaSensore"), QStringLiteral("CoordX"),      QStringLiteral("CoordY"),
    QStringLiteral("CoordX2"),     QStringLiteral("CoordY2"),     QStringLiteral("CoordXt"),
    QStringLiteral("CoordYt"),     QStringLiteral("FontTxt"),     QStringLiteral("ColorTxt"),
    QStringLiteral("Testo"),       QStringLiteral("Orientamento")};

/** Number texts go into the statements as typed, so only plain decimal integers get that far. */
void pRequireNumero(const QString &sText, const char *szWhat)
{
    if (!fIsNumero(sText))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Non è un intero decimale (%1): \"%2\"")
                               .arg(QLatin1String(szWhat), sText));
}

/** Id texts: decimal integers of up to 64 bits. */
void pRequireId(const QString &sText, const char *szWhat)
{
    if (!fIsId(sText))
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Non è un intero decimale (%1): \"%2\"")
                               .arg(QLatin1String(szWhat), sText));
}

} // namespace

/** True when tbsensori has handed out its largest id, so that no new row can be numbered. */
bool TSensorStore::fSensorIdsExhausted()
{
    const qint64 iMax = std::numeric_limits<qint64>::max();
    TSqlQuery q = m_conn.fQuery(QStringLiteral("select max(_id) from tbsensori"), {});
    if (q.fNext() && q.fInt64(0) == iMax)
        return true;
    TSqlQuery seq = m_conn.fQuery(QStringLiteral("select seq from sqlite_sequence where name = 'tbsensori'"), {});
    return seq.fNext() && seq.fInt64(0) == iMax;
}

namespace {

/** The decimal number, or the column's own name when iValue is 0 (keep the stored value). */
QString fValueOrKeep(int iValue, const QString &sColumn)
{
    return iValue == 0 ? sColumn : QString::number(iValue);
}

} // namespace

qint64 TSensorStore::fAddSensorToDb(const QString &sId, const QString &sAreaZoom, const QString &sNumSensore,
                                    const QString &sIconSize, int iTipo, const QPoint &pos)
{
    pRequireId(sId, "area_id");
    pRequireId(sAreaZoom, "area_zoom");
    pRequireNumero(sNumSensore, "NumSensore");
    pRequireNumero(sIconSize, "IconSize");

    int iX2 = 0;
    int iY2 = 0;
    if (iTipo == 4) {
        iX2 = pos.x() + 30;
        iY2 = (sIconSize.toInt() - iGlobB2Size) / 2 + pos.y();
    }
    const QLatin1Char comma(',');
    const QString sInsert =
        QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, CoordX, CoordY, "
                       "CoordX2, CoordY2, TipoSensore, ZonaSensore, Orientamento) ") +
        QStringLiteral("values(") + sId + comma + sAreaZoom + comma + sNumSensore + comma + sIconSize + comma +
        QString::number(pos.x()) + comma + QString::number(pos.y()) + comma + QString::number(iX2) + comma +
        QString::number(iY2) + comma + QString::number(iTipo) + QStringLiteral(", 1, ") + QStringLiteral("0") +
        QStringLiteral(");");
    try {
        m_conn.pExec(sInsert);
    } catch (const TOmbrixError &) {
        // SQLite reports the exhausted AUTOINCREMENT as a full disk
        if (fSensorIdsExhausted())
            throw TOmbrixError(QCoreApplication::translate("Ombrix", "Nessun id libero per un nuovo oggetto: %1")
                                   .arg(m_conn.fDatabase()));
        throw;
    }

    TSqlQuery q = m_conn.fQuery(QStringLiteral("select max(_id) from tbsensori;"));
    if (!q.fNext())
        throw TOmbrixError(QCoreApplication::translate("Ombrix", "Nessun id di oggetto in tbsensori"));
    return q.fInt64(0);
}

int TSensorStore::fDeleteSensorFromDb(const QString &sId)
{
    pRequireId(sId, "_id");
    return m_conn.pExec(QStringLiteral("delete from tbsensori where _id = ") + sId);
}

void TSensorStore::pUpdateSensorInDb(const QString &sNomeSensore, int CoordX, int CoordY, int Barriera)
{
    const bool bSecondEnd = Barriera == 1;
    const QString sColX = bSecondEnd ? QStringLiteral("CoordX2") : QStringLiteral("CoordX");
    const QString sColY = bSecondEnd ? QStringLiteral("CoordY2") : QStringLiteral("CoordY");
    const QString sId = fName2Id(sNomeSensore); // a second end carries its barrier's id
    pRequireId(sId, "_id");
    m_conn.pExec(QStringLiteral("update tbsensori set ") + sColX + QStringLiteral(" = ") + QString::number(CoordX) +
                 QStringLiteral(", ") + sColY + QStringLiteral(" = ") + QString::number(CoordY) +
                 QStringLiteral(" where _id = ") + sId);
}

QString fTestoSql(const QString &sTesto)
{
    return fSqlText(sTesto, asSensoriColumns);
}

void TSensorStore::pAddTextToSensorInDb(qint64 iId, int iLeft, int iTop, int iFont, int iColor, const QString &sTesto)
{
    pRequireNoControlChars(sTesto);
    // A column given as its own name keeps its value, so one statement serves every label change.
    const QString sText = sTesto == sKeepTesto ? QStringLiteral("Testo") : fTestoSql(sTesto);
    m_conn.pExec(QStringLiteral("UPDATE tbsensori SET") + QStringLiteral(" CoordXt = ") +
                 fValueOrKeep(iLeft, QStringLiteral("CoordXt")) + QStringLiteral(", CoordYt = ") +
                 fValueOrKeep(iTop, QStringLiteral("CoordYt")) + QStringLiteral(", FontTxt = ") +
                 fValueOrKeep(iFont, QStringLiteral("FontTxt")) + QStringLiteral(", ColorTxt = ") +
                 fValueOrKeep(iColor, QStringLiteral("ColorTxt")) + QStringLiteral(", Testo = ") + sText +
                 QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void TSensorStore::pStoreLabelPlace(qint64 iId, int iLeft, int iTop, const QString &sTesto)
{
    m_conn.pExec(QStringLiteral("UPDATE tbsensori SET CoordXt = ") + QString::number(iLeft) +
                 QStringLiteral(", CoordYt = ") + QString::number(iTop) + QStringLiteral(", Testo = ") +
                 fTestoSql(sTesto) + QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void TSensorStore::pStoreLabelText(qint64 iId, const QString &sTesto)
{
    m_conn.pExec(QStringLiteral("UPDATE tbsensori SET Testo = ") + fTestoSql(sTesto) + QStringLiteral(" WHERE _id = ") +
                 QString::number(iId));
}

QList<TUsoNumero> TSensorStore::fNumeriDeiTipi(const QList<int> &aTipi)
{
    QList<TUsoNumero> aUsi;
    if (aTipi.isEmpty())
        return aUsi;
    QStringList asPosti;
    QVariantList aValori;
    for (int iTipo : aTipi) {
        asPosti << QStringLiteral("?");
        aValori << iTipo;
    }
    TSqlQuery q =
        m_conn.fQuery(QStringLiteral("SELECT _id, area_id, NumSensore FROM tbsensori WHERE TipoSensore IN (") +
                          asPosti.join(QLatin1Char(',')) + QStringLiteral(") ORDER BY _id"),
                      aValori);
    while (q.fNext())
        aUsi.append(TUsoNumero{q.fInt64(0), q.fInt64(1), q.fInt64(2)});
    return aUsi;
}

void TSensorStore::pStoreTipoNumero(qint64 iId, int iTipo, qint64 iNumero)
{
    m_conn.pExec(QStringLiteral("UPDATE tbsensori SET TipoSensore = ?, NumSensore = ? WHERE _id = ?"),
                 {iTipo, iNumero, iId});
}

void TSensorStore::pStoreSecondoCapo(qint64 iId, int iX2, int iY2)
{
    m_conn.pExec(QStringLiteral("UPDATE tbsensori SET CoordX2 = ?, CoordY2 = ? WHERE _id = ?"), {iX2, iY2, iId});
}

QList<qint64> TSensorStore::pInserisciSensori(const QList<TSensore> &aSensori)
{
    TSqlQuery q = m_conn.fQuery(
        QStringLiteral("INSERT INTO tbsensori (_id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, "
                       "ZonaSensore, CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo, "
                       "Orientamento) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING _id"));
    QList<qint64> aIds;
    aIds.reserve(aSensori.size());
    for (const TSensore &s : aSensori) {
        pRequireNoControlChars(s.Get_testo());
        q.pBind({s.Get_id() == 0 ? QVariant() : QVariant(s.Get_id()), s.Get_area_id(), s.Get_area_zoom(),
                 s.Get_numsensore(), s.Get_iconsize(), s.Get_tiposensore(), s.Get_zonasensore(), s.Get_coordx(),
                 s.Get_coordy(), s.Get_coordx2(), s.Get_coordy2(), s.Get_coordxt(), s.Get_coordyt(), s.Get_fonttxt(),
                 s.Get_colortxt(),
                 // no label is no value, as at a new object's insert
                 s.Get_testo().isEmpty() ? QVariant() : QVariant(s.Get_testo()), s.Get_orientamento()});
        if (!q.fNext())
            throw TOmbrixError(QCoreApplication::translate("Ombrix", "Nessun id di oggetto in tbsensori"));
        aIds.append(q.fInt64(0));
        q.pReset();
    }
    return aIds;
}

QList<TSensore> TSensorStore::pLoadSensori(const QString &sArea_id)
{
    pRequireId(sArea_id, "area_id");
    TSqlQuery q = m_conn.fQuery(QStringLiteral("select * from tbsensori where area_id = ") + sArea_id);
    QList<TSensore> aSensori;
    while (q.fNext())
        aSensori.append(fSensoreDaRiga(q));
    return aSensori;
}

TSensore fSensoreDaRiga(const TSqlQuery &q)
{
    return TSensore(
        q.fInt64(QStringLiteral("_id")), q.fInt64(QStringLiteral("area_id")), q.fInt64(QStringLiteral("area_zoom")),
        q.fInt64(QStringLiteral("NumSensore")), q.fInt(QStringLiteral("iconsize")),
        q.fInt(QStringLiteral("TipoSensore")), q.fInt(QStringLiteral("zonasensore")), q.fInt(QStringLiteral("coordx")),
        q.fInt(QStringLiteral("coordy")), q.fInt(QStringLiteral("coordx2")), q.fInt(QStringLiteral("coordy2")),
        q.fInt(QStringLiteral("coordxt")), q.fInt(QStringLiteral("coordyt")), q.fInt(QStringLiteral("fonttxt")),
        q.fInt(QStringLiteral("colortxt")), q.fInt(QStringLiteral("Orientamento")), q.fText(QStringLiteral("testo")));
}
