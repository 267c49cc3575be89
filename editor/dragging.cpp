#include "editor/dragging.h"

#include "editor/canvascontrols.h"
#include "editor/frmbase.h"
#include "model/catalogo.h"
#include "model/labelstore.h"
#include "model/sensorstore.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

namespace
{

const int iCanvasWidth = 480;
const int iCanvasHeight = 272;

bool bDragCursor = false; // the size-all pointer is shown for the drag in progress

void pRestoreCursor()
{
    if (bDragCursor) {
        QApplication::restoreOverrideCursor();
        bDragCursor = false;
    }
}

bool fIsLabel(const QWidget *pControl)
{
    return pControl->objectName().startsWith(QStringLiteral("Testo_"));
}

} // namespace

QPoint fLimitedPos(const QPoint &topLeft, const QSize &size, int iDx, int iDy)
{
    const int iXLimit = iCanvasWidth - size.width();
    const int iYLimit = iCanvasHeight - size.height();
    int iLeft = topLeft.x() + iDx;
    if (iLeft < 0)
        iLeft = 0;
    if (iLeft > iXLimit)
        iLeft = iXLimit;
    int iTop = topLeft.y() + iDy;
    if (iTop < 0)
        iTop = 0;
    if (iTop > iYLimit)
        iTop = iYLimit;
    return {iLeft, iTop};
}

void ControlMouseDown(const QPoint &pos)
{
    DragEnabled = true;
    MouseDownPos = pos;
    bGlobMouseDown = true;
}

void ControlMouseMove(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos)
{
    if (!DragEnabled)
        return;
    if (!bDragCursor) {
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        bDragCursor = true;
    }
    if (pControl->objectName().startsWith(QStringLiteral("Barriera_")) && bGlobMouseDown) {
        frm.pWipeBlines();
        bGlobMouseDown = false;
    }
    pControl->move(
        fLimitedPos(pControl->pos(), pControl->size(), pos.x() - MouseDownPos.x(), pos.y() - MouseDownPos.y()));
}

void ControlMouseUp(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos)
{
    if (!DragEnabled)
        return;
    pRestoreCursor();
    pControl->releaseMouse();
    DragEnabled = false;

    const QPoint final =
        fLimitedPos(pControl->pos(), pControl->size(), pos.x() - MouseDownPos.x(), pos.y() - MouseDownPos.y());
    // The control shows the position that is stored, even when the release lands off the last move.
    pControl->move(final);
    if (fIsLabel(pControl)) {
        // Stored exactly, 0 included, so that a reload shows the label where it was left.
        pStoreLabelPlace(fName2Id(pControl->objectName()).toLongLong(), final.x(), final.y(), pControl->text());
    } else {
        pUpdateSensorInDb(pControl->objectName(), final.x(), final.y(), pControl->fMark());
    }
    if (frm.fSelectedAreaId() != 0)
        frm.pDrawBline(QString::number(frm.fSelectedAreaId()));
}

void MnuEliminaSensoreClick(TFrmBase &frm, QWidget *pIcon)
{
    const QString sName = pIcon->objectName();
    const QString sId = fName2Id(sName);
    if (fDeleteSensorFromDb(sId) <= 0)
        return;
    QWidget *pPanel = pIcon->parentWidget();
    delete pIcon;
    if (sName.startsWith(QStringLiteral("Barriera_")))
        delete fFindPlaced(pPanel, sName + QStringLiteral("_"));
    delete fFindPlaced(pPanel, QStringLiteral("Testo_") + sId);
    frm.pRepaintAll();
}

void ZoomClick(TFrmBase &frm, QWidget *pMarker)
{
    const QString sName = pMarker->objectName();
    TFrmBase *pFrm = &frm;
    QMetaObject::invokeMethod(
        &frm, [pFrm, sName] { KillControl(*pFrm, sName); }, Qt::QueuedConnection);
}

void KillControl(TFrmBase &frm, const QString &sMarkerName)
{
    DragEnabled = false;
    pRestoreCursor();
    frm.pRunCommand([&] { frm.pSelectNodeById(fName2Area(sMarkerName)); });
}
