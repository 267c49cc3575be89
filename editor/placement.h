#pragma once

#include "editor/editorcontext.h"

#include <QPoint>

/**
 * Placing new objects: the nine add buttons and the zoom button. The icon
 * size and where the new icon goes are given by the caller (the window's
 * icon-size menu and the canvas), never read from global state.
 */

/** What a new object is placed with: its icon size and its icon's top-left corner. */
struct TPosizionamento
{
    int iIconSize = 32;
    QPoint pos;
};

/** One of the add buttons: asks for the number and places a new object of type iTipo (1, 2, 4, 5, 6, 7, 8, 9 or
 *  10) on the shown area. A number that is not an integer ("E' necessario un valore NUMERICO") or lies outside 1 to
 *  999 ("Il numero deve essere tra 1 e 999") is refused and asked again, the box holding what was typed; Cancel
 *  stores nothing. A missing icon picture fails before anything is stored. */
void pAggiungiSensore(const TContesto &ctx, int iTipo, const TPosizionamento &nuovo);
/** The zoom button: a detail area of the shown base area, named as the user types, with its zoom marker. */
void pZoomIn(const TContesto &ctx, const TPosizionamento &nuovo);
/** Trims spaces and control characters from both ends of a typed answer. */
QString fTrimTyped(const QString &sText);
