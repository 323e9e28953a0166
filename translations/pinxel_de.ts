<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ContainerForm</name>
    <message>
        <source>The picture %1 cannot be shown: %2</source>
        <translation>Das Bild %1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>The form file %1 could not be restored: the value of %2 is not valid (%3).
The values before it were restored; the file is kept as it is.</source>
        <translation>Die Formulardatei %1 konnte nicht wiederhergestellt werden: Der Wert von %2 ist ungültig (%3).
Die Werte davor wurden wiederhergestellt; die Datei bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>Dabbler</name>
    <message>
        <source>The picture editor is not available.</source>
        <translation>Der Bildeditor ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>DabblerDesignerPlugin</name>
    <message>
        <source>EditorWidget: the whole paint editor inside your window</source>
        <translation>EditorWidget: der ganze Maleditor in Ihrem Fenster</translation>
    </message>
    <message>
        <source>A non-modal paint editor with its menus, tools, palette and canvas. The host hands it pictures with setPicture(), takes them with picture(), hears pictureChanged() and modifiedChanged(), and can own Open and Save with setFileHandler().</source>
        <translation>Ein nicht modaler Maleditor mit Menüs, Werkzeugen, Farbpalette und Zeichenfläche. Das Programm übergibt ihm Bilder mit setPicture(), holt sie mit picture() ab, erfährt Änderungen über pictureChanged() und modifiedChanged() und kann Öffnen und Speichern mit setFileHandler() selbst übernehmen.</translation>
    </message>
    <message>
        <source>Dabbler: shows a picture file and opens a paint editor on it</source>
        <translation>Dabbler: zeigt eine Bilddatei und öffnet einen Maleditor dafür</translation>
    </message>
    <message>
        <source>Shows the picture named by picturefilename. Calling Dabbler() at run time opens a modal paint editor on it; the edited picture shows in the control.</source>
        <translation>Zeigt das mit picturefilename angegebene Bild. Ein Aufruf von Dabbler() zur Laufzeit öffnet einen modalen Maleditor dafür; das bearbeitete Bild erscheint im Steuerelement.</translation>
    </message>
</context>
<context>
    <name>DabblerTaskMenu</name>
    <message>
        <source>Edit Properties...</source>
        <translation>Eigenschaften bearbeiten...</translation>
    </message>
    <message>
        <source>Dabbler Properties</source>
        <translation>Eigenschaften von Dabbler</translation>
    </message>
    <message>
        <source>Edit Properties</source>
        <translation>Eigenschaften bearbeiten</translation>
    </message>
