// The export run on a real project database and real pictures: the content
// and order of maps.txt, the bitmaps, and where a failure leaves the files.

#include "export/exportrun.h"
#include "export/maplines.h"
#include "exportfixture.h"
#include "workspace/errors.h"
#include "workspace/uty.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString sTbd(24, QLatin1Char('?'));

/** The lines of maps.txt from the title line holding sNome down to its end-of-block line, star line included. */
QStringList fBlocco(const QStringList &asRighe, const QString &sTitolo)
{
    for (int i = 1; i < asRighe.size(); ++i) {
        if (asRighe[i].startsWith(QLatin1Char('*')) &&
            asRighe[i].contains(QLatin1Char(' ') + sTitolo + QLatin1Char(' '))) {
            QStringList asBlocco;
            for (int j = i - 1; j < asRighe.size(); ++j) {
                asBlocco.append(asRighe[j]);
                if (asRighe[j].startsWith(QStringLiteral("end of block")))
                    break;
            }
            return asBlocco;
        }
    }
    return {};
}

/** The record lines of a block that start with sTipo. */
QStringList fRecord(const QStringList &asBlocco, const QString &sTipo)
{
    QStringList r;
    for (const QString &s : asBlocco) {
        if (s.startsWith(sTipo + QLatin1Char(',')))
            r.append(s);
    }
    return r;
}

QStringList fFileIn(const QString &sDir)
{
    return QDir(sDir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TstExportRun : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleBlock();
    void newProjectGivesSeventeenLines();
    void baseAreasCycleThroughSiblings();
    void detailAreaAloneHasFourKeys();
    void blocksComeBaseFirstThenDetailsByParent();
    void sectionLinesOnlyForSectionsWithRows();
    void objectLinesCarryCentresAndLabels();
    void nullColumnsReadAsZeroOrEmpty();
    void nonAsciiNamesAndLabelsInCodePage();
    void bitmapsForAreasWithPictures();
    void exportTwiceGivesTheSameFilesAndDropsOldBitmaps();
    void progressHookChangesNothing();
    void brokenPictureStopsBeforeItsBlock();
    void databaseErrorStopsAtTheFailingStep();
    void missingOutFolderFailsNamingTheFile();
    void keysAgreeWithTheNeighbourQueries();
};

void TstExportRun::workedExampleBlock()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("Cantina"));
    p.pArea(3, 0, 0, QStringLiteral("Piano terra"));
    p.pArea(5, 0, 0, QStringLiteral("Primo piano"));
    p.pArea(7, 1, 3, QStringLiteral("Cucina"));
    p.pSensore(3, 3, 0, 32, 100, 50, 0, 0, 0, 0, 0, 0, QString(), 7);
    p.pSql(QStringLiteral("update sqlite_sequence set seq = 11 where name = 'tbsensori'"));
    QCOMPARE(p.pSensore(3, 1, 4, 32, 200, 120, 0, 0, 242, 128, 3, 2, QStringLiteral("Ingresso")), 12);
    QCOMPARE(p.pSensore(3, 4, 5, 16, 60, 200, 150, 204), 13);
    QCOMPARE(p.pSensore(3, 6, 1, 48, 300, 150), 14);
    pOutTxt(p.fP());

    const QStringList asAtteso = {
        QStringLiteral("***********************************************************************************************"
                       "*********************************"),
        QStringLiteral("********************************************** Livello 0 *********** Piano terra "
                       "***********************************************"),
        QStringLiteral("***********************************************************************************************"
                       "*********************************"),
        QStringLiteral("*OBJ,LNK,tttttttttttttttt,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,"
                       "yyy,IC,ANG,????????????????????????"),
        QStringLiteral("Iimg,---,file0003.bmp----,03,---,---,---,---,--,---,00,---,---,---,---,--,---,00,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("                                                             TASTI                             "
                       "                                *"),
        QStringLiteral("Tpre,---,----------------,01,180,018,---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("Tesc,---,----------------,00,240,018,---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("Tnex,---,----------------,05,300,018,---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("Tinf,---,----------------,07,116,066,---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("                                                            SENSORI                            "
                       "                                *"),
        QStringLiteral("Srad,004,----------------,12,216,136,---,---,32,---,--,---,---,---,---,--,---,--,242,128,003,"
                       "002,--,---,Ingresso|               "),
        QStringLiteral("Sbar,005,----------------,13,068,208,153,207,16,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("                                                             USCITE                            "
                       "                                *"),
        QStringLiteral("Olmp,001,----------------,14,324,174,---,---,48,---,--,---,---,---,---,--,---,--,---,---,---,--"
                       "-,--,---,????????????????????????"),
        QStringLiteral("end of block                                                                                   "
                       "                                *"),
    };
    const QStringList asBlocco = fBlocco(fRighe(fLeggiFile(p.fMaps())), QStringLiteral("Piano terra"));
    QCOMPARE(asBlocco, asAtteso);
    for (const QString &s : asBlocco)
        QCOMPARE(s.size(), 128);
}

void TstExportRun::newProjectGivesSeventeenLines()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("casa"));
    pOutTxt(p.fP());
    const QByteArray data = fLeggiFile(p.fMaps());
    const QStringList asRighe = fRighe(data);
    QCOMPARE(asRighe.size(), 17);
    const QStringList asRighello = fCreaTestata().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList asAtteso = QStringList(asRighello)
                                 << fCreaNomeCampi() << fCreacommento(3) << fCreacommento(3) << fCreacommento(2)
                                 << fCreacommento(2, QStringLiteral("Livello 0 *********** casa")) << fCreacommento(2)
                                 << fCreaNomeCampi() << fCreaTxtImg(1) << fCreacommento(3, QStringLiteral("TASTI"))
                                 << QStringLiteral("Tpre,---,----------------,01,180,018,---,---,32,---,--,---,---,---,"
                                                   "---,--,---,--,---,---,---,---,--,---,") +
                                        sTbd
                                 << QStringLiteral("Tesc,---,----------------,00,240,018,---,---,32,---,--,---,---,---,"
                                                   "---,--,---,--,---,---,---,---,--,---,") +
                                        sTbd
                                 << QStringLiteral("Tnex,---,----------------,01,300,018,---,---,32,---,--,---,---,---,"
                                                   "---,--,---,--,---,---,---,---,--,---,") +
                                        sTbd
                                 << fCreaEndBlock() << fCreaEnd();
    QCOMPARE(asRighe, asAtteso);
    // every line 128 bytes and CR LF, the last included, nothing after it
    QCOMPARE(data.size(), 17 * 130);
    QVERIFY(!data.contains("\r\n\r\n"));
}

