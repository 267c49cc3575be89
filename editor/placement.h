#pragma once

#include <QString>

class TFrmBase;
class TSensore;
class QWidget;

/**
 * Puts sensors on the area canvas: the controls of a new sensor (which is
 * also stored) or of a stored one, the nine add buttons and the zoom button.
 */

/** Builds the controls of oSensore on mioPanel; with bNew the sensor is first stored in the selected area. */
void pAddSensoreNew(TFrmBase &frm, QWidget *mioPanel, const TSensore &oSensore, bool bNew);
/** One of the add buttons: places a new sensor of type iTipo (1, 2, 4, 5, 6, 7, 8, 9 or 10). */
void pAddSensorButtonClick(TFrmBase &frm, int iTipo);
/** The zoom button: a detail area of the selected base area, with its zoom marker. */
void pZoomInClick(TFrmBase &frm);
/** Builds the 7 x 7 second end of the barrier sNomeSensore; iTop2 < 0 puts it at its default place. */
void pCreaB2(TFrmBase &frm, QWidget *mioPanel, const QString &sNomeSensore, int iIconSize, int iTop2, int iLeft2);
