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
    <message>
        <source>Adatta immagine di sfondo</source>
        <translation>Fit background picture</translation>
    </message>
    <message>
        <source>PDF protetto</source>
        <translation>Protected PDF</translation>
    </message>
    <message>
        <source>Password di %1:</source>
        <translation>Password for %1:</translation>
    </message>
    <message>
        <source>Colore di riempimento</source>
        <translation>Fill colour</translation>
    </message>
    <message>
        <source>Ripristina copia</source>
        <translation>Restore snapshot</translation>
    </message>
    <message>
        <source>Copie del progetto</source>
        <translation>Project snapshots</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>prima dell&apos;esportazione</source>
        <translation>before export</translation>
    </message>
    <message>
        <source>Copia automatica non fatta: %1</source>
        <translation>Automatic snapshot not made: %1</translation>
    </message>
    <message>
        <source>Il progetto è già aperto</source>
        <translation>The project is already open</translation>
    </message>
    <message>
        <source> (computer %1, processo %2): %3</source>
        <translation> (computer %1, process %2): %3</translation>
    </message>
    <message>
        <source>impossibile aggiungere una pagina al documento</source>
        <translation>cannot add a page to the document</translation>
    </message>
    <message>
        <source>area %1</source>
        <translation>area %1</translation>
    </message>
    <message>
        <source>Etichetta</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Posizione</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>verso %1</source>
        <translation>to %1</translation>
    </message>
    <message>
        <source>Aree</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>impossibile preparare l&apos;esportazione temporanea</source>
        <translation>cannot prepare the temporary export</translation>
    </message>
    <message>
        <source>Documentazione del progetto %1</source>
        <translation>Documentation of the project %1</translation>
    </message>
    <message>
        <source>impossibile scrivere il file</source>
        <translation>cannot write the file</translation>
    </message>
    <message>
        <source>Documentazione del progetto</source>
        <translation>Project documentation</translation>
    </message>
    <message>
        <source>Pannello KP5800, pagine di 480 x 272 pixel</source>
        <translation>KP5800 panel, pages of 480 x 272 pixels</translation>
    </message>
    <message>
        <source>Aree: %1 (%2 di base, %3 di dettaglio)</source>
        <translation>Areas: %1 (%2 base, %3 detail)</translation>
    </message>
    <message>
        <source>Ingressi: %1</source>
        <translation>Inputs: %1</translation>
    </message>
    <message>
        <source>Uscite: %1</source>
        <translation>Outputs: %1</translation>
    </message>
    <message>
        <source>Marcatori di zoom: %1</source>
        <translation>Zoom markers: %1</translation>
    </message>
    <message>
        <source>Percorso: %1</source>
        <translation>Path: %1</translation>
    </message>
    <message>
        <source>Area %1, livello %2, bitmap %3</source>
        <translation>Area %1, level %2, bitmap %3</translation>
    </message>
    <message>
        <source>Nessun oggetto.</source>
        <translation>No objects.</translation>
    </message>
    <message>
        <source>Nessun ingresso o uscita.</source>
        <translation>No inputs or outputs.</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>il file finisce prima di %1</source>
        <translation>the file ends before %1</translation>
    </message>
    <message>
        <source>attesa %1</source>
        <translation>expected %1</translation>
    </message>
    <message>
        <source>la riga non finisce con CR LF</source>
        <translation>the line does not end with CR LF</translation>
    </message>
    <message>
        <source>CR senza LF dentro la riga</source>
        <translation>CR without LF inside the line</translation>
    </message>
    <message>
        <source>%1 campi invece di %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source>campo %1 &quot;%2&quot; non valido: atteso %3</source>
        <translation>field %1 &quot;%2&quot; not valid: expected %3</translation>
    </message>
    <message>
        <source>un numero di %1 cifre</source>
        <translation>a %1-digit number</translation>
    </message>
    <message>
        <source>un numero sopra 0 o &quot;---&quot;</source>
        <translation>a number above 0 or &quot;---&quot;</translation>
    </message>
    <message>
        <source>&quot;---&quot; in entrambe le colonne della coppia</source>
        <translation>&quot;---&quot; in both columns of the pair</translation>
    </message>
    <message>
        <source>tipo &quot;%1&quot; inatteso in questa sezione</source>
        <translation>unexpected type &quot;%1&quot; in this section</translation>
    </message>
    <message>
        <source>record diverso da quello che l&apos;esportazione scrive</source>
        <translation>record different from the one the export writes</translation>
    </message>
    <message>
        <source>il titolo di un&apos;area</source>
        <translation>the title of an area</translation>
    </message>
    <message>
        <source>atteso il titolo &quot;Livello N *********** nome&quot; fra asterischi</source>
        <translation>expected the title &quot;Livello N *********** name&quot; between asterisks</translation>
    </message>
    <message>
        <source>il record dell&apos;immagine</source>
        <translation>the picture record</translation>
    </message>
    <message>
        <source>record dell&apos;immagine diverso da quello dell&apos;area %1</source>
        <translation>picture record different from the one of area %1</translation>
    </message>
    <message>
        <source>la riga di asterischi</source>
        <translation>the line of asterisks</translation>
    </message>
    <message>
        <source>la riga dei nomi dei campi</source>
        <translation>the line of field names</translation>
    </message>
    <message>
        <source>tasto dopo i marcatori di zoom</source>
        <translation>key after the zoom markers</translation>
    </message>
    <message>
        <source>il righello delle colonne</source>
        <translation>the column ruler</translation>
    </message>
    <message>
        <source>la riga vuota</source>
        <translation>the empty line</translation>
    </message>
    <message>
        <source>righe dopo &quot;END OF FILE&quot;</source>
        <translation>lines after &quot;END OF FILE&quot;</translation>
    </message>
    <message>
        <source>impossibile creare la cartella</source>
        <translation>cannot create the folder</translation>
    </message>
    <message>
        <source>codifica JPEG non riuscita: </source>
        <translation>JPEG encoding failed: </translation>
    </message>
    <message>
        <source>PDF non leggibile</source>
        <translation>unreadable PDF</translation>
    </message>
    <message>
        <source>password del PDF errata</source>
        <translation>wrong PDF password</translation>
    </message>
    <message>
        <source>PDF protetto da password</source>
        <translation>password-protected PDF</translation>
    </message>
    <message>
        <source>pagina %1 fuori dal PDF, che ha %2 pagine</source>
        <translation>page %1 outside the PDF, which has %2 pages</translation>
    </message>
    <message>
        <source>pagina %1 non leggibile</source>
        <translation>page %1 not readable</translation>
    </message>
    <message>
        <source>pagina %1 vuota</source>
        <translation>page %1 empty</translation>
    </message>
    <message>
        <source>formato dell&apos;immagine non riconosciuto</source>
        <translation>picture format not recognised</translation>
    </message>
    <message>
        <source>dimensioni dell&apos;immagine non leggibili</source>
        <translation>picture size not readable</translation>
    </message>
    <message>
        <source>JPEG troncato: i dati finiscono prima della fine dell&apos;immagine</source>
        <translation>truncated JPEG: the data ends before the end of the picture</translation>
    </message>
    <message>
        <source>immagine di %1 x %2 pixel: per decodificarla servirebbero %3 MiB, oltre il limite di %4 MiB</source>
        <translation>picture of %1 x %2 pixels: decoding it would need %3 MiB, over the limit of %4 MiB</translation>
    </message>
    <message>
        <source>memoria insufficiente per decodificare l&apos;immagine</source>
        <translation>not enough memory to decode the picture</translation>
    </message>
    <message>
        <source>pagina non disegnabile</source>
        <translation>page cannot be drawn</translation>
    </message>
    <message>
        <source>Immagini e PDF</source>
        <translation>Pictures and PDFs</translation>
    </message>
    <message>
        <source>il database del progetto è danneggiato, copia non fatta</source>
        <translation>the project database is damaged, snapshot not made</translation>
    </message>
    <message>
        <source>manca il database</source>
        <translation>database missing</translation>
    </message>
    <message>
        <source>controllo di integrità fallito</source>
        <translation>integrity check failed</translation>
    </message>
    <message>
        <source>manca l&apos;immagine </source>
        <translation>missing picture </translation>
    </message>
    <message>
        <source>copia danneggiata, non ripristinabile</source>
        <translation>damaged snapshot, cannot be restored</translation>
    </message>
    <message>
        <source>impossibile eliminare il file</source>
        <translation>cannot delete the file</translation>
    </message>
    <message>
        <source>dimensione del testo %1 fuori dal catalogo (0-9)</source>
        <translation>label size %1 outside the catalogue (0-9)</translation>
    </message>
    <message>
        <source>colore del testo %1 fuori dal catalogo (0-10, 16)</source>
        <translation>label colour %1 outside the catalogue (0-10, 16)</translation>
    </message>
    <message>
        <source>campo &quot;%1&quot; non valido</source>
        <translation>field &quot;%1&quot; not valid</translation>
    </message>
    <message>
        <source>non è un oggetto</source>
        <translation>not an object</translation>
    </message>
    <message>
        <source>oggetto %1 degli appunti: %2</source>
        <translation>object %1 of the clipboard: %2</translation>
    </message>
    <message>
        <source>numero %1 fuori dal campo %2-%3</source>
        <translation>number %1 outside the range %2-%3</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>is a symbolic link</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>file più grande del limite di %1 MiB</source>
        <translation>file larger than the limit of %1 MiB</translation>
    </message>
    <message>
        <source>Il progetto non può essere bloccato: %1: %2</source>
        <translation>The project cannot be locked: %1: %2</translation>
    </message>
    <message>
        <source>è il database del progetto</source>
        <translation>is the project&apos;s database</translation>
    </message>
    <message>
        <source>è dentro la cartella &quot;%1&quot; del progetto</source>
        <translation>is inside the project&apos;s &quot;%1&quot; folder</translation>
    </message>
    <message>
        <source>… (%1 caratteri)</source>
        <translation>… (%1 characters)</translation>
    </message>
    <message>
        <source>il testo di al massimo %1 caratteri seguito da &quot;|&quot; e spazi fino a 24 caratteri, o 24 &quot;?&quot;</source>
        <translation>a text of at most %1 characters followed by &quot;|&quot; and spaces up to 24 characters, or 24 &quot;?&quot;</translation>
    </message>
    <message>
        <source>non è una bitmap come quelle dell&apos;esportazione</source>
        <translation>is not a bitmap as the export writes them</translation>
    </message>
    <message>
        <source>bitmap troncata: %1 byte invece dei %2 della sua testata</source>
        <translation>bitmap cut short: %1 bytes instead of the %2 its header states</translation>
    </message>
    <message>
        <source>SVG compresso non leggibile</source>
        <translation>compressed SVG not readable</translation>
    </message>
    <message>
        <source>SVG più grande del limite di %1 MiB una volta espanso</source>
        <translation>SVG larger than the limit of %1 MiB once inflated</translation>
    </message>
    <message>
        <source>SVG non leggibile: %1 (riga %2)</source>
        <translation>SVG not readable: %1 (line %2)</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>is not a folder</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non la cartella delle copie</source>
        <translation>is a symbolic link, not the folder of snapshots</translation>
    </message>
    <message>
        <source>cambia mentre lo si copia</source>
        <translation>changes while it is being copied</translation>
    </message>
    <message>
        <source>non è una bitmap</source>
        <translation>not a bitmap</translation>
    </message>
    <message>
        <source>dimensioni non valide: %1 x %2</source>
        <translation>invalid size: %1 x %2</translation>
    </message>
    <message>
        <source>bitmap più corta della sua intestazione: %1 byte invece di %2</source>
        <translation>bitmap shorter than its header says: %1 bytes instead of %2</translation>
    </message>
    <message>
        <source>valore %1 fuori campo</source>
        <translation>value %1 out of range</translation>
    </message>
    <message>
        <source>il testo contiene un carattere di controllo</source>
        <translation>the text holds a control character</translation>
    </message>
    <message>
        <source>id %1 non valido: deve essere sopra 0</source>
        <translation>id %1 not valid: it must be above 0</translation>
    </message>
    <message>
        <source>id %1 già usato alla riga %2</source>
        <translation>id %1 already used on line %2</translation>
    </message>
    <message>
        <source>livello %1 non valido</source>
        <translation>level %1 not valid</translation>
    </message>
    <message>
        <source>riga %1, area %2 di livello %3: nessun tasto &quot;Tsup&quot; né marcatore di zoom vi porta, resta senza area superiore</source>
        <translation>line %1, area %2 of level %3: no &quot;Tsup&quot; key and no zoom marker leads to it, it stays without a parent area</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>number</translation>
    </message>
    <message>
        <source>posizione dell&apos;etichetta</source>
        <translation>label position</translation>
    </message>
    <message>
        <source>dimensione e colore dell&apos;etichetta</source>
        <translation>label size and colour</translation>
    </message>
    <message>
        <source>riga %1, %2 id %3: torna a 0 ciò che il file non scrive: %4</source>
        <translation>line %1, %2 id %3: back as 0, as the file does not write it: %4</translation>
    </message>
    <message>
        <source>esiste e non è una cartella</source>
        <translation>exists and is not a folder</translation>
    </message>
    <message>
        <source>la cartella esiste e non è vuota</source>
        <translation>the folder exists and is not empty</translation>
    </message>
    <message>
        <source>il progetto deve essere un file .omb</source>
        <translation>the project must be a .omb file</translation>
    </message>
    <message>
        <source>Progetto ricostruito: %1</source>
        <translation>Project rebuilt: %1</translation>
    </message>
    <message>
        <source>Aree: %1, oggetti: %2, etichette: %3, immagini: %4.</source>
        <translation>Areas: %1, objects: %2, labels: %3, pictures: %4.</translation>
    </message>
    <message>
        <source>Oggetti saltati, di un tipo che il catalogo non conosce:</source>
        <translation>Objects skipped, of a type the catalogue does not know:</translation>
    </message>
    <message>
        <source>riga %1, &quot;%2&quot; id %3</source>
        <translation>line %1, &quot;%2&quot; id %3</translation>
    </message>
    <message>
        <source>Esportando il progetto ricostruito, maps.txt sarà diverso da quello importato dalla riga %1.</source>
        <translation>Exported, the rebuilt project gives a maps.txt that differs from the imported one from line %1 on.</translation>
    </message>
    <message>
        <source>spostamento</source>
        <translation>move</translation>
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
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>L&apos;editor delle pagine del pannello touch KP5800.</source>
        <translation>The page editor of the KP5800 touch panel.</translation>
    </message>
    <message>
        <source>Informazioni su Ombrix</source>
        <translation>About Ombrix</translation>
    </message>
    <message>
        <source>Zoom, area %1</source>
        <translation>Zoom, area %1</translation>
    </message>
    <message>
        <source>Ripristinare la copia più recente (%1, %2)? Il file danneggiato resta accanto, rinominato.</source>
        <translation>Restore the most recent snapshot (%1, %2)? The damaged file stays alongside, renamed.</translation>
    </message>
    <message>
        <source>Progetto danneggiato</source>
        <translation>Damaged project</translation>
    </message>
    <message>
        <source>Documentazione PDF…</source>
        <translation>PDF documentation…</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Documentazione scritta in %1</source>
        <translation>Documentation written to %1</translation>
    </message>
    <message>
        <source>Il progetto non ha ancora copie.</source>
        <translation>The project has no snapshots yet.</translation>
    </message>
    <message>
        <source>%1 — %2 — danneggiata: %3</source>
        <translation>%1 — %2 — damaged: %3</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 aree, %4 oggetti</source>
        <translation>%1 — %2 — %3 areas, %4 objects</translation>
    </message>
    <message>
        <source>Indicatori di zoom non eliminati: %1</source>
        <translation>Zoom markers not deleted: %1</translation>
    </message>
    <message>
        <source>Incolla speciale</source>
        <translation>Paste special</translation>
    </message>
    <message>
        <source>Indicatori di zoom non incollati: %1</source>
        <translation>Zoom markers not pasted: %1</translation>
    </message>
    <message>
        <source>allineamento</source>
        <translation>alignment</translation>
    </message>
    <message>
        <source>icona</source>
        <translation>icon</translation>
    </message>
    <message>
        <source>Disegna le pagine del pannello touch a parete KP5800.</source>
        <translation>Draws the pages of the KP5800 wall touch panel.</translation>
    </message>
    <message>
        <source>PROGETTO.omb</source>
        <translation>PROJECT.omb</translation>
    </message>
    <message>
        <source>il progetto da aprire nell&apos;editor</source>
        <translation>the project to open in the editor</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Scrive maps.txt e le bitmap delle aree nella cartella &quot;out&quot; del progetto, poi esce (senza display). Esce con 0, o con 1 se non riesce.</source>
        <translation>Write maps.txt and the area bitmaps into the project&apos;s &quot;out&quot; folder, then exit (no display needed). Exit 0, or 1 on a failure.</translation>
    </message>
    <message>
        <source>Elenca ciò che il pannello mostrerebbe in modo errato, una segnalazione per riga: GRAVITÀ, ID_AREA, ID_OGGETTO, CODICE, messaggio, separati da tabulazioni. Esce con 0 senza errori, 1 con errori, 2 se il progetto non si può leggere.</source>
        <translation>List what the panel would get wrong, one finding per line: SEVERITY, AREA_ID, OBJECT_ID, CODE, message, separated by tabs. Exit 0 without errors, 1 with errors, 2 if the project cannot be read.</translation>
    </message>
    <message>
        <source>Elenca i numeri di ingresso e di uscita del progetto in CSV.</source>
        <translation>List the input and output numbers of the project as CSV.</translation>
    </message>
    <message>
        <source>Disegna ogni pagina dell&apos;esportazione in CARTELLA_EXPORT come la mostra il pannello, un PNG per area (areaNN.png, 480 x 272), nella cartella di --out (senza display). Esce con 0, o con 1 se non riesce.</source>
        <translation>Draw every page of the export in EXPORT_DIR as the panel shows it, one PNG per area (areaNN.png, 480 x 272) into the --out folder (no display needed). Exit 0, or 1 on a failure.</translation>
    </message>
    <message>
        <source>CARTELLA_EXPORT</source>
        <translation>EXPORT_DIR</translation>
    </message>
    <message>
        <source>Scrive il documento di consegna A4 del progetto in FILE.pdf, l&apos;argomento dopo PROGETTO.omb (senza display). Esce con 0, o con 1 se non riesce.</source>
        <translation>Write the project&apos;s A4 handover document to FILE.pdf, the argument after PROJECT.omb (no display needed). Exit 0, or 1 on a failure.</translation>
    </message>
    <message>
        <source>Ricostruisce un progetto dall&apos;esportazione di un pannello (maps.txt e le sue bitmap fileNNNN.bmp in CARTELLA_EXPORT) come il nuovo progetto dato da --out CARTELLA/NOME.omb; CARTELLA non deve esistere o deve essere vuota (senza display). Esce con 0, o con 1 se rifiuta, e allora non scrive nulla.</source>
        <translation>Rebuild a project from a panel&apos;s export (maps.txt and its fileNNNN.bmp bitmaps in EXPORT_DIR) as the new project given by --out FOLDER/NAME.omb; FOLDER must not exist or be empty (no display needed). Exit 0, or 1 on a refusal, when nothing is written.</translation>
    </message>
    <message>
        <source>La cartella o il file da scrivere.</source>
        <translation>The output folder or file.</translation>
    </message>
    <message>
        <source>PERCORSO</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>La lingua dell&apos;editor e dei comandi: &quot;it&quot; (predefinita) o &quot;en&quot;. Prevale su Lingua in ombrix.ini.</source>
        <translation>The language of the editor and of the commands: &quot;it&quot; (the default) or &quot;en&quot;. Overrides Lingua in ombrix.ini.</translation>
    </message>
    <message>
        <source>LINGUA</source>
        <translation>LANG</translation>
    </message>
    <message>
        <source>Adatta un&apos;immagine (JPEG, PNG, BMP, GIF, TIFF, WebP, SVG) o una pagina PDF a una pagina del pannello di 480 x 272 e la scrive come il JPEG dato da --out (senza display). Senza altre opzioni l&apos;immagine intera è adattata su fondo bianco. Esce con 0, o con 1 se non riesce, e allora non scrive nulla.</source>
        <translation>Fit a picture (JPEG, PNG, BMP, GIF, TIFF, WebP, SVG) or a PDF page to a 480 x 272 panel page and write it as the JPEG given by --out (no display needed). With no other option the whole picture is fitted on white. Exit 0, or 1 on a failure, when nothing is written.</translation>
    </message>
    <message>
        <source>ORIGINE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>Con --fit: fit (l&apos;immagine intera, predefinito), fill (copre la pagina, ritagliata al centro) o original (non scalata, in alto a sinistra).</source>
        <translation>With --fit: fit (the whole picture, the default), fill (cover the page, centred crop) or original (unscaled, top-left).</translation>
    </message>
    <message>
        <source>Con --fit: l&apos;immagine sotto il banner di 34 pixel, la fascia del banner nel colore di riempimento.</source>
        <translation>With --fit: the picture under the 34-pixel banner, the banner strip in the fill colour.</translation>
    </message>
    <message>
        <source>Con --fit: la pagina di un PDF (1 la prima).</source>
        <translation>With --fit: the page of a PDF (1 first).</translation>
    </message>
    <message>
        <source>Con --fit: prima ruota l&apos;immagine in senso orario.</source>
        <translation>With --fit: turn the picture clockwise first.</translation>
    </message>
    <message>
        <source>Con --fit: il colore di riempimento (bianco se non dato).</source>
        <translation>With --fit: the fill colour (white by default).</translation>
    </message>
    <message>
        <source>Con --fit: le linee sottili e scure di una pianta grande restano visibili dopo una forte riduzione.</source>
        <translation>With --fit: keep the thin dark lines of a large plan visible after a strong reduction.</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1</source>
        <translation>unknown language: %1</translation>
    </message>
    <message>
        <source>un comando alla volta</source>
        <translation>one command at a time</translation>
    </message>
    <message>
        <source>--out va con --render, --fit o --import</source>
        <translation>--out goes with --render, --fit or --import</translation>
    </message>
    <message>
        <source>un progetto alla volta</source>
        <translation>one project at a time</translation>
    </message>
    <message>
        <source>un solo --out</source>
        <translation>one --out at a time</translation>
    </message>
    <message>
        <source>--render vuole --out CARTELLA</source>
        <translation>--render needs --out DIR</translation>
    </message>
    <message>
        <source>--pdf vuole PROGETTO.omb FILE.pdf</source>
        <translation>--pdf needs PROJECT.omb FILE.pdf</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--fit vuole --out DESTINAZIONE.jpg</source>
        <translation>--fit needs --out DEST.jpg</translation>
    </message>
    <message>
        <source>--%1 va con --fit</source>
        <translation>--%1 goes with --fit</translation>
    </message>
    <message>
        <source>--import vuole --out CARTELLA/NOME.omb</source>
        <translation>--import needs --out FOLDER/NAME.omb</translation>
    </message>
    <message>
        <source>Il file non esiste.</source>
        <translation>File does not exist.</translation>
    </message>
    <message>
        <source>File immagine JPEG (*.jpg)</source>
        <translation>JPEG Image File (*.jpg)</translation>
    </message>
    <message>
        <source>Seleziona una cartella</source>
        <translation>Select a directory</translation>
    </message>
    <message>
        <source>seconda estremità</source>
        <translation>second end</translation>
    </message>
    <message>
        <source>1 errore</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>%1 errori</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>1 avviso</source>
        <translation>1 warning</translation>
    </message>
    <message>
        <source>%1 avvisi</source>
        <translation>%1 warnings</translation>
    </message>
    <message>
        <source>volumetrico</source>
        <translation>volumetric detector</translation>
    </message>
    <message>
        <source>contatto</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>marcatore di zoom</source>
        <translation>zoom marker</translation>
    </message>
    <message>
        <source>barriera</source>
        <translation>barrier</translation>
    </message>
    <message>
        <source>telecamera</source>
        <translation>camera</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>tapparelle su</source>
        <translation>shutter up</translation>
    </message>
    <message>
        <source>tapparelle giù</source>
        <translation>shutter down</translation>
    </message>
    <message>
        <source>allarme</source>
        <translation>alarm</translation>
    </message>
    <message>
        <source>irrigazione</source>
        <translation>irrigation</translation>
    </message>
    <message>
        <source>%1, colonna %2: %3</source>
        <translation>%1, column %2: %3</translation>
    </message>
    <message>
        <source>colonna inesistente: %1</source>
        <translation>no such column: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un numero intero</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>%1 è troppo grande</source>
        <translation>%1 is too large</translation>
    </message>
    <message>
        <source>tbarea, area %1</source>
        <translation>tbarea, area %1</translation>
    </message>
    <message>
        <source>carattere di controllo nel nome</source>
        <translation>control character in the name</translation>
    </message>
    <message>
        <source>tbsensori, oggetto %1</source>
        <translation>tbsensori, object %1</translation>
    </message>
    <message>
        <source>carattere di controllo nell&apos;etichetta</source>
        <translation>control character in the label</translation>
    </message>
    <message>
        <source>: è un collegamento simbolico, non una cartella del progetto</source>
        <translation>: is a symbolic link, not a folder of the project</translation>
    </message>
    <message>
        <source>: immagine progressiva troppo grande da decodificare (%1 x %2 pixel)</source>
        <translation>: progressive picture too large to decode (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>: impossibile eliminare il file</source>
        <translation>: cannot delete the file</translation>
    </message>
    <message>
        <source>Nessun id libero per una nuova area: %1</source>
        <translation>No free id for a new area: %1</translation>
    </message>
    <message>
        <source>Il testo non può contenere caratteri di controllo</source>
        <translation>The text cannot hold control characters</translation>
    </message>
    <message>
        <source>Nessun id libero per un nuovo oggetto: %1</source>
        <translation>No free id for a new object: %1</translation>
    </message>
    <message>
        <source>File o cartella inesistente</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Permesso negato</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operazione non permessa</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>È una cartella</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Non è una cartella</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Il file esiste già</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Spazio esaurito sul dispositivo</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Quota del disco superata</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>File system di sola lettura</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>File troppo grande</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Troppi file aperti</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Nome del file troppo lungo</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Troppi livelli di collegamenti simbolici</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Errore di ingresso/uscita</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>--mode vuole fit, fill o original</source>
        <translation>--mode takes fit, fill or original</translation>
    </message>
    <message>
        <source>--rotate vuole 90, 180 o 270</source>
        <translation>--rotate takes 90, 180 or 270</translation>
    </message>
    <message>
        <source>--fill vuole un colore come #RRGGBB</source>
        <translation>--fill takes a colour as #RRGGBB</translation>
    </message>
    <message>
        <source>--page vuole un numero di pagina da 1</source>
        <translation>--page takes a page number from 1</translation>
    </message>
    <message>
        <source>impossibile aprire il database</source>
        <translation>cannot open the database</translation>
    </message>
    <message>
        <source>DETTAGLIO</source>
        <translation>DETAIL</translation>
    </message>
    <message>
        <source>LIVELLO BASE</source>
        <translation>BASE LEVEL</translation>
    </message>
    <message>
        <source>LGPL-3.0 (GNU Lesser General Public License)</source>
        <translation>LGPL-3.0 (GNU Lesser General Public License)</translation>
    </message>
    <message>
        <source>pubblico dominio</source>
        <translation>public domain</translation>
    </message>
    <message>
        <source>IJG, BSD-3-Clause e Zlib</source>
        <translation>IJG, BSD-3-Clause and Zlib</translation>
    </message>
    <message>
        <source>GPL-2.0 o GPL-3.0, usata con la GPL-3.0</source>
        <translation>GPL-2.0 or GPL-3.0, used under GPL-3.0</translation>
    </message>
    <message>
        <source>attraverso Qt</source>
        <translation>through Qt</translation>
    </message>
    <message>
        <source>licenza libpng; Zlib</source>
        <translation>libpng licence; Zlib</translation>
    </message>
    <message>
        <source>Ombrix è software libero: si può ridistribuire e modificare secondo i termini della GNU General Public License pubblicata dalla Free Software Foundation, versione 3 o (a scelta) qualsiasi versione successiva (GPL-3.0-or-later). È distribuito senza alcuna garanzia; il testo della licenza è nel file COPYING.</source>
        <translation>Ombrix is free software: you can redistribute it and modify it under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty at all; the text of the licence is in the file COPYING.</translation>
    </message>
    <message>
        <source>Le librerie usate da Ombrix e le loro licenze:</source>
        <translation>The libraries Ombrix uses and their licences:</translation>
    </message>
    <message>
        <source>%1, seconda estremità</source>
        <translation>%1, second end</translation>
    </message>
    <message>
        <source>%1 in %2 copre l&apos;icona di %3 %4</source>
        <translation>%1 at %2 covers the icon of %3 %4</translation>
    </message>
    <message>
        <source>Centro X</source>
        <translation>Centre X</translation>
    </message>
    <message>
        <source>Centro Y</source>
        <translation>Centre Y</translation>
    </message>
    <message>
        <source>Seconda estremità X</source>
        <translation>Second end X</translation>
    </message>
    <message>
        <source>Seconda estremità Y</source>
        <translation>Second end Y</translation>
    </message>
    <message>
        <source>Nessun oggetto selezionato</source>
        <translation>No object selected</translation>
    </message>
    <message>
        <source>%1 oggetti</source>
        <translation>%1 objects</translation>
    </message>
    <message>
        <source>posizione</source>
        <translation>position</translation>
    </message>
    <message>
        <source>La cartella con maps.txt</source>
        <translation>The folder holding maps.txt</translation>
    </message>
    <message>
        <source>%1: il nome di un progetto non può essere un percorso</source>
        <translation>%1: a project&apos;s name cannot be a path</translation>
    </message>
    <message>
        <source>L&apos;immagine è di %1 x %2 pixel; il pannello mostra %3 x %4. Adattarla alla pagina?</source>
        <translation>The picture is %1 x %2 pixels; the panel shows %3 x %4. Fit it to the page?</translation>
    </message>
    <message>
        <source>Immagine di sfondo</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Adatta…</source>
        <translation>Fit…</translation>
    </message>
    <message>
        <source>Usa così com&apos;è</source>
        <translation>Use it as it is</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>La verifica ha trovato %1 errori: il pannello mostrerebbe queste pagine in modo sbagliato. Esportare comunque?</source>
        <translation>The check found %1 errors: the panel would show these pages wrongly. Export anyway?</translation>
    </message>
    <message>
        <source>Esporta Progetto</source>
        <translation>Export Project</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Mostra errori</source>
        <translation>Show errors</translation>
    </message>
    <message>
        <source>1 pagina in %1</source>
        <translation>1 page in %1</translation>
    </message>
    <message>
        <source>%1 pagine in %2</source>
        <translation>%1 pages in %2</translation>
    </message>
    <message>
        <source>Ripristinare la copia del %1 (%2, %3 aree, %4 oggetti)?
Sostituirà il progetto %5 così com&apos;è ora. Prima dello scambio viene fatta una copia dello stato attuale.</source>
        <translation>Restore the snapshot of %1 (%2, %3 areas, %4 objects)?
It will replace the project %5 as it is now. A snapshot of the current state is made first.</translation>
    </message>
    <message>
        <source>ombrix: la verifica ha trovato %1 (ombrix --check %2)</source>
        <translation>ombrix: the check found %1 (ombrix --check %2)</translation>
    </message>
    <message>
        <source>%1 numero %2 già usato in quest&apos;area da %3</source>
        <translation>%1 number %2 already used in this area by %3</translation>
    </message>
    <message>
        <source>Il numero deve essere tra %1 e %2</source>
        <translation>The number must be between %1 and %2</translation>
    </message>
    <message>
        <source>%1: %2 diventerebbe %3</source>
        <translation>%1: %2 would become %3</translation>
    </message>
    <message>
        <source>marcatore di zoom verso «%1»</source>
        <translation>zoom marker to «%1»</translation>
    </message>
    <message>
        <source>marcatore di zoom verso l&apos;area %1</source>
        <translation>zoom marker to area %1</translation>
    </message>
    <message>
        <source>La verifica ha trovato 1 errore: il pannello mostrerebbe queste pagine in modo sbagliato. Esportare comunque?</source>
        <translation>The check found 1 error: the panel would show these pages wrongly. Export anyway?</translation>
    </message>
    <message>
        <source>L&apos;immagine non è un JPEG; il pannello mostra pagine JPEG di %1 x %2 pixel. Adattarla alla pagina?</source>
        <translation>The picture is not a JPEG; the panel shows JPEG pages of %1 x %2 pixels. Fit it to the page?</translation>
    </message>
</context>
<context>
    <name>TAnteprimaAdatta</name>
    <message>
        <source>Anteprima della pagina</source>
        <translation>Page preview</translation>
    </message>
    <message>
        <source>Trascina per spostare la finestra di ritaglio, rotella per lo zoom</source>
        <translation>Drag to move the crop window, wheel to zoom</translation>
    </message>
</context>
<context>
    <name>TAreaCanvas</name>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
</context>
<context>
    <name>TAzioni</name>
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
        <source>Anteprima Pannello</source>
        <translation>Panel Preview</translation>
    </message>
    <message>
        <source>Le pagine dell&apos;ultima esportazione come le mostra il pannello</source>
        <translation>The pages of the last export as the panel shows them</translation>
    </message>
    <message>
        <source>Documentazione PDF…</source>
        <translation>PDF documentation…</translation>
    </message>
    <message>
        <source>Documento A4 delle pagine e degli ingressi e uscite</source>
        <translation>A4 document of the pages and of the inputs and outputs</translation>
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
        <source>Ripristina copia…</source>
        <translation>Restore snapshot…</translation>
    </message>
    <message>
        <source>Rimette il progetto com&apos;era in una delle sue copie automatiche</source>
        <translation>Restore the project as it was in one of its automatic snapshots</translation>
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
        <source>Adatta immagine di sfondo…</source>
        <translation>Fit background picture…</translation>
    </message>
    <message>
        <source>Adatta un&apos;immagine o una pagina PDF alla pagina dell&apos;area</source>
        <translation>Fit a picture or a PDF page to the page of the area</translation>
    </message>
    <message>
        <source>Seleziona tutto</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Seleziona ogni oggetto dell&apos;area</source>
        <translation>Select every object of the area</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copia gli oggetti selezionati</source>
        <translation>Copy the selected objects</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Taglia gli oggetti selezionati</source>
        <translation>Cut the selected objects</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Incolla gli oggetti copiati nell&apos;area mostrata</source>
        <translation>Paste the copied objects into the area shown</translation>
    </message>
    <message>
        <source>Incolla speciale…</source>
        <translation>Paste special…</translation>
    </message>
    <message>
        <source>Incolla spostando i numeri di ingressi e uscite</source>
        <translation>Paste shifting the input and output numbers</translation>
    </message>
    <message>
        <source>Allinea</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>Allinea gli oggetti selezionati</source>
        <translation>Align the selected objects</translation>
    </message>
    <message>
        <source>A sinistra</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Al centro orizzontale</source>
        <translation>Horizontal centre</translation>
    </message>
    <message>
        <source>A destra</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>In alto</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Al centro verticale</source>
        <translation>Vertical centre</translation>
    </message>
    <message>
        <source>In basso</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Distribuisci in orizzontale</source>
        <translation>Distribute horizontally</translation>
    </message>
    <message>
        <source>Distribuisci in verticale</source>
        <translation>Distribute vertically</translation>
    </message>
    <message>
        <source>&amp;Vista</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ingrandisci</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Ingrandisce la pagina di un passo</source>
        <translation>Enlarges the page by one step</translation>
    </message>
    <message>
        <source>Riduci</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Riduce la pagina di un passo</source>
        <translation>Reduces the page by one step</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>La pagina al %1 %</source>
        <translation>The page at %1 %</translation>
    </message>
    <message>
        <source>Adatta alla finestra</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Il passo più grande a cui la pagina entra nella finestra</source>
        <translation>The largest step at which the page fits in the window</translation>
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
        <source>Etichette unite agli oggetti</source>
        <translation>Labels joined to objects</translation>
    </message>
    <message>
        <source>Spostando un&apos;icona si sposta anche la sua etichetta</source>
        <translation>Moving an icon moves its label too</translation>
    </message>
    <message>
        <source>Proprietà</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Mostra o nasconde il pannello delle proprietà degli oggetti selezionati</source>
        <translation>Shows or hides the panel of the selected objects&apos; properties</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Mostra la griglia; gli oggetti trascinati o incollati vi si allineano</source>
        <translation>Shows the grid; dragged or pasted objects line up on it</translation>
    </message>
    <message>
        <source>Passo griglia</source>
        <translation>Grid step</translation>
    </message>
    <message>
        <source>Il passo della griglia in pixel del pannello</source>
        <translation>The grid&apos;s step in panel pixels</translation>
    </message>
    <message>
        <source>%1 pixel</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>Mostra numeri</source>
        <translation>Show numbers</translation>
    </message>
    <message>
        <source>Il numero di ingresso o uscita di ogni oggetto; in rosso se ripetuto nella sua classe</source>
        <translation>Each object&apos;s input or output number; in red when repeated in its class</translation>
    </message>
    <message>
        <source>Importa dal pannello…</source>
        <translation>Import from panel…</translation>
    </message>
    <message>
        <source>Ricostruisce un progetto dal maps.txt e dalle immagini di un pannello</source>
        <translation>Rebuilds a project from a panel&apos;s maps.txt and pictures</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Chiude Ombrix</source>
        <translation>Closes Ombrix</translation>
    </message>
</context>
<context>
    <name>TBarraStato</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>%1 oggetti selezionati</source>
        <translation>%1 objects selected</translation>
    </message>
</context>
<context>
    <name>TBenvenuto</name>
    <message>
        <source>Benvenuto</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Per cominciare, crea un progetto, aprine uno o ricostruiscilo da un pannello.</source>
        <translation>To begin, create a project, open one, or rebuild one from a panel.</translation>
    </message>
    <message>
        <source>Nuovo progetto…</source>
        <translation>New project…</translation>
    </message>
    <message>
        <source>Un progetto vuoto, con la sua prima area</source>
        <translation>An empty project, with its first area</translation>
    </message>
    <message>
        <source>Apri progetto…</source>
        <translation>Open project…</translation>
    </message>
    <message>
        <source>Un progetto già salvato (*.omb)</source>
        <translation>A project saved before (*.omb)</translation>
    </message>
    <message>
        <source>Importa dal pannello…</source>
        <translation>Import from panel…</translation>
    </message>
    <message>
        <source>Un progetto ricostruito dal maps.txt e dalle immagini di un pannello</source>
        <translation>A project rebuilt from a panel&apos;s maps.txt and pictures</translation>
    </message>
    <message>
        <source>Progetti recenti</source>
        <translation>Recent projects</translation>
    </message>
</context>
<context>
    <name>TCheckDock</name>
    <message>
        <source>Adatta immagine di sfondo…</source>
        <translation>Fit background picture…</translation>
    </message>
    <message>
        <source>Adatta un&apos;immagine o una pagina PDF alla pagina dell&apos;area</source>
        <translation>Fit a picture or a PDF page to the page of the area</translation>
    </message>
</context>
<context>
    <name>TFrmAdatta</name>
    <message>
        <source>Adatta immagine di sfondo</source>
        <translation>Fit background picture</translation>
    </message>
    <message>
        <source>Adatta</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Riempi</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Originale</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Adatta: tutta l&apos;immagine; Riempi: copre la pagina, ritagliata; Originale: non scalata</source>
        <translation>Fit: the whole picture; Fill: covers the page, cropped; Original: not scaled</translation>
    </message>
    <message>
        <source>Sotto il banner</source>
        <translation>Below the banner</translation>
    </message>
    <message>
        <source>L&apos;immagine nella fascia sotto il banner, che resta nel colore di riempimento</source>
        <translation>The picture in the strip below the banner, which stays in the fill colour</translation>
    </message>
    <message>
        <source>Linee marcate</source>
        <translation>Bold lines</translation>
    </message>
    <message>
        <source>Le linee sottili e scure restano visibili dopo una forte riduzione</source>
        <translation>Thin dark lines stay visible after a strong reduction</translation>
    </message>
    <message>
        <source>Ruota a sinistra</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Ruota di 90° in senso antiorario</source>
        <translation>Rotate 90° anticlockwise</translation>
    </message>
    <message>
        <source>Ruota a destra</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Ruota di 90° in senso orario</source>
        <translation>Rotate 90° clockwise</translation>
    </message>
    <message>
        <source>Colore di riempimento…</source>
        <translation>Fill colour…</translation>
    </message>
    <message>
        <source>Il colore delle bande e del banner</source>
        <translation>The colour of the bands and of the banner</translation>
    </message>
    <message>
        <source>Pagina</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>La pagina del PDF</source>
        <translation>The PDF page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom (anche con la rotella sull&apos;anteprima)</source>
        <translation>Zoom (also with the wheel on the preview)</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rotazione</source>
        <translation>Rotation</translation>
    </message>
</context>
<context>
    <name>TFrmAnteprima</name>
    <message>
        <source>Anteprima Pannello</source>
        <translation>Panel Preview</translation>
    </message>
    <message>
        <source>Stato dell&apos;esportazione</source>
        <translation>Export status</translation>
    </message>
    <message>
        <source>Esporta e aggiorna</source>
        <translation>Export and refresh</translation>
    </message>
    <message>
        <source>Esporta il progetto nella cartella out e mostra la nuova esportazione</source>
        <translation>Export the project to the out folder and show the new export</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1x</translation>
    </message>
    <message>
        <source>Dimensione reale del pannello</source>
        <translation>Actual size of the panel</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>Doppia dimensione</source>
        <translation>Double size</translation>
    </message>
    <message>
        <source>Area mostrata</source>
        <translation>Area shown</translation>
    </message>
    <message>
        <source>Pagina del pannello</source>
        <translation>Panel page</translation>
    </message>
    <message>
        <source>Un clic su un tasto o su un marcatore di zoom apre l&apos;area a cui porta</source>
        <translation>A click on a key or on a zoom marker opens the area it leads to</translation>
    </message>
    <message>
        <source>Nessun progetto aperto.</source>
        <translation>No project open.</translation>
    </message>
    <message>
        <source>La cartella out non contiene un&apos;esportazione: usare &quot;Esporta e aggiorna&quot;.</source>
        <translation>The out folder holds no export: use &quot;Export and refresh&quot;.</translation>
    </message>
    <message>
        <source>L&apos;esportazione in out è più vecchia del progetto: usare &quot;Esporta e aggiorna&quot;.</source>
        <translation>The export in out is older than the project: use &quot;Export and refresh&quot;.</translation>
    </message>
    <message>
        <source>Area %1: %2</source>
        <translation>Area %1: %2</translation>
    </message>
</context>
<context>
    <name>TFrmBase</name>
    <message>
        <source>Ombrix KP5800 maps generator</source>
        <translation>Ombrix KP5800 maps generator</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
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
</context>
<context>
    <name>TPannelloAree</name>
    <message>
        <source>Aree</source>
        <translation>Areas</translation>
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
        <source>Adatta immagine di sfondo…</source>
        <translation>Fit background picture…</translation>
    </message>
    <message>
        <source>Adatta un&apos;immagine o una pagina PDF alla pagina dell&apos;area</source>
        <translation>Fit a picture or a PDF page to the page of the area</translation>
    </message>
    <message>
        <source>Duplica area…</source>
        <translation>Duplicate area…</translation>
    </message>
    <message>
        <source>Una copia dell&apos;area con le sue aree di dettaglio</source>
        <translation>A copy of the area with its detail areas</translation>
    </message>
    <message>
        <source>Duplica area</source>
        <translation>Duplicate area</translation>
    </message>
    <message>
        <source>è la prima area del progetto</source>
        <translation>it is the project&apos;s first area</translation>
    </message>
    <message>
        <source>ha aree di dettaglio</source>
        <translation>it has detail areas</translation>
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
    <message>
        <source>prima dell&apos;eliminazione dell&apos;area %1 (%2)</source>
        <translation>before deleting area %1 (%2)</translation>
    </message>
    <message>
        <source>sfondo</source>
        <translation>background</translation>
    </message>
    <message>
        <source>incolla</source>
        <translation>paste</translation>
    </message>
    <message>
        <source>ingressi %1</source>
        <translation>inputs %1</translation>
    </message>
    <message>
        <source>uscite %1</source>
        <translation>outputs %1</translation>
    </message>
    <message>
        <source>Numeri già usati nel progetto: %1</source>
        <translation>Numbers already used in the project: %1</translation>
    </message>
    <message>
        <source>%1 (copia)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>duplicazione area</source>
        <translation>area duplication</translation>
    </message>
    <message>
        <source>eliminazione</source>
        <translation>deletion</translation>
    </message>
    <message>
        <source>apertura del progetto</source>
        <translation>opening the project</translation>
    </message>
    <message>
        <source>copia danneggiata, non ripristinabile</source>
        <translation>damaged snapshot, cannot be restored</translation>
    </message>
    <message>
        <source>Copia automatica non fatta: %1</source>
        <translation>Automatic snapshot not made: %1</translation>
    </message>
    <message>
        <source>prima del ripristino della copia %1</source>
        <translation>before restoring snapshot %1</translation>
    </message>
    <message>
        <source>Il database del progetto è danneggiato.</source>
        <translation>The project database is damaged.</translation>
    </message>
    <message>
        <source>Incolla rifiutato, nessun oggetto incollato: %1</source>
        <translation>Paste refused, no object pasted: %1</translation>
    </message>
</context>
<context>
    <name>TStrumentoSelezione</name>
    <message>
        <source>spostamento</source>
        <translation>move</translation>
    </message>
</context>
<context>
    <name>TVistaArea</name>
    <message>
        <source>Pagina dell&apos;area</source>
        <translation>Page of the area</translation>
    </message>
</context>
</TS>
