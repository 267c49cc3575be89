#pragma once

#include <QLine>
#include <QList>
#include <QPixmap>
#include <QWidget>

/**
 * The top layer of the area canvas. It has no picture of its own and lets
 * every mouse event through; it shows the barrier lines it was last given,
 * anti-aliased, in (91, 110, 216), 1 pixel wide, a line at whole coordinates
 * covering the pixels at those coordinates. Above them it frames the
 * selected controls and draws the rubber band of a selection being drawn.
 */
class TCanvasOverlay final : public QWidget
{
    Q_OBJECT

public:
    explicit TCanvasOverlay(QWidget *pParent);

    void pSetLines(const QList<QLine> &aLines);
    const QList<QLine> &fLines() const { return m_aLines; }
    /** The frame around the selected control (its geometry); an empty rectangle for none. */
    void pSetCornice(const QRect &rc);
    const QRect &fCornice() const { return m_rcCornice; }
    /** The frames of the other selected controls, besides the one of pSetCornice. */
    void pSetAltreCornici(const QList<QRect> &aRect);
    const QList<QRect> &fAltreCornici() const { return m_aAltreCornici; }
    /** The rubber band being drawn; an empty rectangle for none. */
    void pSetBanda(const QRect &rc);
    const QRect &fBanda() const { return m_rcBanda; }

protected:
    void paintEvent(QPaintEvent *pEvent) override;

private:
    QList<QLine> m_aLines;
    QRect m_rcCornice;
    QList<QRect> m_aAltreCornici;
    QRect m_rcBanda;
};

/** Decodes a picture file; throws TOmbrixError with the file's path and the decoder's message. */
QPixmap fReadPicture(const QString &sPath);
/** An installation picture (an icon, the second-end marker) as fReadPicture gives it, decoded once and kept
 *  while the file stays the same (size and time of change): an area shows the same few icons many times. */
QPixmap fReadIcon(const QString &sPath);

/** The control-name prefixes of everything placed on the canvas (icons, markers, labels). */
bool fIsPlacedControlName(const QString &sName);
