#pragma once

#include "editor/viewtransform.h"

#include <QLabel>
#include <QLine>
#include <QList>
#include <QPixmap>
#include <QWidget>

/**
 * A fixed picture layer of the canvas (the background, the banner): it keeps
 * the picture at its own size, as decoded, and draws it from its top-left
 * corner at the canvas's zoom, repeating pixels at whole steps.
 */
class TLivelloImmagine final : public QLabel
{
    Q_OBJECT

public:
    explicit TLivelloImmagine(QWidget *pParent);
    void pSetVista(const TVista &vista);

protected:
    void paintEvent(QPaintEvent *pEvent) override;

private:
    TVista m_vista;
};

/**
 * The grid of the area canvas, above the background and the banner and
 * below every item: faint lines every iPasso panel pixels (none for 0), drawn
 * at the canvas's zoom. It lets every mouse event through.
 */
class TLivelloGriglia final : public QWidget
{
    Q_OBJECT

public:
    explicit TLivelloGriglia(QWidget *pParent);
    void pSetVista(const TVista &vista);
    void pSetPasso(int iPasso);
    int fPasso() const { return m_iPasso; }

protected:
    void paintEvent(QPaintEvent *pEvent) override;

private:
    TVista m_vista;
    int m_iPasso = 0;
};

/** An I/O number shown in a badge at an icon's top-right corner, red when its class uses it twice. */
struct TNumeroMostrato
{
    QRect rcIcona; // the icon, in panel pixels
    qint64 iNumero = 0;
    bool bDoppio = false;
    bool operator==(const TNumeroMostrato &) const = default;
};

/**
 * The top layer of the area canvas. It has no picture of its own and lets
 * every mouse event through; it shows the barrier lines it was last given,
 * anti-aliased, in (91, 110, 216), 1 panel pixel wide, a line at whole
 * coordinates covering the pixels at those coordinates. Above them it frames
 * the selected items and draws the rubber band of a selection being drawn,
 * the guides of a drag and the badges of the I/O numbers.
 * Everything it is given is in panel pixels and drawn at the canvas's zoom.
 */
class TCanvasOverlay final : public QWidget
{
    Q_OBJECT

public:
    explicit TCanvasOverlay(QWidget *pParent);

    void pSetVista(const TVista &vista);
    void pSetLines(const QList<QLine> &aLines);
    const QList<QLine> &fLines() const { return m_aLines; }
    /** The frame around the current item (its rectangle); an empty rectangle for none. */
    void pSetCornice(const QRect &rc);
    const QRect &fCornice() const { return m_rcCornice; }
    /** The frames of the other selected items, besides the one of pSetCornice. */
    void pSetAltreCornici(const QList<QRect> &aRect);
    const QList<QRect> &fAltreCornici() const { return m_aAltreCornici; }
    /** The rubber band being drawn; an empty rectangle for none. */
    void pSetBanda(const QRect &rc);
    const QRect &fBanda() const { return m_rcBanda; }
    /** The guides of a drag: lines across the page; none for an empty list. */
    void pSetGuide(const QList<QLine> &aGuide);
    const QList<QLine> &fGuide() const { return m_aGuide; }
    /** The badges of the I/O numbers; none for an empty list. */
    void pSetNumeri(const QList<TNumeroMostrato> &aNumeri);
    const QList<TNumeroMostrato> &fNumeri() const { return m_aNumeri; }

protected:
    void paintEvent(QPaintEvent *pEvent) override;

private:
    TVista m_vista;
    QList<QLine> m_aLines;
    QRect m_rcCornice;
    QList<QRect> m_aAltreCornici;
    QRect m_rcBanda;
    QList<QLine> m_aGuide;
    QList<TNumeroMostrato> m_aNumeri;
};

/** Decodes a picture file; throws TOmbrixError with the file's path and the decoder's message. */
QPixmap fReadPicture(const QString &sPath);
/** An installation picture (an icon, the second-end marker) as fReadPicture gives it, decoded once and kept
 *  while the file stays the same (size and time of change): an area shows the same few icons many times. */
QPixmap fReadIcon(const QString &sPath);
