#pragma once

#include <QString>

/**
 * The interface language, one for the whole run. Italian is the language of
 * the source texts and the default whatever the system's locale; English
 * comes from the translation built into the program.
 *
 * The toolkit's own texts (the buttons of its dialogs, its file dialog, its
 * file errors, the headings of the usage) come from the system's Qt
 * translations, qtbase_it.qm and qtbase_en.qm in the folder Qt names as its
 * translations path (Debian: /usr/share/qt6/translations, package
 * qt6-translations-l10n). Without them the toolkit speaks English.
 *
 * The choice holds for every application object of the run: the running one
 * gets the translations at once, one created later as it starts.
 */

/** Whether sLingua ("it" or "en") is a language the program speaks. */
bool fLinguaNota(const QString &sLingua);
/** Chooses sLingua for the rest of the run; a language the program does not speak chooses Italian. False when
 *  the program's own English translation cannot be loaded: the interface then stays Italian. */
bool fInstallaLingua(const QString &sLingua);
/** The language chosen: "it" until another one is. */
QString fLinguaScelta();
