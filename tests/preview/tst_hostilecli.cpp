// The command-line options "--render", "--pdf" and "--fit" run by the real
// program against planted files: links, FIFOs, endless files, cut bitmaps,
// crafted labels and SVG drawings that name local files. Each case must end
// within a few seconds, leave every file outside the project byte for byte
// as it was, and, when it fails, name the file and the reason.

#include "export/exportfixture.h"
#include "export/exportrun.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int iLimiteMs = 10000; // a case that takes longer hangs

/** A folder outside the project with files a hostile project points at. */
struct TFuori
{
    QTemporaryDir dir;
    QString f(const QString &sNome) const { return dir.path() + QLatin1Char('/') + sNome; }

    TFuori()
    {
        pScriviFile(f(QStringLiteral("vittima.txt")), "non toccare\n");
        QImage rosso(100, 100, QImage::Format_RGB32);
        rosso.fill(Qt::red);
        rosso.save(f(QStringLiteral("rosso.png")), "PNG");
        QDir().mkpath(f(QStringLiteral("cartella")));
        pScriviFile(f(QStringLiteral("cartella/dentro.txt")), "nemmeno questo\n");
    }
    /** Every plain file under the folder with its bytes; links and FIFOs by what they are, never followed. */
    QMap<QString, QByteArray> fIstantanea() const
    {
        QMap<QString, QByteArray> m;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo fi(it.next());
            m.insert(fi.filePath(), fi.isSymLink() ? "link " + fi.symLinkTarget().toUtf8()
                                    : fi.isFile()  ? fLeggiFile(fi.filePath())
                                                   : QByteArray("other"));
        }
        return m;
    }
};

/** One planted case: plants its files and gives the arguments (and the folder to run in, if any). */
struct TCaso
{
    const char *szNome;
    std::function<QStringList(TProgettoProva &prj, const TFuori &fuori, QString &sCartella)> fPianta;
    int iCodice;
    QStringList asMessaggio;           // each part must be in stderr
    std::optional<QColor> colCentro{}; // --fit: the colour the result has at the centre
};

void pFifo(const QString &sPath)
{
    QVERIFY2(::mkfifo(QFile::encodeName(sPath).constData(), 0600) == 0, qPrintable(sPath));
}

/** Two base areas with pictures, a labelled contact on the first. */
void pProgetto(TProgettoProva &prj)
{
    prj.pArea(1, 0, 0, QStringLiteral("Piano terra"));
    prj.pArea(2, 0, 0, QStringLiteral("Primo piano"));
    prj.pSensore(1, 2, 7, 32, 100, 150, 0, 0, 140, 158, 3, 5, QStringLiteral("Porta ingresso"));
    for (int iId : {1, 2})
        pScriviJpeg(prj.fImmagine(iId), 480, 272, JCS_RGB);
}

