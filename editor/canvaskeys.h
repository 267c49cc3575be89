#pragma once

#include "editor/editorcontext.h"

class QKeyEvent;
class TAreaCanvas;

/**
 * A key on the canvas, for working without the mouse: the arrows move the
 * selection by one panel pixel (Shift by ten; one grid step while the grid is
 * shown), as far as the page lets the whole selection go with the labels
 * that follow its icons, each run of moves one step; Delete deletes it (a zoom
 * marker goes only with its area); Escape selects nothing; Tab and
 * Shift+Tab walk the items in the order they are stacked. False for any
 * other key, and for Ctrl and Alt combinations, which are the menus'.
 */
bool fTastoCanvas(const TContesto &ctx, TAreaCanvas &canvas, QKeyEvent *pEvent);
