#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <array>

/**
 * The zoom of the canvas, and the one place where panel pixels become screen
 * pixels and back. A panel pixel p covers the screen pixels from p * zoom to
 * (p + 1) * zoom (whole pixels, rounded down); a screen point maps back to the
 * panel pixel that covers it, also left of or above the canvas.
 *
 * The zoom is one of the steps 100, 150, 200, 300 and 400 percent.
 */
class TVista
{
public:
    /** The zoom steps, in percent. */
    static constexpr std::array<int, 5> aiPassi{100, 150, 200, 300, 400};

    /** A zoom of iPercento, or 100 when it is not one of the steps. */
    explicit TVista(int iPercento = 100);

    int fPercento() const { return m_iPercento; }
    double fScala() const { return m_iPercento / 100.0; }
    /** A whole multiple: pictures are scaled by repeating pixels, without blur. */
    bool fIntera() const { return m_iPercento % 100 == 0; }

    int fSchermo(int iPannello) const;
    QPoint fSchermo(const QPoint &pannello) const;
    QSize fSchermo(const QSize &pannello) const;
    /** The screen pixels an item of the page covers: from its top-left pixel to the end of its bottom-right one. */
    QRect fSchermo(const QRect &pannello) const;
    /** The panel pixel that covers the screen point. */
    QPoint fPannello(const QPoint &schermo) const;
    /** The exact panel point of a screen point, for keeping a point under the pointer. */
    QPointF fPannelloF(const QPointF &schermo) const;

    /** The step after and the step before iPercento; the last and the first stay. */
    static int fPassoSuccessivo(int iPercento);
    static int fPassoPrecedente(int iPercento);
    /** The largest step at which the page with the given margins (at every zoom) fits in spazio; the first step when
     *  none does. */
    static int fPassoCheEntra(const QSize &spazio, const QSize &margini);

private:
    int m_iPercento = 100;
};
