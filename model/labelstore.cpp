#include "model/labelstore.h"

#include "model/sensorstore.h"
#include "workspace/uty.h"

void pStoreLabelPlace(int iId, int iLeft, int iTop, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET CoordXt = ") + QString::number(iLeft) +
                  QStringLiteral(", CoordYt = ") + QString::number(iTop) + QStringLiteral(", Testo = ") +
                  fTestoSql(sTesto) + QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void pStoreLabelText(int iId, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET Testo = ") + fTestoSql(sTesto) +
                  QStringLiteral(" WHERE _id = ") + QString::number(iId));
}
