// The main window at start and at its end: layout at the design's numbers,
// enabling, the icon-size menu and its setting, the splitter's veto, the
// centring of the canvas and the bitmaps of the tool bar.

#include "editorfixture.h"

#include "document/projectdocument.h"
#include "editor/frmbase.h"
#include "workspace/uty.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

class TstFrmBase : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void checkMarkFromIni_data();
    void checkMarkFromIni();
    void sizeChoiceReachesIniOnlyAtExit();
    void closeWritesIniWithDefault();
    void resizeKeepsCanvasCentred();
    void splitterVeto();
    void splitterDragWithMouse();
    void toolBarBitmapsTransparentAndGreyed();
    void missingBitmapIsReportedAndStartGoesOn();
    void infoEntryDoesNothing();
    void recentProjectsGuideAndAbout();
};

void TstFrmBase::startState()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();

    QCOMPARE(frm.windowTitle(), QStringLiteral("Ombrix KP5800 maps generator"));
    QCOMPARE(frm.centralWidget()->size(), QSize(909, 470));
    QVERIFY2(fx.dialogs.asErrors.isEmpty(), qPrintable(fx.dialogs.asErrors.join('\n')));

    // layout
    QCOMPARE(fW<QWidget>(frm, "Panel2")->geometry(), QRect(0, 0, 909, 50));
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->geometry(), QRect(0, 50, 249, 420));
    QCOMPARE(fW<QWidget>(frm, "Splitter1")->geometry(), QRect(249, 50, 3, 420));
    QCOMPARE(fW<QWidget>(frm, "PanelDx")->geometry(), QRect(252, 50, 657, 420));
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->geometry(), QRect(88, 74, 480, 272));
    QCOMPARE(fW<QLabel>(frm, "ImgBanner")->geometry(), QRect(0, 0, 480, 34));
    QCOMPARE(fW<QStatusBar>(frm, "SbarAree")->geometry(), QRect(0, 401, 657, 19));
    QCOMPARE(fW<QWidget>(frm, "Image1")->size(), QSize(584, 378));
    QCOMPARE(fW<QLabel>(frm, "Label1")->text(), QStringLiteral("Aree"));
    QCOMPARE(fW<QTreeWidget>(frm, "TvAree")->indentation(), 19);

    // tool bar: left edges, 50 x 50, all disabled, the camera hidden
    const std::pair<QToolButton *, int> aLefts[] = {
        {fBtn(frm, "BtnNewArea"), 0},       {fBtn(frm, "BtnSfondo"), 48},   {fBtn(frm, "BtnZoomIn"), 96},
        {fBtn(frm, "BtnVolumetrico"), 165}, {fBtn(frm, "BtnContact"), 213}, {fBtn(frm, "BtnBarriera"), 261},
        {fBtn(frm, "BtnTelecamera"), 309},  {fBtn(frm, "BtnLampada"), 381}, {fBtn(frm, "BtnTapsu"), 429},
        {fBtn(frm, "BtnTapgiu"), 477},      {fBtn(frm, "btnIrrig"), 525},   {fBtn(frm, "BtnAlarm"), 573}};
    for (const auto &[pBtn, iLeft] : aLefts) {
        QCOMPARE(pBtn->geometry(), QRect(iLeft, 0, 50, 50));
        QVERIFY2(!pBtn->isEnabled(), qPrintable(pBtn->objectName()));
        QCOMPARE(pBtn->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY2(!pBtn->icon().isNull(), qPrintable(pBtn->objectName()));
    }
    QVERIFY(fBtn(frm, "BtnTelecamera")->isHidden());
    QCOMPARE(fBtn(frm, "BtnTapgiu")->toolTip(), QStringLiteral("Aggiungi tapparelle giù"));

    // menu
    QVERIFY(fA(frm, "MnuNuovoProgetto")->isEnabled());
    QVERIFY(fA(frm, "MnuApriProgetto")->isEnabled());
    QVERIFY(!fA(frm, "MnuEsportaProgetto")->isEnabled());
    QVERIFY(!fA(frm, "MnuChiudiProgetto")->isEnabled());
    QCOMPARE(fA(frm, "MnuAbout")->text().remove('&'), QStringLiteral("Ombrix 160131-A"));
    QVERIFY(fA(frm, "N32")->isChecked());
    QVERIFY(!fA(frm, "N48")->isChecked() && !fA(frm, "N16")->isChecked());
    QVERIFY(fA(frm, "N32")->shortcut().isEmpty());

    // workspace
    QCOMPARE(sGlobPath, fx.fRoot());
    QVERIFY(QFileInfo(fx.fProgetti()).isDir());
    QVERIFY(!fProjectOpen());
    QCOMPARE(iGlobIconSize, 32);
    QCOMPARE(iGlobXcenter, 223);
    QCOMPARE(iGlobYCenter, 119);
    QCOMPARE(fW<QTreeWidget>(frm, "TvAree")->topLevelItemCount(), 0);
    QVERIFY(!QFile::exists(fx.fBin() + "ombrix.ini")); // reading does not create it
}

