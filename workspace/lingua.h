#pragma once

#include <QString>

/**
 * The interface language. Italian is the language of the source texts and
 * the default whatever the system's locale; English comes from the
 * translation built into the program. The language is chosen once, before
 * the first window exists.
 */

/** Whether sLingua ("it" or "en") is a language the program speaks. */
bool fLinguaNota(const QString &sLingua);
/** Installs the translation of sLingua in the running application; Italian and unknown languages install
 *  nothing. False when the translation cannot be loaded. */
bool fInstallaLingua(const QString &sLingua);
