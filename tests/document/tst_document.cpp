// The project document's history: every kind of edit taken back and done
// again on a real project, compared row for row and byte for byte.

#include "document/projectdocument.h"
#include "model/sensore.h"
#include "workspace/errors.h"
#include "workspace/sqlconn.h"
#include "workspace/uty.h"

#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <functional>

namespace {

/** A real JPEG of one colour. */
void pScriviJpeg(const QString &sPath, const QColor &colore)
{
    QImage img(16, 12, QImage::Format_RGB32);
    img.fill(colore);
    QVERIFY(img.save(sPath, "JPG"));
}

QString fValoreDump(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return QStringLiteral("i") + QString::number(v.toLongLong());
    case QMetaType::Double:
        return QStringLiteral("r") + QString::number(v.toDouble(), 'g', 17);
    case QMetaType::QByteArray:
        return QStringLiteral("b") + QString::fromLatin1(v.toByteArray().toHex());
    default:
        return QStringLiteral("t'") + v.toString() + QLatin1Char('\'');
    }
}

} // namespace

/** A throw-away application root with a project "casa" made through the document. */
class TDocFixture
{
public:
    QTemporaryDir dir;
    TProjectDocument doc;
    QStringList asSql;

    TDocFixture()
    {
        sGlobPath = dir.path() + QStringLiteral("/");
        sGlobBinPath = sGlobPath + QStringLiteral("bin/");
        sGlobGrfcPath = sGlobPath + QStringLiteral("grfc/");
        sGlobResPath = sGlobPath + QStringLiteral("res/");
        sGlobPrjPath = sGlobPath + QStringLiteral("progetti/");
        for (const QString &s : {sGlobBinPath, sGlobGrfcPath, sGlobPrjPath})
            QDir().mkpath(s);
        pScriviJpeg(sGlobGrfcPath + QStringLiteral("blank.jpg"), Qt::white);
        pScriviJpeg(sGlobPath + QStringLiteral("rosso.jpg"), Qt::red);
        pScriviJpeg(sGlobPath + QStringLiteral("verde.jpg"), Qt::green);
        doc.pNuovoProgetto(sGlobPrjPath, QStringLiteral("casa"));
    }

    QString fJpeg(const char *szNome) const { return sGlobPath + QLatin1String(szNome) + QStringLiteral(".jpg"); }

    /** Every row of both tables (typed, NULL apart from empty text) read through a connection of its own,
     *  and the size and hash of every file under areas/. */
    QStringList fDump() const
    {
        QStringList as;
        TSqlConn conn;
        conn.pOpen(doc.fDatabase(), false, true);
        for (const char *szTab : {"tbarea", "tbsensori"}) {
            TSqlQuery q = conn.fQuery(QStringLiteral("SELECT * FROM %1 ORDER BY _id").arg(QLatin1String(szTab)));
            while (q.fNext()) {
                QStringList asCampi;
                for (int i = 0; i < q.fColumnCount(); ++i)
                    asCampi << q.fColumnName(i) + QLatin1Char('=') + fValoreDump(q.fValue(i));
                as << QLatin1String(szTab) + QLatin1Char(' ') + asCampi.join(QLatin1Char(' '));
            }
        }
        const QDir aree(doc.fRootPrj() + QStringLiteral("areas"));
        for (const QString &sFile : aree.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
            QFile f(aree.filePath(sFile));
            if (!f.open(QIODevice::ReadOnly))
                as << sFile + QStringLiteral(" unreadable");
            else
                as << sFile + QLatin1Char(' ') +
                          QString::fromLatin1(
                              QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
        }
        return as;
    }

    /** The shown area's objects as the document holds them, and as the database does. */
    QStringList fOggettiMostrati() const
    {
        QStringList as;
        for (const TSensore &s : doc.fOggetti())
            as << QStringLiteral("%1 %2,%3 %4,%5 %6,%7 %8/%9 '%10'")
                      .arg(s.Get_id())
                      .arg(s.Get_coordx())
                      .arg(s.Get_coordy())
                      .arg(s.Get_coordx2())
                      .arg(s.Get_coordy2())
                      .arg(s.Get_coordxt())
                      .arg(s.Get_coordyt())
                      .arg(s.Get_fonttxt())
                      .arg(s.Get_colortxt())
                      .arg(s.Get_testo());
        return as;
    }
    QStringList fOggettiNelDb() const
    {
        QStringList as;
        TSqlConn conn;
        conn.pOpen(doc.fDatabase(), false, true);
        TSqlQuery q = conn.fQuery(QStringLiteral("SELECT _id, CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, "
                                                 "FontTxt, ColorTxt, Testo FROM tbsensori WHERE area_id = ? "
                                                 "ORDER BY _id"),
                                  {doc.fAreaMostrata()});
        while (q.fNext())
            as << QStringLiteral("%1 %2,%3 %4,%5 %6,%7 %8/%9 '%10'")
                      .arg(q.fInt64(0))
                      .arg(q.fInt(1))
                      .arg(q.fInt(2))
                      .arg(q.fInt(3))
                      .arg(q.fInt(4))
                      .arg(q.fInt(5))
                      .arg(q.fInt(6))
                      .arg(q.fInt(7))
                      .arg(q.fInt(8))
                      .arg(q.fText(9));
        return as;
    }

    void pTrace()
    {
        asSql.clear();
        sqlite3_trace_v2(doc.fConn().fHandle(), SQLITE_TRACE_STMT, &fOnStatement, this);
    }

private:
    static int fOnStatement(unsigned, void *pCtx, void *, void *pText)
    {
        static_cast<TDocFixture *>(pCtx)->asSql << QString::fromUtf8(static_cast<const char *>(pText));
        return 0;
    }
};

/** The ids of a scene shared by the edits: area 1 with a barrier (second end moved, labelled) and a contact,
 *  a detail area under it (own picture, an input with a label) reached by a zoom marker on area 1. */
struct TScena
{
    qint64 iBase = 1, iBarriera = 0, iContatto = 0, iDettaglio = 0, iIngresso = 0;

