#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;
class TCanvasControl;
class TFrmBase;

/**
 * Editing on the canvas: dragging icons, second-end markers and labels,
 * deleting a sensor, and the zoom navigation of a zoom marker.
 *
 * One drag at a time (the window's TDragState), shared by every canvas
 * control: a press starts it, the moves carry the control along (always
 * wholly inside the 480 x 272 canvas) and the release stores the position
 * through the document, as one step of its history. Barrier lines vanish at the first
 * movement of either end of a barrier and are drawn again at the release.
 * Store failures throw TOmbrixError; the control stays where it was dragged.
 */

/** Left and top of a control of the given size moved by (iDx, iDy), kept inside the canvas. */
QPoint fLimitedPos(const QPoint &topLeft, const QSize &size, int iDx, int iDy);

void ControlMouseDown(TFrmBase &frm, const QPoint &pos);
void ControlMouseMove(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos);
/** Ends the drag and stores the control's position; runs inside the window's error boundary. */
void ControlMouseUp(TFrmBase &frm, TCanvasControl *pControl, const QPoint &pos);

/** Deletes the sensor of an icon: its row, and with it its icon, second end and label. */
void MnuEliminaSensoreClick(TFrmBase &frm, QWidget *pIcon);

/** Double click on a zoom marker: queues the navigation, which must not run inside the marker's own event. */
void ZoomClick(TFrmBase &frm, QWidget *pMarker);
/** Double click on a sensor's icon: queues its properties, which may rebuild the icon. */
void ProprietaClick(TFrmBase &frm, QWidget *pIcon);
/** The queued navigation: ends the drag the double click started and shows the marker's detail area. */
void KillControl(TFrmBase &frm, const QString &sMarkerName);
