#pragma once

#include <QLabel>
#include <QMenu>
#include <QPointer>

class TFrmBase;

/**
 * A control placed on the area canvas: a sensor icon, a barrier's second-end
 * marker or a text label. What it stands for is carried by its object name
 * (Radar_12_ingresso_5, Barriera_9_ingresso_3_, Testo_12) and, for pictures,
 * by the dynamic property "mark" (0 icon, 1 second end).
 *
 * Press, move and release drive the drag of the editing handlers; a double
 * click runs the zoom navigation when enabled; a context request opens the
 * control's pop-up menu, if any, remembering the control it was opened on.
 * The control itself holds no state of the drag.
 */
class TCanvasControl final : public QLabel
{
    Q_OBJECT

public:
    TCanvasControl(TFrmBase &frm, QWidget *pParent);

    int fMark() const;
    void pSetMark(int iMark);
    /** A label takes the size of its text as the panel's pages measure it (preview/disegno.h). */
    QSize sizeHint() const override;

    /** The menu opened by a right click; null for none. */
    QPointer<QMenu> pPopup;
    /** A double click leads to the zoom marker's detail area. */
    bool bZoomNavigation = false;

protected:
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent *pEvent) override;
    void contextMenuEvent(QContextMenuEvent *pEvent) override;
    /** A label's text or an icon's picture, painted as the panel's pages are (preview/disegno.h). */
    void paintEvent(QPaintEvent *pEvent) override;

private:
    TFrmBase &m_frm;
};

/** The canvas control the last pop-up menu was opened on (null once it is destroyed). */
QWidget *fPopupControl();

/** Connects the entries of the icon and label pop-up menus to their commands; the window does it once. */
void pConnectCanvasCommands(TFrmBase &frm);

/** The placed control named sName on the canvas panel, or null. */
QWidget *fFindPlaced(QWidget *pPanel, const QString &sName);

/** Trims spaces and control characters from both ends of a typed answer. */
QString fTrimTyped(const QString &sText);
