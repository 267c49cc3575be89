#pragma once

#include "editor/itemkeys.h"

#include <QList>
#include <QPoint>
#include <QRect>

class TProjectDocument;
struct TElemento;

/**
 * Labels that go with their icons ("Etichette unite agli oggetti", on the
 * "Modifica" menu, kept in ombrix.ini). While it is on, whatever moves an
 * icon (a drag, the arrow keys, "Allinea", a group move, the place of a
 * pasted or duplicated copy) moves the object's label by the same offset in
 * the same step, unless the label is itself among the items moved, so that
 * it moves once. The pair moves only as far as both its icon and its label
 * stay inside the page. The label alone, or a barrier's second end, still
 * moves on its own. While it is off, nothing follows.
 */

/** Whether moving an icon takes its label along. */
bool fEtichetteUnite();
void pImpostaEtichetteUnite(bool bUnite);

/** The labels that follow the items aChiavi: each icon's label that is not itself one of them; none while off. */
QList<TChiave> fEtichetteAlSeguito(const TProjectDocument &doc, const QList<TChiave> &aChiavi);

/** The moves aElementi with the labels that follow them (of the items aScelti, which move on their own): each by
 *  its icon's offset, the pair held back as far as the first of the two meets the page's edge. */
QList<TElemento> fConEtichette(const TProjectDocument &doc, const QList<TElemento> &aElementi,
                               const QList<TChiave> &aScelti);