void TstFrmBase::checkMarkFromIni_data()
{
    QTest::addColumn<QByteArray>("abIni");
    QTest::addColumn<QString>("sMarked");
    QTest::addColumn<int>("iSize");
    QTest::newRow("48") << QByteArray("[Options]\nIconSize=48\n") << "N48" << 48;
    QTest::newRow("16") << QByteArray("[Options]\r\nIconSize=16\r\n") << "N16" << 16;
    QTest::newRow("letters") << QByteArray("[Options]\nIconSize=abc\n") << "N32" << 32;
    QTest::newRow("no key") << QByteArray("[Other]\nIconSize=16\n") << "N32" << 32;
}

void TstFrmBase::checkMarkFromIni()
{
    QFETCH(QByteArray, abIni);
    QFETCH(QString, sMarked);
    QFETCH(int, iSize);
    TEditorFixture fx;
    fx.pWriteIni(abIni);
    TFrmBase &frm = fx.pStart();
    QCOMPARE(iGlobIconSize, iSize);
    QCOMPARE(frm.findChild<QAction *>(sMarked)->isChecked(), true);
    QCOMPARE(int(fA(frm, "N16")->isChecked()) + int(fA(frm, "N32")->isChecked()) + int(fA(frm, "N48")->isChecked()), 1);
}

void TstFrmBase::sizeChoiceReachesIniOnlyAtExit()
{
    TEditorFixture fx;
    fx.pWriteIni("[Options]\nIconSize=32\n[Keep]\nMe=1\n");
    TFrmBase &frm = fx.pStart();
    fA(frm, "N16")->trigger();
    QVERIFY(fA(frm, "N16")->isChecked() && !fA(frm, "N32")->isChecked());
    fA(frm, "N48")->trigger();
    {
        QSettings ini(fx.fBin() + "ombrix.ini", QSettings::IniFormat);
        QCOMPARE(ini.value("Options/IconSize").toInt(), 32);
    }
    fx.pStop();
    QSettings ini(fx.fBin() + "ombrix.ini", QSettings::IniFormat);
    QCOMPARE(ini.value("Options/IconSize").toInt(), 48);
    QCOMPARE(ini.value("Keep/Me").toInt(), 1);

    // the next start shows the stored size marked
    TEditorFixture fx2;
    QFile::copy(fx.fBin() + "ombrix.ini", fx2.fBin() + "ombrix.ini");
    QVERIFY(fA(fx2.pStart(), "N48")->isChecked());
}

void TstFrmBase::closeWritesIniWithDefault()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    // "Esci" (Ctrl+Q) ends the "Progetto" menu and closes the window
    QAction *pEsci = fA(frm, "MnuEsci");
    QCOMPARE(pEsci->text(), QStringLiteral("Esci"));
    QCOMPARE(pEsci->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(qobject_cast<QMenu *>(pEsci->parent())->actions().constLast(), pEsci);
    pEsci->trigger();
    QVERIFY(!frm.isVisible());
    fx.pStop();
    QFile f(fx.fBin() + "ombrix.ini");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray abText = f.readAll();
    QVERIFY2(abText.contains("[Options]"), abText.constData());
    QVERIFY2(abText.contains("IconSize=32"), abText.constData());
}

