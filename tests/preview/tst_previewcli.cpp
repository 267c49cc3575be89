// "ombrix --render" and "ombrix --pdf" with no display: the pages drawn from
// an export, pixel by pixel, and the handover document read back as text.

#include "export/exportfixture.h"
#include "export/exportrun.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace {

struct TEsito
{
    int iCodice = -1;
    QByteArray out;
    QByteArray err;
};

TEsito fLancia(const QString &sProgramma, const QStringList &asArgs)
{
    TEsito r;
    r.iCodice = fEsegui(sProgramma, asArgs, &r.out, &r.err);
    return r;
}

/** The program, with no display: the tests run on the offscreen platform, and the commands need none. */
TEsito fOmbrix(const QStringList &asArgs)
{
    return fLancia(QStringLiteral(OMBRIX_BIN), asArgs);
}

/** Three areas: two base areas with pictures and a detail area of the first, reached by a zoom marker. */
void pTreAree(TProgettoProva &prj)
{
    prj.pArea(1, 0, 0, QStringLiteral("Piano terra"));
    prj.pArea(2, 0, 0, QStringLiteral("Primo piano"));
    prj.pArea(3, 1, 1, QStringLiteral("Cucina"));
    prj.pSensore(1, 2, 7, 32, 100, 150, 0, 0, 140, 158, 3, 5, QStringLiteral("Porta ingresso"));
    prj.pSensore(1, 4, 5, 16, 60, 200, 150, 204, 0, 0, 0, 0, QStringLiteral("Barriera sud"));
    prj.pSensore(1, 3, 0, 32, 200, 60, 0, 0, 0, 0, 0, 0, QString(), 3);
    prj.pSensore(2, 6, 12, 48, 300, 150, 0, 0, 350, 160, 4, 2, QStringLiteral("Luce scala"));
    prj.pSensore(3, 10, 3, 32, 40, 100, 0, 0, 80, 110, 1, 6, QStringLiteral("Orto"));
    for (int iId : {1, 2, 3})
        pScriviJpeg(prj.fImmagine(iId), 480, 272, JCS_RGB);
}

} // namespace

class TstPreviewCli : public QObject
{
    Q_OBJECT

private slots:
    void renderDrawsBitmapIconsAndKeys();
    void renderFailures();
    void pdfOfThreeAreasWhileTheProjectIsOpen();
};