/** The exported maps.txt with the contact's label field holding sTesto. */
void pEtichetta(TProgettoProva &prj, const QString &sTesto)
{
    QStringList asRighe = fRighe(fLeggiFile(prj.fMaps()));
    for (QString &s : asRighe)
        if (s.startsWith(QStringLiteral("Sper,")))
            s = s.left(s.lastIndexOf(QLatin1Char(',')) + 1) + sTesto + QLatin1Char('|') +
                QString(std::max<qsizetype>(0, 23 - sTesto.size()), QLatin1Char(' '));
    pScriviFile(prj.fMaps(), (asRighe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

/** An SVG drawing of 100 x 100 with one picture over it all, named by sRif. */
QByteArray fSvg(const QString &sRif)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"100\" "
           "height=\"100\"><image x=\"0\" y=\"0\" width=\"100\" height=\"100\" xlink:href=\"" +
           sRif.toUtf8() + "\"/></svg>";
}

bool fVicino(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

/** Runs each case against a fresh project (exported first with bEsporta) and a fresh outside folder. */
void pEsegui(const QList<TCaso> &aCasi, bool bEsporta)
{
    for (const TCaso &caso : aCasi) {
        TProgettoProva prj;
        pProgetto(prj);
        if (bEsporta)
            pEsportaProgetto(prj.fP());
        const TFuori fuori;
        QString sCartella;
        const QStringList asArgs = caso.fPianta(prj, fuori, sCartella);
        if (QTest::currentTestFailed())
            return;
        const QMap<QString, QByteArray> prima = fuori.fIstantanea();
        const QByteArray abDb = fLeggiFile(prj.fDb());

        QProcess p;
        if (!sCartella.isEmpty())
            p.setWorkingDirectory(sCartella);
        p.start(QStringLiteral(OMBRIX_BIN), asArgs);
        const bool bFinito = p.waitForFinished(iLimiteMs);
        if (!bFinito) {
            p.kill();
            p.waitForFinished();
        }
        const QString sErr = QString::fromLocal8Bit(p.readAllStandardError());
        const QByteArray abNome(caso.szNome);
        QVERIFY2(bFinito, abNome + ": still running after the time limit");
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == caso.iCodice,
                 abNome + ": exit " + QByteArray::number(p.exitCode()) + ", " + sErr.toUtf8());
        for (const QString &s : caso.asMessaggio)
            QVERIFY2(sErr.contains(s), abNome + ": \"" + s.toUtf8() + "\" not in: " + sErr.left(300).toUtf8());
        QVERIFY2(sErr.size() < 400, abNome + ": a message of " + QByteArray::number(sErr.size()) + " characters");
        QVERIFY2(fuori.fIstantanea() == prima, abNome + ": a file outside the project changed");
        QVERIFY2(fLeggiFile(prj.fDb()) == abDb, abNome + ": the database changed");
        if (caso.colCentro) {
            const QImage img(asArgs.at(asArgs.indexOf(QStringLiteral("--out")) + 1));
            QVERIFY2(!img.isNull() && fVicino(img.pixelColor(240, 136), *caso.colCentro),
                     abNome + ": " + img.pixelColor(240, 136).name().toUtf8());
        }
        // nothing half-written is left beside the files
        for (const QString &sDir : {prj.fRoot(), prj.fRoot() + QStringLiteral("png/")})
            QVERIFY2(QDir(sDir).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden).isEmpty(),
                     abNome + ": a hidden working file left in " + sDir.toUtf8());
    }
}

} // namespace

class TstHostileCli : public QObject
{
    Q_OBJECT

private slots:
    void renderOfAPlantedExport();
    void pdfOfAPlantedProject();
    void fitOfAPlantedSource();
};

