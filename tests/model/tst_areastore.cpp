#include "projectfixture.h"

#include "model/areastore.h"

#include <QTest>

class TstAreaStore : public QObject
{
    Q_OBJECT

    static void pInsertAreas(TProjectFixture &fx, const QList<int> &aIds)
    {
        for (const int i : aIds)
            fx.conn.pExec(QStringLiteral("insert into tbarea(_id, NomeArea) values(%1, 'a%1')").arg(i));
    }
    static void pInsertSensor(TProjectFixture &fx, int iArea, int iZoom, int iTipo)
    {
        fx.conn.pExec(QStringLiteral("insert into tbsensori(area_id, area_zoom, IconSize, TipoSensore, Orientamento) "
                                     "values(%1, %2, 32, %3, 0)")
                          .arg(iArea)
                          .arg(iZoom)
                          .arg(iTipo));
    }

private slots:
    void newIdFillsTheFirstGap_data()
    {
        QTest::addColumn<QList<int>>("aIds");
        QTest::addColumn<int>("iNew");
        QTest::newRow("empty") << QList<int>() << 1;
        QTest::newRow("1 2 4") << QList<int>({1, 2, 4}) << 3;
        QTest::newRow("1 2 3") << QList<int>({1, 2, 3}) << 4;
        QTest::newRow("1 2 5") << QList<int>({1, 2, 5}) << 3;
        QTest::newRow("2 3: never below the smallest") << QList<int>({2, 3}) << 4;
        QTest::newRow("past 99") << QList<int>({1, 98, 99, 100, 101, 102}) << 2;
        QTest::newRow("100 to 102") << QList<int>({100, 101, 102}) << 103;
    }
    void newIdFillsTheFirstGap()
    {
        QFETCH(QList<int>, aIds);
        QFETCH(int, iNew);
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, aIds);
        QCOMPARE(fx.aree->fNuovoId(), iNew);
        QCOMPARE(fx.CDArea.fCount(), aIds.size()); // the area list is refreshed first
    }

    void statementsForOrdinaryNames()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, {1});
        fx.pTrace();
        const QString sList = QStringLiteral("select * from tbarea order by Ordinamento");
        const QString sNewId = QStringLiteral("SELECT _id + 1 new_id FROM tbarea mo WHERE NOT EXISTS (SELECT NULL FROM "
                                              "tbarea mi WHERE mi._id = mo._id + 1) ORDER BY _id LIMIT 1");

        QCOMPARE(fx.aree->pAddAreaBase(QStringLiteral("Piano terra"), 0), 2);
        QCOMPARE(fx.fTakeSql(),
                 QStringList({sList, sNewId,
                              QStringLiteral("insert into tbarea(_id, livello, nomearea, ordinamento) values(2,0, "
                                             "\"Piano terra\", 0);")}));

        QCOMPARE(fx.aree->pAddAreaSon(QStringLiteral("Sala"), 0, 2), 3);
        QCOMPARE(fx.fTakeSql(), QStringList({sList, sNewId,
                                             QStringLiteral("insert into tbarea(_id, livello, father_id, nomearea, "
                                                            "ordinamento) values(3,1, 2,\"Sala\", 0);")}));

        fx.aree->pRinominaAreaInDb(QStringLiteral("3"), QStringLiteral("Salone"));
        QCOMPARE(fx.fTakeSql(), QStringList({QStringLiteral("update tbarea set NomeArea = \"Salone\" where _id = 3")}));

        QCOMPARE(fx.aree->pDelArea(3), 1);
        QCOMPARE(fx.fTakeSql(),
                 QStringList({QStringLiteral("BEGIN"),
                              QStringLiteral("delete from tbsensori where area_id = 3 or area_zoom = 3"),
                              QStringLiteral("delete from tbarea where _id = 3"), QStringLiteral("COMMIT"), sList}));

        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")),
                 QStringList({QStringLiteral("1|0|0|a1|0"), QStringLiteral("2|0|0|Piano terra|0")}));
    }

    void addingAnAreaShowsItAndCopiesTheBlankPicture()
    {
        TProjectFixture fx;
        const QString sDb = fx.fOpenEmptyProject();
        const QString sPic1 = fx.sRootPrj + QStringLiteral("areas/img_1.jpg");
        QFile stale(sPic1);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("an old picture of a deleted area, longer than the blank one");
        stale.close();
        TProjectDocument doc;
        doc.pApriProgetto(sDb);
        fx.pListen(doc);

        QCOMPARE(doc.pAggiungiAreaBase(QStringLiteral(" casa ")), 1);
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("aree"), QStringLiteral("mostrata:1")}));
        QCOMPARE(doc.fAreaMostrata(), 1);
        QCOMPARE(fFileBytes(sPic1), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")), QStringList({QStringLiteral("1|0|0| casa |0")}));

        // a detail area: the tree refills and its parent stays shown
        fx.asSignals.clear();
        QCOMPARE(doc.pAggiungiAreaDettaglio(1, QStringLiteral("Sala"), 32), 2);
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("aree")}));
        QCOMPARE(doc.fAreaMostrata(), 1);
        QCOMPARE(fFileBytes(fx.sRootPrj + QStringLiteral("areas/img_2.jpg")), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea where _id = 2")),
                 QStringList({QStringLiteral("2|1|1|Sala|0")}));
    }

    void noNameMeansNoArea()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        // asking for the name is the editor's; an empty name adds nothing
        QCOMPARE(fx.aree->pAddAreaBase(QString(), 0), 0);
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbarea")), QStringList({QStringLiteral("0")}));
        QVERIFY(QDir(fx.sRootPrj + QStringLiteral("areas")).isEmpty());

        QCOMPARE(fx.aree->pAddAreaBase(QStringLiteral("Garage"), 0), 1);
        QCOMPARE(fx.fRows(QStringLiteral("select NomeArea from tbarea")), QStringList({QStringLiteral("Garage")}));
    }

    void aDeletedIdComesBackWithAFreshPicture()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(fx.aree->pAddAreaBase(QStringLiteral("p%1").arg(i), 0), i);
        const QString sPic3 = fx.sRootPrj + QStringLiteral("areas/img_3.jpg");
        QFile pic(sPic3);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.write("a background chosen by the user");
        pic.close();

        QCOMPARE(fx.aree->pDelArea(3), 1);
        QVERIFY(!QFile::exists(sPic3));
        QCOMPARE(fx.aree->pAddAreaBase(QStringLiteral("nuovo"), 0), 3);
        QCOMPARE(fFileBytes(sPic3), TProjectFixture::fBlankBytes());
    }

    void deletingAnAreaTakesItsObjectsAndTheMarkersLeadingToIt_data()
    {
        QTest::addColumn<int>("iDetail");
        QTest::newRow("id 3") << 3;
        QTest::newRow("id 150") << 150;
    }
    void deletingAnAreaTakesItsObjectsAndTheMarkersLeadingToIt()
    {
        QFETCH(int, iDetail);
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, {1, 2, iDetail});
        fx.conn.pExec(QStringLiteral("update tbarea set livello = 1, father_id = 1 where _id = %1").arg(iDetail));
        pInsertSensor(fx, 1, 0, 1);       // 1: stays
        pInsertSensor(fx, 1, iDetail, 3); // 2: marker on the parent leading to it
        pInsertSensor(fx, 2, iDetail, 3); // 3: marker elsewhere leading to it
        pInsertSensor(fx, iDetail, 0, 6); // 4: on the area
        pInsertSensor(fx, iDetail, 0, 4); // 5: on the area
        pInsertSensor(fx, 2, 1, 3);       // 6: marker to another area, stays
        pInsertSensor(fx, 2, 0, 2);       // 7: stays
        const QString sPic = fx.aree->fAreaPicturePath(iDetail);
        QCOMPARE(sPic, fx.sRootPrj + QStringLiteral("areas/img_%1.jpg").arg(iDetail));
        QFile pic(sPic);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.close();

        QCOMPARE(fx.aree->pDelArea(iDetail), 1);
        QCOMPARE(fx.fRows(QStringLiteral("select _id from tbsensori")),
                 QStringList({QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("7")}));
        QCOMPARE(fx.fRows(QStringLiteral("select _id from tbarea")),
                 QStringList({QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(fx.CDArea.fCount(), 2);
        QVERIFY(!QFile::exists(sPic));

        // an id that is not there: nothing removed
        QCOMPARE(fx.aree->pDelArea(77), 0);
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbsensori")), QStringList({QStringLiteral("3")}));

        // through the document the tree refills and no area is shown after
        TProjectDocument doc;
        doc.pApriProgetto(fx.conn.fDatabase());
        doc.pMostraArea(2);
        fx.pListen(doc);
        doc.pEliminaArea(2);
        QCOMPARE(fx.asSignals, QStringList({QStringLiteral("aree"), QStringLiteral("mostrata:0")}));
        QCOMPARE(doc.fAreaMostrata(), 0);
        QCOMPARE(fx.fRows(QStringLiteral("select _id from tbsensori")), QStringList({QStringLiteral("1")}));
    }

    void aFailedDeleteLeavesTheAreaAndItsObjects()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, {1, 2});
        pInsertSensor(fx, 2, 0, 1);
        pInsertSensor(fx, 1, 2, 3);
        fx.conn.pExec(QStringLiteral("create trigger keep before delete on tbarea begin select raise(abort, "
                                     "'area locked'); end"));

        try {
            fx.aree->pDelArea(2);
            QFAIL("the delete should fail");
        } catch (const TOmbrixError &e) {
            QCOMPARE(e.fMessage(), QStringLiteral("area locked"));
        }
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbsensori")), QStringList({QStringLiteral("2")}));
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbarea")), QStringList({QStringLiteral("2")}));
        // the connection is usable again: no transaction was left open
        fx.conn.pExec(QStringLiteral("drop trigger keep"));
        QCOMPARE(fx.aree->pDelArea(2), 1);
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbsensori")), QStringList({QStringLiteral("0")}));
    }

    void hostileNamesAreStoredAsTyped_data()
    {
        QTest::addColumn<QString>("sNome");
        QTest::newRow("double quote") << QStringLiteral("Sala \"grande\"");
        QTest::newRow("lone double quote") << QStringLiteral("\"");
        QTest::newRow("both quotes") << QStringLiteral("l'ingresso \"A\"");
        QTest::newRow("column name") << QStringLiteral("livello");
        QTest::newRow("column name, other case") << QStringLiteral("NOMEAREA");
        QTest::newRow("id column") << QStringLiteral("_id");
        QTest::newRow("rowid") << QStringLiteral("rowid");
        QTest::newRow("statement in quotes") << QStringLiteral("x\"; delete from tbarea; --");
    }
    void hostileNamesAreStoredAsTyped()
    {
        QFETCH(QString, sNome);
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, {1, 2});
        const QStringList asOthers = fx.fRows(QStringLiteral("select * from tbarea"));

        QCOMPARE(fx.aree->pAddAreaBase(sNome, 0), 3);
        QCOMPARE(fx.aree->pAddAreaSon(sNome, 0, 1), 4);
        fx.aree->pRinominaAreaInDb(QStringLiteral("2"), sNome);

        const QStringList asRows = fx.fRows(QStringLiteral("select * from tbarea"));
        QCOMPARE(asRows,
                 QStringList({asOthers.at(0), QStringLiteral("2|0|0|%1|0").arg(sNome),
                              QStringLiteral("3|0|0|%1|0").arg(sNome), QStringLiteral("4|1|1|%1|0").arg(sNome)}));
    }

    void renameTakesOnlyADecimalId()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas(fx, {1, 2});
        QVERIFY_THROWS_EXCEPTION(TOmbrixError,
                                 fx.aree->pRinominaAreaInDb(QStringLiteral("1 or 1=1"), QStringLiteral("x")));
        QCOMPARE(fx.fRows(QStringLiteral("select NomeArea from tbarea")),
                 QStringList({QStringLiteral("a1"), QStringLiteral("a2")}));
    }
};

QTEST_GUILESS_MAIN(TstAreaStore)
#include "tst_areastore.moc"