void TstPreviewCli::renderDrawsBitmapIconsAndKeys()
{
    TProgettoProva prj;
    pTreAree(prj);
    pEsportaProgetto(prj.fP());
    const QString sPng = prj.fRoot() + QStringLiteral("png");
    const TEsito r = fOmbrix({QStringLiteral("--render"), prj.fOut(), QStringLiteral("--out"), sPng});
    QVERIFY2(r.iCodice == 0, r.err.constData());
    QCOMPARE(QDir(sPng).entryList(QDir::Files), (QStringList{"area01.png", "area02.png", "area03.png"}));

    const QImage pagina = QImage(sPng + QStringLiteral("/area01.png")).convertToFormat(QImage::Format_RGB32);
    const QImage bitmap = QImage(prj.fOut() + QStringLiteral("file0001.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(pagina.size(), QSize(480, 272));
    // the background, where nothing is placed: the bitmap itself
    for (int y = 40; y < 272; ++y)
        for (int x = 300; x < 480; ++x)
            QVERIFY2(pagina.pixel(x, y) == bitmap.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

    // the contact's icon at its place: its opaque pixels as they are, its transparent ones show the bitmap
    const QImage icona = QImage(QStringLiteral(OMBRIX_APP_ROOT "grfc/c32.png")).convertToFormat(QImage::Format_ARGB32);
    int iOpachi = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = icona.pixel(x, y);
            const QRgb atteso = qAlpha(c) == 255 ? (c | 0xFF000000) : bitmap.pixel(100 + x, 150 + y);
            if (qAlpha(c) != 255 && qAlpha(c) != 0)
                continue;
            iOpachi += qAlpha(c) == 255;
            QVERIFY2(pagina.pixel(100 + x, 150 + y) == atteso, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(iOpachi > 100);

    // the keys: "Tnex" at x 300 covers the banner strip with its face, not with the bitmap
    QCOMPARE(QColor(pagina.pixel(288, 6)), QColor(45, 55, 75));
    QCOMPARE(QColor(pagina.pixel(186, 28)), QColor(45, 55, 75));
    QVERIFY(pagina.pixel(300, 18) != pagina.pixel(288, 6)); // the sign on it
}

void TstPreviewCli::renderFailures()
{
    TProgettoProva prj;
    pTreAree(prj);
    pEsportaProgetto(prj.fP());
    const QString sPng = prj.fRoot() + QStringLiteral("png");
    const QStringList asArgs = {QStringLiteral("--render"), prj.fOut(), QStringLiteral("--out"), sPng};

    QVERIFY(QFile::remove(prj.fOut() + QStringLiteral("file0002.bmp")));
    TEsito r = fOmbrix(asArgs);
    QCOMPARE(r.iCodice, 1);
    QVERIFY2(r.err.contains("file0002.bmp"), r.err.constData());

    QByteArray maps = fLeggiFile(prj.fMaps());
    maps.replace("Tesc,---,", "Tesc---,");
    pScriviFile(prj.fMaps(), maps);
    r = fOmbrix(asArgs);
    QCOMPARE(r.iCodice, 1);
    QVERIFY2(r.err.contains("maps.txt: riga 14: 24 campi invece di 25"), r.err.constData());

    QVERIFY(QFile::remove(prj.fMaps()));
    r = fOmbrix(asArgs);
    QCOMPARE(r.iCodice, 1);
    QVERIFY2(r.err.contains("maps.txt"), r.err.constData());

    r = fOmbrix({QStringLiteral("--render"), prj.fOut()});
    QCOMPARE(r.iCodice, 2); // --out is needed
}

void TstPreviewCli::pdfOfThreeAreasWhileTheProjectIsOpen()
{
    TProgettoProva prj; // its connection stays open, as an editor's would
    pTreAree(prj);
    const QString sPdf = prj.fRoot() + QStringLiteral("casa.pdf");
    const TEsito r = fOmbrix({QStringLiteral("--pdf"), prj.fDb(), sPdf});
    QVERIFY2(r.iCodice == 0, r.err.constData());
    QVERIFY(QDir(prj.fOut()).isEmpty());          // made from an export of its own
    QVERIFY(QFileInfo::exists(prj.fImmagine(1))); // whose pictures were the project's, left in place

    const TEsito info = fLancia(QStringLiteral("pdfinfo"), {sPdf});
    QVERIFY2(QString::fromUtf8(info.out).contains(QRegularExpression(QStringLiteral("Pages: +5\n"))),
             info.out.constData());
    const TEsito testo = fLancia(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sPdf, QStringLiteral("-")});
    QCOMPARE(testo.iCodice, 0);
    const QString s = QString::fromUtf8(testo.out);
    for (const char *sz : {"casa", "Aree: 3", "Piano terra", "Primo piano", "Cucina", "Piano terra > Cucina",
                           "ingresso 7", "ingresso 5", "uscita 12", "uscita 3", "Porta ingresso", "Barriera sud",
                           "Luce scala", "Orto", "verso Cucina (3)", "Ingressi e uscite", "file0001.bmp"})
        QVERIFY2(s.contains(QString::fromUtf8(sz)), sz);
    // cover, the three areas in tree order, the inputs and outputs
    const QStringList asPagine = s.split(QLatin1Char('\f'));
    QVERIFY(asPagine.at(1).contains(QStringLiteral("Piano terra")));
    QVERIFY(asPagine.at(2).contains(QStringLiteral("Cucina")));
    QVERIFY(asPagine.at(3).contains(QStringLiteral("Primo piano")));
    QVERIFY(asPagine.at(4).contains(QStringLiteral("Ingressi e uscite")));

    const TEsito manca = fOmbrix({QStringLiteral("--pdf"), prj.fRoot() + QStringLiteral("no.omb"), sPdf});
    QCOMPARE(manca.iCodice, 1);
    QVERIFY2(manca.err.contains("no.omb"), manca.err.constData());
}

QTEST_GUILESS_MAIN(TstPreviewCli)
#include "tst_previewcli.moc"
