#include "projectfixture.h"

#include "model/areastore.h"

#include <QTest>

class TstAreaStore : public QObject
{
    Q_OBJECT

    static void pInsertAreas(const QList<int> &aIds)
    {
        for (const int i : aIds)
            SQLConn.pExec(QStringLiteral("insert into tbarea(_id, NomeArea) values(%1, 'a%1')").arg(i));
    }
    static void pInsertSensor(int iArea, int iZoom, int iTipo)
    {
        SQLConn.pExec(QStringLiteral("insert into tbsensori(area_id, area_zoom, IconSize, TipoSensore, Orientamento) "
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
        pInsertAreas(aIds);
        QCOMPARE(fNuovoId(), iNew);
        QCOMPARE(CDArea.fCount(), aIds.size()); // the area list is refreshed first
    }

    void statementsForOrdinaryNames()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas({1});
        fx.pTrace();
        const QString sList = QStringLiteral("select * from tbarea order by Ordinamento");
        const QString sNewId = QStringLiteral("SELECT _id + 1 new_id FROM tbarea mo WHERE NOT EXISTS (SELECT NULL FROM "
                                              "tbarea mi WHERE mi._id = mo._id + 1) ORDER BY _id LIMIT 1");

        QCOMPARE(pAddAreaBase(QStringLiteral("Piano terra"), 0), 2);
        QCOMPARE(fx.fTakeSql(),
                 QStringList({sList, sNewId,
                              QStringLiteral("insert into tbarea(_id, livello, nomearea, ordinamento) values(2,0, "
                                             "\"Piano terra\", 0);")}));

        QCOMPARE(pAddAreaSon(QStringLiteral("Sala"), 0, 1, 2), 3);
        QCOMPARE(fx.fTakeSql(), QStringList({sList, sNewId,
                                             QStringLiteral("insert into tbarea(_id, livello, father_id, nomearea, "
                                                            "ordinamento) values(3,1, 2,\"Sala\", 0);")}));

        pRinominaAreaInDb(QStringLiteral("3"), QStringLiteral("Salone"));
        QCOMPARE(fx.fTakeSql(), QStringList({QStringLiteral("update tbarea set NomeArea = \"Salone\" where _id = 3")}));

        QCOMPARE(pDelArea(3, 1, 1), 1);
        QCOMPARE(fx.fTakeSql(), QStringList({QStringLiteral("BEGIN"),
                                             QStringLiteral("delete from tbsensori where area_id = 3 or area_zoom = 3"),
                                             QStringLiteral("delete from tbarea where _id = 3"),
                                             QStringLiteral("COMMIT"), sList}));

        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")),
                 QStringList({QStringLiteral("1|0|0|a1|0"), QStringLiteral("2|0|0|Piano terra|0")}));
    }

    void addingAnAreaShowsItAndCopiesTheBlankPicture()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        const QString sPic1 = sGlobRootPrj + QStringLiteral("areas/img_1.jpg");
        QFile stale(sPic1);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("an old picture of a deleted area, longer than the blank one");
        stale.close();

