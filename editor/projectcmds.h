#pragma once

#include "editor/editorcontext.h"

#include <QString>

#include <functional>

class QWidget;

/**
 * The commands of the "Progetto" menu: New, Open (also of a project given on
 * the command line or chosen among the recent ones), Close, Export, the
 * handover document and restoring a snapshot. The views follow the document.
 */

void pNuovoProgetto(const TContesto &ctx);
void pApriProgetto(const TContesto &ctx);
/** Opens the project file sDb as Open project does after its dialog; a damaged database offers the most recent
 *  sound snapshot. */
void pApriFileProgetto(const TContesto &ctx, const QString &sDb);
void pChiudiProgetto(const TContesto &ctx);
/** Rebuilds a project from a panel's maps.txt and bitmaps, in a new folder chosen as for a new project, and opens
 *  it. */
void pImportaDalPannello(const TContesto &ctx);
/** Empties "out" and exports, after a snapshot; a progress dialog on pParent when the run lasts. When the check
 *  finds errors, asks first: "Esporta", "Mostra errori" (pMostraErrori opens the check) or "Annulla". */
void pEsportaProgetto(const TContesto &ctx, QWidget *pParent, const std::function<void()> &pMostraErrori = {});
/** Writes the project's handover document to the PDF file the user chooses. */
void pDocumentazionePdf(const TContesto &ctx);
/** Lists the project's snapshots and puts back the one chosen. */
void pRipristinaCopia(const TContesto &ctx);

/** The wait pointer while a long command runs, taken back however it ends. */
class TCursoreOccupato
{
public:
    TCursoreOccupato();
    ~TCursoreOccupato();
    TCursoreOccupato(const TCursoreOccupato &) = delete;
    TCursoreOccupato &operator=(const TCursoreOccupato &) = delete;
};
