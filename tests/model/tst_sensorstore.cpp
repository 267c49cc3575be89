#include "projectfixture.h"

#include "model/sensorstore.h"

#include <QTest>

class TstSensorStore : public QObject
{
    Q_OBJECT

    static const QString &fInsertHead()
    {
        static const QString s = QStringLiteral("insert into tbsensori(area_id, area_zoom, NumSensore, IconSize, "
                                                "CoordX, CoordY, CoordX2, CoordY2, TipoSensore, ZonaSensore, "
                                                "Orientamento) values(");
        return s;
    }
    static QString fLabelColumns(const TProjectFixture &fx, int iId)
    {
        return fx
            .fRows(QStringLiteral("select CoordXt, CoordYt, FontTxt, ColorTxt, Testo from tbsensori "
                                  "where _id = %1")
                       .arg(iId))
            .value(0);
    }

private slots:
    void insertStatementsAndStartingPositions()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        fx.pTrace();
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("5"),
                                            QStringLiteral("32"), 1),
                 1);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("3"),
                                            QStringLiteral("32"), 4),
                 2);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("007"),
                                            QStringLiteral("16"), 4),
                 3);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1"),
                                            QStringLiteral("48"), 4),
                 4);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("150"), QStringLiteral("151"), QStringLiteral("0"),
                                            QStringLiteral("48"), 3),
                 5);
        const QString sMax = QStringLiteral("select max(_id) from tbsensori;");
        QCOMPARE(fx.fTakeSql(),
                 QStringList({fInsertHead() + QStringLiteral("2,0,5,32,223,119,0,0,1, 1, 0);"), sMax,
                              fInsertHead() + QStringLiteral("2,0,3,32,223,119,253,131,4, 1, 0);"), sMax,
                              fInsertHead() + QStringLiteral("2,0,007,16,223,119,253,123,4, 1, 0);"), sMax,
                              fInsertHead() + QStringLiteral("2,0,1,48,223,119,253,139,4, 1, 0);"), sMax,
                              fInsertHead() + QStringLiteral("150,151,0,48,223,119,0,0,3, 1, 0);"), sMax}));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbsensori where _id = 3")),
                 QStringList({QStringLiteral("3|2|0|7|16|4|1|223|119|253|123|0|0|0|0|NULL|0")}));
    }

    void idsAreNeverHandedOutAgain()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        const auto add = [&fx] {
            return fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                                              QStringLiteral("32"), 2);
        };
        QCOMPARE(add(), 1);
        QCOMPARE(add(), 2);
        QCOMPARE(add(), 3);
        fx.pTrace();
        QCOMPARE(fx.sensori->fDeleteSensorFromDb(QStringLiteral("3")), 1);
        QCOMPARE(fx.fTakeSql(), QStringList({QStringLiteral("delete from tbsensori where _id = 3")}));
        QCOMPARE(fx.sensori->fDeleteSensorFromDb(QStringLiteral("3")), 0);
        QCOMPARE(add(), 4);
        for (const QString &s : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")})
            QCOMPARE(fx.sensori->fDeleteSensorFromDb(s), 1);
        QCOMPARE(add(), 5); // also with the table emptied

        // and after the project is closed and opened again
        const QString sDb = fx.conn.fDatabase();
        fx.conn.pClose();
        fx.conn.pOpen(sDb, false);
        QCOMPARE(add(), 6);
    }

    void numberTextsThatAreNotDecimalIntegersAreRefused_data()
    {
        QTest::addColumn<int>("iArg");
        QTest::addColumn<QString>("sText");
        QTest::newRow("hex") << 2 << QStringLiteral("0x10");
        QTest::newRow("dollar hex") << 2 << QStringLiteral("$10");
        QTest::newRow("exponent") << 2 << QStringLiteral("1e3");
        QTest::newRow("empty") << 2 << QString();
        QTest::newRow("blank inside") << 2 << QStringLiteral(" 5");
        QTest::newRow("beyond 32 bits") << 2 << QStringLiteral("2147483648");
        QTest::newRow("statement") << 2 << QStringLiteral("1); delete from tbsensori; --");
        QTest::newRow("area id") << 0 << QStringLiteral("1 or 1");
        QTest::newRow("area zoom") << 1 << QStringLiteral("0x2");
        QTest::newRow("icon size") << 3 << QStringLiteral("32.0");
    }
    void numberTextsThatAreNotDecimalIntegersAreRefused()
    {
        QFETCH(int, iArg);
        QFETCH(QString, sText);
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        QStringList as = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("32")};
        as[iArg] = sText;
        fx.pTrace();
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, fx.sensori->fAddSensorToDb(as[0], as[1], as[2], as[3], 1));
        QCOMPARE(fx.fTakeSql(), QStringList());

        // the signed and zero-padded forms are plain decimal numbers
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-2147483648"),
                                            QStringLiteral("32"), 1),
                 1);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("+0"), QStringLiteral("+0012"),
                                            QStringLiteral("32"), 1),
                 2);
        QCOMPARE(fx.fRows(QStringLiteral("select NumSensore from tbsensori")),
                 QStringList({QStringLiteral("-2147483648"), QStringLiteral("12")}));
    }

    void movingAnIconOrASecondEnd()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("3"),
                                            QStringLiteral("32"), 4),
                 1);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("3"),
                                            QStringLiteral("32"), 4),
                 2);
        const QString sOther = fx.fRows(QStringLiteral("select * from tbsensori where _id = 2")).value(0);
        fx.pTrace();

        fx.sensori->pUpdateSensorInDb(QStringLiteral("Barriera_1_ingresso_3"), 10, 20, 0);
        fx.sensori->pUpdateSensorInDb(QStringLiteral("Barriera_1_ingresso_3_"), 300, 0, 1);
        QCOMPARE(fx.fTakeSql(),
                 QStringList({QStringLiteral("update tbsensori set CoordX = 10, CoordY = 20 where _id = 1"),
                              QStringLiteral("update tbsensori set CoordX2 = 300, CoordY2 = 0 where _id = 1")}));
        QCOMPARE(fx.fRows(QStringLiteral("select CoordX, CoordY, CoordX2, CoordY2 from tbsensori where _id = 1")),
                 QStringList({QStringLiteral("10|20|300|0")}));

        fx.sensori->pUpdateSensorInDb(QStringLiteral("Barriera_1_ingresso_3"), 5, 6,
                                      2); // any mark but 1 moves the icon
        QCOMPARE(fx.fRows(QStringLiteral("select CoordX, CoordY, CoordX2, CoordY2 from tbsensori where _id = 1")),
                 QStringList({QStringLiteral("5|6|300|0")}));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbsensori where _id = 2")).value(0), sOther);

        QVERIFY_THROWS_EXCEPTION(TOmbrixError,
                                 fx.sensori->pUpdateSensorInDb(QStringLiteral("Barriera_1 or 1=1_x_y"), 0, 0, 0));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbsensori where _id = 2")).value(0), sOther);
    }

    void labelChangesKeepWhatTheyMark()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("5"),
                                            QStringLiteral("32"), 1),
                 1);
        QCOMPARE(fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("6"),
                                            QStringLiteral("32"), 1),
                 2);
        fx.sensori->pAddTextToSensorInDb(2, 9, 9, 9, 9, QStringLiteral("altro"));
        fx.pTrace();

        // placing a new label
        fx.sensori->pAddTextToSensorInDb(1, 40, 50, 3, 5, QStringLiteral("Porta"));
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|50|3|5|Porta"));
        // dragging it to the left edge: 0 keeps the stored left edge
        fx.sensori->pAddTextToSensorInDb(1, 0, 70, 0, 0, QStringLiteral("Porta"));
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|70|3|5|Porta"));
        // editing the text
        fx.sensori->pAddTextToSensorInDb(1, 0, 0, 0, 0, QStringLiteral("Portone"));
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|70|3|5|Portone"));
        // size and colour only
        fx.sensori->pAddTextToSensorInDb(1, 0, 0, 7, 16, sKeepTesto);
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|70|7|16|Portone"));
        // the marker itself can never be stored as a text
        fx.sensori->pAddTextToSensorInDb(1, 0, 0, 0, 0, QStringLiteral("@+|+#"));
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|70|7|16|Portone"));
        // deleting the label
        fx.sensori->pAddTextToSensorInDb(1, 0, 0, 0, 0, QString());
        QCOMPARE(fLabelColumns(fx, 1), QStringLiteral("40|70|7|16|"));

        QCOMPARE(fx.fTakeSql(),
                 QStringList({
                     QStringLiteral("UPDATE tbsensori SET CoordXt = 40, CoordYt = 50, FontTxt = 3, ColorTxt = 5, "
                                    "Testo = \"Porta\" WHERE _id = 1"),
                     QStringLiteral("UPDATE tbsensori SET CoordXt = CoordXt, CoordYt = 70, FontTxt = FontTxt, ColorTxt "
                                    "= ColorTxt, Testo = \"Porta\" WHERE _id = 1"),
                     QStringLiteral("UPDATE tbsensori SET CoordXt = CoordXt, CoordYt = CoordYt, FontTxt = FontTxt, "
                                    "ColorTxt = ColorTxt, Testo = \"Portone\" WHERE _id = 1"),
                     QStringLiteral("UPDATE tbsensori SET CoordXt = CoordXt, CoordYt = CoordYt, FontTxt = 7, ColorTxt "
                                    "= 16, Testo = Testo WHERE _id = 1"),
                     QStringLiteral("UPDATE tbsensori SET CoordXt = CoordXt, CoordYt = CoordYt, FontTxt = FontTxt, "
                                    "ColorTxt = ColorTxt, Testo = Testo WHERE _id = 1"),
                     QStringLiteral("UPDATE tbsensori SET CoordXt = CoordXt, CoordYt = CoordYt, FontTxt = FontTxt, "
                                    "ColorTxt = ColorTxt, Testo = \"\" WHERE _id = 1"),
                 }));
        QCOMPARE(fLabelColumns(fx, 2), QStringLiteral("9|9|9|9|altro"));
    }

    void hostileLabelTextsAreStoredAsTyped_data()
    {
        QTest::addColumn<QString>("sTesto");
        QTest::newRow("column name") << QStringLiteral("CoordX");
        QTest::newRow("own column, other case") << QStringLiteral("testo");
        QTest::newRow("id column") << QStringLiteral("_ID");
        QTest::newRow("rowid") << QStringLiteral("oid");
        QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
        QTest::newRow("both quotes") << QStringLiteral("l'\"a\"");
        QTest::newRow("statement in quotes") << QStringLiteral("x\" WHERE 1; delete from tbsensori; --");
        QTest::newRow("single quotes") << QStringLiteral("'; drop table tbarea; --");
    }
    void hostileLabelTextsAreStoredAsTyped()
    {
        QFETCH(QString, sTesto);
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        for (int i = 0; i < 3; ++i)
            fx.sensori->fAddSensorToDb(QStringLiteral("1"), QStringLiteral("0"), QString::number(i + 1),
                                       QStringLiteral("32"), 1);
        fx.sensori->pAddTextToSensorInDb(1, 1, 1, 1, 1, QStringLiteral("uno"));
        fx.sensori->pAddTextToSensorInDb(3, 3, 3, 3, 3, QStringLiteral("tre"));
        const QStringList asBefore = fx.fRows(QStringLiteral("select * from tbsensori"));

        fx.sensori->pAddTextToSensorInDb(2, 12, 13, 2, 4, sTesto);
        QCOMPARE(fLabelColumns(fx, 2), QStringLiteral("12|13|2|4|") + sTesto);
        fx.sensori->pAddTextToSensorInDb(2, 0, 0, 0, 0, sTesto);
        QCOMPARE(fLabelColumns(fx, 2), QStringLiteral("12|13|2|4|") + sTesto);

        const QStringList asAfter = fx.fRows(QStringLiteral("select * from tbsensori"));
        QCOMPARE(asAfter.size(), 3);
        QCOMPARE(asAfter.at(0), asBefore.at(0));
        QCOMPARE(asAfter.at(2), asBefore.at(2));
        QCOMPARE(fx.fRows(QStringLiteral("select count(*) from sqlite_master where name = 'tbarea'")),
                 QStringList({QStringLiteral("1")}));
    }

    void loadingHandsOverEveryRowOfTheArea()
    {
        TProjectFixture fx;
        fx.fOpenEmptyProject();
        fx.conn.pExec(QStringLiteral("insert into tbsensori values(5, 150, 3, 7, 48, 4, 2, 10, 11, 12, 13, 14, 15, 6, "
                                     "8, 'Porta', 9)"));
        fx.conn.pExec(QStringLiteral("insert into tbsensori(_id, area_id, IconSize, TipoSensore, Orientamento) "
                                     "values(9, 150, 16, 1, 0)")); // area_zoom, NumSensore and Testo are NULL
        fx.conn.pExec(QStringLiteral("insert into tbsensori(_id, area_id, IconSize, TipoSensore, Orientamento) "
                                     "values(7, 151, 16, 1, 0)"));
        fx.pTrace();
        const QList<TSensore> aLoaded = fx.sensori->pLoadSensori(QStringLiteral("150"));
        QCOMPARE(fx.fTakeSql(), QStringList({QStringLiteral("select * from tbsensori where area_id = 150")}));

        QCOMPARE(aLoaded.size(), 2);
        const TSensore &a = aLoaded.at(0);
        const qint64 aGot[] = {a.Get_id(),       a.Get_area_id(),     a.Get_area_zoom(),   a.Get_numsensore(),
                               a.Get_iconsize(), a.Get_tiposensore(), a.Get_zonasensore(), a.Get_coordx(),
                               a.Get_coordy(),   a.Get_coordx2(),     a.Get_coordy2(),     a.Get_coordxt(),
                               a.Get_coordyt(),  a.Get_fonttxt(),     a.Get_colortxt(),    a.Get_orientamento()};
        const qint64 aWant[] = {5, 150, 3, 7, 48, 4, 2, 10, 11, 12, 13, 14, 15, 6, 8, 9};
        for (int i = 0; i < 16; ++i)
            QCOMPARE(aGot[i], aWant[i]);
        QCOMPARE(a.Get_testo(), QStringLiteral("Porta"));

        const TSensore &b = aLoaded.at(1);
        QCOMPARE(b.Get_id(), 9);
        QCOMPARE(b.Get_area_zoom(), 0);
        QCOMPARE(b.Get_numsensore(), 0);
        QCOMPARE(b.Get_zonasensore(), 1); // the column's default
        QCOMPARE(b.Get_testo(), QString());

        // an area without objects
        QVERIFY(fx.sensori->pLoadSensori(QStringLiteral("2")).isEmpty());

        // only a decimal area id goes into the statement; loading writes nothing
        const QStringList asBefore = fx.fRows(QStringLiteral("select * from tbsensori"));
        QVERIFY_THROWS_EXCEPTION(TOmbrixError, fx.sensori->pLoadSensori(QStringLiteral("1 or 1=1")));
        QCOMPARE(fx.fRows(QStringLiteral("select * from tbsensori")), asBefore);
    }
};

QTEST_GUILESS_MAIN(TstSensorStore)
#include "tst_sensorstore.moc"
