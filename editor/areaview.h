#pragma once

#include "editor/editorcontext.h"

#include <QWidget>

class QLabel;
class QScrollArea;
class TAreaCanvas;
class TBarraStato;
class TPalco;

/**
 * The right panel (PanelDx), white: the panel's bezel with the area canvas
 * set into its opening, in a scroll area, and the status bar along the
 * bottom. While the bezel fits, the canvas is kept centred in the panel,
 * status bar included; when it does not, the page scrolls, and nothing is
 * ever drawn over the status bar.
 *
 * The zoom lives here: the steps of TVista, one step in or out (around the
 * middle of the view, or around the pointer for Ctrl+wheel, keeping the panel
 * pixel under it in place), and the largest step at which the bezel fits.
 */
class TVistaArea final : public QWidget
{
    Q_OBJECT

public:
    TVistaArea(const TContesto &ctx, QWidget *pParent);

    TAreaCanvas &fCanvas() const { return *m_pCanvas; }
    TBarraStato &fBarraStato() const { return *m_pBarra; }

    int fZoom() const;
    /** Shows the page at iPercento (a step of TVista), keeping the panel point under ancora (a point of the
     *  view) in place, or the middle of the view when ancora is outside it. */
    void pSetZoom(int iPercento, const QPoint &ancora = QPoint(-1, -1));
    void pIngrandisci();
    void pRiduci();
    /** "Adatta alla finestra": the largest step at which the page and its bezel fit in the view. */
    void pAdattaAllaFinestra();

signals:
    void sigZoom(int iPercento);

protected:
    void resizeEvent(QResizeEvent *pEvent) override;
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    QScrollArea *m_pScroll = nullptr;
    TPalco *m_pPalco = nullptr;
    TAreaCanvas *m_pCanvas = nullptr;
    TBarraStato *m_pBarra = nullptr;
    int m_iRotella = 0; // Ctrl+wheel turned since the last step, in eighths of a degree
};
