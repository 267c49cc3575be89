#pragma once

#include <QString>

class TFrmBase;
class TSensore;
class QWidget;

/**
 * Puts sensors on the area canvas: the controls of a new sensor (which is
 * also stored) or of a stored one, the nine add buttons and the zoom button.
 */

/** Builds the controls of oSensore on mioPanel; with bNew the sensor is first stored in the selected area and
 *  the window is repainted. A stored sensor is built while its area is shown, which repaints after the last one. */
void pAddSensoreNew(TFrmBase &frm, QWidget *mioPanel, const TSensore &oSensore, bool bNew);
/** One of the add buttons: places a new sensor of type iTipo (1, 2, 4, 5, 6, 7, 8, 9 or 10). */
void pAddSensorButtonClick(TFrmBase &frm, int iTipo);
/** The zoom button: a detail area of the selected base area, with its zoom marker. */
void pZoomInClick(TFrmBase &frm);