void TstExportRun::baseAreasCycleThroughSiblings()
{
    TProgettoProva p;
    p.pArea(6, 0, 0, QStringLiteral("sei"));
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(4, 0, 0, QStringLiteral("quattro"));
    QCOMPARE(fPrevNext(p.fP(), 1, 0).iPrev, 6);
    QCOMPARE(fPrevNext(p.fP(), 1, 0).iNext, 4);
    QCOMPARE(fPrevNext(p.fP(), 4, 0).iPrev, 1);
    QCOMPARE(fPrevNext(p.fP(), 4, 0).iNext, 6);
    QCOMPARE(fPrevNext(p.fP(), 6, 0).iPrev, 4);
    QCOMPARE(fPrevNext(p.fP(), 6, 0).iNext, 1);
    pOutTxt(p.fP());
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    const QStringList asUno = fBlocco(asRighe, QStringLiteral("uno"));
    QVERIFY(fRecord(asUno, QStringLiteral("Tpre"))
                .value(0)
                .startsWith(QStringLiteral("Tpre,---,----------------,06,180,")));
    QVERIFY(fRecord(asUno, QStringLiteral("Tnex"))
                .value(0)
                .startsWith(QStringLiteral("Tnex,---,----------------,04,300,")));
    const QStringList asSei = fBlocco(asRighe, QStringLiteral("sei"));
    QVERIFY(fRecord(asSei, QStringLiteral("Tpre")).value(0).contains(QStringLiteral(",04,180,")));
    QVERIFY(fRecord(asSei, QStringLiteral("Tnex")).value(0).contains(QStringLiteral(",01,300,")));
}

