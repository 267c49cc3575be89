// The export's reading of rows, on any values another tool may have stored:
// rows of both tables built from the input with every storage class (NULL,
// integers of any size, fractions, texts of any bytes, blobs), then a whole
// export. It either succeeds with a maps.txt whose lines are whole and free
// of control characters, or fails with a message; it never crashes.

#include "export/exportrun.h"
#include "workspace/errors.h"
#include "workspace/project.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include <sqlite3.h>

namespace {

/** Binds one value of a storage class chosen by the input. */
void pLega(sqlite3_stmt *pStmt, int i, FuzzedDataProvider &fdp)
{
    switch (fdp.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        sqlite3_bind_null(pStmt, i);
        break;
    case 1:
        sqlite3_bind_int64(pStmt, i, fdp.ConsumeIntegralInRange<qint64>(-3, 20));
        break;
    case 2:
        sqlite3_bind_int64(pStmt, i, fdp.ConsumeIntegral<qint64>());
        break;
    case 3:
        sqlite3_bind_double(pStmt, i, fdp.ConsumeFloatingPoint<double>());
        break;
    case 4: {
        const std::string s = fdp.ConsumeRandomLengthString(30);
        sqlite3_bind_text(pStmt, i, s.data(), int(s.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const std::string s = fdp.ConsumeRandomLengthString(8);
        sqlite3_bind_blob(pStmt, i, s.data(), int(s.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

void pRighe(TSqlConn &conn, const char *szSql, int iColonne, int iRighe, FuzzedDataProvider &fdp)
{
    sqlite3_stmt *pStmt = nullptr;
    if (sqlite3_prepare_v2(conn.fHandle(), szSql, -1, &pStmt, nullptr) != SQLITE_OK)
        std::abort();
    for (int r = 0; r < iRighe; ++r) {
        for (int c = 1; c <= iColonne; ++c)
            pLega(pStmt, c, fdp);
        sqlite3_step(pStmt); // a row the schema refuses is simply not there
        sqlite3_reset(pStmt);
    }
    sqlite3_finalize(pStmt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool bPronto = QDir(dir.path()).mkpath(QStringLiteral("out"));
    if (!bPronto)
        std::abort();
    TSqlConn conn;
    const TProgettoEsportato progetto{conn, dir.path() + QLatin1Char('/')};
    conn.pOpen(QStringLiteral(":memory:"), true);
    pCreaTabelle(conn);
    FuzzedDataProvider fdp(data, size);
    pRighe(conn, "insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (?, ?, ?, ?, ?)", 5,
           fdp.ConsumeIntegralInRange<int>(0, 5), fdp);
    pRighe(conn,
           "insert into tbsensori (_id, area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
           "CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo, Orientamento) values (?, ?, ?, ?, ?, ?, "
           "?, ?, ?, ?, ?, ?, ?, ?, ?, 0)",
           15, fdp.ConsumeIntegralInRange<int>(0, 8), fdp);

    try {
        pEsportaProgetto(progetto);
        QFile f(progetto.fOut() + QStringLiteral("maps.txt"));
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray maps = f.readAll();
        if (!maps.endsWith("END OF FILE" + QByteArray(116, ' ') + "*\r\n"))
            std::abort();
        for (qsizetype i = 0; i < maps.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(maps[i]);
            const bool bFineRiga = (c == '\r' && i + 1 < maps.size() && maps[i + 1] == '\n') ||
                                   (c == '\n' && i > 0 && maps[i - 1] == '\r');
            if ((c < 0x20 || c == 0x7F) && !bFineRiga)
                std::abort();
        }
    } catch (const TOmbrixError &) {
    }

    conn.pClose();
    return 0;
}
