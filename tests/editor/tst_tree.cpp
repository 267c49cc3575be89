// The area tree: its fill and colours, what a change of selection shows,
// the three selection operations, the pop-up menu's enabling, rename and
// the delete of a detail area.

#include "editorfixture.h"

#include "document/projectdocument.h"

#include "editor/frmbase.h"
#include "workspace/uty.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

class TstTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fillOrderAndColours();
    void selectionShowsTheArea();
    void selectionOperations();
    void popupEnabling();
    void clicksBesideTheNodesLeaveItSelected();
    void renameWithCancelledPrompt();
    void renameStoresTheAnswer();
    void deleteDetailArea();
    void addBaseArea();
    void nothingSelectedAfterDeleteAlsoWithRealFocus();

private:
    /** casa(1) with Cucina(2) under it, Garage(3); a barrier and a lamp on area 2. */
    void pMakeProject();
    QTreeWidgetItem *fNode(int iId) const;

    std::unique_ptr<TEditorFixture> m_pFx;
    TFrmBase *m_pFrm = nullptr;
};

void TstTree::init()
{
    m_pFx = std::make_unique<TEditorFixture>();
    m_pFrm = &m_pFx->pStart();
    pMakeProject();
}

void TstTree::cleanup()
{
    m_pFx.reset();
    m_pFrm = nullptr;
}

void TstTree::pMakeProject()
{
    TEditorFixture &fx = *m_pFx;
    fx.pNewProject("casa");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (3, 0, 0, \"Garage\", 0)");
    fx.pExec("insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (2, 1, 1, \"Cucina\", 0)");
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "CoordX2, CoordY2, Orientamento) values (2, 0, 5, 16, 4, 223, 119, 253, 123, 0)");
    fx.pExec("insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, "
             "Orientamento) values (2, 0, 2, 32, 6, 40, 50, 0)");
    TEditorFixture::pWriteJpeg(fProjectRoot() + "areas/img_2.jpg", 480, 272, QColor(0, 160, 0));
    m_pFrm->fDocument().pRileggi();
}

QTreeWidgetItem *TstTree::fNode(int iId) const
{
    for (QTreeWidgetItemIterator it(fW<QTreeWidget>(*m_pFrm, "TvAree")); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == iId)
            return *it;
    return nullptr;
}