void TstExportRun::detailAreaAloneHasFourKeys()
{
    TProgettoProva p;
    p.pArea(2, 0, 0, QStringLiteral("base"));
    p.pArea(5, 1, 2, QStringLiteral("dettaglio"));
    pOutTxt(p.fP());
    const QStringList asBlocco = fBlocco(fRighe(fLeggiFile(p.fMaps())), QStringLiteral("dettaglio"));
    QCOMPARE(asBlocco.value(1), fCreacommento(2, QStringLiteral("Livello 1 *********** dettaglio")));
    const QString sResto =
        QStringLiteral(",---,---,32,---,--,---,---,---,---,--,---,--,---,---,---,---,--,---,") + sTbd;
    QCOMPARE(asBlocco.mid(6, 4), QStringList({QStringLiteral("Tpre,---,----------------,05,150,018") + sResto,
                                              QStringLiteral("Tesc,---,----------------,00,210,018") + sResto,
                                              QStringLiteral("Tsup,---,----------------,02,270,018") + sResto,
                                              QStringLiteral("Tnex,---,----------------,05,330,018") + sResto}));
    QCOMPARE(asBlocco.value(10), fCreaEndBlock());
}

void TstExportRun::blocksComeBaseFirstThenDetailsByParent()
{
    TProgettoProva p;
    p.pArea(9, 0, 0, QStringLiteral("B9"));
    p.pArea(3, 1, 9, QStringLiteral("D3"));
    p.pArea(8, 1, 2, QStringLiteral("D8"));
    p.pArea(2, 0, 0, QStringLiteral("B2"));
    p.pArea(4, 1, 2, QStringLiteral("D4"));
    p.pArea(6, 2, 4, QStringLiteral("L6")); // a deeper level: a block without keys
    pOutTxt(p.fP());
    QStringList asTitoli;
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    for (const QString &s : asRighe) {
        if (s.startsWith(QStringLiteral("Iimg,")))
            asTitoli.append(s.mid(13, 4));
    }
    QCOMPARE(asTitoli, QStringList({"0002", "0009", "0004", "0008", "0003", "0006"}));
    const QStringList asL6 = fBlocco(asRighe, QStringLiteral("L6"));
    QCOMPARE(asL6.value(5), fCreacommento(3, QStringLiteral("TASTI")));
    QCOMPARE(asL6.value(6), fCreaEndBlock());
    // the detail keys of D4 cycle between its siblings 4 and 8
    const QStringList asD4 = fBlocco(asRighe, QStringLiteral("D4"));
    QVERIFY(fRecord(asD4, QStringLiteral("Tpre")).value(0).contains(QStringLiteral(",08,150,")));
    QVERIFY(fRecord(asD4, QStringLiteral("Tnex")).value(0).contains(QStringLiteral(",08,330,")));
    QVERIFY(fRecord(asD4, QStringLiteral("Tsup")).value(0).contains(QStringLiteral(",02,270,")));
}

void TstExportRun::sectionLinesOnlyForSectionsWithRows()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("zoom"));
    p.pArea(2, 0, 0, QStringLiteral("uscite"));
    p.pArea(3, 1, 1, QStringLiteral("det"));
    p.pSensore(1, 3, 0, 48, 10, 20, 0, 0, 0, 0, 0, 0, QString(), 3);
    p.pSensore(1, 3, 0, 16, 30, 40, 0, 0, 0, 0, 0, 0, QString(), 3);
    p.pSensore(2, 9, 2, 32, 0, 0);
    p.pSensore(2, 7, 3, 32, 5, 5);
    p.pSensore(2, 11, 3, 32, 5, 5); // no class: never written
    QCOMPARE(fSensoriTxt(p.fP(), 1), QStringLiteral("Tinf,---,----------------,03,034,044,---,---,48,---,--,---,---,---"
                                                    ",---,--,---,--,---,---,---,---,--,---,") +
                                         sTbd +
                                         QStringLiteral("\r\nTinf,---,----------------,03,038,048,---,---,16,---,--,---"
                                                        ",---,---,---,--,---,--,---,---,---,---,--,---,") +
                                         sTbd);
    QCOMPARE(fSensoriTxt(p.fP(), 3), QString());
    const QStringList asUscite = fSensoriTxt(p.fP(), 2).split(QStringLiteral("\r\n"));
    QCOMPARE(asUscite.size(), 3);
    QCOMPARE(asUscite[0], fCreacommento(3, QStringLiteral("USCITE")));
    QVERIFY(asUscite[1].startsWith(QStringLiteral("Oall,002,----------------,")));
    QVERIFY(asUscite[1].contains(QStringLiteral(",016,016,---,---,32,")));
    QVERIFY(asUscite[2].startsWith(QStringLiteral("Osta,003,")));
    pOutTxt(p.fP());
    const QStringList asZoom = fBlocco(fRighe(fLeggiFile(p.fMaps())), QStringLiteral("zoom"));
    QCOMPARE(asZoom.size(), 12);
    QVERIFY(asZoom[9].startsWith(QStringLiteral("Tinf,")) && asZoom[10].startsWith(QStringLiteral("Tinf,")));
    QCOMPARE(asZoom[11], fCreaEndBlock());
}

