#include "model/labelstore.h"
#include "model/catalogo.h"
#include "model/sensorstore.h"
#include "workspace/uty.h"

void pStoreLabelPlace(qint64 iId, int iLeft, int iTop, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET CoordXt = ") + QString::number(iLeft) +
                  QStringLiteral(", CoordYt = ") + QString::number(iTop) + QStringLiteral(", Testo = ") +
                  fTestoSql(sTesto) + QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void pStoreLabelText(qint64 iId, const QString &sTesto)
{
    pRequireNoControlChars(sTesto);
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET Testo = ") + fTestoSql(sTesto) +
                  QStringLiteral(" WHERE _id = ") + QString::number(iId));
}