</context>
<context>
    <name>EditProperties</name>
    <message>
        <source>Appearance:</source>
        <translation>Darstellung:</translation>
    </message>
    <message>
        <source>BorderStyle:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>WindowCaption:</source>
        <translation>Fenstertitel:</translation>
    </message>
    <message>
        <source>picturefilename:</source>
        <translation>Bilddatei:</translation>
    </message>
    <message>
        <source>EditWidth:</source>
        <translation>Editorbreite:</translation>
    </message>
    <message>
        <source>EditHeight:</source>
        <translation>Editorhöhe:</translation>
    </message>
    <message>
        <source>EditMaximized</source>
        <translation>Editor maximiert</translation>
    </message>
    <message>
        <source>EditMenuFile</source>
        <translation>Menü „Datei“ zeigen</translation>
    </message>
    <message>
        <source>The control&apos;s %1 property</source>
        <translation>Die Eigenschaft %1 des Steuerelements</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Click to set the foreground color; Right-click to set the background color</source>
        <translation>Klicken legt die Vordergrundfarbe fest, Rechtsklicken die Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Double-click to set the foreground color with custom color</source>
        <translation>Doppelklicken, um eine eigene Vordergrundfarbe festzulegen</translation>
    </message>
    <message>
        <source>Double-click to set the background color with custom color</source>
        <translation>Doppelklicken, um eine eigene Hintergrundfarbe festzulegen</translation>
    </message>
    <message>
        <source>The clipboard holds no picture the editor can read.</source>
        <translation>Die Zwischenablage enthält kein Bild, das der Editor lesen kann.</translation>
    </message>
    <message>
        <source>All Picture Files|*.bmp;*.dib;*.gif;*.jpg; *.wma;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|MetaFiles (*.wma;*.emf)|*.wma; *.emf|Icons (*.ico;*.cur)|*.ico;*.cur|All Files (*.*)|*.*</source>
        <extracomment>Descriptions and patterns alternate between the bars: translate the descriptions only.</extracomment>
        <translation>Alle Bilddateien|*.bmp;*.dib;*.gif;*.jpg; *.wma;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF-Bilder (*.gif)|*.gif|JPEG-Bilder (*.jpg)|*.jpg|Metadateien (*.wma;*.emf)|*.wma; *.emf|Symbole (*.ico;*.cur)|*.ico;*.cur|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp) |*.bmp</source>
        <extracomment>Description and pattern between the bar: translate the description only.</extracomment>
        <translation>Bitmap-Dateien (*.bmp) |*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation>Das Bild konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the host gave no reason</source>
        <translation>Das Programm hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>The picture could not be opened.</source>
        <translation>Das Bild konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Files do not open here: the File menu is hidden.</source>
        <translation>Hier lassen sich keine Dateien öffnen: Das Menü „Datei“ ist ausgeblendet.</translation>
    </message>
    <message>
        <source>%1 holds no picture the editor can read: %2</source>
        <translation>%1 enthält kein Bild, das der Editor lesen kann: %2</translation>
    </message>
    <message>
        <source>The file is read-only/hidden. <byte value="xd"/>
Are you sure you want to write into the file and remove the read-only/hidden property?</source>
        <translation>Die Datei ist schreibgeschützt oder versteckt. <byte value="xd"/>
Möchten Sie wirklich in die Datei schreiben und den Schreibschutz bzw. das Versteckt-Attribut entfernen?</translation>
    </message>
    <message>
        <source>The dropped data holds no picture the editor can read.</source>
        <translation>Die abgelegten Daten enthalten kein Bild, das der Editor lesen kann.</translation>
    </message>
