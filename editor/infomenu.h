#pragma once

#include <QString>

#include <functional>

class QMenu;
class QWidget;
class TDialogs;

/**
 * The "Info" menu's guide and about box, and the "Progetti recenti" list of
 * the "Progetto" menu.
 */

/** Lists the recent projects in pMenu; a file that is gone is shown disabled. Choosing one calls fnApri. */
void pAggiornaRecenti(QMenu *pMenu, const std::function<void(const QString &sDb)> &fnApri);
/** "Guida": the user guide in its own window FrmGuida, a child of pFinestra made when first asked for. */
void pMostraGuida(QWidget *pFinestra);
/** "Informazioni su Ombrix…": version, libraries, licences. */
void pInformazioni(TDialogs &dialogs);
