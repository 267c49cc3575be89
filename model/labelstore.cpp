#include "model/labelstore.h"

#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QStringList>

namespace {

/** The columns of tbsensori as the database describes them: a text equal to one goes in as a quoted literal. */
QStringList fColonneSensori()
{
    QStringList asColonne;
    TSqlQuery query = SQLConn.fQuery(QStringLiteral("PRAGMA table_info(tbsensori)"));
    while (query.fNext())
        asColonne << query.fText(QStringLiteral("name"));
    return asColonne;
}

} // namespace

void pStoreLabelPlace(int iId, int iLeft, int iTop, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET CoordXt = ") + QString::number(iLeft) +
                  QStringLiteral(", CoordYt = ") + QString::number(iTop) + QStringLiteral(", Testo = ") +
                  fSqlText(sTesto, fColonneSensori()) + QStringLiteral(" WHERE _id = ") + QString::number(iId));
}

void pStoreLabelText(int iId, const QString &sTesto)
{
    SQLConn.pExec(QStringLiteral("UPDATE tbsensori SET Testo = ") + fSqlText(sTesto, fColonneSensori()) +
                  QStringLiteral(" WHERE _id = ") + QString::number(iId));
}