</context>
<context>
    <name>EditorWidget</name>
    <message>
        <source>the picture</source>
        <translation>das Bild</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Invalid picture: the control shows no picture</source>
        <translation>Ungültiges Bild: Das Steuerelement zeigt kein Bild</translation>
    </message>
    <message>
        <source>Subscript out of range: no control is selected</source>
        <translation>Index außerhalb des gültigen Bereichs: Es ist kein Steuerelement ausgewählt</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Das Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Geräte-E/A-Fehler</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Path not found: cannot create the folder %1</source>
        <translation>Pfad nicht gefunden: Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Permission denied: the component registry %1 is locked</source>
        <translation>Zugriff verweigert: Das Komponentenverzeichnis %1 ist gesperrt</translation>
    </message>
    <message>
        <source>Disk full: no space left to lock the component registry %1</source>
        <translation>Datenträger voll: Kein Platz, um das Komponentenverzeichnis %1 zu sperren</translation>
    </message>
    <message>
        <source>Device I/O error: cannot create the lock file %1.lock</source>
        <translation>Geräte-E/A-Fehler: Die Sperrdatei %1.lock kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Can&apos;t create object: %1</source>
        <translation>Objekt kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>the library %1 does not exist</source>
        <translation>Die Bibliothek %1 existiert nicht</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 does not export %2</source>
        <translation>%1 exportiert %2 nicht</translation>
    </message>
    <message>
        <source>%1 is not registered in %2</source>
        <translation>%1 ist in %2 nicht registriert</translation>
    </message>
    <message>
        <source>%1 offers no class %2 (%3)</source>
        <translation>%1 bietet keine Klasse %2 an (%3)</translation>
    </message>
    <message>
        <source>the class object of %1 failed (%2)</source>
        <translation>Das Klassenobjekt von %1 ist fehlgeschlagen (%2)</translation>
    </message>
    <message>
        <source>Permission denied: cannot keep a copy of %1 as %2</source>
        <translation>Zugriff verweigert: Von %1 kann keine Kopie als %2 behalten werden</translation>
    </message>
    <message>
        <source>Can&apos;t create object: %1 is no property page</source>
        <translation>Objekt kann nicht erstellt werden: %1 ist keine Eigenschaftsseite</translation>
    </message>
    <message>
        <source>the bitmap file is truncated</source>
        <translation>Die Bitmap-Datei ist unvollständig</translation>
    </message>
    <message>
        <source>unknown bitmap header of %1 bytes</source>
        <translation>Unbekannter Bitmap-Kopf mit %1 Bytes</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth</source>
        <translation>%1 Bit pro Pixel ist keine Bitmap-Farbtiefe</translation>
    </message>
    <message>
        <source>8-bit run-length coding on a %1-bit bitmap</source>
        <translation>8-Bit-Lauflängenkodierung in einer %1-Bit-Bitmap</translation>
    </message>
    <message>
        <source>4-bit run-length coding on a %1-bit bitmap</source>
        <translation>4-Bit-Lauflängenkodierung in einer %1-Bit-Bitmap</translation>
    </message>
    <message>
        <source>a run-length coded bitmap cannot be stored top-down</source>
        <translation>Eine lauflängenkodierte Bitmap kann nicht von oben nach unten gespeichert sein</translation>
    </message>
    <message>
        <source>unsupported bitmap compression %1</source>
        <translation>Nicht unterstützte Bitmap-Kompression %1</translation>
    </message>
    <message>
        <source>a palette of %1 colours</source>
        <translation>Eine Palette mit %1 Farben</translation>
    </message>
    <message>
        <source>the bitmap file is truncated in its palette</source>
        <translation>Die Bitmap-Datei endet mitten in ihrer Palette</translation>
    </message>
    <message>
        <source>the pixel data offset %1 lies outside the file</source>
        <translation>Der Beginn der Pixeldaten (%1) liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the bitmap file is truncated: %1 of %2 bytes of pixel data</source>
        <translation>Die Bitmap-Datei ist unvollständig: %1 von %2 Bytes Pixeldaten</translation>
    </message>
    <message>
        <source>the pixel data cannot be reached</source>
        <translation>Die Pixeldaten sind nicht erreichbar</translation>
    </message>
    <message>
        <source>The picture is too large for a bitmap file.</source>
        <translation>Das Bild ist zu groß für eine Bitmap-Datei.</translation>
    </message>
    <message>
        <source>Invalid picture%1: %2</source>
        <translation>Ungültiges Bild%1: %2</translation>
    </message>
    <message>
        <source>the icon image is truncated</source>
        <translation>Das Symbolbild ist unvollständig</translation>
    </message>
    <message>
        <source>unknown icon image header</source>
        <translation>Unbekannter Kopf eines Symbolbilds</translation>
    </message>
    <message>
        <source>an icon image of %1 x %2 pixels</source>
        <translation>Ein Symbolbild mit %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>compressed icon images are not supported</source>
        <translation>Komprimierte Symbolbilder werden nicht unterstützt</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not an icon depth</source>
        <translation>%1 Bit pro Pixel ist keine Symbol-Farbtiefe</translation>
    </message>
    <message>
        <source>not an icon or cursor file</source>
        <translation>Keine Symbol- oder Zeigerdatei</translation>
    </message>
    <message>
        <source>the icon directory is truncated</source>
        <translation>Das Symbolverzeichnis ist unvollständig</translation>
    </message>
    <message>
        <source>image %1 of the icon directory lies outside the file</source>
        <translation>Bild %1 des Symbolverzeichnisses liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>the file is too large for a cursor</source>
        <translation>Die Datei ist zu groß für einen Mauszeiger</translation>
    </message>
    <message>
        <source>Permission denied: cannot read %1</source>
        <translation>Zugriff verweigert: %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>A cursor is 1 to 256 pixels a side.</source>
        <translation>Ein Mauszeiger ist 1 bis 256 Pixel breit und hoch.</translation>
    </message>
    <message>
        <source>The hot spot lies outside the cursor.</source>
        <translation>Der Zeigepunkt liegt außerhalb des Mauszeigers.</translation>
    </message>
    <message>
        <source>Path not found: no file name was given</source>
        <translation>Pfad nicht gefunden: Es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Pfad nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1 is a folder</source>
        <translation>Zugriff verweigert: %1 ist ein Ordner</translation>
    </message>
    <message>
        <source>Permission denied: %1 is not a regular file</source>
        <translation>Zugriff verweigert: %1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>Permission denied: the folder %1 is not writable</source>
        <translation>Zugriff verweigert: In den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Permission denied: %1 is read-only</source>
        <translation>Zugriff verweigert: %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Disk full: no space left to write %1</source>
        <translation>Datenträger voll: Kein Platz mehr, um %1 zu schreiben</translation>
    </message>
    <message>
        <source>Permission denied: cannot write %1: %2</source>
        <translation>Zugriff verweigert: %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Device I/O error: writing %1 failed: %2</source>
        <translation>Geräte-E/A-Fehler: Das Schreiben von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Bad file format: %1line %2: %3</source>
        <translation>Ungültiges Dateiformat: %1Zeile %2: %3</translation>
    </message>
    <message>
        <source>Permission denied: %1 is a folder, not a file</source>
        <translation>Zugriff verweigert: %1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>Permission denied: cannot read %1: %2</source>
        <translation>Zugriff verweigert: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Bad file format: %1 is larger than %2 bytes</source>
        <translation>Ungültiges Dateiformat: %1 ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>Device I/O error: %1: %2</source>
        <translation>Geräte-E/A-Fehler: %1: %2</translation>
    </message>
    <message>
        <source>Bad file format: %1 is not a text file</source>
        <translation>Ungültiges Dateiformat: %1 ist keine Textdatei</translation>
    </message>
    <message>
        <source>Bad file format: %1 would be larger than %2 bytes (%3)</source>
        <translation>Ungültiges Dateiformat: %1 wäre größer als %2 Bytes (%3)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>Die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>out of memory for %1 x %2 pixels</source>
        <translation>Nicht genügend Speicher für %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>Das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is larger than the largest picture (%3 pixels a side, %4 pixels in all)</source>
        <translation>%1 x %2 Pixel sind größer als das größte Bild (%3 Pixel je Seite, %4 Pixel insgesamt)</translation>
    </message>
    <message>
        <source>%1 bytes of data cannot fill %2 pixels</source>
        <translation>%1 Bytes Daten können nicht %2 Pixel füllen</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>Die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>unknown GIF block 0x%1</source>
        <translation>Unbekannter GIF-Block 0x%1</translation>
    </message>
    <message>
        <source>not a picture file of a known format</source>
        <translation>Keine Bilddatei in einem bekannten Format</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>File not found: %1 is a folder</source>
        <translation>Datei nicht gefunden: %1 ist ein Ordner</translation>
    </message>
    <message>
        <source>File not found: %1 is not a regular file</source>
        <translation>Datei nicht gefunden: %1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>Device I/O error: cannot read %1: %2</source>
        <translation>Geräte-E/A-Fehler: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Invalid picture: there is no picture to save</source>
        <translation>Ungültiges Bild: Es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the file is damaged (a chunk&apos;s checksum is wrong)</source>
        <translation>Die Datei ist beschädigt (die Prüfsumme eines Blocks ist falsch)</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder for printing.</source>
        <translation>Für den Druck kann kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>Permission denied: cannot change the attributes of %1</source>
        <translation>Zugriff verweigert: Die Attribute von %1 können nicht geändert werden</translation>
    </message>
    <message>
        <source>Permission denied: cannot delete %1</source>
        <translation>Zugriff verweigert: %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Printer error: the print job could not be started</source>
        <translation>Druckerfehler: Der Druckauftrag konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Printer error: the print job could not be finished</source>
        <translation>Druckerfehler: Der Druckauftrag konnte nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>&amp;Black &amp;&amp; White</source>
        <translation>&amp;Schwarzweiß</translation>
    </message>
    <message>
        <source>B&amp;lur</source>
        <translation>&amp;Weichzeichnen</translation>
    </message>
    <message>
        <source>B&amp;rightness</source>
        <translation>&amp;Aufhellen</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Heller</translation>
    </message>
    <message>
        <source>&amp;Crease</source>
        <translation>&amp;Knittern</translation>
    </message>
    <message>
        <source>&amp;Darkness</source>
        <translation>A&amp;bdunkeln</translation>
    </message>
    <message>
        <source>&amp;Dirty</source>
        <translation>Sch&amp;mutzig</translation>
    </message>
    <message>
        <source>Di&amp;ffuse</source>
        <translation>Stre&amp;uen</translation>
    </message>
    <message>
        <source>&amp;Emboss</source>
        <translation>&amp;Relief</translation>
    </message>
    <message>
        <source>Gra&amp;y Black &amp;&amp; White</source>
        <translation>&amp;Grau-Schwarzweiß</translation>
    </message>
    <message>
        <source>&amp;Grayscale</source>
        <translation>Graus&amp;tufen</translation>
    </message>
    <message>
        <source>&amp;Invert Colors</source>
        <translation>Farben &amp;invertieren</translation>
    </message>
    <message>
        <source>&amp;Replace Colors</source>
        <translation>Farben &amp;ersetzen</translation>
    </message>
    <message>
        <source>&amp;Replace Color</source>
        <translation>Farbe &amp;ersetzen</translation>
    </message>
    <message>
        <source>&amp;Sharpen</source>
        <translation>Scharfzeic&amp;hnen</translation>
    </message>
    <message>
        <source>S&amp;now</source>
        <translation>Sch&amp;nee</translation>
    </message>
    <message>
        <source>&amp;Wave</source>
        <translation>Wel&amp;len</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>C&amp;rop</source>
        <translation>&amp;Zuschneiden</translation>
    </message>
    <message>
        <source>F&amp;oreground Color...</source>
        <translation>&amp;Vordergrundfarbe...</translation>
    </message>
    <message>
        <source>Fi&amp;ll Color...</source>
        <translation>&amp;Füllfarbe...</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation>&amp;Durchgezogen</translation>
    </message>
    <message>
        <source>&amp;Dash</source>
        <translation>&amp;Gestrichelt</translation>
    </message>
    <message>
        <source>D&amp;ot</source>
        <translation>Ge&amp;punktet</translation>
    </message>
    <message>
        <source>D&amp;ashDot</source>
        <translation>&amp;Strich-Punkt</translation>
    </message>
    <message>
        <source>Da&amp;shDotDot</source>
        <translation>Strich-Punkt-Pu&amp;nkt</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <comment>fill style</comment>
        <translation>Ausge&amp;füllt</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <comment>fill style</comment>
        <translation>&amp;Transparent</translation>
    </message>
    <message>
        <source>&amp;Horizontal Line</source>
        <comment>fill style</comment>
        <translation>&amp;Horizontale Linien</translation>
    </message>
    <message>
        <source>&amp;Vertical Line</source>
        <comment>fill style</comment>
        <translation>&amp;Vertikale Linien</translation>
    </message>
    <message>
        <source>&amp;Downward Diagonal</source>
        <comment>fill style</comment>
        <translation>Diagonal &amp;fallend</translation>
    </message>
    <message>
        <source>&amp;Upward Diagonal</source>
        <comment>fill style</comment>
        <translation>Diagonal &amp;steigend</translation>
    </message>
    <message>
        <source>&amp;Cross</source>
        <comment>fill style</comment>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>Diagona&amp;l Cross</source>
        <comment>fill style</comment>
        <translation>&amp;Diagonalgitter</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>Bei&amp;de</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>By 45°</source>
        <translation>Um 45°</translation>
    </message>
    <message>
        <source>By 90°</source>
        <translation>Um 90°</translation>
    </message>
    <message>
        <source>By 135°</source>
        <translation>Um 135°</translation>
    </message>
    <message>
        <source>By 180°</source>
        <translation>Um 180°</translation>
    </message>
    <message>
        <source>By 225°</source>
        <translation>Um 225°</translation>
    </message>
    <message>
        <source>By 270°</source>
        <translation>Um 270°</translation>
    </message>
    <message>
        <source>By 315°</source>
        <translation>Um 315°</translation>
    </message>
    <message>
        <source>&amp;Clockwise</source>
        <translation>Im &amp;Uhrzeigersinn</translation>
    </message>
    <message>
        <source>&amp;Anti-Clockwise</source>
        <translation>&amp;Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Border Style</source>
        <translation>&amp;Linienstil</translation>
    </message>
    <message>
        <source>Fi&amp;ll Style</source>
        <translation>Füll&amp;muster</translation>
    </message>
    <message>
        <source>Effec&amp;t</source>
        <translation>Effe&amp;kte</translation>
    </message>
    <message>
        <source>Re&amp;size</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>&amp;Flip</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Bild &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Filte&amp;r</source>
        <translation>&amp;Filter</translation>
    </message>