void TstTree::fillOrderAndColours()
{
    QCOMPARE(m_pFx->fTreeTexts(), (QStringList{"casa", "  Cucina", "Garage"}));
    QVERIFY(fNode(1)->isExpanded());
    QCOMPARE(fAlbero(*m_pFrm).fSelectedAreaId(), m_pFrm->fDocument().fAreaMostrata()); // the fill keeps the shown area
    QCOMPARE(fNode(1)->foreground(0).color(), QColor("#191970"));
    QCOMPARE(fNode(3)->foreground(0).color(), QColor("#191970"));
    QCOMPARE(fNode(2)->foreground(0).color(), QColor("#0000CD"));
    QVERIFY(fW<QTreeWidget>(*m_pFrm, "TvAree")->font().bold());
    QCOMPARE(fW<QTreeWidget>(*m_pFrm, "TvAree")->font().pixelSize(), 16);
    // and its bold is drawn bold, not by a fallback family of regular weight
    auto fInk = [](const QFont &font) {
        QImage img(220, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(5, 30, QStringLiteral("Garage Cucina"));
        p.end();
        int iInk = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                iInk += qGray(img.pixel(x, y)) < 128;
        return iInk;
    };
    QFont fontRegular = fW<QTreeWidget>(*m_pFrm, "TvAree")->font();
    fontRegular.setBold(false);
    QVERIFY2(
        fInk(fW<QTreeWidget>(*m_pFrm, "TvAree")->font()) > fInk(fontRegular) * 13 / 10,
        qPrintable(
            QStringLiteral("%1 vs %2").arg(fInk(fW<QTreeWidget>(*m_pFrm, "TvAree")->font())).arg(fInk(fontRegular))));
    QCOMPARE(fW<QTreeWidget>(*m_pFrm, "TvAree")->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TstTree::selectionShowsTheArea()
{
    TFrmBase &frm = *m_pFrm;
    const QImage imgBan1(sGlobGrfcPath + "ban1.png");
    const QImage imgBan2(sGlobGrfcPath + "ban2.png");
    QVERIFY(!imgBan1.isNull() && imgBan1 != imgBan2);

    fW<QTreeWidget>(frm, "TvAree")->setCurrentItem(fNode(2)); // as the user would
    QVERIFY2(m_pFx->dialogs.asErrors.isEmpty(), qPrintable(m_pFx->dialogs.asErrors.join('\n')));
    QVERIFY(!fBtn(frm, "BtnZoomIn")->isEnabled());
    QCOMPARE(fW<QLabel>(frm, "ImgBanner")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             imgBan2.convertToFormat(QImage::Format_ARGB32));
    const QImage imgBack = fW<QLabel>(frm, "Image_1")->pixmap().toImage();
    QCOMPARE(imgBack.size(), QSize(480, 272));
    QVERIFY(qAbs(QColor(imgBack.pixel(200, 200)).green() - 160) < 8);
    QCOMPARE(m_pFx->fPlacedNames(),
             (QStringList{"Barriera_1_ingresso_5_", "Barriera_1_ingresso_5", "Lampada_2_uscita_2"}));
    QCOMPARE(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines(), QList<QLine>{QLine(231, 127, 256, 126)});

    fW<QTreeWidget>(frm, "TvAree")->setCurrentItem(fNode(3)); // no picture: empty background, no message
    QVERIFY(m_pFx->dialogs.asErrors.isEmpty());
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
    QVERIFY(fW<QLabel>(frm, "Image_1")->pixmap().isNull());
    QCOMPARE(fW<QLabel>(frm, "ImgBanner")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             imgBan1.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(m_pFx->fPlacedNames().isEmpty());
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());

    // a banner that cannot be read stops the change there, with the file in the message
    QFile::remove(sGlobGrfcPath + "ban2.png");
    fW<QTreeWidget>(frm, "TvAree")->setCurrentItem(fNode(2));
    QCOMPARE(m_pFx->dialogs.asErrors.size(), 1);
    QVERIFY(m_pFx->dialogs.asErrors.first().contains("ban2.png"));
    QVERIFY(m_pFx->fPlacedNames().isEmpty());
    // the project stays open and workable
    QVERIFY(fProjectOpen());
    QVERIFY(fBtn(frm, "BtnNewArea")->isEnabled() && fA(frm, "MnuChiudiProgetto")->isEnabled());
    fW<QTreeWidget>(frm, "TvAree")->setCurrentItem(fNode(1));
    QCOMPARE(m_pFx->dialogs.asErrors.size(), 1);
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
}

void TstTree::selectionOperations()
{
    TFrmBase &frm = *m_pFrm;
    fAlbero(frm).pSelectNodeByLevel_Index(0, 1);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
    fAlbero(frm).pSelectNodeByLevel_Index(0, 2); // beyond the last: nothing changes
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
    fAlbero(frm).pSelectNodeByLevel_Index(1, 0);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 2);
    QCOMPARE(fAlbero(frm).fSelectedLevel(), 1);
    fAlbero(frm).pSelectNodeById("1");
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    fAlbero(frm).pSelectNodeById("99");
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    fAlbero(frm).pSelectNodeByName("Garage");
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
    fAlbero(frm).pSelectNodeByName("garage"); // case-sensitive
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);

    // two areas of the same name: the first in tree order
    m_pFx->pExec("update tbarea set NomeArea = \"Garage\" where _id = 2");
    frm.fDocument().pRileggi();
    fAlbero(frm).pSelectNodeByName("Garage");
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 2);
}