void TstExportRun::objectLinesCarryCentresAndLabels()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("a"));
    const int iBarX0 = p.pSensore(1, 4, 1, 16, 60, 200, 0, 40);
    const int iBarY0 = p.pSensore(1, 4, 2, 16, 60, 200, 50, 0);
    const int iVuoto = p.pSensore(1, 2, 7, 32, 223, 119, 0, 0, 100, 90, 2, 5, QString(""));
    const int iCam = p.pSensore(1, 5, 9, 48, 0, 0);
    const QStringList asRighe = fSensoriTxt(p.fP(), 1).split(QStringLiteral("\r\n"));
    QCOMPARE(asRighe.size(), 5);
    QCOMPARE(asRighe[0], fCreacommento(3, QStringLiteral("SENSORI")));
    QCOMPARE(asRighe[1], fCreaTxtIO(QStringLiteral("Sbar"), iBarX0, 1, 16, 68, 208, 0, 40, 0, 0, 0, 0, QString()));
    QVERIFY(asRighe[1].contains(QStringLiteral(",068,208,---,---,16,")));
    QVERIFY(asRighe[2].contains(QStringLiteral(",068,208,053,003,16,")));
    QCOMPARE(asRighe[2], fCreaTxtIO(QStringLiteral("Sbar"), iBarY0, 2, 16, 68, 208, 53, 3, 0, 0, 0, 0, QString()));
    QCOMPARE(
        asRighe[3],
        QStringLiteral(
            "Sper,007,----------------,%1,239,135,---,---,32,---,--,---,---,---,---,--,---,--,100,090,002,005,--,---,")
                .arg(iVuoto, 2, 10, QLatin1Char('0')) +
            sTbd);
    QVERIFY(asRighe[4].startsWith(
        QStringLiteral("Scam,009,----------------,%1,024,024,").arg(iCam, 2, 10, QLatin1Char('0'))));
}

void TstExportRun::nullColumnsReadAsZeroOrEmpty()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("a"));
    p.pSql(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, Testo, "
                          "Orientamento) values (1, NULL, NULL, 32, 6, NULL, 0)"));
    p.pSql(QStringLiteral("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, Testo, "
                          "Orientamento) values (1, NULL, NULL, 32, 3, NULL, 0)"));
    const QStringList asRighe = fSensoriTxt(p.fP(), 1).split(QStringLiteral("\r\n"));
    QCOMPARE(asRighe.size(), 3);
    QVERIFY(asRighe[0].startsWith(QStringLiteral("Tinf,---,----------------,00,016,016,---,---,32,")));
    QVERIFY(asRighe[2].startsWith(QStringLiteral("Olmp,---,----------------,01,016,016,---,---,32,")));
    QVERIFY(asRighe[2].endsWith(sTbd));
}

void TstExportRun::nonAsciiNamesAndLabelsInCodePage()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("Città"));
    p.pSensore(1, 1, 1, 32, 10, 10, 0, 0, 5, 5, 1, 1, QStringLiteral("Perché, sì"));
    p.pSensore(1, 1, 2, 32, 10, 10, 0, 0, 5, 5, 1, 1, QStringLiteral("Łazienka"));
    pOutTxt(p.fP());
    const QByteArray data = fLeggiFile(p.fMaps());
    const QList<QByteArray> aRighe = data.split('\n');
    for (const QByteArray &r : aRighe.mid(0, aRighe.size() - 1))
        QCOMPARE(r.size(), 129); // 128 bytes and the CR
    QVERIFY(data.contains(" Livello 0 *********** Citt\xE0 "));
    QVERIFY(data.contains(",Perch\xE9, s\xEC|             \r\n"));
    QVERIFY(data.contains(",?azienka|               \r\n"));
}

