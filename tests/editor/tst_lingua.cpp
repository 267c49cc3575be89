// One language at a time on the real window: the toolkit's own folder dialog
// of "Nuovo Progetto" speaks the interface's language, and so do the guide
// that F1 opens and the words of the canvas banner.

#include "editor/dialogs.h"
#include "editor/frmbase.h"
#include "editorfixture.h"
#include "helpers/lingueprova.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

class TstLingua : public QObject
{
    Q_OBJECT

private slots:
    void newProjectFolderDialogInTheLanguage_data();
    void newProjectFolderDialogInTheLanguage();
    void guideAndBannerInTheLanguage_data();
    void guideAndBannerInTheLanguage();
};

void TstLingua::newProjectFolderDialogInTheLanguage_data()
{
    pColonnaLingua();
    QTest::addColumn<QStringList>("asAttesi"); // title, "Look in", the buttons
    fRiga("folder dialog", "it") << QStringList{"Seleziona una cartella", "Cerca in:", "Scegli", "Annulla"};
    fRiga("folder dialog", "en") << QStringList{"Select a directory", "Look in:", "Choose", "Cancel"};
}

void TstLingua::newProjectFolderDialogInTheLanguage()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, asAttesi);
    const TLinguaDiProva parla(lingua);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    frm.pSetDialogs(nullptr); // the toolkit's real dialogs

    // the name is typed in the input box; the folder dialog is looked at, then cancelled
    QStringList asVisti;
    auto *pTimer = new QTimer(this);
    connect(pTimer, &QTimer::timeout, this, [&asVisti, pTimer] {
        QWidget *pModal = QApplication::activeModalWidget();
        if (auto *pInput = qobject_cast<QInputDialog *>(pModal)) {
            pInput->setTextValue(QStringLiteral("casa"));
            pInput->accept();
        } else if (auto *pDlg = qobject_cast<QFileDialog *>(pModal)) {
            pTimer->stop();
            asVisti << pDlg->windowTitle();
            if (auto *pCercaIn = pDlg->findChild<QLabel *>(QStringLiteral("lookInLabel")))
                asVisti << pCercaIn->text();
            if (auto *pBox = pDlg->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
                for (QAbstractButton *pBtn : pBox->buttons())
                    asVisti << pBtn->text().remove(QLatin1Char('&'));
            pDlg->reject();
        }
    });
    pTimer->start(20);
    QAction *pNuovo = frm.findChild<QAction *>(QStringLiteral("MnuNuovoProgetto"));
    QVERIFY(pNuovo);
    pNuovo->trigger();
    delete pTimer;
    QCOMPARE(asVisti, asAttesi);
    QCOMPARE(fx.dialogs.asErrors, QStringList());
}

void TstLingua::guideAndBannerInTheLanguage_data()
{
    pColonnaLingua();
    QTest::addColumn<QString>("sTitolo");   // the guide's
    QTest::addColumn<QString>("sCapitolo"); // one of its headings
    QTest::addColumn<QString>("sBanner");   // the base level's banner picture
    fRiga("guide, banner", "it") << "Guida di Ombrix"
                                 << "Aree di dettaglio (zoom)"
                                 << "ban1.png";
    fRiga("guide, banner", "en") << "Ombrix guide"
                                 << "Detail areas (zoom)"
                                 << "ban1_en.png";
}

void TstLingua::guideAndBannerInTheLanguage()
{
    QFETCH(QString, lingua);
    QFETCH(QString, sTitolo);
    QFETCH(QString, sCapitolo);
    QFETCH(QString, sBanner);
    const TLinguaDiProva parla(lingua);
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fx.pNewProject(QStringLiteral("casa"));

    QAction *pGuida = frm.findChild<QAction *>(QStringLiteral("MnuGuida"));
    QVERIFY(pGuida);
    QCOMPARE(pGuida->shortcut(), QKeySequence(Qt::Key_F1));
    pGuida->trigger();
    auto *pBrowser = frm.findChild<QTextBrowser *>(QStringLiteral("FrmGuida"));
    QVERIFY(pBrowser && pBrowser->isVisible());
    QCOMPARE(pBrowser->windowTitle(), sTitolo);
    QCOMPARE(pBrowser->documentTitle(), sTitolo);
    const QString sTesto = pBrowser->toPlainText();
    QVERIFY2(sTesto.contains(sCapitolo), qPrintable(sTesto.left(200)));
    // not a word of the other language's guide
    const QString sAltroCapitolo =
        lingua == QLatin1String("en") ? QStringLiteral("Aree di dettaglio") : QStringLiteral("Detail areas");
    QVERIFY(!sTesto.contains(sAltroCapitolo));

    // the banner's words are drawn in the language: the picture is that language's one
    auto *pBanner = frm.findChild<QLabel *>(QStringLiteral("ImgBanner"));
    QVERIFY(pBanner);
    const QImage imgBanner = pBanner->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage imgAtteso = QImage(fx.fRoot() + "grfc/" + sBanner).convertToFormat(QImage::Format_ARGB32);
    const QImage imgAltro = QImage(fx.fRoot() + "grfc/" + (lingua == QLatin1String("en") ? "ban1.png" : "ban1_en.png"))
                                .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!imgAtteso.isNull());
    QCOMPARE(imgBanner, imgAtteso);
    QVERIFY(imgBanner != imgAltro);
}

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
