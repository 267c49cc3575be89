#pragma once

#include "check/verifica.h"

#include <QDockWidget>
#include <QList>
#include <QtGlobal>

#include <functional>
#include <optional>

class QAction;
class QIcon;
class QLabel;
class QMenu;
class QTableWidget;
class TFrmBase;
class TVerificaIncrementale;

/**
 * The dock "Verifica": the findings of the project check, one row per
 * finding (severity icon, area, object, message). After every edit, undo and
 * redo, and whenever the areas or the project change, it shows the check that
 * TVerificaIncrementale keeps, changing only the rows that differ, but only
 * while it is visible; meanwhile the status bar shows how many errors and
 * warnings there are. A double click on a row shows the
 * row's area and selects its object.
 */
class TCheckDock final : public QDockWidget
{
    Q_OBJECT

public:
    explicit TCheckDock(TFrmBase &frm);

    QTableWidget *TbVerifica = nullptr;
    QLabel *LblConteggio = nullptr; // "N errori, M avvisi" in the status bar
    QMenu *PopVerifica = nullptr;
    QAction *PopAdattaSfondo = nullptr; // "Adatta immagine di sfondo…", on a background finding

    /** Before the pop-up opens on row iRow: false when no menu opens. The entry is enabled on a finding of
     *  the area's background (sfondo-dimensioni, sfondo-mancante). */
    bool fPopupRiga(int iRow);

    /** Shows the check of the open project as it is now (nothing while hidden). */
    void pAggiorna();

protected:
    void showEvent(QShowEvent *pEvent) override;
    void hideEvent(QHideEvent *pEvent) override;

private:
    void pRiga(int iRiga, const TFinding &f, const QIcon &icona);

    TFrmBase &m_frm;
    TVerificaIncrementale &m_verifica;
    QList<TFinding> m_aMostrati; // the findings the rows show
    int m_iRigaMenu = -1;
};

/** Shows area iAreaId and selects object iOggettoId (if any), its controls above the others. */
void pMostraAreaEOggetto(TFrmBase &frm, qint64 iAreaId, std::optional<qint64> iOggettoId);

/** Shows pDock and brings it to the front, growing the window so that its client keeps its size. */
void pApriDock(TFrmBase &frm, QDockWidget *pDock);

/** Runs pFn after every change of the open project (each edit, undo and redo, the areas, the project itself),
 *  once the change is done and the events queued meanwhile are handled: a step that sends several signals
 *  runs it once. */
void pSeguiDocumento(TFrmBase &frm, QObject *pContext, const std::function<void()> &pFn);
