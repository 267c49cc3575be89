// The line builders of maps.txt and the code page they are written in.

#include "export/cp1252.h"
#include "export/exportcodes.h"
#include "export/maplines.h"

#include <QTest>

#include <climits>

class TstMapLines : public QObject
{
    Q_OBJECT

private slots:
    void numbersAreZeroFilledAndNeverCut();
    void runsOfZeroOrNegativeLengthAreEmpty();
    void rulerNumbersTheColumns();
    void fixedLinesAre128Wide();
    void titleOddRemainderGoesRight();
    void titleTooLongForStarsHasNone();
    void sectionLinesOfTheFile();
    void imageRecordNamesTheBitmap();
    void objectRecordGrid();
    void pairsAreWrittenOnlyWhenBothAboveZero();
    void labelField();
    void exportCodesOfTheCatalogue();
    void codePageBytes();
    void widthsCountCharactersNotBytes();
};

void TstMapLines::numbersAreZeroFilledAndNeverCut()
{
    QCOMPARE(AddLeadingZeroes(7, 3), QStringLiteral("007"));
    QCOMPARE(AddLeadingZeroes(0, 2), QStringLiteral("00"));
    QCOMPARE(AddLeadingZeroes(123, 2), QStringLiteral("123"));
    QCOMPARE(AddLeadingZeroes(-5, 3), QStringLiteral("-005"));
    QCOMPARE(AddLeadingZeroes(-1234, 3), QStringLiteral("-1234"));
    QCOMPARE(AddLeadingZeroes(INT_MIN, 2), QStringLiteral("-2147483648"));
    QCOMPARE(AddLeadingZeroes(5, 0), QStringLiteral("5"));
}

