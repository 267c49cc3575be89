// Undo and redo on the real window, with real mouse and keyboard events:
// a run of edits taken back with Ctrl+Z to the start and done again with
// Ctrl+Y, the database, the area pictures and the canvas compared each step.

#include "tst_placement_helpers.h"

#include "document/projectdocument.h"
#include "editor/fontdialog.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

/** Both tables row by row (typed, NULL apart from empty text) and a hash of every area picture. */
QStringList fDump(TFrmBase &frm)
{
    QStringList as;
    TSqlConn conn;
    conn.pOpen(frm.fDocument().fDatabase(), false, true);
    for (const QString &sTab : {QStringLiteral("tbarea"), QStringLiteral("tbsensori")}) {
        TSqlQuery q = conn.fQuery(QStringLiteral("SELECT * FROM ") + sTab + QStringLiteral(" ORDER BY _id"));
        while (q.fNext()) {
            QStringList asCampi;
            for (int i = 0; i < q.fColumnCount(); ++i) {
                const QVariant v = q.fValue(i);
                asCampi << (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + v.toString());
            }
            as << sTab + QLatin1Char(' ') + asCampi.join(QLatin1Char('|'));
        }
    }
    const QDir aree(frm.fDocument().fRootPrj() + QStringLiteral("areas"));
    for (const QString &sFile : aree.entryList(QDir::Files, QDir::Name))
        as << sFile + QLatin1Char(' ') +
                  QString::fromLatin1(QCryptographicHash::hash(TEditorFixture::fReadAll(aree.filePath(sFile)),
                                                               QCryptographicHash::Sha256)
                                          .toHex());
    return as;
}

/** What the canvas shows: the selected area, and each placed control with its position (and a label's text). */
QStringList fMostrato(TEditorFixture &fx)
{
    QStringList as{QStringLiteral("area %1").arg(fAlbero(fx.frm()).fSelectedAreaId())};
    for (const QString &sName : fx.fPlacedNames()) {
        const QWidget *p = fPlaced(fx.frm(), sName);
        const auto *pLabel = qobject_cast<const QLabel *>(p);
        as << QStringLiteral("%1 %2,%3 %4")
                  .arg(sName)
                  .arg(p->x())
                  .arg(p->y())
                  .arg(pLabel && pLabel->pixmap().isNull() ? pLabel->text() : QString());
    }
    as.sort();
    return as;
}

/** A key pressed on the window. The shortcuts belong to the active window: the offscreen platform leaves a
 *  closed pop-up menu active, where a real one gives the activation back to the window. */
void pTasto(TFrmBase &frm, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QApplication::setActiveWindow(&frm);
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTest::keyClick(&frm, key, modifiers);
}

} // namespace

class TstUndo : public QObject
{
    Q_OBJECT

private slots:
    void editsUndoneWithCtrlZAndRedoneWithCtrlY();
};

