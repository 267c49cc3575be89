#pragma once

// A throw-away application root for one test: its own "grfc" with a small
// blank.jpg, its own "progetti", a project connection of its own with the
// area list and the two stores on it, and a log of every statement SQLite
// runs on a traced connection.

#include "document/projectdocument.h"
#include "model/areastore.h"
#include "model/sensorstore.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sqlite3.h>

class TProjectFixture
{
public:
    QTemporaryDir dir;
    TSqlConn conn;
    TAreaList CDArea;
    std::optional<TAreaStore> aree;      // on conn, once a project is open
    std::optional<TSensorStore> sensori; // on conn, once a project is open
    QString sRootPrj;                    // the open project's folder, ending in a separator
    QStringList asSql;
    QStringList asSignals; // what a document told its views, one line per signal

    TProjectFixture()
    {
        QVERIFY(dir.isValid());
        sGlobBinPath = dir.path() + QStringLiteral("/bin/");
        sGlobPath = dir.path() + QStringLiteral("/");
        sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
        sGlobResPath = sGlobPath + QStringLiteral("res/");
        sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
        iGlobIconSize = 32;
        QDir().mkpath(sGlobGrfcPath);
        QDir().mkpath(sGlobPrjPath);
        QFile blank(fBlankPath());
        QVERIFY(blank.open(QIODevice::WriteOnly));
        blank.write(fBlankBytes());
    }

    ~TProjectFixture()
    {
        if (conn.fIsOpen())
            sqlite3_trace_v2(conn.fHandle(), 0, nullptr, nullptr);
    }

    /** The first bytes and the end marker of a JPEG stream: the store copies the file byte for byte. */
    static QByteArray fBlankBytes() { return QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffd9"); }
    QString fBlankPath() const { return sGlobGrfcPath + QStringLiteral("blank.jpg"); }

    /** Starts logging the statements of a connection as it is open now. */
    void pTrace(TSqlConn &c)
    {
        asSql.clear();
        sqlite3_trace_v2(c.fHandle(), SQLITE_TRACE_STMT, &fOnStatement, this);
    }
    void pTrace() { pTrace(conn); }
    QStringList fTakeSql()
    {
        const QStringList as = asSql;
        asSql.clear();
        return as;
    }

    /** Records every signal a document sends its views into asSignals, e.g. "progetto:1", "aree", "mostrata:3". */
    void pListen(TProjectDocument &doc)
    {
        QObject::connect(&doc, &TProjectDocument::sigProgetto,
                         [this](bool b) { asSignals << QStringLiteral("progetto:%1").arg(int(b)); });
        QObject::connect(&doc, &TProjectDocument::sigAreeCambiate, [this] { asSignals << QStringLiteral("aree"); });
        QObject::connect(&doc, &TProjectDocument::sigAreaMostrata,
                         [this](qint64 i) { asSignals << QStringLiteral("mostrata:%1").arg(i); });
    }

    /** Rows of a query run on the project file through a connection of its own, one text per row, fields joined by "|".
     */
    static QStringList fRows(const QString &sDb, const QString &sSql)
    {
        TSqlConn c;
        c.pOpen(sDb, false, true);
        TSqlQuery q = c.fQuery(sSql);
        QStringList as;
        while (q.fNext()) {
            QStringList asFields;
            for (int i = 0; i < q.fColumnCount(); ++i)
                asFields << (q.fIsNull(i) ? QStringLiteral("NULL") : q.fText(i));
            as << asFields.join(QLatin1Char('|'));
        }
        return as;
    }
    QStringList fRows(const QString &sSql) const { return fRows(conn.fDatabase(), sSql); }

    /** A fresh database with both tables, open on conn with the stores on it; sRootPrj is its folder. */
    QString fOpenEmptyProject(const QString &sNome = QStringLiteral("casa"))
    {
        sRootPrj = sGlobPrjPath + sNome + QLatin1Char('/');
        QDir().mkpath(sRootPrj + QStringLiteral("areas"));
        QDir().mkpath(sRootPrj + QStringLiteral("out"));
        const QString sDb = sRootPrj + sNome + QStringLiteral(".omb");
        conn.pOpen(sDb, true);
        pCreaTabelle(conn);
        CDArea.pLoad(conn);
        aree.emplace(conn, CDArea, sRootPrj);
        sensori.emplace(conn);
        return sDb;
    }

private:
    static int fOnStatement(unsigned, void *pCtx, void *, void *pText)
    {
        static_cast<TProjectFixture *>(pCtx)->asSql << QString::fromUtf8(static_cast<const char *>(pText));
        return 0;
    }
};

inline QByteArray fFileBytes(const QString &sPath)
{
    QFile f(sPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