void TstTree::popupEnabling()
{
    TFrmBase &frm = *m_pFrm;
    QTreeWidget *pTv = fW<QTreeWidget>(frm, "TvAree");
    pTv->resize(249, 300);
    auto fCentre = [&](int iId) { return pTv->visualItemRect(fNode(iId)).center(); };

    QVERIFY(fAlbero(frm).fTvAreeContextPopup(fCentre(1))); // the first area, with details
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    QVERIFY(!fA(frm, "PopEliminaArea")->isEnabled());
    QVERIFY(fA(frm, "PopRinomina")->isEnabled());

    QVERIFY(fAlbero(frm).fTvAreeContextPopup(fCentre(2))); // a detail area
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 2);
    QVERIFY(fA(frm, "PopEliminaArea")->isEnabled());

    QVERIFY(fAlbero(frm).fTvAreeContextPopup(fCentre(3))); // a base area without details
    QVERIFY(fA(frm, "PopEliminaArea")->isEnabled());

    // a base area with a detail area under it
    m_pFx->pExec("update tbarea set father_id = 3 where _id = 2");
    frm.fDocument().pRileggi();
    QVERIFY(fAlbero(frm).fTvAreeContextPopup(fCentre(3)));
    QVERIFY(!fA(frm, "PopEliminaArea")->isEnabled());

    // empty space: no menu, selection kept
    QVERIFY(!fAlbero(frm).fTvAreeContextPopup(QPoint(10, pTv->viewport()->height() - 5)));
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);

    // a right click on a node opens the menu there; the keyboard's menu key opens none
    QContextMenuEvent evMouse(QContextMenuEvent::Mouse, fCentre(1), pTv->viewport()->mapToGlobal(fCentre(1)));
    QCoreApplication::sendEvent(pTv->viewport(), &evMouse);
    QTRY_VERIFY(fW<QMenu>(frm, "PopTv")->isVisible());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    fW<QMenu>(frm, "PopTv")->hide();
    fAlbero(frm).pSelectNodeById("3");
    QContextMenuEvent evKey(QContextMenuEvent::Keyboard, fCentre(1), pTv->viewport()->mapToGlobal(fCentre(1)));
    QCoreApplication::sendEvent(pTv->viewport(), &evKey);
    QCoreApplication::sendEvent(pTv, &evKey);
    QCoreApplication::processEvents();
    QVERIFY(!fW<QMenu>(frm, "PopTv")->isVisible());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
}

void TstTree::clicksBesideTheNodesLeaveItSelected()
{
    TFrmBase &frm = *m_pFrm;
    QTreeWidget *pTv = fW<QTreeWidget>(frm, "TvAree");
    pTv->resize(249, 300);
    QWidget *pViewport = pTv->viewport();
    const QPoint ptEmpty(10, pViewport->height() - 5);
    QVERIFY(!pTv->itemAt(ptEmpty));
    QTest::mouseClick(pViewport, Qt::LeftButton, {}, pTv->visualItemRect(fNode(3)).center());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
    QVERIFY(fNode(3)->isSelected());

    // a left or right click on empty space, or Ctrl and a click on the node itself: the shown area stays selected
    QTest::mouseClick(pViewport, Qt::LeftButton, {}, ptEmpty);
    QVERIFY(fNode(3)->isSelected());
    QTest::mouseClick(pViewport, Qt::RightButton, {}, ptEmpty);
    QVERIFY(fNode(3)->isSelected());
    QVERIFY(!fW<QMenu>(frm, "PopTv")->isVisible());
    QTest::mouseClick(pViewport, Qt::LeftButton, Qt::ControlModifier, pTv->visualItemRect(fNode(3)).center());
    QVERIFY(fNode(3)->isSelected());
    QCOMPARE(pTv->selectedItems().size(), 1);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 3);
    QVERIFY(m_pFx->dialogs.asErrors.isEmpty());
}

void TstTree::renameWithCancelledPrompt()
{
    TFrmBase &frm = *m_pFrm;
    fAlbero(frm).pSelectNodeById("2");
    fA(frm, "PopRinomina")->trigger(); // no answer queued: the prompt is cancelled
    QCOMPARE(m_pFx->dialogs.asInputCaptions.last(), QStringLiteral("Nome Area?"));
    QCOMPARE(m_pFx->dialogs.asInputPrompts.last(), QStringLiteral("Nome Area?"));
    QCOMPARE(m_pFx->dialogs.asInputDefaults.last(), QStringLiteral("Cucina"));
    QCOMPARE(fNode(2)->text(0), QStringLiteral("Cucina"));
    QCOMPARE(m_pFx->fQueryInt("select count(*) from tbarea where _id = 2 and NomeArea = \"Cucina\""), 1);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 2);

    m_pFx->dialogs.aInputAnswers << QString(); // empty: nothing happens
    fA(frm, "PopRinomina")->trigger();
    QCOMPARE(fNode(2)->text(0), QStringLiteral("Cucina"));
    QVERIFY(m_pFx->dialogs.asErrors.isEmpty());
}

