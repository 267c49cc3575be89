#include "model/labelstore.h"

#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QStringList>

namespace
{

// Every column of tbsensori: a text equal to one of them goes in as a quoted literal.
const QStringList asColonneSensori = {
    QStringLiteral("_id"),         QStringLiteral("area_id"),     QStringLiteral("area_zoom"),
    QStringLiteral("NumSensore"),  QStringLiteral("IconSize"),    QStringLiteral("TipoSensore"),
    QStringLiteral("ZonaSensore"), QStringLiteral("CoordX"),      QStringLiteral("CoordY"),
    QStringLiteral("CoordX2"),     QStringLiteral("CoordY2"),     QStringLiteral("CoordXt"),
    QStringLiteral("CoordYt"),     QStringLiteral("FontTxt"),     QStringLiteral("ColorTxt"),
    QStringLiteral("Testo"),       QStringLiteral("Orientamento")};

} // namespace

void pStoreLabelPlace(int iId, int iLeft, int iTop, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET CoordXt = ") + QString::number(iLeft) +
                  QStringLiteral(", CoordYt = ") + QString::number(iTop) + QStringLiteral(", Testo = ") +
                  fSqlText(sTesto, asColonneSensori) + QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void pStoreLabelText(int iId, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET Testo = ") + fSqlText(sTesto, asColonneSensori) +
                  QStringLiteral(" WHERE _id = ") + QString::number(iId));
}