    explicit TScena(TProjectDocument &doc, const QString &sRosso)
    {
        iBarriera = doc.pAggiungiOggetto(4, 32, QStringLiteral("3"));
        doc.pSpostaOggetto(iBarriera, 1, QPoint(300, 40));
        doc.pAggiungiTesto(iBarriera, QPoint(50, 60), 3, 5, QStringLiteral("Porta"));
        iContatto = doc.pAggiungiOggetto(1, 32, QStringLiteral("7"));
        iDettaglio = doc.pAggiungiAreaDettaglio(iBase, QStringLiteral("Sala"), 32);
        doc.pCambiaSfondo(iDettaglio, sRosso);
        doc.pMostraArea(iDettaglio);
        iIngresso = doc.pAggiungiOggetto(2, 32, QStringLiteral("5"));
        doc.pAggiungiTesto(iIngresso, QPoint(20, 30), 1, 2, QStringLiteral("Finestra"));
        doc.pMostraArea(iBase);
    }
};

using TEdit = std::function<qint64(TDocFixture &, TScena &)>; // returns the id of a placed object, else 0
Q_DECLARE_METATYPE(TEdit)

class TstDocument : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfEditUndoesAndRedoesExactly_data()
    {
        QTest::addColumn<TEdit>("edit");
        QTest::newRow("base area") << TEdit([](TDocFixture &fx, TScena &) {
            fx.doc.pAggiungiAreaBase(QStringLiteral("Garage"));
            return 0;
        });
        QTest::newRow("detail area with its marker") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pAggiungiAreaDettaglio(s.iBase, QStringLiteral("Bagno"), 48);
            return 0;
        });
        QTest::newRow("delete area with objects, label and marker") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pEliminaArea(s.iDettaglio);
            return 0;
        });
        QTest::newRow("delete the shown area") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pEliminaArea(s.iBase);
            return 0;
        });
        QTest::newRow("rename") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pRinominaArea(s.iDettaglio, QStringLiteral("Salone \"grande\""));
            return 0;
        });
        QTest::newRow("background") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pCambiaSfondo(s.iDettaglio, fx.fJpeg("verde"));
            return 0;
        });
        for (int iTipo : {1, 2, 4, 5, 6, 7, 8, 9, 10})
            QTest::addRow("place type %d", iTipo) << TEdit([iTipo](TDocFixture &fx, TScena &) {
                return fx.doc.pAggiungiOggetto(iTipo, 48, QStringLiteral("12"));
            });
        QTest::newRow("move icon") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pSpostaOggetto(s.iContatto, 0, QPoint(120, 80));
            return 0;
        });
        QTest::newRow("move second end") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pSpostaOggetto(s.iBarriera, 1, QPoint(10, 200));
            return 0;
        });
        QTest::newRow("delete object") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pEliminaOggetto(s.iBarriera);
            return 0;
        });
        QTest::newRow("add label") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pAggiungiTesto(s.iContatto, QPoint(70, 90), 2, 4, QStringLiteral("Ingresso"));
            return 0;
        });
        QTest::newRow("add label with the keep marker as text") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pAggiungiTesto(s.iContatto, QPoint(70, 90), 2, 4, QStringLiteral("@+|+#"));
            return 0;
        });
        QTest::newRow("move label") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pSpostaTesto(s.iBarriera, QPoint(80, 20), QStringLiteral("Porta"));
            return 0;
        });
        QTest::newRow("move label to x=0") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pSpostaTesto(s.iBarriera, QPoint(0, 20), QStringLiteral("Porta"));
            return 0;
        });
        QTest::newRow("retype label") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pModificaTesto(s.iBarriera, QStringLiteral("Portone"));
            return 0;
        });
        QTest::newRow("retype label to the keep marker") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pModificaTesto(s.iBarriera, QStringLiteral("@+|+#"));
            return 0;
        });
        QTest::newRow("restyle label") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pStileTesto(s.iBarriera, 7, 16);
            return 0;
        });
        QTest::newRow("delete label") << TEdit([](TDocFixture &fx, TScena &s) {
            fx.doc.pEliminaTesto(s.iBarriera);
            return 0;
        });
    }
    void everyKindOfEditUndoesAndRedoesExactly()
    {
        QFETCH(TEdit, edit);
        TDocFixture fx;
        TScena scena(fx.doc, fx.fJpeg("rosso"));
        QUndoStack &undo = *fx.doc.fUndoStack();
        const int iPassi = undo.count();
        const QStringList asPrima = fx.fDump();

        const qint64 iPiazzato = edit(fx, scena);
        const QStringList asDopo = fx.fDump();
        QVERIFY(asDopo != asPrima);
        QCOMPARE(undo.count(), iPassi + 1);
        QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());

        for (int i = 0; i < 2; ++i) {
            undo.undo();
            QCOMPARE(fx.fDump(), asPrima);
            QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());
            if (iPiazzato != 0)
                QVERIFY(!fx.doc.fOggetto(iPiazzato));
            if (i == 1)
                break;
            undo.redo();
            QCOMPARE(fx.fDump(), asDopo);
            QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());
            if (iPiazzato != 0) // the same id again, on the area it was placed on
                QVERIFY(fx.doc.fOggetto(iPiazzato));
        }
    }

    void undoingAnAreaDeletionBringsBackObjectsAndPicture()
    {
        TDocFixture fx;
        TScena scena(fx.doc, fx.fJpeg("rosso"));
        const QString sImg = fx.doc.fAreaPicturePath(scena.iDettaglio);
        const QByteArray abRosso = [&] {
            QFile f(sImg);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(!abRosso.isEmpty());
        fx.doc.pEliminaArea(scena.iDettaglio);
        QVERIFY(!QFile::exists(sImg));
        QVERIFY(!fx.doc.fArea(scena.iDettaglio));

        fx.doc.fUndoStack()->undo();
        QVERIFY(fx.doc.fArea(scena.iDettaglio));
        QFile f(sImg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), abRosso);
        fx.doc.pMostraArea(scena.iDettaglio);
        QVERIFY(fx.doc.fOggetto(scena.iIngresso));
        QCOMPARE(fx.doc.fOggetto(scena.iIngresso)->Get_testo(), QStringLiteral("Finestra"));
    }

    void thirtyMixedEditsUndoAndRedoAsAWhole()
    {
        TDocFixture fx;
        TScena scena(fx.doc, fx.fJpeg("rosso"));
        TProjectDocument &doc = fx.doc;
        QUndoStack &undo = *doc.fUndoStack();
        const QStringList asInizio = fx.fDump();
        const int iInizio = undo.index();
        QRandomGenerator rnd(20260);
        const auto pos = [&] { return QPoint(rnd.bounded(1, 600), rnd.bounded(1, 400)); };

        for (int iPasso = 0; iPasso < 30; ++iPasso) {
            if (doc.fAreaMostrata() == 0)
                doc.pMostraArea(doc.fAreeInOrdineAlbero().first().iId);
            const QList<TSensore> aOggetti = doc.fOggetti();
            const qint64 iOgg = aOggetti.isEmpty() ? 0 : aOggetti.at(rnd.bounded(int(aOggetti.size()))).Get_id();
            const qint64 iArea = doc.fAreaMostrata();
            const int iPrima = undo.count();
            int iScelta = rnd.bounded(12);
            if (iOgg == 0 && iScelta >= 6)
                iScelta = 5;
            if (iScelta == 2 && doc.fAree().fRows().size() < 3)
                iScelta = 3;
            const QString sTesto = QStringLiteral("t%1").arg(iPasso);
            switch (iScelta) {
            case 0:
                doc.pAggiungiAreaBase(sTesto);
                break;
            case 1:
                doc.pAggiungiAreaDettaglio(iArea, sTesto, 16);
                break;
            case 2:
                doc.pEliminaArea(iArea);
                break;
            case 3:
                doc.pRinominaArea(iArea, sTesto);
                break;
            case 4: {
                const QString sFile = sGlobPath + sTesto + QStringLiteral(".jpg");
                pScriviJpeg(sFile, QColor::fromHsv(iPasso * 12, 255, 255));
                doc.pCambiaSfondo(iArea, sFile);
                break;
            }
            case 5:
                doc.pAggiungiOggetto(rnd.bounded(1, 11), 32, QString::number(iPasso));
                break;
            case 6:
                doc.pSpostaOggetto(iOgg, rnd.bounded(2), pos());
                break;
            case 7:
                doc.pEliminaOggetto(iOgg);
                break;
            case 8:
                doc.pAggiungiTesto(iOgg, pos(), rnd.bounded(1, 9), rnd.bounded(1, 11), sTesto);
                break;
            case 9:
                doc.pSpostaTesto(iOgg, pos(), sTesto);
                break;
            case 10:
                doc.pModificaTesto(iOgg, sTesto);
                break;
            default:
                doc.pStileTesto(iOgg, iPasso % 8 + 1, iPasso % 10 + 1);
                break;
            }
            QVERIFY2(undo.count() == iPrima + 1,
                     qPrintable(QStringLiteral("step %1, kind %2").arg(iPasso).arg(iScelta)));
        }
        const QStringList asFine = fx.fDump();
        for (int i = 0; i < 30; ++i) {
            undo.undo();
            QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());
        }
        QCOMPARE(undo.index(), iInizio);
        QCOMPARE(fx.fDump(), asInizio);
        for (int i = 0; i < 30; ++i) {
            undo.redo();
            QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());
        }
        QCOMPARE(fx.fDump(), asFine);
    }

    void aFailingUndoOrRedoChangesNothing()
    {
        TDocFixture fx;
        TScena scena(fx.doc, fx.fJpeg("rosso"));
        QUndoStack &undo = *fx.doc.fUndoStack();
        const QStringList asPrima = fx.fDump();
        const qint64 iNuovo = fx.doc.pAggiungiOggetto(6, 32, QStringLiteral("9"));
        fx.doc.pSpostaOggetto(iNuovo, 0, QPoint(40, 50));
        const QStringList asDopo = fx.fDump();
        const int iIndice = undo.index();
        const QStringList asMostrati = fx.fOggettiMostrati();

        // another program holding the file refuses the writes of the undo
        const auto pAltro = [&](const QString &sSql) {
            TSqlConn altro;
            altro.pOpen(fx.doc.fDatabase(), false);
            altro.pExec(sSql);
        };
        pAltro(QStringLiteral("CREATE TRIGGER blocca BEFORE DELETE ON tbsensori BEGIN "
                              "SELECT RAISE(ABORT, 'riga bloccata'); END"));
        try {
            undo.undo();
            QFAIL("the undo went through");
        } catch (const TOmbrixError &e) {
            QVERIFY2(e.fMessage().contains(QStringLiteral("riga bloccata")), qPrintable(e.fMessage()));
        }
        QCOMPARE(undo.index(), iIndice);
        QCOMPARE(fx.fDump(), asDopo);
        QCOMPARE(fx.fOggettiMostrati(), asMostrati);

        pAltro(QStringLiteral("DROP TRIGGER blocca"));
        undo.undo();
        undo.undo();
        QCOMPARE(fx.fDump(), asPrima);
        pAltro(QStringLiteral("CREATE TRIGGER blocca BEFORE INSERT ON tbsensori BEGIN "
                              "SELECT RAISE(ABORT, 'riga bloccata'); END"));
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, undo.redo());
        QCOMPARE(undo.index(), iIndice - 2);
        QCOMPARE(fx.fDump(), asPrima);
        QCOMPARE(fx.fOggettiMostrati(), fx.fOggettiNelDb());
        QVERIFY(!fx.doc.fOggetto(iNuovo));
    }

    void forwardStatementsStayAsDocumented()
    {
        TDocFixture fx;
        fx.pTrace();
        const qint64 iId = fx.doc.pAggiungiOggetto(1, 32, QStringLiteral("7"));
        fx.doc.pSpostaOggetto(iId, 0, QPoint(10, 20));
        fx.doc.pRinominaArea(1, QStringLiteral("Salone"));
        // the history's own reads bind their values; the edits' statements are the documented texts, and
        // an area edit is followed by the reload of the area list that the views show
        QStringList asEdit;
        for (const QString &s : std::as_const(fx.asSql))
            if (!s.contains(QLatin1Char('?')))
                asEdit << s;
        QCOMPARE(asEdit, QStringList({QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, "
                                                     "CoordX, CoordY, CoordX2, CoordY2, TipoSensore, ZonaSensore, "
                                                     "Orientamento) values(1,0,7,32,223,119,0,0,1, 1, 0);"),
                                      QStringLiteral("select max(_id) from tbsensori;"),
                                      QStringLiteral("update tbsensori set CoordX = 10, CoordY = 20 where _id = 1"),
                                      QStringLiteral("update tbarea set NomeArea = \"Salone\" where _id = 1"),
                                      QStringLiteral("select * from tbarea order by Ordinamento")}));
    }
};

QTEST_GUILESS_MAIN(TstDocument)
#include "tst_document.moc"
