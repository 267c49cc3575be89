#pragma once

#include "check/verifica.h"
#include "editor/editorcontext.h"

#include <QDockWidget>
#include <QList>
#include <QtGlobal>

#include <functional>
#include <optional>

class QAction;
class QIcon;
class QMenu;
class QTableWidget;
class TVerificaIncrementale;

/**
 * The dock "Verifica": the findings of the project check, one row per
 * finding (severity icon, area, object, message). After every edit, undo and
 * redo, and whenever the areas or the project change, it shows the check that
 * TVerificaIncrementale keeps, changing only the rows that differ, but only
 * while it is visible; meanwhile the status bar shows how many errors and
 * warnings there are (sigConteggio). A double click on a row
 * shows the row's area and selects its object; a background finding offers
 * "Adatta immagine di sfondo…" on its pop-up menu (sigAdattaSfondo, once the
 * area is shown).
 */
class TCheckDock final : public QDockWidget
{
    Q_OBJECT

public:
    TCheckDock(const TContesto &ctx, QWidget *pParent);

    /** Before the pop-up opens on row iRow: false when no menu opens. The entry is enabled on a finding of
     *  the area's background (sfondo-dimensioni, sfondo-mancante). */
    bool fPopupRiga(int iRow);

    /** Shows the check of the open project as it is now (nothing while hidden). */
    void pAggiorna();

signals:
    /** "N errori, M avvisi", and whether the count is shown (while the dock is). */
    void sigConteggio(const QString &sTesto, bool bVisibile);
    /** Fit the shown area's background. */
    void sigAdattaSfondo();

protected:
    void showEvent(QShowEvent *pEvent) override;
    void hideEvent(QHideEvent *pEvent) override;

private:
    void pRiga(int iRiga, const TFinding &f, const QIcon &icona);

    TContesto m_ctx;
    TVerificaIncrementale &m_verifica;
    QList<TFinding> m_aMostrati; // the findings the rows show
    QTableWidget *m_pTabella = nullptr;
    QMenu *m_pPopup = nullptr;
    QAction *m_pAdatta = nullptr;
    QString m_sConteggio;
    int m_iRigaMenu = -1;
};

/** Shows area iAreaId and selects object iOggettoId (if any), its items above the others and in sight. */
void pMostraAreaEOggetto(const TContesto &ctx, qint64 iAreaId, std::optional<qint64> iOggettoId);

/** Runs pFn after every change of the open project (each edit, undo and redo, the areas, the project itself),
 *  once the change is done and the events queued meanwhile are handled: a step that sends several signals
 *  runs it once. A failure is reported as a view's. */
void pSeguiDocumento(const TContesto &ctx, QObject *pContext, const std::function<void()> &pFn);
