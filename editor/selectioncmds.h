#pragma once

#include "editor/editorcontext.h"

enum class TAllineamento;

/**
 * The commands on the selected items of the shown area: "Seleziona tutto",
 * deleting them, the clipboard ("Copia", "Taglia", "Incolla", "Incolla
 * speciale…") and the submenu "Allinea". The selection gathers the items,
 * the document copies, pastes and lines them up, each as one step; what a
 * command leaves undone (zoom markers) goes to the status bar.
 */

void pSelezionaTutto(const TContesto &ctx);
/** Deletes the selected items as their own "Elimina" would, as one step. */
void pEliminaSelezione(const TContesto &ctx);
void pCopia(const TContesto &ctx);
void pTaglia(const TContesto &ctx);
/** "Incolla", or with bSpeciale "Incolla speciale…" with its offsets; what was pasted is selected. With a grid of
 *  step iGriglia each pasted icon's centre lies on it, its second end and label moving with it. */
void pIncolla(const TContesto &ctx, bool bSpeciale, int iGriglia = 0);
void pAllinea(const TContesto &ctx, TAllineamento eModo);
