#pragma once

#include "editor/editorcontext.h"

class QImage;
class QWidget;

/**
 * The commands that give the shown area its picture: "Immagine di sfondo"
 * copies a JPEG byte for byte, "Adatta immagine di sfondo…" fits any picture
 * or PDF page to the page. A file that does not exist gives "File does not
 * exist.", one that cannot be decoded its decoder's message; either way the
 * stored picture stays as it was.
 */

/** The tool button "Immagine di sfondo". */
void pSfondo(const TContesto &ctx);
/** "Adatta immagine di sfondo…": the dialog shows imgSopra (what the canvas draws over the picture) over the fitted
 *  page; the result is stored as one step. pParent is the dialog's parent. */
void pAdattaSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent);
