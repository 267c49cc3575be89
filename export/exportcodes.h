#pragma once

#include <QString>

/** Four-letter code under which a sensor type is written to maps.txt;
 *  "Srad" for any number outside 1 to 10. */
QString fGetTipoTxt(int iTipo);