void TstTree::renameStoresTheAnswer()
{
    TFrmBase &frm = *m_pFrm;
    fAlbero(frm).pSelectNodeById("2");
    QTreeWidgetItem *pNode = fNode(2);
    m_pFx->dialogs.aInputAnswers << QStringLiteral(" Sala \"grande\" ");
    fA(frm, "PopRinomina")->trigger();
    QVERIFY(m_pFx->dialogs.asErrors.isEmpty());
    QCOMPARE(pNode->text(0), QStringLiteral(" Sala \"grande\" ")); // same node: no refill
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 2);
    QCOMPARE(pNode->foreground(0).color(), QColor("#0000CD"));
    frm.fDocument().pRileggi();
    QCOMPARE(fNode(2)->text(0), QStringLiteral(" Sala \"grande\" "));
}

void TstTree::deleteDetailArea()
{
    TFrmBase &frm = *m_pFrm;
    fAlbero(frm).pSelectNodeById("2");
    QVERIFY(!m_pFx->fPlacedNames().isEmpty());
    fA(frm, "PopEliminaArea")->trigger();
    QVERIFY2(m_pFx->dialogs.asErrors.isEmpty(), qPrintable(m_pFx->dialogs.asErrors.join('\n')));
    QCOMPARE(m_pFx->fTreeTexts(), (QStringList{"casa", "Garage"}));
    QCOMPARE(m_pFx->fQueryInt("select count(*) from tbsensori where area_id = 2"), 0);
    QVERIFY(m_pFx->fPlacedNames().isEmpty());
    QVERIFY(fW<TCanvasOverlay>(frm, "ImgCanvas")->fLines().isEmpty());

    // the tree taking the focus makes its first node current without selecting it:
    // that node is then selected and its area shown, never one without the other
    fW<QTreeWidget>(frm, "TvAree")
        ->selectionModel()
        ->setCurrentIndex(fW<QTreeWidget>(frm, "TvAree")->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    QVERIFY(fW<QTreeWidget>(frm, "TvAree")->currentItem()->isSelected());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 1);
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
}

void TstTree::addBaseArea()
{
    TFrmBase &frm = *m_pFrm;
    m_pFx->dialogs.aInputAnswers << QStringLiteral("Soffitta");
    fBtn(frm, "BtnNewArea")->click();
    QVERIFY2(m_pFx->dialogs.asErrors.isEmpty(), qPrintable(m_pFx->dialogs.asErrors.join('\n')));
    QCOMPARE(m_pFx->dialogs.asInputPrompts.last(), QStringLiteral("Nome Area?"));
    QCOMPARE(m_pFx->fTreeTexts(), (QStringList{"casa", "  Cucina", "Garage", "Soffitta"}));
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 4);
    QVERIFY(fBtn(frm, "BtnZoomIn")->isEnabled());
}

void TstTree::nothingSelectedAfterDeleteAlsoWithRealFocus()
{
    TFrmBase &frm = *m_pFrm;
    fAlbero(frm).pSelectNodeById("2");
    fA(frm, "PopEliminaArea")->trigger();
    const QString sCounts = "select (select count(*) from tbarea) * 1000 + (select count(*) from tbsensori)";
    const int iCounts = m_pFx->fQueryInt(sCounts);

    // the tree gets the keyboard focus of the active window, then a menu opens and closes over it
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    fW<QTreeWidget>(frm, "TvAree")->clearFocus();
    fW<QTreeWidget>(frm, "TvAree")->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(fW<QTreeWidget>(frm, "TvAree")->hasFocus());
    QMenu *pMenu = frm.menuBar()->actions().first()->menu();
    pMenu->popup(frm.mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(pMenu->isVisible());
    QTest::keyClick(pMenu, Qt::Key_Escape);
    QTRY_VERIFY(!pMenu->isVisible());
    QTRY_VERIFY(fW<QTreeWidget>(frm, "TvAree")->hasFocus());
    QTest::qWait(50);

    QVERIFY(!fW<QTreeWidget>(frm, "TvAree")->currentItem());
    QVERIFY(fW<QTreeWidget>(frm, "TvAree")->selectedItems().isEmpty());
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), 0);
    QVERIFY(m_pFx->fPlacedNames().isEmpty());
    QVERIFY(fW<QLabel>(frm, "Image_1")->pixmap().isNull());
    QCOMPARE(m_pFx->fTreeTexts(), (QStringList{"casa", "Garage"}));
    QCOMPARE(m_pFx->fQueryInt(sCounts), iCounts);
    QVERIFY(m_pFx->dialogs.asErrors.isEmpty());
}

QTEST_MAIN(TstTree)
#include "tst_tree.moc"