</context>
<context>
    <name>QtHostServices</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <source>Restored %1 of %2 events.</source>
        <translation>%1 von %2 Schritten wiederhergestellt.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be read.</source>
        <translation>Das Protokoll %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture %1 changed since: the changes were replayed onto it as it is now.</source>
        <translation>Das Bild %1 hat sich seitdem geändert: Die Änderungen wurden auf seinen jetzigen Stand angewendet.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read any more: the changes were replayed onto a white picture of its size.</source>
        <translation>Das Bild %1 kann nicht mehr gelesen werden: Die Änderungen wurden auf ein weißes Bild seiner Größe angewendet.</translation>
    </message>
    <message>
        <source>Cannot create the recovery folder %1</source>
        <translation>Der Wiederherstellungsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot lock the journal %1</source>
        <translation>Das Protokoll %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>Restore the unsaved changes made to %1 on %2?</source>
        <translation>Die nicht gespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>d MMM yyyy, HH:mm</source>
        <translation>d. MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>No recovery journal: %1</source>
        <translation>Kein Wiederherstellungsprotokoll: %1</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>Cannot write to the disk.</source>
        <translation>Auf den Datenträger kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Make sure the disk is not full or write-protected.</source>
        <translation>Stellen Sie sicher, dass der Datenträger nicht voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Cannot print the file.</source>
        <translation>Die Datei kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Make sure the print is ready.</source>
        <translation>Stellen Sie sicher, dass der Drucker bereit ist.</translation>
    </message>
    <message>
        <source>Cannot open the file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file may be corrupt or not a valid picture file.</source>
        <translation>Die Datei ist möglicherweise beschädigt oder keine gültige Bilddatei.</translation>
    </message>
    <message>
        <source>Cannot drawing using the selected tool.</source>
        <translation>Mit dem gewählten Werkzeug kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The needed file may be missing.</source>
        <translation>Möglicherweise fehlt eine benötigte Datei.</translation>
    </message>
