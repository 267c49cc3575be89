#pragma once

#include "editor/itemkeys.h"

#include <QStatusBar>

class QLabel;
class QTimer;
class TAreaCanvas;
class TProjectDocument;
class TSelezione;

/**
 * The status bar of the canvas (SbarAree). Its cells show the current item's
 * object (type, number, label text), its position in panel pixels as maps.txt
 * writes it (an icon's centre; live while it is dragged) and which item it is (icon, second end, label), the shown
 * area, the zoom, and a message: "N oggetti selezionati", what a command left
 * undone, or for a while a warning of the document. The check's count sits at
 * its right end while the "Verifica" dock is open.
 *
 * Every cell is a label whose accessible name is its visible text.
 */
class TBarraStato final : public QStatusBar
{
    Q_OBJECT

public:
    TBarraStato(TProjectDocument &doc, TSelezione &sel, TAreaCanvas &canvas, QWidget *pParent);

    /** What a command left undone, until the selection next changes. */
    void pMessaggio(const QString &sTesto);
    /** A warning that did not stop a command (a snapshot that could not be made), shown for 20 seconds. */
    void pAvviso(const QString &sTesto);
    /** The check's count ("N errori, M avvisi"); bVisibile while its dock is open. */
    void pConteggio(const QString &sTesto, bool bVisibile);

private:
    QLabel *fCella(const char *szNome, int iLarghezza);
    void pCella(QLabel *pCella, const QString &sTesto);
    /** Every cell from the document, the selection and the canvas. */
    void pAggiorna();
    void pPosizione(const TChiave &chiave, const QPoint &pos);

    TProjectDocument &m_doc;
    TSelezione &m_sel;
    TAreaCanvas &m_canvas;
    QLabel *m_pTipo = nullptr;
    QLabel *m_pNumero = nullptr;
    QLabel *m_pTesto = nullptr;
    QLabel *m_pPosizione = nullptr;
    QLabel *m_pElemento = nullptr;
    QLabel *m_pArea = nullptr;
    QLabel *m_pZoom = nullptr;
    QLabel *m_pMessaggio = nullptr;
    QLabel *m_pConteggio = nullptr;
    QTimer *m_pTimerAvviso = nullptr;
    QString m_sAvviso;
};