void TstHostileCli::renderOfAPlantedExport()
{
    const auto fRender = [](TProgettoProva &prj) {
        return QStringList{QStringLiteral("--render"), prj.fOut(), QStringLiteral("--out"),
                           prj.fRoot() + QStringLiteral("png")};
    };
    const auto fPng = [](TProgettoProva &prj, const char *szNome) {
        QDir().mkpath(prj.fRoot() + QStringLiteral("png"));
        return prj.fRoot() + QStringLiteral("png/") + QLatin1String(szNome);
    };
    const QString sLink = QStringLiteral("è un collegamento simbolico");
    const QString sNonNormale = QStringLiteral("non è un file normale");
    pEsegui(
        {
            {"a link to a file outside as a page",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 QFile::link(fuori.f(QStringLiteral("vittima.txt")), fPng(prj, "area02.png"));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("area02.png: ") + sLink}},
            {"a hard link to a file outside as a page is replaced, not written through",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 ::link(QFile::encodeName(fuori.f(QStringLiteral("vittima.txt"))).constData(),
                        QFile::encodeName(fPng(prj, "area01.png")).constData());
                 return fRender(prj);
             },
             0,
             {}},
            {"a FIFO as a page",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 pFifo(fPng(prj, "area01.png"));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("area01.png: ") + sNonNormale}},
            {"a folder as a page",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 QDir().mkpath(fPng(prj, "area02.png"));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("area02.png: è una cartella")}},
            {"a FIFO as a bitmap",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 QFile::remove(prj.fOut() + QStringLiteral("file0002.bmp"));
                 pFifo(prj.fOut() + QStringLiteral("file0002.bmp"));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("file0002.bmp: ") + sNonNormale}},
            {"a FIFO as maps.txt",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 QFile::remove(prj.fMaps());
                 pFifo(prj.fMaps());
                 return fRender(prj);
             },
             1,
             {QStringLiteral("maps.txt: ") + sNonNormale}},
            {"maps.txt linked to /dev/zero",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 QFile::remove(prj.fMaps());
                 QFile::link(QStringLiteral("/dev/zero"), prj.fMaps());
                 return fRender(prj);
             },
             1,
             {QStringLiteral("maps.txt: ") + sNonNormale}},
            {"a bitmap cut to 1,000 bytes",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 const QString sBmp = prj.fOut() + QStringLiteral("file0002.bmp");
                 pScriviFile(sBmp, fLeggiFile(sBmp).left(1000));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("file0002.bmp: bitmap troncata: 1000 byte invece dei 391734")}},
            {"a label of 5,000,000 characters",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 pEtichetta(prj, QString(5000000, QLatin1Char('x')));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("maps.txt: riga 17: campo 25"), QStringLiteral("(5000001 caratteri)")}},
            {"a label of 24 characters, one more than a record holds",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 pEtichetta(prj, QString(24, QLatin1Char('x')));
                 return fRender(prj);
             },
             1,
             {QStringLiteral("maps.txt: riga 17: campo 25")}},
            {"a label of 23 characters",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 pEtichetta(prj, QString(23, QLatin1Char('x')));
                 return fRender(prj);
             },
             0,
             {}},
        },
        true);
}

void TstHostileCli::pdfOfAPlantedProject()
{
    const auto fPdf = [](TProgettoProva &prj, const QString &sDest) {
        return QStringList{QStringLiteral("--pdf"), prj.fDb(), sDest};
    };
    const QString sDb = QStringLiteral("è il database del progetto");
    pEsegui(
        {
            {"the database as the document",
             [&](TProgettoProva &prj, const TFuori &, QString &) { return fPdf(prj, prj.fDb()); },
             1,
             {QStringLiteral("casa.omb: ") + sDb}},
            {"the database by another path",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 return fPdf(prj, prj.fRoot() + QStringLiteral("areas/../casa.omb"));
             },
             1,
             {sDb}},
            {"a hard link of the database",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 const QString sCopia = prj.fRoot() + QStringLiteral("copia.pdf");
                 ::link(QFile::encodeName(prj.fDb()).constData(), QFile::encodeName(sCopia).constData());
                 return fPdf(prj, sCopia);
             },
             1,
             {QStringLiteral("copia.pdf: ") + sDb}},
            {"its journal",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 return fPdf(prj, prj.fDb() + QStringLiteral("-journal"));
             },
             1,
             {QStringLiteral("casa.omb-journal: ") + sDb}},
            {"a file in areas",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 return fPdf(prj, prj.fRoot() + QStringLiteral("areas/img_1.jpg"));
             },
             1,
             {QStringLiteral("img_1.jpg: è dentro la cartella \"areas\" del progetto")}},
            {"a file in backup",
             [&](TProgettoProva &prj, const TFuori &, QString &) {
                 QDir().mkpath(prj.fRoot() + QStringLiteral("backup/20200101-000000"));
                 return fPdf(prj, prj.fRoot() + QStringLiteral("backup/20200101-000000/casa.omb"));
             },
             1,
             {QStringLiteral("è dentro la cartella \"backup\" del progetto")}},
            {"a FIFO as the database",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 pFifo(fuori.f(QStringLiteral("tubo.omb")));
                 return QStringList{QStringLiteral("--pdf"), fuori.f(QStringLiteral("tubo.omb")),
                                    prj.fRoot() + QStringLiteral("doc.pdf")};
             },
             1,
             {QStringLiteral("tubo.omb: non è un file normale")}},
            {"a link to a file outside as the document",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 QFile::link(fuori.f(QStringLiteral("vittima.txt")), prj.fRoot() + QStringLiteral("doc.pdf"));
                 return fPdf(prj, prj.fRoot() + QStringLiteral("doc.pdf"));
             },
             1,
             {QStringLiteral("doc.pdf: è un collegamento simbolico")}},
            {"a run that fails half-way leaves the previous document whole",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 prj.pSensore(2, 1, 4, 24, 200, 100); // no 24-pixel icon: the page of area 2 fails
                 return fPdf(prj, fuori.f(QStringLiteral("vittima.txt")));
             },
             1,
             {QStringLiteral("v24.png")}},
        },
        false);
}

