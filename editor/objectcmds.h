#pragma once

#include "editor/editorcontext.h"

#include <QtGlobal>

#include <optional>

class TSensore;
struct TProprieta;
struct TProprietaOggetto;
struct TRifiutoProprieta;

/**
 * The commands on one object of the shown area, from its icon's pop-up menu,
 * the "Modifica" menu and the keys: delete it, duplicate it, edit its
 * properties. Each is one step of the document; an object that is gone leaves
 * nothing to do.
 */

/** "Elimina" on a sensor's icon: its row, and with it its icon, second end and label. */
void pEliminaSensore(const TContesto &ctx, qint64 iId);
/** "Duplica": a copy of object iId with the lowest free number above its own, 16 pixels right and down (kept
 *  inside the page), its label renumbered; the copy is selected. A zoom marker is not copied. */
void pDuplica(const TContesto &ctx, qint64 iId);
/** "Proprietà…": number, type (within its class) and label of object iId in one dialog, stored as one step. */
void pProprieta(const TContesto &ctx, qint64 iId);
/** What the dialog "Proprietà" shows of object s: its number, the types of its class, its label. */
TProprieta fProprietaDi(const TSensore &s);
/** Why prop, given for object s, is refused, naming the field: a number that is not one or lies outside 1 to 999
 *  (the stored number left as it was is taken), a label with a control character or longer than 19 characters. */
std::optional<TRifiutoProprieta> fRifiutoProprieta(const TSensore &s, const TProprieta &prop);
/** prop, given for object s, checked by the rules of "Proprietà" (fRifiutoProprieta) and turned into what the
 *  document stores; a refusal is shown with its message and gives nullopt. */
std::optional<TProprietaOggetto> fProprietaAccettate(const TContesto &ctx, const TSensore &s, const TProprieta &prop);
