<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Ombrix</name>
    <message>
        <source>Nome Area?</source>
        <translation>Area name?</translation>
    </message>
    <message>
        <source>: non è un file normale</source>
        <translation>: not a regular file</translation>
    </message>
    <message>
        <source>: immagine troppo grande (%1 x %2)</source>
        <translation>: picture too large (%1 x %2)</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Verifica del progetto</source>
        <translation>Project check</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Oggetto</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Messaggio</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%1 errori, %2 avvisi</source>
        <translation>%1 errors, %2 warnings</translation>
    </message>
    <message>
        <source>Progetto Ombrix (*.omb)</source>
        <translation>Ombrix project (*.omb)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG Image File (*.jpg)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Dimensione</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Colore</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>bianco</source>
        <translation>white</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>arancio</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>rosa</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>red</translation>
    </message>
    <message>
        <source>verdino</source>
        <translation>light green</translation>
    </message>
    <message>
        <source>verde scuro</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>celeste</source>
        <translation>light blue</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>viola</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>nero</source>
        <translation>black</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ingressi/Uscite</source>
        <translation>Inputs/Outputs</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filtra ingressi e uscite</source>
        <translation>Filter inputs and outputs</translation>
    </message>
    <message>
        <source>Esporta CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Sensore</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Ingressi e uscite</source>
        <translation>Inputs and outputs</translation>
    </message>
    <message>
        <source>numero usato in più aree</source>
        <translation>number used in more than one area</translation>
    </message>
    <message>
        <source>Ingressi liberi</source>
        <translation>Free inputs</translation>
    </message>
    <message>
        <source>Uscite libere</source>
        <translation>Free outputs</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Inserire il testo</source>
        <translation>Enter the text</translation>
    </message>
    <message>
        <source>Massimo 19 caratteri!</source>
        <translation>At most 19 characters!</translation>
    </message>
    <message>
        <source>Sensore </source>
        <translation>Sensor </translation>
    </message>
    <message>
        <source> non trovato</source>
        <translation> not found</translation>
    </message>
    <message>
        <source>Ingresso/Uscita</source>
        <translation>Input/Output</translation>
    </message>
    <message>
        <source>Numero Ingresso/Uscita?</source>
        <translation>Input/Output number?</translation>
    </message>
    <message>
        <source>E&apos; necessario un valore NUMERICO</source>
        <translation>A NUMERIC value is required</translation>
    </message>
    <message>
        <source>Nome Progetto</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Nome Progetto?</source>
        <translation>Project name?</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>Select a directory</translation>
    </message>
    <message>
        <source>Esportazione in corso...</source>
        <translation>Exporting...</translation>
    </message>
    <message>
        <source>Proprietà</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Avviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Volumetrico</source>
        <translation>Volumetric detector</translation>
    </message>
    <message>
        <source>Contatto</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Barriera</source>
        <translation>Barrier</translation>
    </message>
    <message>
        <source>Telecamera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Lampada</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Tapparella su</source>
        <translation>Shutter up</translation>
    </message>
    <message>
        <source>Tapparella giù</source>
        <translation>Shutter down</translation>
    </message>
    <message>
        <source>Allarme</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Irrigazione</source>
        <translation>Irrigation</translation>
    </message>
    <message>
        <source>Area </source>
        <translation>Area </translation>
    </message>
    <message>
        <source>N. </source>
        <translation>No. </translation>
    </message>
    <message>
        <source>Numero già usato in: </source>
        <translation>Number already used in: </translation>
    </message>
    <message>
        <source>sensore</source>
        <translation>sensor</translation>
    </message>
    <message>
        <source>ingresso</source>
        <translation>input</translation>
    </message>
    <message>
        <source>uscita</source>
        <translation>output</translation>
    </message>
    <message>
        <source>Area %1 &quot;%2&quot;</source>
        <translation>Area %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>id %1 oltre %2, più largo della colonna ID di tasti e marcatori (2 cifre)</source>
        <translation>id %1 above %2, wider than the ID column of keys and markers (2 digits)</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>name</translation>
    </message>
    <message>
        <source>area di dettaglio a cui non porta nessun marcatore di zoom</source>
        <translation>detail area that no zoom marker leads to</translation>
    </message>
    <message>
        <source>sfondo %1 mancante</source>
        <translation>background %1 missing</translation>
    </message>
    <message>
        <source>sfondo %1 non è un file normale</source>
        <translation>background %1 is not a regular file</translation>
    </message>
    <message>
        <source>sfondo %1 non leggibile come JPEG: %2</source>
        <translation>background %1 cannot be read as JPEG: %2</translation>
    </message>
    <message>
        <source>sfondo %1 di %2 x %3 pixel invece di %4 x %5</source>
        <translation>background %1 of %2 x %3 pixels instead of %4 x %5</translation>
    </message>
    <message>
        <source>%1 contiene il carattere di controllo %2</source>
        <translation>%1 contains the control character %2</translation>
    </message>
    <message>
        <source>%1 contiene il carattere vietato &quot;%2&quot;</source>
        <translation>%1 contains the forbidden character &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 contiene &quot;%2&quot;, che maps.txt non può scrivere</source>
        <translation>%1 contains &quot;%2&quot;, which maps.txt cannot hold</translation>
    </message>
    <message>
        <source>tipo %1 fuori dal campo 1-10, l&apos;esportazione non lo scrive</source>
        <translation>type %1 outside 1-10, the export leaves it out</translation>
    </message>
    <message>
        <source>porta all&apos;area %1, che non esiste</source>
        <translation>leads to area %1, which does not exist</translation>
    </message>
    <message>
        <source>%1 numero %2 fuori dal campo 1-%3</source>
        <translation>%1 number %2 outside 1-%3</translation>
    </message>
    <message>
        <source>%1 numero %2 già usato in quest&apos;area da %3 %4</source>
        <translation>%1 number %2 already used in this area by %3 %4</translation>
    </message>
    <message>
        <source>centro dell&apos;icona %1 fuori dal pannello 0-479 x 0-271</source>
        <translation>icon centre %1 outside the panel 0-479 x 0-271</translation>
    </message>
    <message>
        <source>seconda estremità %1 fuori dal pannello 0-479 x 0-271</source>
        <translation>second end %1 outside the panel 0-479 x 0-271</translation>
    </message>
    <message>
        <source>icona di %1 pixel in %2 sopra il tasto %3</source>
        <translation>icon of %1 pixels at %2 over the key %3</translation>
    </message>
    <message>
        <source>testo &quot;%1&quot;</source>
        <translation>text &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 di %2 caratteri, oltre %3</source>
        <translation>%1 of %2 characters, more than %3</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>text</translation>
    </message>
    <message>
        <source>%1 in %2 fuori dal pannello 0-479 x 0-271</source>
        <translation>%1 at %2 outside the panel 0-479 x 0-271</translation>
    </message>
    <message>
        <source>destro</source>
        <translation>right</translation>
    </message>
    <message>
        <source>inferiore</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>%1 in %2, di %3 x %4 pixel, supera il bordo %5</source>
        <translation>%1 at %2, of %3 x %4 pixels, crosses the %5 edge</translation>
    </message>
    <message>
        <source> e il bordo </source>
        <translation> and the </translation>
    </message>
    <message>
        <source>errore</source>
        <translation>error</translation>
    </message>
    <message>
        <source>avviso</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>Esportazione effettuata correttamente!</source>
        <translation>Export completed successfully!</translation>
    </message>
    <message>
        <source>Esportazione già in corso</source>
        <translation>An export is already running</translation>
    </message>
    <message>
        <source>: immagine troppo grande per una bitmap</source>
        <translation>: picture too large for a bitmap</translation>
    </message>
    <message>
        <source>Nessun id libero in tbarea</source>
        <translation>No free area id in tbarea</translation>
    </message>
    <message>
        <source>Non è un id di area: &quot;%1&quot;</source>
        <translation>Not an area id: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Non è un intero decimale (%1): &quot;%2&quot;</source>
        <translation>Not a decimal integer (%1): &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Nessun id di oggetto in tbsensori</source>
        <translation>No sensor id in tbsensori</translation>
    </message>
    <message>
        <source>Campo &apos;%1&apos; non trovato</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>Database non aperto</source>
        <translation>Database not open</translation>
    </message>