void TstHostileCli::fitOfAPlantedSource()
{
    const auto fFit = [](const QString &sSorgente, const TProgettoProva &prj) {
        return QStringList{QStringLiteral("--fit"), sSorgente, QStringLiteral("--out"),
                           prj.fRoot() + QStringLiteral("sfondo.jpg")};
    };
    const auto fDisegno = [&](const TProgettoProva &prj, const QString &sRif) {
        const QString sSvg = prj.fRoot() + QStringLiteral("disegno.svg");
        pScriviFile(sSvg, fSvg(sRif));
        return fFit(sSvg, prj);
    };
    const QColor bianco(Qt::white);
    pEsegui(
        {
            {"a FIFO as the source",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 pFifo(fuori.f(QStringLiteral("tubo.jpg")));
                 return fFit(fuori.f(QStringLiteral("tubo.jpg")), prj);
             },
             1,
             {QStringLiteral("tubo.jpg: non è un file normale")}},
            {"/dev/zero as the source",
             [&](TProgettoProva &prj, const TFuori &, QString &) { return fFit(QStringLiteral("/dev/zero"), prj); },
             1,
             {QStringLiteral("/dev/zero: non è un file normale")}},
            {"a source past the size limit",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 QFile f(fuori.f(QStringLiteral("enorme.jpg")));
                 f.open(QIODevice::WriteOnly);
                 f.resize(qint64(300) << 20); // sparse: no disk taken
                 return fFit(f.fileName(), prj);
             },
             1,
             {QStringLiteral("enorme.jpg: file più grande del limite di 256 MiB")}},
            {"an SVG naming a picture by its absolute path",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 return fDisegno(prj, fuori.f(QStringLiteral("rosso.png")));
             },
             0,
             {},
             bianco},
            {"an SVG naming a picture next to the current folder",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &sCartella) {
                 sCartella = fuori.dir.path();
                 return fDisegno(prj, QStringLiteral("rosso.png"));
             },
             0,
             {},
             bianco},
            {"an SVG naming a FIFO",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 pFifo(fuori.f(QStringLiteral("tubo.png")));
                 return fDisegno(prj, fuori.f(QStringLiteral("tubo.png")));
             },
             0,
             {},
             bianco},
            {"an SVG carried by a data URL naming a picture",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 return fDisegno(prj, QStringLiteral("data:image/png;base64,") +
                                          QString::fromLatin1(fSvg(fuori.f(QStringLiteral("rosso.png"))).toBase64()));
             },
             0,
             {},
             bianco},
            {"a picture carried by a data URL stays",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 return fDisegno(prj,
                                 QStringLiteral("data:image/png;base64,") +
                                     QString::fromLatin1(fLeggiFile(fuori.f(QStringLiteral("rosso.png"))).toBase64()));
             },
             0,
             {},
             QColor(Qt::red)},
            {"a link to a file outside as the result",
             [&](TProgettoProva &prj, const TFuori &fuori, QString &) {
                 QStringList asArgs = fDisegno(prj, QStringLiteral("#niente"));
                 QFile::link(fuori.f(QStringLiteral("vittima.txt")), asArgs.last());
                 return asArgs;
             },
             1,
             {QStringLiteral("sfondo.jpg: è un collegamento simbolico")}},
        },
        false);
}

QTEST_GUILESS_MAIN(TstHostileCli)
#include "tst_hostilecli.moc"
