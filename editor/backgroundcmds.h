#pragma once

#include "editor/editorcontext.h"

class QImage;
class QString;
class QWidget;

/**
 * The commands that give the shown area its picture: "Immagine di sfondo"
 * copies a JPEG byte for byte, "Adatta immagine di sfondo…" fits any picture
 * or PDF page to the page. A file that does not exist gives "File does not
 * exist.", one that cannot be decoded its decoder's message; either way the
 * stored picture stays as it was.
 */

/** The tool button "Immagine di sfondo". A picture that is not a 480 x 272 JPEG asks first: "Adatta…" opens
 *  "Adatta immagine di sfondo" on it (imgSopra and pParent as pAdattaSfondo's), "Usa così com'è" copies it as it
 *  is, "Annulla" changes nothing. */
void pSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent);
/** "Adatta immagine di sfondo…": the dialog shows imgSopra (what the canvas draws over the picture) over the fitted
 *  page; the result is stored as one step. pParent is the dialog's parent. */
void pAdattaSfondo(const TContesto &ctx, const QImage &imgSopra, QWidget *pParent);
/** The fitting dialog on the file sFile, as "Adatta immagine di sfondo…" after its file was chosen. */
void pAdattaFile(const TContesto &ctx, const QString &sFile, const QImage &imgSopra, QWidget *pParent);