</context>
<context>
    <name>SelectArea</name>
    <message>
        <source>Press and hold down CTRL before moving the selection to copy it</source>
        <translation>Halten Sie beim Verschieben STRG gedrückt, um die Auswahl zu kopieren</translation>
    </message>
</context>
<context>
    <name>SessionRecorder</name>
    <message>
        <source>Cannot record into %1: %2</source>
        <translation>Aufzeichnen in %1 nicht möglich: %2</translation>
    </message>
</context>
<context>
    <name>ToolTable</name>
    <message>
        <source>Select Area</source>
        <translation>Bereich auswählen</translation>
    </message>
    <message>
        <source>Selects a rectangular part of the picture to move or delete</source>
        <translation>Wählt einen rechteckigen Teil des Bildes zum Verschieben oder Löschen aus</translation>
    </message>
    <message>
        <source>Press and hold down SHIFT to select a square part</source>
        <translation>Halten Sie UMSCHALT gedrückt, um einen quadratischen Teil auszuwählen</translation>
    </message>
    <message>
        <source>Pick Color</source>
        <translation>Farbe aufnehmen</translation>
    </message>
    <message>
        <source>Picks up a foreground color (click) or background color (right-click) from the picture for drawing</source>
        <translation>Nimmt eine Vordergrundfarbe (Klicken) oder Hintergrundfarbe (Rechtsklicken) zum Zeichnen aus dem Bild auf</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Erases a partion of the picture using the selected eraser width</source>
        <translation>Radiert einen Teil des Bildes mit der gewählten Radiergummibreite aus</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fills an area</source>
        <translation>Füllt eine Fläche</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Draws using a pencil with the selected dot size</source>
        <translation>Zeichnet mit einem Bleistift in der gewählten Punktgröße</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Draws a straight line with the selected line width</source>
        <translation>Zeichnet eine gerade Linie in der gewählten Linienbreite</translation>
    </message>
    <message>
        <source>Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line</source>
        <translation>Halten Sie STRG gedrückt, um eine waagerechte oder senkrechte Linie zu zeichnen, UMSCHALT für eine 45-Grad-Linie</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Draws a rectangle with the selected outline width and fill style</source>
        <translation>Zeichnet ein Rechteck mit der gewählten Randbreite und Füllart</translation>
    </message>
    <message>
        <source>Press and hold down SHIFT to draw a square</source>
        <translation>Halten Sie UMSCHALT gedrückt, um ein Quadrat zu zeichnen</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Draws an ellips with the selected outline width and fill style</source>
        <translation>Zeichnet eine Ellipse mit der gewählten Randbreite und Füllart</translation>
    </message>
    <message>
        <source>Press and hold down SHIFT to draw a circle</source>
        <translation>Halten Sie UMSCHALT gedrückt, um einen Kreis zu zeichnen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Insert text into the picture</source>
        <translation>Fügt Text in das Bild ein</translation>
    </message>
    <message>
        <source>Press ENTER or double-click to finish inserting the text</source>
        <translation>Drücken Sie EINGABE oder doppelklicken Sie, um das Einfügen des Textes abzuschließen</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Draws an arrow with the selected arrow width</source>
        <translation>Zeichnet einen Pfeil in der gewählten Pfeilbreite</translation>
    </message>
    <message>
        <source>Press and hold down CTRL to draw a horizontal or vertical arrow; SHIFT to draw a 45-degree arrow</source>
        <translation>Halten Sie STRG gedrückt, um einen waagerechten oder senkrechten Pfeil zu zeichnen, UMSCHALT für einen 45-Grad-Pfeil</translation>
    </message>
    <message>
        <source>Air Brush</source>
        <translation>Sprühdose</translation>
    </message>
    <message>
        <source>Draws using an airbrush with the selected airbrush size</source>
        <translation>Sprüht mit der Sprühdose in der gewählten Sprühgröße</translation>
    </message>
    <message>
        <source>Rounded Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Draws a rounded rectangle with the selected outline width and fill style</source>
        <translation>Zeichnet ein abgerundetes Rechteck mit der gewählten Randbreite und Füllart</translation>
    </message>
    <message>
        <source>Press and hold down SHIFT to draw a rounded-square</source>
        <translation>Halten Sie UMSCHALT gedrückt, um ein abgerundetes Quadrat zu zeichnen</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Draws a polygon with the selected outline width and fill area</source>
        <translation>Zeichnet ein Vieleck mit der gewählten Randbreite und Füllart</translation>
    </message>
    <message>
        <source>Press ENTER or double-click to finish drawing the polygon</source>
        <translation>Drücken Sie EINGABE oder doppelklicken Sie, um das Vieleck abzuschließen</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Draws a bezier curve with the selected curve width</source>
        <translation>Zeichnet eine Bézierkurve in der gewählten Kurvenbreite</translation>
    </message>
    <message>
        <source>Press ENTER or double-click to finish drawing the curve</source>
        <translation>Drücken Sie EINGABE oder doppelklicken Sie, um die Kurve abzuschließen</translation>
    </message>
    <message>
        <source>Filter Brush</source>
        <translation>Filterpinsel</translation>
    </message>
    <message>
        <source>Apply the selected filter to the image</source>
        <translation>Wendet den gewählten Filter auf das Bild an</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)</source>
        <translation>Vergrößert oder verkleinert die Ansicht um den Faktor 1,25 (zum Verkleinern STRG gedrückt halten)</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Draws using a brush with the selected shape</source>
        <translation>Malt mit einem Pinsel in der gewählten Form</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Pan to see other part of the picture</source>
        <translation>Verschiebt die Ansicht, um andere Teile des Bildes zu sehen</translation>
    </message>
