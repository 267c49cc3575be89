#pragma once

#include <QString>

/**
 * Label writes that must store exactly what the canvas shows. The general
 * label update (pAddTextToSensorInDb) reads 0 and "@+|+#" as "leave the
 * column unchanged", so a label dragged to the left or top edge, or a label
 * whose text is that marker, would come back elsewhere or with another text
 * after a reload. These write the given values, always, and the text as
 * typed (a double quote or a column name included). A failing statement
 * throws TOmbrixError with SQLite's message.
 */

/** Stores a label's position and text: CoordXt, CoordYt and Testo of row iId, nothing else. */
void pStoreLabelPlace(qint64 iId, int iLeft, int iTop, const QString &sTesto);
/** Stores a label's text only: Testo of row iId. */
void pStoreLabelText(qint64 iId, const QString &sTesto);