</context>
<context>
    <name>TFrmBase</name>
    <message>
        <source>Ombrix KP5800 maps generator</source>
        <translation>Ombrix KP5800 maps generator</translation>
    </message>
    <message>
        <source>&amp;Progetto</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Nuovo Progetto</source>
        <translation>&amp;New Project</translation>
    </message>
    <message>
        <source>&amp;Apri Progetto</source>
        <translation>&amp;Open Project</translation>
    </message>
    <message>
        <source>&amp;Esporta Progetto</source>
        <translation>&amp;Export Project</translation>
    </message>
    <message>
        <source>&amp;Chiudi Progetto</source>
        <translation>&amp;Close Project</translation>
    </message>
    <message>
        <source>&amp;Verifica Progetto</source>
        <translation>Chec&amp;k Project</translation>
    </message>
    <message>
        <source>&amp;Ingressi/Uscite</source>
        <translation>&amp;Inputs/Outputs</translation>
    </message>
    <message>
        <source>Progetti recenti</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Gli ultimi progetti aperti o creati</source>
        <translation>The projects last opened or created</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Annulla l&apos;ultima modifica</source>
        <translation>Undo the last edit</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripeti la modifica annullata</source>
        <translation>Redo the undone edit</translation>
    </message>
    <message>
        <source>Duplica</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Duplica il sensore selezionato</source>
        <translation>Duplicate the selected sensor</translation>
    </message>
    <message>
        <source>&amp;Dimensione icona</source>
        <translation>Icon &amp;size</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>La guida di Ombrix</source>
        <translation>The Ombrix guide</translation>
    </message>
    <message>
        <source>Informazioni su Ombrix…</source>
        <translation>About Ombrix…</translation>
    </message>
    <message>
        <source>Versione, librerie e licenze</source>
        <translation>Version, libraries and licences</translation>
    </message>
    <message>
        <source>Elimina Area</source>
        <translation>Delete Area</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Aggiungi testo</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>Duplica il sensore</source>
        <translation>Duplicate the sensor</translation>
    </message>
    <message>
        <source>Proprietà…</source>
        <translation>Properties…</translation>
    </message>
    <message>
        <source>Numero, tipo e testo del sensore</source>
        <translation>Number, type and text of the sensor</translation>
    </message>
    <message>
        <source>Modifica testo</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>Dimensione/Colore</source>
        <translation>Size/Colour</translation>
    </message>
    <message>
        <source>Aree</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Aggiungi Livello base</source>
        <translation>Add base level</translation>
    </message>
    <message>
        <source>Immagine di sfondo</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Aggiungi volumetrico</source>
        <translation>Add volumetric detector</translation>
    </message>
    <message>
        <source>Aggiungi contatto</source>
        <translation>Add contact</translation>
    </message>
    <message>
        <source>Aggiungi barriera</source>
        <translation>Add barrier</translation>
    </message>
    <message>
        <source>Aggiungi telecamera</source>
        <translation>Add camera</translation>
    </message>
    <message>
        <source>Aggiungi lampada</source>
        <translation>Add lamp</translation>
    </message>
    <message>
        <source>Aggiungi tapparelle su</source>
        <translation>Add shutters up</translation>
    </message>
    <message>
        <source>Aggiungi tapparelle giù</source>
        <translation>Add shutters down</translation>
    </message>
    <message>
        <source>Aggiungi Irrigazione</source>
        <translation>Add irrigation</translation>
    </message>
    <message>
        <source>Aggiungi allarme</source>
        <translation>Add alarm</translation>
    </message>
    <message>
        <source>Annulla </source>
        <translation>Undo </translation>
    </message>
    <message>
        <source>Ripeti </source>
        <translation>Redo </translation>
    </message>
    <message>
        <source>Nessun progetto recente</source>
        <translation>No recent project</translation>
    </message>
    <message>
        <source>Guida di Ombrix</source>
        <translation>Ombrix guide</translation>
    </message>
    <message>
        <source>L&apos;editor delle pagine del pannello touch KP5800.</source>
        <translation>The page editor of the KP5800 touch panel.</translation>
    </message>
    <message>
        <source>Ombrix: tutti i diritti riservati.</source>
        <translation>Ombrix: all rights reserved.</translation>
    </message>
    <message>
        <source>Qt è distribuito con la licenza LGPL 3; SQLite è di pubblico dominio; libjpeg-turbo è distribuito con le licenze IJG e BSD a 3 clausole; libpng e zlib con le proprie licenze libere.</source>
        <translation>Qt is distributed under the LGPL 3; SQLite is in the public domain; libjpeg-turbo is distributed under the IJG and 3-clause BSD licences; libpng and zlib under their own free licences.</translation>
    </message>
    <message>
        <source>Informazioni su Ombrix</source>
        <translation>About Ombrix</translation>
    </message>
