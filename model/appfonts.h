#pragma once

#include <QString>

/**
 * Tahoma for the window and the labels: the metric-compatible Tahoma of the
 * wine fonts when it is installed, the system's sans-serif otherwise.
 */

/** Loads the regular Tahoma face once, when present (bold is emboldened from it). */
void pLoadTahoma();
/** The family to ask for when the design says "Tahoma". */
QString fTahomaFamily();
