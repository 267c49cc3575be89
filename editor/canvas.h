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
 * selected control.
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

protected:
    void paintEvent(QPaintEvent *pEvent) override;

private:
    QList<QLine> m_aLines;
    QRect m_rcCornice;
};

/** Decodes a picture file; throws TOmbrixError with the file's path and the decoder's message. */
QPixmap fReadPicture(const QString &sPath);
/** An installation picture (an icon, the second-end marker) as fReadPicture gives it, decoded once and kept
 *  while the file stays the same (size and time of change): an area shows the same few icons many times. */
QPixmap fReadIcon(const QString &sPath);

/** The control-name prefixes of everything placed on the canvas (icons, markers, labels). */
bool fIsPlacedControlName(const QString &sName);