</context>
<context>
    <name>frmPaint</name>
    <message>
        <source>Filled square</source>
        <translation>Gefülltes Quadrat</translation>
    </message>
    <message>
        <source>Filled disc</source>
        <translation>Gefüllter Kreis</translation>
    </message>
    <message>
        <source>Hollow square</source>
        <translation>Hohles Quadrat</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Upright cross</source>
        <translation>Aufrechtes Kreuz</translation>
    </message>
    <message>
        <source>Diagonal cross</source>
        <translation>Diagonales Kreuz</translation>
    </message>
    <message>
        <source>Rising diagonal line</source>
        <translation>Steigende Diagonale</translation>
    </message>
    <message>
        <source>Falling diagonal line</source>
        <translation>Fallende Diagonale</translation>
    </message>
    <message>
        <source>Horizontal line</source>
        <translation>Waagerechte Linie</translation>
    </message>
    <message>
        <source>Vertical line</source>
        <translation>Senkrechte Linie</translation>
    </message>
    <message>
        <source>Outline only</source>
        <translation>Nur Rand</translation>
    </message>
    <message>
        <source>Outline and fill</source>
        <translation>Rand und Füllung</translation>
    </message>
    <message>
        <source>Fill only</source>
        <translation>Nur Füllung</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Dark olive</source>
        <translation>Dunkeloliv</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Dark purple</source>
        <translation>Dunkelviolett</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Right edge of the picture</source>
        <translation>Rechter Bildrand</translation>
    </message>
    <message>
        <source>Bottom edge of the picture</source>
        <translation>Unterer Bildrand</translation>
    </message>
    <message>
        <source>Corner of the picture</source>
        <translation>Bildecke</translation>
    </message>
    <message>
        <source>Start of the curve</source>
        <translation>Anfang der Kurve</translation>
    </message>
    <message>
        <source>First control point</source>
        <translation>Erster Kontrollpunkt</translation>
    </message>
    <message>
        <source>Second control point</source>
        <translation>Zweiter Kontrollpunkt</translation>
    </message>
    <message>
        <source>End of the curve</source>
        <translation>Ende der Kurve</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Pen width</source>
        <translation>Stiftbreite</translation>
    </message>
    <message>
        <source>The width of lines and outlines</source>
        <translation>Die Breite von Linien und Rändern</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Brush shape</source>
        <translation>Pinselform</translation>
    </message>
    <message>
        <source>The shape the brush paints with</source>
        <translation>Die Form, mit der der Pinsel malt</translation>
    </message>
    <message>
        <source>How rectangles, ellipses and polygons are drawn</source>
        <translation>Wie Rechtecke, Ellipsen und Vielecke gezeichnet werden</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Drag to change the size of the picture</source>
        <translation>Ziehen, um die Bildgröße zu ändern</translation>
    </message>
    <message>
        <source>Drag to move this point of the curve</source>
        <translation>Ziehen, um diesen Kurvenpunkt zu verschieben</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Outline and fill options</source>
        <translation>Optionen für Rand und Füllung</translation>
    </message>
</context>
</TS>