void TstUndo::editsUndoneWithCtrlZAndRedoneWithCtrlY()
{
    TEditorFixture fx;
    TFrmBase &frm = fStartWithProject(fx);
    QVERIFY(!fA(frm, "MnuAnnulla")->isEnabled() && !fA(frm, "MnuRipeti")->isEnabled());

    struct TPasso
    {
        QString sNome;
        QStringList asDb, asCanvas; // before the step
    };
    QList<TPasso> aPassi;
    const auto pPrima = [&](const QString &sNome) { aPassi << TPasso{sNome, fDump(frm), fMostrato(fx)}; };

    pPrima(QStringLiteral("inserimento oggetto"));
    pAddWithButton(fx, fBtn(frm, "BtnContact"), QStringLiteral("7"));
    const int iContatto = fLastSensorId(fx);
    const QString sContatto = QStringLiteral("Contatto_%1_ingresso_7").arg(iContatto);
    QVERIFY(fPlaced(frm, sContatto));

    pPrima(QStringLiteral("spostamento"));
    pDrag(frm, fPlaced(frm, sContatto), QPoint(10, 12), {QPoint(15, 5), QPoint(-60, 40)});
    QCOMPARE(fPlaced(frm, sContatto)->pos(), QPoint(163, 159));

    pPrima(QStringLiteral("aggiunta testo"));
    fx.dialogs.aInputAnswers << QStringLiteral("Porta");
    fx.dialogs.pOnFontDialog = [](TFrmFont &f) {
        f.SetDimensione(3);
        f.SetColore(5);
    };
    pPopupEntry(fPlaced(frm, sContatto), fW<QMenu>(frm, "popImg"), fA(frm, "MnuAggiungitesto"));
    QCOMPARE(fx.dialogs.iFontDialogs, 1);

    pPrima(QStringLiteral("nuova area"));
    fx.dialogs.aInputAnswers << QStringLiteral("Garage");
    QTest::mouseClick(fBtn(frm, "BtnNewArea"), Qt::LeftButton);
    const qint64 iGarage = frm.fDocument().fAreaMostrata();
    QCOMPARE(fAlbero(frm).fSelectedAreaId(), iGarage);

    pPrima(QStringLiteral("inserimento oggetto"));
    pAddWithButton(fx, fBtn(frm, "BtnBarriera"), QStringLiteral("3"));
    QCOMPARE(fx.fPlacedNames().size(), 2); // the icon and its second end

    pPrima(QStringLiteral("eliminazione area"));
    const QList<QTreeWidgetItem *> aNodi =
        fW<QTreeWidget>(frm, "TvAree")->findItems(QStringLiteral("Garage"), Qt::MatchRecursive);
    QCOMPARE(aNodi.size(), 1);
    QVERIFY(fAlbero(frm).fTvAreeContextPopup(fW<QTreeWidget>(frm, "TvAree")->visualItemRect(aNodi.first()).center()));
    fW<QMenu>(frm, "PopTv")->hide();
    fA(frm, "PopEliminaArea")->trigger();
    QVERIFY(!frm.fDocument().fArea(iGarage));
    QVERIFY(fx.dialogs.asErrors.isEmpty());

    const QStringList asFineDb = fDump(frm);
    const QStringList asFineCanvas = fMostrato(fx);
    QVERIFY(!fA(frm, "MnuRipeti")->isEnabled());

    for (qsizetype i = aPassi.size() - 1; i >= 0; --i) {
        QVERIFY(fA(frm, "MnuAnnulla")->isEnabled());
        QCOMPARE(fA(frm, "MnuAnnulla")->text(), QStringLiteral("Annulla ") + aPassi.at(i).sNome);
        pTasto(frm, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fDump(frm), aPassi.at(i).asDb);
        QCOMPARE(fMostrato(fx), aPassi.at(i).asCanvas);
        QVERIFY(fA(frm, "MnuRipeti")->isEnabled());
        QCOMPARE(fA(frm, "MnuRipeti")->text(), QStringLiteral("Ripeti ") + aPassi.at(i).sNome);
    }
    QVERIFY(!fA(frm, "MnuAnnulla")->isEnabled());
    QVERIFY(fx.dialogs.asErrors.isEmpty());

    for (qsizetype i = 0; i < aPassi.size(); ++i) {
        QVERIFY(fA(frm, "MnuRipeti")->isEnabled());
        if (i % 2)
            pTasto(frm, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            pTasto(frm, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(fA(frm, "MnuAnnulla")->text(), QStringLiteral("Annulla ") + aPassi.at(i).sNome);
        if (i + 1 < aPassi.size()) {
            QCOMPARE(fDump(frm), aPassi.at(i + 1).asDb);
            QCOMPARE(fMostrato(fx), aPassi.at(i + 1).asCanvas);
        }
    }
    QVERIFY(!fA(frm, "MnuRipeti")->isEnabled());
    QCOMPARE(fDump(frm), asFineDb);
    QCOMPARE(fMostrato(fx), asFineCanvas);
    QVERIFY(fx.dialogs.asErrors.isEmpty());
}

QTEST_MAIN(TstUndo)
#include "tst_undo.moc"