</context>
<context>
    <name>TProjectDocument</name>
    <message>
        <source>nuova area</source>
        <translation>new area</translation>
    </message>
    <message>
        <source>nuova area di dettaglio</source>
        <translation>new detail area</translation>
    </message>
    <message>
        <source>eliminazione area</source>
        <translation>area deletion</translation>
    </message>
    <message>
        <source>rinomina area</source>
        <translation>area rename</translation>
    </message>
    <message>
        <source>cambio sfondo</source>
        <translation>background change</translation>
    </message>
    <message>
        <source>aggiunta testo</source>
        <translation>text addition</translation>
    </message>
    <message>
        <source>spostamento</source>
        <translation>move</translation>
    </message>
    <message>
        <source>modifica testo</source>
        <translation>text edit</translation>
    </message>
    <message>
        <source>dimensione e colore del testo</source>
        <translation>text size and colour</translation>
    </message>
    <message>
        <source>eliminazione testo</source>
        <translation>text deletion</translation>
    </message>
    <message>
        <source>inserimento oggetto</source>
        <translation>object insertion</translation>
    </message>
    <message>
        <source>eliminazione oggetto</source>
        <translation>object deletion</translation>
    </message>
    <message>
        <source>duplicazione</source>
        <translation>duplication</translation>
    </message>
    <message>
        <source>proprietà</source>
        <translation>properties</translation>
    </message>
</context>
</TS>