void TstMapLines::runsOfZeroOrNegativeLengthAreEmpty()
{
    QCOMPARE(fCreaStringa(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    QCOMPARE(fCreaStringa(QStringLiteral("*"), 0), QString());
    QCOMPARE(fCreaStringa(QStringLiteral("*"), -4), QString());
}

void TstMapLines::rulerNumbersTheColumns()
{
    const QString sAtteso = QStringLiteral("*00000000000000000000000000000000000000000000000000000000000000000000000000"
                                           "00000000000000000000000011111111111111111111111111111\r\n"
                                           "*00000000111111111122222222223333333333444444444455555555556666666666777777"
                                           "77778888888888999999999900000000001111111111222222222\r\n"
                                           "*23456789012345678901234567890123456789012345678901234567890123456789012345"
                                           "67890123456789012345678901234567890123456789012345678\r\n");
    QCOMPARE(fCreaTestata(), sAtteso);
}

void TstMapLines::fixedLinesAre128Wide()
{
    QCOMPARE(fCreaNomeCampi(),
             QStringLiteral("*OBJ,LNK,tttttttttttttttt,ID,XXX,YYY,xxx,yyy,IC,ANG,ID,XXX,YYY,xxx,yyy,IC,"
                            "ANG,ID,XXX,YYY,xxx,yyy,IC,ANG,????????????????????????"));
    QCOMPARE(fCreaNomeCampi().size(), 128);
    QCOMPARE(fCreaTbd(), QString(24, QLatin1Char('?')));
    QCOMPARE(fCreacommento(2), QString(128, QLatin1Char('*')));
    QCOMPARE(fCreacommento(3), QString(127, QLatin1Char(' ')) + QLatin1Char('*'));
    QCOMPARE(fCreaEndBlock(), QStringLiteral("end of block") + QString(115, QLatin1Char(' ')) + QLatin1Char('*'));
    QCOMPARE(fCreaEnd(), QStringLiteral("END OF FILE") + QString(116, QLatin1Char(' ')) + QLatin1Char('*'));
    QCOMPARE(fCreaEndBlock().size(), 128);
    QCOMPARE(fCreaEnd().size(), 128);
    QCOMPARE(fCreacommento(5), QString());
    QCOMPARE(fCreacommento(1, QStringLiteral("x")), QString());
}

void TstMapLines::titleOddRemainderGoesRight()
{
    const QString s = fCreacommento(2, QStringLiteral("Livello 0 *********** Piano terra"));
    QCOMPARE(s, QString(46, QLatin1Char('*')) + QStringLiteral(" Livello 0 *********** Piano terra ") +
                    QString(47, QLatin1Char('*')));
    QCOMPARE(s.size(), 128);
    // an even remainder is split evenly
    QCOMPARE(fCreacommento(2, QStringLiteral("ab")),
             QString(62, QLatin1Char('*')) + QStringLiteral(" ab ") + QString(62, QLatin1Char('*')));
}

void TstMapLines::titleTooLongForStarsHasNone()
{
    const QString s126(126, QLatin1Char('x'));
    QCOMPARE(fCreacommento(2, s126), QLatin1Char(' ') + s126 + QLatin1Char(' '));
    QCOMPARE(fCreacommento(2, s126).size(), 128);
    const QString s127(127, QLatin1Char('x'));
    QCOMPARE(fCreacommento(2, s127), QLatin1Char(' ') + s127 + QLatin1Char(' '));
    const QString s140(140, QLatin1Char('x'));
    QCOMPARE(fCreacommento(2, s140), QLatin1Char(' ') + s140 + QLatin1Char(' '));
    // the section line keeps its closing star however long the text
    QCOMPARE(fCreacommento(3, s140), QLatin1Char(' ') + s140 + QStringLiteral(" *"));
}

void TstMapLines::sectionLinesOfTheFile()
{
    const QLatin1Char sp(' ');
    QCOMPARE(fCreacommento(3, QStringLiteral("TASTI")),
             QString(61, sp) + QStringLiteral("TASTI") + QString(61, sp) + QLatin1Char('*'));
    QCOMPARE(fCreacommento(3, QStringLiteral("SENSORI")),
             QString(60, sp) + QStringLiteral("SENSORI") + QString(60, sp) + QLatin1Char('*'));
    QCOMPARE(fCreacommento(3, QStringLiteral("USCITE")),
             QString(61, sp) + QStringLiteral("USCITE") + QString(60, sp) + QLatin1Char('*'));
}

void TstMapLines::imageRecordNamesTheBitmap()
{
    QCOMPARE(fCreaTxtImg(3), QStringLiteral("Iimg,---,file0003.bmp----,03,---,---,---,---,--,---,00,---,---,---,---,--,"
                                            "---,00,---,---,---,---,--,---,????????????????????????"));
    QCOMPARE(fCreaTxtImg(3).size(), 128);
    const QString s = fCreaTxtImg(12345);
    QVERIFY(s.startsWith(QStringLiteral("Iimg,---,file12345.bmp----,12345,---,")));
    QCOMPARE(s.size(), 132);
    QVERIFY(fCreaTxtImg(0).startsWith(QStringLiteral("Iimg,---,file0000.bmp----,00,")));
}

void TstMapLines::objectRecordGrid()
{
    // the detector of the worked example: icon centre, label position, size and colour indices, text
    const QString s =
        fCreaTxtIO(QStringLiteral("Srad"), 12, 4, 32, 216, 136, 0, 0, 242, 128, 3, 2, QStringLiteral("Ingresso"));
    QCOMPARE(s, QStringLiteral("Srad,004,----------------,12,216,136,---,---,32,---,--,---,---,---,---,--,---,--,242,"
                               "128,003,002,--,---,Ingresso|               "));
    QCOMPARE(s.size(), 128);
    // id 0 and 123, x 0 and -5
    QVERIFY(fCreaTxtIO(QStringLiteral("Tesc"), 0, 0, 32, 240, 18, 0, 0, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Tesc,---,----------------,00,240,018,---,---,32,")));
    const QString s123 = fCreaTxtIO(QStringLiteral("Olmp"), 123, 1, 48, 0, 5, 0, 0, 0, 0, 0, 0, QString());
    QVERIFY(s123.startsWith(QStringLiteral("Olmp,001,----------------,123,000,005,---,---,48,")));
    QCOMPARE(s123.size(), 129);
    const QString sNeg = fCreaTxtIO(QStringLiteral("Olmp"), 1, 1, 16, -5, 10, 0, 0, 0, 0, 0, 0, QString());
    QVERIFY(sNeg.startsWith(QStringLiteral("Olmp,001,----------------,01,-005,010,")));
    QCOMPARE(sNeg.size(), 129);
    // LNK is blank for 0 and negative numbers
    QVERIFY(fCreaTxtIO(QStringLiteral("Sper"), 1, 0, 16, 1, 1, 0, 0, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Sper,---,")));
    QVERIFY(fCreaTxtIO(QStringLiteral("Sper"), 1, -3, 16, 1, 1, 0, 0, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Sper,---,")));
    QVERIFY(fCreaTxtIO(QStringLiteral("Sper"), 1, 1234, 16, 1, 1, 0, 0, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Sper,1234,")));
}

void TstMapLines::pairsAreWrittenOnlyWhenBothAboveZero()
{
    const QString sBarriera = fCreaTxtIO(QStringLiteral("Sbar"), 13, 5, 16, 68, 208, 153, 207, 0, 0, 0, 0, QString());
    QCOMPARE(sBarriera, QStringLiteral("Sbar,005,----------------,13,068,208,153,207,16,---,--,---,---,---,---,--,---,"
                                       "--,---,---,---,---,--,---,????????????????????????"));
    QVERIFY(fCreaTxtIO(QStringLiteral("Sbar"), 13, 5, 16, 68, 208, 150, 0, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Sbar,005,----------------,13,068,208,---,---,16,")));
    QVERIFY(fCreaTxtIO(QStringLiteral("Sbar"), 13, 5, 16, 68, 208, -1, 40, 0, 0, 0, 0, QString())
                .startsWith(QStringLiteral("Sbar,005,----------------,13,068,208,---,---,16,")));
    // a size index without a colour index is not written, nor the reverse
    const QString sSoloFont =
        fCreaTxtIO(QStringLiteral("Srad"), 1, 1, 32, 1, 1, 0, 0, 10, 20, 3, 0, QStringLiteral("a"));
    QVERIFY(sSoloFont.contains(QStringLiteral(",---,--,010,020,---,---,--,---,a|")));
    const QString sSoloColore =
        fCreaTxtIO(QStringLiteral("Srad"), 1, 1, 32, 1, 1, 0, 0, 10, 0, 0, 2, QStringLiteral("a"));
    QVERIFY(sSoloColore.contains(QStringLiteral(",---,--,---,---,---,---,--,---,a|")));
}

void TstMapLines::labelField()
{
    auto campo = [](const QString &sTesto) {
        return fCreaTxtIO(QStringLiteral("Srad"), 1, 1, 32, 1, 1, 0, 0, 0, 0, 0, 0, sTesto).mid(104);
    };
    QCOMPARE(campo(QStringLiteral("Ingresso")), QStringLiteral("Ingresso|") + QString(15, QLatin1Char(' ')));
    QCOMPARE(campo(QString()), QString(24, QLatin1Char('?')));
    const QString s23(23, QLatin1Char('a'));
    QCOMPARE(campo(s23), s23 + QLatin1Char('|'));
    const QString s30(30, QLatin1Char('b'));
    QCOMPARE(campo(s30), s30 + QLatin1Char('|'));
    QCOMPARE(fCreaTxtIO(QStringLiteral("Srad"), 1, 1, 32, 1, 1, 0, 0, 0, 0, 0, 0, s30).size(), 135);
    // commas and bars are written as typed
    QCOMPARE(campo(QStringLiteral("a,b|c")), QStringLiteral("a,b|c|") + QString(18, QLatin1Char(' ')));
}

void TstMapLines::exportCodesOfTheCatalogue()
{
    const QStringList asCodici = {QStringLiteral("Srad"), QStringLiteral("Sper"), QStringLiteral("Tinf"),
                                  QStringLiteral("Sbar"), QStringLiteral("Scam"), QStringLiteral("Olmp"),
                                  QStringLiteral("Osta"), QStringLiteral("Ogta"), QStringLiteral("Oall"),
                                  QStringLiteral("Oirr")};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(fGetTipoTxt(i + 1), asCodici.at(i));
    QCOMPARE(fGetTipoTxt(0), QStringLiteral("Srad"));
    QCOMPARE(fGetTipoTxt(11), QStringLiteral("Srad"));
    QCOMPARE(fGetTipoTxt(-1), QStringLiteral("Srad"));
}

void TstMapLines::codePageBytes()
{
    QCOMPARE(fToCp1252(QStringLiteral("Città, è")), QByteArray("Citt\xE0, \xE8"));
    // the code page's own upper half
    QCOMPARE(fToCp1252(QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")),
             QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A"
                        "\x9B\x9C\x9E\x9F"));
    // base letters where the code page lacks the accented one
    QCOMPARE(fToCp1252(QStringLiteral("ŚśŐőĆčĞ")), QByteArray("SsOoCcG"));
    // a letter typed with a combining accent is the composed letter
    QCOMPARE(fToCp1252(QStringLiteral("e\u0301")), QByteArray("\xE9"));
    // nothing similar: "?" (one per character, also outside the 16-bit range)
    QCOMPARE(fToCp1252(QStringLiteral("Łódź")), QByteArray("?\xF3"
                                                           "dz"));
    QCOMPARE(fToCp1252(QStringLiteral("中文")), QByteArray("??"));
    QCOMPARE(fToCp1252(QString::fromUcs4(U"a\U0001F600b")), QByteArray("a?b"));
    QCOMPARE(fToCp1252(QStringLiteral("\u2264")), QByteArray("?"));
}

void TstMapLines::widthsCountCharactersNotBytes()
{
    QCOMPARE(fLunghezzaTesto(QStringLiteral("Città")), 5);
    QCOMPARE(fLunghezzaTesto(QString::fromUcs4(U"\U0001F600")), 1);
    QCOMPARE(fLunghezzaTesto(QStringLiteral("e\u0301")), 1);
    const QString sRecord =
        fCreaTxtIO(QStringLiteral("Srad"), 1, 1, 32, 1, 1, 0, 0, 0, 0, 0, 0, QStringLiteral("Città"));
    QCOMPARE(fToCp1252(sRecord).size(), 128);
    QVERIFY(sRecord.endsWith(QStringLiteral("Città|") + QString(18, QLatin1Char(' '))));
    const QString sTitolo = fCreacommento(2, QStringLiteral("Livello 0 *********** Soggiorno più grande"));
    QCOMPARE(fToCp1252(sTitolo).size(), 128);
    const QString sEmoji = fCreacommento(3, QString::fromUcs4(U"\U0001F600"));
    QCOMPARE(fToCp1252(sEmoji).size(), 128);
}

QTEST_GUILESS_MAIN(TstMapLines)
#include "tst_maplines.moc"
