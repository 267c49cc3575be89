#include "model/catalogo.h"
#include "model/sensore.h"

#include <QTest>

class TstCatalogo : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeHasItsLetterNameAndClass_data()
    {
        QTest::addColumn<int>("iTipo");
        QTest::addColumn<QString>("sLettera");
        QTest::addColumn<QString>("sNome");
        QTest::addColumn<int>("iClasse");
        const auto in = int(TClasse::Ingresso);
        const auto out = int(TClasse::Uscita);
        QTest::newRow("1") << 1 << "v"
                           << "Radar_12_ingresso_5" << in;
        QTest::newRow("2") << 2 << "c"
                           << "Contatto_12_ingresso_5" << in;
        QTest::newRow("3") << 3 << "z"
                           << "Zoom_12_area_4" << int(TClasse::Zoom);
        QTest::newRow("4") << 4 << "b"
                           << "Barriera_12_ingresso_5" << in;
        QTest::newRow("5") << 5 << "t"
                           << "Telecamera_12_ingresso_5" << in;
        QTest::newRow("6") << 6 << "l"
                           << "Lampada_12_uscita_5" << out;
        QTest::newRow("7") << 7 << "s"
                           << "Tapsu_12_uscita_5" << out;
        QTest::newRow("8") << 8 << "g"
                           << "Tapgiu_12_uscita_5" << out;
        QTest::newRow("9") << 9 << "a"
                           << "Allarme_12_uscita_5" << out;
        QTest::newRow("10") << 10 << "i"
                            << "Irrigazione_12_uscita_5" << out;
        QTest::newRow("0") << 0 << "v"
                           << "Sensore_12_ingresso_5" << int(TClasse::Nessuna);
        QTest::newRow("-1") << -1 << "v"
                            << "Sensore_12_ingresso_5" << int(TClasse::Nessuna);
        QTest::newRow("11") << 11 << "v"
                            << "Sensore_12_ingresso_5" << int(TClasse::Nessuna);
    }
    void everyTypeHasItsLetterNameAndClass()
    {
        QFETCH(int, iTipo);
        QFETCH(QString, sLettera);
        QFETCH(QString, sNome);
        QFETCH(int, iClasse);
        QCOMPARE(fGetTipo(iTipo), sLettera);
        QCOMPARE(fNomeSensore(iTipo, 4, 12, QStringLiteral("5")), sNome);
        QCOMPARE(int(fClasseTipo(iTipo)), iClasse);
    }

    void namesTakeTheNumberTextAsPassed()
    {
        QCOMPARE(fNomeSensore(1, 0, 12, QStringLiteral("007")), QStringLiteral("Radar_12_ingresso_007"));
        QCOMPARE(fNomeSensore(3, 4, 7, QStringLiteral("99")), QStringLiteral("Zoom_7_area_4"));
        QCOMPARE(fNomeSensore(99, 0, 4, QStringLiteral("2")), QStringLiteral("Sensore_4_ingresso_2"));
        QCOMPARE(fNomeSensore(3, 150, 1234, QString()), QStringLiteral("Zoom_1234_area_150"));
        QCOMPARE(fNomeSensore(6, 0, -3, QStringLiteral("1")), QStringLiteral("Lampada_-3_uscita_1"));
    }

    void namesReadBack()
    {
        QCOMPARE(fName2Id(QStringLiteral("Barriera_9_ingresso_3_")), QStringLiteral("9"));
        QCOMPARE(fName2Area(QStringLiteral("Barriera_9_ingresso_3_")), QStringLiteral("3"));
        QCOMPARE(fName2Id(QStringLiteral("Testo_15")), QStringLiteral("15"));
        QCOMPARE(fName2Area(QStringLiteral("Zoom_1234_area_150")), QStringLiteral("150"));
        QCOMPARE(fName2Id(QStringLiteral("a__b")), QString());                   // an empty part counts
        QCOMPARE(fName2Area(QStringLiteral("a__b_ 7 ")), QStringLiteral(" 7 ")); // parts are not trimmed
        QCOMPARE(fName2Id(QStringLiteral("Nothing")), QString());
        QCOMPARE(fName2Area(QStringLiteral("Testo_15")), QString());
    }

    void labelColoursAndSizes()
    {
        const std::uint32_t aExpected[] = {0x000000, 0xFFFFFF, 0xFFFF00, 0xFF8000, 0xFF00FF, 0xFF0000,
                                           0x008000, 0x808000, 0x00FFFF, 0x0000FF, 0x800080};
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(fIntToColor(i), aExpected[i]);
        for (const int i : {11, 15, 16, -1, 255})
            QCOMPARE(fIntToColor(i), 0u);

        QCOMPARE(fIntToDimensione(0), 16);
        QCOMPARE(fIntToDimensione(1), 8);
        QCOMPARE(fIntToDimensione(8), 15);
        QCOMPARE(fIntToDimensione(9), 16);
        QCOMPARE(fIntToDimensione(16), 16);
        QCOMPARE(fIntToDimensione(-5), 16);
    }

    void recordKeepsEveryArgumentInItsField()
    {
        const TSensore s(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, QStringLiteral("Porta"));
        const qint64 aGot[] = {s.Get_id(),       s.Get_area_id(),     s.Get_area_zoom(),   s.Get_numsensore(),
                               s.Get_iconsize(), s.Get_tiposensore(), s.Get_zonasensore(), s.Get_coordx(),
                               s.Get_coordy(),   s.Get_coordx2(),     s.Get_coordy2(),     s.Get_coordxt(),
                               s.Get_coordyt(),  s.Get_fonttxt(),     s.Get_colortxt()};
        for (int i = 0; i < 15; ++i)
            QCOMPARE(aGot[i], qint64(i + 1));
        QCOMPARE(s.Get_orientamento(), 2);
        QCOMPARE(s.Get_testo(), QStringLiteral("Porta"));
    }
};

QTEST_GUILESS_MAIN(TstCatalogo)
#include "tst_catalogo.moc"
