#include "model/righe.h"

#include "model/sensore.h"
#include "workspace/sqlconn.h"

QVariant TRiga::fValore(const QString &sColonna) const
{
    for (int i = 0; i < asColonne.size(); ++i)
        if (asColonne.at(i).compare(sColonna, Qt::CaseInsensitive) == 0)
            return aValori.value(i);
    return QVariant();
}

QList<TRiga> fLeggiRighe(TSqlConn &conn, const QString &sSql, const QVariantList &aValori)
{
    TSqlQuery q = conn.fQuery(sSql, aValori);
    QList<TRiga> aRighe;
    QStringList asColonne;
    for (int i = 0; i < q.fColumnCount(); ++i)
        asColonne << q.fColumnName(i);
    while (q.fNext()) {
        TRiga riga;
        riga.asColonne = asColonne;
        for (int i = 0; i < asColonne.size(); ++i)
            riga.aValori << q.fValue(i);
        aRighe << riga;
    }
    return aRighe;
}

void pScriviRiga(TSqlConn &conn, const QString &sTabella, const TRiga &riga)
{
    QStringList asSegnaposto;
    for (qsizetype i = 0; i < riga.asColonne.size(); ++i)
        asSegnaposto << QStringLiteral("?");
    QStringList asQuoted;
    for (const QString &s : riga.asColonne)
        asQuoted << QLatin1Char('"') + QString(s).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    conn.pExec(QStringLiteral("INSERT INTO ") + sTabella + QStringLiteral(" (") + asQuoted.join(QStringLiteral(", ")) +
                   QStringLiteral(") VALUES (") + asSegnaposto.join(QStringLiteral(", ")) + QStringLiteral(")"),
               riga.aValori);
}

TSensore fSensoreDaRiga(const TRiga &r)
{
    auto i = [&](const char *sz) { return int(r.fValore(QLatin1String(sz)).toLongLong()); };
    auto l = [&](const char *sz) { return r.fValore(QLatin1String(sz)).toLongLong(); };
    return TSensore(l("_id"), l("area_id"), l("area_zoom"), l("NumSensore"), i("IconSize"), i("TipoSensore"),
                    i("ZonaSensore"), i("CoordX"), i("CoordY"), i("CoordX2"), i("CoordY2"), i("CoordXt"), i("CoordYt"),
                    i("FontTxt"), i("ColorTxt"), i("Orientamento"), r.fValore(QStringLiteral("Testo")).toString());
}