        QCOMPARE(pAddAreaBase(QStringLiteral(" casa "), 0), 1);
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("clearcanvas"), QStringLiteral("background:") + fx.fBlankPath(),
                                               QStringLiteral("tree"), QStringLiteral("selectname: casa ")}));
        QCOMPARE(fFileBytes(sPic1), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea")), QStringList({QStringLiteral("1|0|0| casa |0")}));

        fx.view.asCalls.clear();
        QCOMPARE(pAddAreaSon(QStringLiteral("Sala"), 0, 0, 1), 2);
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("background:") + fx.fBlankPath(), QStringLiteral("tree"),
                                               QStringLiteral("selectlevel:0,0")}));
        QCOMPARE(fFileBytes(sGlobRootPrj + QStringLiteral("areas/img_2.jpg")), TProjectFixture::fBlankBytes());
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbarea where _id = 2")),
                 QStringList({QStringLiteral("2|1|1|Sala|0")}));
    }

    void noNameMeansNoArea()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        fx.view.oAnswer = std::nullopt;
        QCOMPARE(pAddAreaBase(QString(), 0), 0);
        fx.view.oAnswer = QString();
        QCOMPARE(pAddAreaBase(QString(), 0), 0);
        const QString sAsk = QStringLiteral("ask:Nome Area?|Nome Area?|");
        QCOMPARE(fx.view.asCalls, QStringList({sAsk, sAsk}));
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbarea")), QStringList({QStringLiteral("0")}));
        QVERIFY(QDir(sGlobRootPrj + QStringLiteral("areas")).isEmpty());

        fx.view.oAnswer = QStringLiteral("Garage");
        QCOMPARE(pAddAreaBase(QString(), 0), 1);
        QCOMPARE(fx.fRows(QStringLiteral("select NomeArea from tbarea")), QStringList({QStringLiteral("Garage")}));
    }

    void aDeletedIdComesBackWithAFreshPicture()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(pAddAreaBase(QStringLiteral("p%1").arg(i), 0), i);
        const QString sPic3 = sGlobRootPrj + QStringLiteral("areas/img_3.jpg");
        QFile pic(sPic3);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.write("a background chosen by the user");
        pic.close();

        QCOMPARE(pDelArea(3, 0, -1), 1);
        QVERIFY(!QFile::exists(sPic3));
        QCOMPARE(pAddAreaBase(QStringLiteral("nuovo"), 0), 3);
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
        pInsertAreas({1, 2, iDetail});
        SQLConn.pExec(QStringLiteral("update tbarea set livello = 1, father_id = 1 where _id = %1").arg(iDetail));
        pInsertSensor(1, 0, 1);       // 1: stays
        pInsertSensor(1, iDetail, 3); // 2: marker on the parent leading to it
        pInsertSensor(2, iDetail, 3); // 3: marker elsewhere leading to it
        pInsertSensor(iDetail, 0, 6); // 4: on the area
        pInsertSensor(iDetail, 0, 4); // 5: on the area
        pInsertSensor(2, 1, 3);       // 6: marker to another area, stays
        pInsertSensor(2, 0, 2);       // 7: stays
        const QString sPic = fAreaPicturePath(iDetail);
        QCOMPARE(sPic, sGlobRootPrj + QStringLiteral("areas/img_%1.jpg").arg(iDetail));
        QFile pic(sPic);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.close();
        fx.view.asCalls.clear();

        QCOMPARE(pDelArea(iDetail, 1, 0), 1);
        QCOMPARE(fx.fRows(QStringLiteral("select _id from tbsensori")),
                 QStringList({QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("7")}));
        QCOMPARE(fx.fRows(QStringLiteral("select _id from tbarea")), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(CDArea.fCount(), 2);
        QVERIFY(!QFile::exists(sPic));
        QCOMPARE(fx.view.asCalls, QStringList({QStringLiteral("busy"), QStringLiteral("clearcanvas"),
                                               QStringLiteral("clearbackground"), QStringLiteral("tree"),
                                               QStringLiteral("idle")}));

        // an id that is not there: nothing removed, the screen refreshed all the same
        fx.view.asCalls.clear();
        QCOMPARE(pDelArea(77, 0, -1), 0);
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbsensori")), QStringList({QStringLiteral("3")}));
        QCOMPARE(fx.view.asCalls.size(), 5);
    }

    void aFailedDeleteLeavesTheAreaAndItsObjects()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas({1, 2});
        pInsertSensor(2, 0, 1);
        pInsertSensor(1, 2, 3);
        SQLConn.pExec(QStringLiteral("create trigger keep before delete on tbarea begin select raise(abort, "
                                     "'area locked'); end"));
        fx.view.asCalls.clear();

        try {
            pDelArea(2, 1, 0);
            QFAIL("the delete should fail");
        } catch (const TOmbrixError &e) {
            QCOMPARE(e.fMessage(), QStringLiteral("area locked"));
        }
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbsensori")), QStringList({QStringLiteral("2")}));
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from tbarea")), QStringList({QStringLiteral("2")}));
        QCOMPARE(fx.view.asCalls.last(), QStringLiteral("idle"));
        // the connection is usable again: no transaction was left open
        SQLConn.pExec(QStringLiteral("drop trigger keep"));
        QCOMPARE(pDelArea(2, 1, 0), 1);
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
        pInsertAreas({1, 2});
        const QStringList asOthers = fx.fRows(QStringLiteral("select * from tbarea"));

        QCOMPARE(pAddAreaBase(sNome, 0), 3);
        QCOMPARE(pAddAreaSon(sNome, 0, 0, 1), 4);
        pRinominaAreaInDb(QStringLiteral("2"), sNome);
        QCOMPARE(fx.view.asCalls.at(3), QStringLiteral("selectname:") + sNome);

        const QStringList asRows = fx.fRows(QStringLiteral("select * from tbarea"));
        QCOMPARE(asRows, QStringList({asOthers.at(0), QStringLiteral("2|0|0|%1|0").arg(sNome),
                                      QStringLiteral("3|0|0|%1|0").arg(sNome), QStringLiteral("4|1|1|%1|0").arg(sNome)}));
    }

    void renameTakesOnlyADecimalId()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        pInsertAreas({1, 2});
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, pRinominaAreaInDb(QStringLiteral("1 or 1=1"), QStringLiteral("x")));
        QCOMPARE(fx.fRows(QStringLiteral("select NomeArea from tbarea")),
                 QStringList({QStringLiteral("a1"), QStringLiteral("a2")}));
    }
};

QTEST_GUILESS_MAIN(TstAreaStore)
#include "tst_areastore.moc"
