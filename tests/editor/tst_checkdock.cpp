// The project check and the I/O cross-reference in the window: the docks
// opened from the "Progetto" menu, on a real project, with real mouse events.

#include "tst_placement_helpers.h"

#include "check/riferimentiio.h"
#include "check/verifica.h"
#include "editor/checkdock.h"
#include "editor/iodock.h"

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

namespace {

/** The row of the "Verifica" dock with code sCodice about object iId; -1 when there is none. */
int fRigaVerifica(TFrmBase &frm, const QString &sCodice, int iId)
{
    const QTableWidget *pTb = fW<QTableWidget>(frm, "TbVerifica");
    for (int i = 0; i < pTb->rowCount(); ++i)
        if (pTb->item(i, 3)->toolTip() == sCodice && pTb->item(i, 2)->text() == QString::number(iId))
            return i;
    return -1;
}

} // namespace

class TstCheckDock : public QObject
{
    Q_OBJECT

private slots:
    void offPanelLabelListedShownAndGoneOnceDraggedInside();
    void ioDockListsFiltersMarksAndExports();
    void bothDocksOpenFollowEachStepRowForRow();
};

void TstCheckDock::offPanelLabelListedShownAndGoneOnceDraggedInside()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const qint64 iBase = frm.fDocument().fAreaMostrata();
    const int iId = fContactWithLabel(fx, QStringLiteral("Porta"));
    // the label sticks out of the left edge: the visible part can still be taken with the mouse
    fx.pExec(QStringLiteral("update tbsensori set CoordXt = -5 where _id = %1").arg(iId));
    frm.fDocument().pRileggi();
    pAddWithButton(fx, fBtn(frm, "BtnNewArea"), QStringLiteral("Piano primo"));
    QVERIFY(frm.fDocument().fAreaMostrata() != iBase);

    QVERIFY(fA(frm, "MnuVerificaProgetto")->isEnabled());
    const QSize canvasPrima = frm.centralWidget()->size();
    fA(frm, "MnuVerificaProgetto")->trigger();
    QVERIFY(fW<TCheckDock>(frm, "DockVerifica")->isVisible());
    QVERIFY(!fW<TCheckDock>(frm, "DockVerifica")->isFloating());
    QCOMPARE(frm.centralWidget()->size(), canvasPrima); // the window grew instead
    const int iRow = fRigaVerifica(frm, QStringLiteral("fuori-pannello"), iId);
    QVERIFY(iRow >= 0);
    QVERIFY(fW<QTableWidget>(frm, "TbVerifica")->item(iRow, 3)->text().contains(QStringLiteral("\"Porta\"")));
    QVERIFY(fW<QLabel>(frm, "LblVerifica")->isVisible());
    QVERIFY(fW<QLabel>(frm, "LblVerifica")->text().startsWith(QStringLiteral("1 errori, ")));

    QTableWidget *pTb = fW<QTableWidget>(frm, "TbVerifica");
    const QRect rect = pTb->visualItemRect(pTb->item(iRow, 3));
    QTest::mouseDClick(pTb->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(frm.fDocument().fAreaMostrata(), iBase);
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), iBase);
    QCOMPARE(fSelezionatoId(frm), iId);

    QWidget *pLabel = fPlaced(frm, QStringLiteral("Testo_%1").arg(iId));
    QVERIFY(pLabel);
    QCOMPARE(pLabel->x(), -5);
    pDrag(frm, pLabel, QPoint(10, 3), {QPoint(10, 0), QPoint(20, 0)});
    QCOMPARE(fColumn(fx, iId, "CoordXt"), 15);
    QTRY_COMPARE(fRigaVerifica(frm, QStringLiteral("fuori-pannello"), iId), -1);
    QVERIFY(fW<QLabel>(frm, "LblVerifica")->text().startsWith(QStringLiteral("0 errori, ")));

    // undo puts the finding back; closing the dock takes the count off the status bar
    fA(frm, "MnuAnnulla")->trigger();
    QTRY_VERIFY(fRigaVerifica(frm, QStringLiteral("fuori-pannello"), iId) >= 0);
    fW<TCheckDock>(frm, "DockVerifica")->close();
    QVERIFY(!fW<QLabel>(frm, "LblVerifica")->isVisible());
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstCheckDock::ioDockListsFiltersMarksAndExports()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    const qint64 iBase = frm.fDocument().fAreaMostrata();
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    pAddWithButton(fx, fBtn(frm, "BtnNewArea"), QStringLiteral("Piano primo"));
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    fA(frm, "MnuIngressiUscite")->trigger();
    TIoDock &dock = *fW<TIoDock>(frm, "DockIngressiUscite");
    QTableView *pTbIo = fW<QTableView>(frm, "TbIo");
    auto *pFiltro = qobject_cast<QSortFilterProxyModel *>(pTbIo->model());
    auto *pModello = qobject_cast<QStandardItemModel *>(pFiltro->sourceModel());
    QLabel *pLiberi = fW<QLabel>(frm, "LblLiberi");
    QLineEdit *pEdtFiltro = fW<QLineEdit>(frm, "EdtFiltro");
    QVERIFY(dock.isVisible());
    QCOMPARE(pFiltro->rowCount(), 2);

    // an edit while the dock is open shows up in it
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"));
    QTRY_COMPARE(pFiltro->rowCount(), 3);
    // input 7 lies in two areas: bold; inputs 1-6 are free
    for (int i = 0; i < pModello->rowCount(); ++i)
        QCOMPARE(pModello->item(i, 1)->font().bold(), pModello->item(i, 0)->text() == "ingresso");
    QVERIFY(pLiberi->text().contains(QStringLiteral("Ingressi liberi: 1-6")));
    QVERIFY(pLiberi->text().contains(QStringLiteral("Uscite libere: 1-2")));

    QTest::keyClicks(pEdtFiltro, QStringLiteral("Piano primo"));
    QCOMPARE(pFiltro->rowCount(), 2);
    pEdtFiltro->clear();
    // a click on a row shows its area
    pTbIo->sortByColumn(3, Qt::AscendingOrder); // by area: the base area first
    QTest::mouseClick(pTbIo->viewport(), Qt::LeftButton, {}, pTbIo->visualRect(pFiltro->index(0, 3)).center());
    QCOMPARE(frm.fDocument().fAreaMostrata(), iBase);

    const QString sCsv = fx.fRoot() + QStringLiteral("io.csv");
    fx.dialogs.asSaveFiles << sCsv;
    QTest::mouseClick(fW<QPushButton>(frm, "BtnEsportaCsv"), Qt::LeftButton);
    QCOMPARE(TEditorFixture::fReadAll(sCsv), fCsvIo(fRiferimentiIo(fProjectConn())));
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