void TstFrmBase::resizeKeepsCanvasCentred()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    const QSize sizeStart = frm.size();
    frm.resize(sizeStart.width() + 100, sizeStart.height());
    QTRY_COMPARE(fW<QWidget>(frm, "PanelDx")->width(), 757);
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->pos(), QPoint(138, 74));

    // a right panel of 400 pixels scrolls: the bezel at the left of the view, the rest of the page in reach
    frm.resize(sizeStart.width() - 257, sizeStart.height());
    QTRY_COMPARE(fW<QWidget>(frm, "PanelDx")->width(), 400);
    auto *pScroll = fW<QScrollArea>(frm, "ScrArea");
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->x(), 52);
    QTRY_VERIFY(pScroll->horizontalScrollBar()->isVisible());
    QCOMPARE(pScroll->horizontalScrollBar()->maximum(), 584 - pScroll->viewport()->width());

    // odd sizes: division truncates
    frm.resize(sizeStart.width() + 1, sizeStart.height() + 1);
    QTRY_COMPARE(fW<QWidget>(frm, "PanelDx")->size(), QSize(658, 421));
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->pos(), QPoint(89, 74));
}

void TstFrmBase::splitterVeto()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QVERIFY(!frm.fSplitterMoved(149));
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->width(), 249);
    QVERIFY(!frm.fSplitterMoved(323)); // right panel would be 583
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->width(), 249);
    QVERIFY(frm.fSplitterMoved(322));
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->width(), 322);
    QCOMPARE(fW<QWidget>(frm, "PanelDx")->geometry(), QRect(325, 50, 584, 420));
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->pos(), QPoint(52, 74));
    QVERIFY(frm.fSplitterMoved(150));
    QCOMPARE(fW<QWidget>(frm, "Splitter1")->x(), 150);
    QCOMPARE(fW<QWidget>(frm, "PnlImgArea")->pos(), QPoint(138, 74));
}

void TstFrmBase::splitterDragWithMouse()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    QWidget *pBar = fW<QWidget>(frm, "Splitter1");
    QTest::mousePress(pBar, Qt::LeftButton, {}, QPoint(1, 100));
    QMouseEvent evMove(QEvent::MouseMove, QPointF(1 - 60, 100), pBar->mapToGlobal(QPointF(1 - 60, 100)), Qt::NoButton,
                       Qt::LeftButton, {});
    QCoreApplication::sendEvent(pBar, &evMove);
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->width(), 189);
    QMouseEvent evVeto(QEvent::MouseMove, QPointF(1 - 50, 100), pBar->mapToGlobal(QPointF(1 - 50, 100)), Qt::NoButton,
                       Qt::LeftButton, {});
    QCoreApplication::sendEvent(pBar, &evVeto); // 139: refused
    QCOMPARE(fW<QWidget>(frm, "PanelSx")->width(), 189);
    QTest::mouseRelease(pBar, Qt::LeftButton, {}, QPoint(1, 100));
}

void TstFrmBase::toolBarBitmapsTransparentAndGreyed()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    const QImage imgFile(fx.fRoot() + "res/cont.bmp");
    QVERIFY(!imgFile.isNull());
    const QColor cKey = imgFile.pixelColor(0, imgFile.height() - 1);
    QCOMPARE(fBtn(frm, "BtnContact")->iconSize(), imgFile.size());

    const QImage imgNormal = fBtn(frm, "BtnContact")->icon().pixmap(imgFile.size()).toImage();
    const QImage imgDisabled = fBtn(frm, "BtnContact")->icon().pixmap(imgFile.size(), QIcon::Disabled).toImage();
    int iKeyPixels = 0;
    int iColoured = 0;
    for (int y = 0; y < imgFile.height(); ++y)
        for (int x = 0; x < imgFile.width(); ++x) {
            const bool bKey = imgFile.pixelColor(x, y) == cKey;
            iKeyPixels += bKey;
            // every pixel of the key colour is transparent, every other one opaque
            QCOMPARE(qAlpha(imgNormal.pixel(x, y)), bKey ? 0 : 255);
            const QColor c = imgDisabled.pixelColor(x, y);
            if (!bKey && (qAbs(c.red() - c.green()) > 24 || qAbs(c.green() - c.blue()) > 24))
                ++iColoured;
        }
    QVERIFY(iKeyPixels > 0);
    QCOMPARE(iColoured, 0); // the disabled look is grey
}