void TstExportRun::bitmapsForAreasWithPictures()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("colore"));
    p.pArea(2, 0, 0, QStringLiteral("senza"));
    p.pArea(12, 1, 1, QStringLiteral("grigio"));
    pScriviJpeg(p.fImmagine(1), 48, 27, JCS_RGB);
    pScriviJpeg(p.fImmagine(12), 48, 27, JCS_GRAYSCALE);
    pOutTxt(p.fP());
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "file0012.bmp", "maps.txt"}));
    QCOMPARE(fLeggiFile(p.fOut() + QStringLiteral("file0001.bmp")).at(28), char(24));
    QCOMPARE(fLeggiFile(p.fOut() + QStringLiteral("file0012.bmp")).at(28), char(8));
    // the area without a picture still names its bitmap
    QVERIFY(fRighe(fLeggiFile(p.fMaps())).contains(fCreaTxtImg(2)));
    // pExportBmp alone does the same for one area
    QFile::remove(p.fOut() + QStringLiteral("file0001.bmp"));
    pExportBmp(p.fP(), 1);
    pExportBmp(p.fP(), 2);
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "file0012.bmp", "maps.txt"}));
}

void TstExportRun::exportTwiceGivesTheSameFilesAndDropsOldBitmaps()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("a"));
    p.pArea(2, 0, 0, QStringLiteral("b"));
    pScriviJpeg(p.fImmagine(1), 32, 16, JCS_RGB);
    pScriviJpeg(p.fImmagine(2), 32, 16, JCS_RGB);
    pScriviFile(p.fOut() + QStringLiteral("vecchio.txt"), "x");
    pEsportaProgetto(p.fP());
    const QByteArray maps1 = fLeggiFile(p.fMaps());
    const QByteArray bmp1 = fLeggiFile(p.fOut() + QStringLiteral("file0001.bmp"));
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "file0002.bmp", "maps.txt"}));
    pEsportaProgetto(p.fP());
    QCOMPARE(fLeggiFile(p.fMaps()), maps1);
    QCOMPARE(fLeggiFile(p.fOut() + QStringLiteral("file0001.bmp")), bmp1);
    p.pSql(QStringLiteral("delete from tbarea where _id = 2"));
    pEsportaProgetto(p.fP());
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "maps.txt"}));
}

void TstExportRun::progressHookChangesNothing()
{
    TProgettoProva p;
    for (int i = 1; i <= 5; ++i) {
        p.pArea(i, 0, 0, QStringLiteral("area %1").arg(i));
        pScriviJpeg(p.fImmagine(i), 40 + i, 20, i % 2 ? JCS_RGB : JCS_GRAYSCALE);
        p.pSensore(i, i + 1, i, 32, 10 * i, 10, 0, 0, 5, 5, 1, 2, QStringLiteral("L%1").arg(i));
    }
    pEsportaProgetto(p.fP());
    QMap<QString, QByteArray> senza;
    for (const QString &s : fFileIn(p.fOut()))
        senza[s] = fLeggiFile(p.fOut() + s);
    QList<QPair<int, int>> aChiamate;
    pEsportaProgetto(p.fP(), [&](int iFatte, int iTotale) { aChiamate.append({iFatte, iTotale}); });
    QCOMPARE(aChiamate, (QList<QPair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    QMap<QString, QByteArray> con;
    for (const QString &s : fFileIn(p.fOut()))
        con[s] = fLeggiFile(p.fOut() + s);
    QCOMPARE(con.keys(), senza.keys());
    QVERIFY(con == senza);
}

void TstExportRun::brokenPictureStopsBeforeItsBlock()
{
    TProgettoProva p;
    for (int i = 1; i <= 6; ++i) {
        p.pArea(i, 0, 0, QStringLiteral("area %1").arg(i));
        pScriviJpeg(p.fImmagine(i), 64, 40, JCS_RGB);
    }
    QByteArray rotto = fLeggiFile(p.fImmagine(3));
    rotto.truncate(rotto.size() / 2);
    pScriviFile(p.fImmagine(3), rotto);

    const QString sErrore = fErroreDi([&] { pEsportaProgetto(p.fP()); });
    QCOMPARE(sErrore, p.fImmagine(3) + QStringLiteral(": Premature end of JPEG file"));
    // the blocks and bitmaps of areas 1 and 2 are there, nothing of 3 or later, no working files
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "file0002.bmp", "maps.txt"}));
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    QCOMPARE(asRighe.size(), 6 + 2 * 10);
    QCOMPARE(asRighe.last(), fCreaEndBlock());
    QVERIFY(!fBlocco(asRighe, QStringLiteral("area 2")).isEmpty());
    QVERIFY(fBlocco(asRighe, QStringLiteral("area 3")).isEmpty());

    // the first area's picture broken: only the head of the file
    pScriviFile(p.fImmagine(1), "GIF89a");
    QVERIFY(
        fErroreDi([&] { pEsportaProgetto(p.fP()); }).startsWith(p.fImmagine(1) + QStringLiteral(": Not a JPEG file")));
    QCOMPARE(fFileIn(p.fOut()), QStringList({"maps.txt"}));
    QCOMPARE(fRighe(fLeggiFile(p.fMaps())).size(), 6);
}

