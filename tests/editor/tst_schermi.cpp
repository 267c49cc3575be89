// The window on the screen it is given: a desktop monitor, a 1024 x 600
// laptop, and 1600 x 1000 at QT_SCALE_FACTOR=2 (ctest runs this test on each,
// through the offscreen platform's screen configuration). With both docks
// open the whole window stays on the screen, the status bar keeps its place,
// and the page scrolls instead of being cut off.

#include "tst_placement_helpers.h"

#include <QDockWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

class TstSchermi : public QObject
{
    Q_OBJECT

private slots:
    void windowFitsTheScreenWithBothDocksOpen();
};

void TstSchermi::windowFitsTheScreenWithBothDocksOpen()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const QScreen *pScreen = frm.screen();
    const QRect disponibile = pScreen->availableGeometry();
    qInfo("screen %dx%d, %g device pixels per pixel", disponibile.width(), disponibile.height(),
          pScreen->devicePixelRatio());
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(frm.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    QVERIFY2(disponibile.contains(frm.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(frm.frameGeometry().x())
                                                                       .arg(frm.frameGeometry().y())
                                                                       .arg(frm.frameGeometry().width())
                                                                       .arg(frm.frameGeometry().height())));

    fA(frm, "MnuVerificaProgetto")->trigger();
    fA(frm, "MnuIngressiUscite")->trigger();
    QCoreApplication::processEvents();
    for (const char *szDock : {"DockVerifica", "DockIngressiUscite"})
        QVERIFY2(!fW<QDockWidget>(frm, szDock)->isHidden(), szDock);
    QTRY_VERIFY(disponibile.contains(frm.frameGeometry()));
    QVERIFY(frm.width() <= disponibile.width() && frm.height() <= disponibile.height());
    const QSize minima = frm.minimumSizeHint().expandedTo(frm.minimumSize());
    QVERIFY(minima.width() <= disponibile.width() && minima.height() <= disponibile.height());

    // the status bar at the bottom of the right panel, whole, inside the window; the page's view above it
    auto *pBarra = fW<QStatusBar>(frm, "SbarAree");
    auto *pScroll = fW<QScrollArea>(frm, "ScrArea");
    const QRect rcBarra(pBarra->mapTo(&frm, QPoint(0, 0)), pBarra->size());
    const QRect rcVista(pScroll->mapTo(&frm, QPoint(0, 0)), pScroll->size());
    QVERIFY(pBarra->isVisible());
    QCOMPARE(pBarra->height(), 19);
    QVERIFY(frm.rect().contains(rcBarra));
    QVERIFY(rcVista.bottom() < rcBarra.top());
    // the docks give way on a small screen: the page's view keeps at least a third of the window
    QVERIFY2(rcVista.height() >= frm.height() / 3,
             qPrintable(QStringLiteral("%1 of %2").arg(rcVista.height()).arg(frm.height())));
    QVERIFY(!rcVista.intersects(rcBarra));

    // where the page does not fit, it scrolls: its far corner can be brought into sight
    TAreaCanvas &canvas = fCanvas(frm);
    QWidget *pViewport = pScroll->viewport();
    pScroll->horizontalScrollBar()->setValue(pScroll->horizontalScrollBar()->maximum());
    pScroll->verticalScrollBar()->setValue(pScroll->verticalScrollBar()->maximum());
    QVERIFY(pViewport->rect().contains(canvas.mapTo(pViewport, QPoint(canvas.width() - 1, canvas.height() - 1))));
    pScroll->horizontalScrollBar()->setValue(0);
    pScroll->verticalScrollBar()->setValue(0);
    QVERIFY(pViewport->rect().contains(canvas.mapTo(pViewport, QPoint(0, 0))));

    // and at 400 % the same holds
    fA(frm, "MnuZoom400")->trigger();
    QVERIFY(disponibile.contains(frm.frameGeometry()));
    QVERIFY(pScroll->horizontalScrollBar()->maximum() > 0 && pScroll->verticalScrollBar()->maximum() > 0);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

QTEST_MAIN(TstSchermi)
#include "tst_schermi.moc"