void TstCheckDock::bothDocksOpenFollowEachStepRowForRow()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    auto *pVerifica = frm.findChild<QDockWidget *>(QStringLiteral("DockVerifica"));
    auto *pIo = frm.findChild<QDockWidget *>(QStringLiteral("DockIngressiUscite"));
    fA(frm, "MnuVerificaProgetto")->trigger();
    fA(frm, "MnuIngressiUscite")->trigger();
    frm.splitDockWidget(pVerifica, pIo, Qt::Horizontal);
    pVerifica->show();
    pIo->show();
    QVERIFY(pVerifica->isVisible() && pIo->isVisible());
    const auto *pTb = pVerifica->findChild<QTableWidget *>(QStringLiteral("TbVerifica"));
    const auto *pModello =
        qobject_cast<QSortFilterProxyModel *>(pIo->findChild<QTableView *>(QStringLiteral("TbIo"))->model())
            ->sourceModel();
    // what each dock shows, and what a whole check of the database finds
    const auto fMostrate = [&] {
        QStringList as;
        for (int i = 0; i < pTb->rowCount(); ++i)
            as << pTb->item(i, 1)->text() + QLatin1Char('|') + pTb->item(i, 2)->text() + QLatin1Char('|') +
                      pTb->item(i, 3)->text();
        for (int i = 0; i < pModello->rowCount(); ++i) {
            QStringList asCelle;
            for (int c = 0; c < pModello->columnCount(); ++c)
                asCelle << pModello->index(i, c).data().toString();
            as << asCelle.join(QLatin1Char('|')) + (pModello->index(i, 1).data(Qt::FontRole).value<QFont>().bold()
                                                        ? QStringLiteral(" bold")
                                                        : QString());
        }
        return as;
    };
    const auto fAttese = [&] {
        QStringList as;
        for (const TFinding &f : fVerificaProgetto(fProjectConn(), fProjectRoot())) {
            const TAreaRow *pArea = frm.fDocument().fArea(f.iAreaId);
            as << QStringLiteral("%1 %2|%3|%4")
                      .arg(f.iAreaId)
                      .arg(pArea->sNome, f.iOggettoId ? QString::number(*f.iOggettoId) : QString(), f.sMessaggio);
        }
        const QList<TRigaIo> aRighe = fRiferimentiIo(fProjectConn());
        const QList<qint64> aIngressi = fNumeriInPiuAree(aRighe, TClasseIo::Ingresso);
        for (const TRigaIo &r : aRighe)
            as << QStringList{fNomeClasseIo(r.eClasse),
                              QString::number(r.iNumero),
                              r.sTipo,
                              QStringLiteral("%1 %2").arg(r.iAreaId).arg(r.sArea),
                              QString::number(r.iSensoreId),
                              r.sTesto}
                          .join(QLatin1Char('|')) +
                      (r.eClasse == TClasseIo::Ingresso && aIngressi.contains(r.iNumero) ? QStringLiteral(" bold")
                                                                                         : QString());
        return as;
    };
    QTRY_COMPARE(fMostrate(), fAttese());
    // inputs 7 twice in one area, then once in another; an output; a move onto the keys; a delete; undo, redo
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    QTRY_COMPARE(fMostrate(), fAttese());
    pAddWithButton(fx, fBtn(frm, "BtnVolumetrico"), QStringLiteral("7"));
    const qint64 iSecondo = fLastSensorId(fx);
    QTRY_COMPARE(fMostrate(), fAttese());
    pAddWithButton(fx, fBtn(frm, "BtnNewArea"), QStringLiteral("Piano primo"));
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    pAddWithButton(fx, fBtn(frm, "BtnLampada"), QStringLiteral("3"));
    QTRY_COMPARE(fMostrate(), fAttese());
    frm.fDocument().pSpostaOggetto(fLastSensorId(fx), 0, QPoint(230, 8));
    QTRY_COMPARE(fMostrate(), fAttese());
    frm.fDocument().pMostraArea(1);
    frm.fDocument().pEliminaOggetto(iSecondo);
    QTRY_COMPARE(fMostrate(), fAttese());
    for (QAction *pPasso : {fA(frm, "MnuAnnulla"), fA(frm, "MnuAnnulla"), fA(frm, "MnuRipeti")}) {
        pPasso->trigger();
        QTRY_COMPARE(fMostrate(), fAttese());
    }
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

QTEST_MAIN(TstCheckDock)
#include "tst_checkdock.moc"
