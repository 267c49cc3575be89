#pragma once

#include <QString>

class TFrmBase;
class TSensore;
class QWidget;

/**
 * Puts sensors on the area canvas: the controls of a new sensor (which is
 * also stored) or of a stored one, the nine add buttons and the zoom button.
 */

/** Builds the controls of the stored oSensore on mioPanel. With bNew it asks for the number and places a new
 *  sensor of oSensore's type and size on the shown area through the document, which then shows it. */
void pAddSensoreNew(TFrmBase &frm, QWidget *mioPanel, const TSensore &oSensore, bool bNew);
/** One of the add buttons: places a new sensor of type iTipo (1, 2, 4, 5, 6, 7, 8, 9 or 10). */
void pAddSensorButtonClick(TFrmBase &frm, int iTipo);
/** The zoom button: a detail area of the shown base area, with its zoom marker. */
void pZoomInClick(TFrmBase &frm);