void TstFrmBase::missingBitmapIsReportedAndStartGoesOn()
{
    TEditorFixture fx;
    QVERIFY(QFile::remove(fx.fRoot() + "res/cont.bmp"));
    TFrmBase &frm = fx.pStart();
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
    QVERIFY2(fx.dialogs.asErrors.first().contains("cont.bmp"), qPrintable(fx.dialogs.asErrors.first()));
    // the window works: a project can be made
    fx.pNewProject("casa");
    QVERIFY(fProjectOpen());
    QVERIFY(fBtn(frm, "BtnContact")->isEnabled());
    QCOMPARE(fx.dialogs.asErrors.size(), 1);
}

void TstFrmBase::infoEntryDoesNothing()
{
    TEditorFixture fx;
    TFrmBase &frm = fx.pStart();
    fA(frm, "MnuAbout")->trigger();
    QVERIFY(fx.dialogs.asErrors.isEmpty() && fx.dialogs.asMessages.isEmpty());
    QVERIFY(!fProjectOpen());
}

void TstFrmBase::recentProjectsGuideAndAbout()
{
    TEditorFixture fx;
    const QString sSparito = fx.fRoot() + QStringLiteral("sparito/sparito.omb");
    fx.pWriteIni("[Options]\nIconSize=32\n[Recenti]\nProgetto1=" + sSparito.toUtf8() + "\n");
    TFrmBase &frm = fx.pStart();

    // with no project, the welcome stands in the canvas's place; each button does what its menu entry does
    QWidget *pBenvenuto = fW<QWidget>(frm, "Benvenuto");
    QVERIFY(pBenvenuto->isVisible());
    QCOMPARE(pBenvenuto->geometry(), fW<QWidget>(frm, "PanelDx")->geometry());
    QCOMPARE(fW<QAbstractButton>(frm, "BenvNuovo")->text(), QStringLiteral("Nuovo progetto…"));
    QCOMPARE(fW<QAbstractButton>(frm, "BenvApri")->text(), QStringLiteral("Apri progetto…"));
    QCOMPARE(fW<QAbstractButton>(frm, "BenvImporta")->text(), QStringLiteral("Importa dal pannello…"));
    QVERIFY(!fW<QAbstractButton>(frm, "BenvRecente_1")->isEnabled()); // its file is gone
    QTest::mouseClick(fW<QAbstractButton>(frm, "BenvNuovo"), Qt::LeftButton);
    QCOMPARE(fx.dialogs.asInputCaptions, QStringList{QStringLiteral("Nome Progetto")});
    QTest::mouseClick(fW<QAbstractButton>(frm, "BenvApri"), Qt::LeftButton);
    QCOMPARE(fx.dialogs.asProjectStartDirs.size(), 1);
    QTest::mouseClick(fW<QAbstractButton>(frm, "BenvImporta"), Qt::LeftButton);
    QCOMPARE(fx.dialogs.asFolderTitles, QStringList{QStringLiteral("La cartella con maps.txt")});
    QVERIFY(!fProjectOpen());

    // the new entries come after the existing ones of their menus
    const QList<QAction *> aMenuProgetto =
        qobject_cast<QMenu *>(fW<QMenu>(frm, "MnuProgettiRecenti")->parent())->actions();
    QCOMPARE(aMenuProgetto.value(aMenuProgetto.indexOf(fA(frm, "MnuDocumentazionePdf")) + 1),
             fW<QMenu>(frm, "MnuProgettiRecenti")->menuAction());
    QCOMPARE(fW<QMenu>(frm, "MnuProgettiRecenti")->title(), QStringLiteral("Progetti recenti"));
    const QList<QAction *> aInfo = qobject_cast<QMenu *>(fA(frm, "MnuGuida")->parent())->actions();
    QCOMPARE(aInfo, (QList<QAction *>{fA(frm, "MnuAbout"), fA(frm, "MnuGuida"), fA(frm, "MnuInformazioni")}));

    // a project created heads the list; one whose file is gone stays, disabled
    fx.pNewProject(QStringLiteral("casa"));
    QVERIFY(fProjectOpen());
    const QString sCasa = frm.fDocument().fDatabase();
    fA(frm, "MnuChiudiProgetto")->trigger();
    emit fW<QMenu>(frm, "MnuProgettiRecenti")->aboutToShow();
    const QList<QAction *> aRecenti = fW<QMenu>(frm, "MnuProgettiRecenti")->actions();
    QCOMPARE(aRecenti.size(), 2);
    QCOMPARE(aRecenti.at(0)->text(), QStringLiteral("&1 ") + sCasa);
    QCOMPARE(aRecenti.at(1)->text(), QStringLiteral("&2 ") + sSparito);
    QVERIFY(aRecenti.at(0)->isEnabled());
    QVERIFY(!aRecenti.at(1)->isEnabled());
    aRecenti.at(0)->trigger();
    QVERIFY(fProjectOpen());
    QCOMPARE(frm.fDocument().fDatabase(), sCasa);
    QVERIFY(!pBenvenuto->isVisible());
    // closed again, the welcome lists it first, and one click opens it
    fA(frm, "MnuChiudiProgetto")->trigger();
    QVERIFY(pBenvenuto->isVisible());
    QCOMPARE(fW<QAbstractButton>(frm, "BenvRecente_1")->toolTip(), sCasa);
    QVERIFY(!fW<QAbstractButton>(frm, "BenvRecente_2")->isEnabled());
    QTest::mouseClick(fW<QAbstractButton>(frm, "BenvRecente_1"), Qt::LeftButton);
    QVERIFY(fProjectOpen());
    QCOMPARE(frm.fDocument().fDatabase(), sCasa);
    QVERIFY(!pBenvenuto->isVisible());

    // "Guida" (F1) opens the guide in its own window; the about box names the versions
    QCOMPARE(fA(frm, "MnuGuida")->shortcut(), QKeySequence(Qt::Key_F1));
    fA(frm, "MnuGuida")->trigger();
    QVERIFY(fW<QTextBrowser>(frm, "FrmGuida") && fW<QTextBrowser>(frm, "FrmGuida")->isVisible() &&
            fW<QTextBrowser>(frm, "FrmGuida")->isWindow());
    QVERIFY(fW<QTextBrowser>(frm, "FrmGuida")->toPlainText().contains(QStringLiteral("Aree di dettaglio (zoom)")));
    fA(frm, "MnuInformazioni")->trigger();
    QCOMPARE(fx.dialogs.asAboutTitles, QStringList{QStringLiteral("Informazioni su Ombrix")});
    for (const char *sz : {"Ombrix 160131-A", "Qt", qVersion(), "SQLite", "libjpeg-turbo", "LGPL"})
        QVERIFY2(fx.dialogs.asAboutTexts.constFirst().contains(QLatin1String(sz)), sz);
    QVERIFY(fx.dialogs.asErrors.isEmpty());

    // the list reaches ombrix.ini at exit, in its own section
    fx.pStop();
    QVERIFY(TEditorFixture::fReadAll(fx.fBin() + QStringLiteral("ombrix.ini"))
                .endsWith("[Recenti]\nProgetto1=" + sCasa.toUtf8() + "\nProgetto2=" + sSparito.toUtf8() + "\n"));
}

QTEST_MAIN(TstFrmBase)
#include "tst_frmbase.moc"