void TstExportRun::databaseErrorStopsAtTheFailingStep()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    p.pArea(2, 0, 0, QStringLiteral("due"));
    pScriviJpeg(p.fImmagine(1), 16, 16, JCS_RGB);
    pScriviJpeg(p.fImmagine(2), 16, 16, JCS_RGB);
    p.pSql(QStringLiteral("drop table tbsensori"));
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }), p.fDb() + QStringLiteral(": no such table: tbsensori"));
    // the first block up to its keys; its bitmap, not the second one
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    QCOMPARE(asRighe.size(), 6 + 9);
    QVERIFY(asRighe.last().startsWith(QStringLiteral("Tnex,")));
    QCOMPARE(fFileIn(p.fOut()), QStringList({"file0001.bmp", "maps.txt"}));

    p.pSql(QStringLiteral("drop table tbarea"));
    QCOMPARE(fErroreDi([&] { pEsportaProgetto(p.fP()); }), p.fDb() + QStringLiteral(": no such table: tbarea"));
    QCOMPARE(fRighe(fLeggiFile(p.fMaps())).size(), 6);
}

void TstExportRun::missingOutFolderFailsNamingTheFile()
{
    TProgettoProva p;
    p.pArea(1, 0, 0, QStringLiteral("uno"));
    QVERIFY(QDir(p.fOut()).removeRecursively());
    const QString sErrore = fErroreDi([&] { pEsportaProgetto(p.fP()); });
    QVERIFY2(sErrore.startsWith(p.fMaps() + QStringLiteral(": ")), qPrintable(sErrore));
    QVERIFY(!QFileInfo::exists(p.fOut()));
}

void TstExportRun::keysAgreeWithTheNeighbourQueries()
{
    // the run finds all neighbours at once; its keys must be what the
    // queries of fPrevNext give, also with mixed Ordinamento, a parent
    // with one child, and an area whose parent is NULL
    TProgettoProva p;
    const int aOrd[] = {0, 2, 0, 1, 2, 0, 1, 0, 3, 0, 2, 1};
    for (int i = 1; i <= 12; ++i)
        p.pArea(i * 3, i <= 6 ? 0 : 1, i <= 6 ? 0 : (i % 2 ? 3 : 6), QStringLiteral("a%1").arg(i), aOrd[i - 1]);
    p.pArea(40, 1, 9, QStringLiteral("sola"));
    p.pSql(QStringLiteral("insert into tbarea values (41, 0, NULL, 'orfana', 0)"));
    pEsportaProgetto(p.fP());
    const QStringList asRighe = fRighe(fLeggiFile(p.fMaps()));
    TSqlQuery q = p.conn.fQuery(QStringLiteral("select _id, livello, father_id, NomeArea from tbarea"));
    int iAree = 0;
    while (q.fNext()) {
        ++iAree;
        const QStringList asBlocco = fBlocco(asRighe, q.fText(3));
        const TPrevNext r = fPrevNext(p.fP(), q.fInt(0), q.fInt(2));
        const int iX = q.fInt(1) == 0 ? 180 : 150;
        QCOMPARE(fRecord(asBlocco, QStringLiteral("Tpre")),
                 QStringList{fCreaTxtIO(QStringLiteral("Tpre"), r.iPrev, 0, 32, iX, 18, 0, 0, 0, 0, 0, 0, QString())});
        QCOMPARE(fRecord(asBlocco, QStringLiteral("Tnex")),
                 QStringList{fCreaTxtIO(QStringLiteral("Tnex"), r.iNext, 0, 32, iX + (q.fInt(1) == 0 ? 120 : 180), 18,
                                        0, 0, 0, 0, 0, 0, QString())});
    }
    QCOMPARE(iAree, 14);
}

QTEST_GUILESS_MAIN(TstExportRun)
#include "tst_exportrun.moc"
