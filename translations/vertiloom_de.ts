<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vertiloom</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.</source>
        <translation>%1 hat keinen Cartridge-Header bei 7FC0 oder FFC0 und damit keine Prüfsumme, die sich setzen ließe. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write the header&apos;s checksum into %1: %2.</source>
        <translation>Die Prüfsumme des Headers kann nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The copied text holds no points of this editor: it does not begin with &quot;vertiloom-points&quot;. Nothing was pasted.</source>
        <translation>Der kopierte Text enthält keine Punkte dieses Editors: Er beginnt nicht mit „vertiloom-points“. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was pasted.</source>
        <translation>Die kopierten Punkte liegen im Format %1 einer neueren Version dieses Editors vor; diese Version liest Format %2. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The copied points can&apos;t be pasted: line %1 (&quot;%2&quot;) is not as this editor writes them. Nothing was pasted.</source>
        <translation>Die kopierten Punkte können nicht eingefügt werden: Zeile %1 („%2“) ist nicht so geschrieben, wie dieser Editor sie schreibt. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The copied text of this editor holds no point. Nothing was pasted.</source>
        <translation>Der kopierte Text dieses Editors enthält keinen Punkt. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>There is no checked point to transform.</source>
        <translation>Es ist kein Punkt markiert, der transformiert werden könnte.</translation>
    </message>
    <message>
        <source>Point %1 would go to %2 = %3, outside -128..127: nothing was changed.</source>
        <translation>Punkt %1 käme auf %2 = %3, außerhalb von -128..127: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The letter already has 8 polygons, as many as a letter can hold.</source>
        <translation>Der Buchstabe hat bereits 8 Polygone, so viele, wie ein Buchstabe fassen kann.</translation>
    </message>
    <message>
        <source>The letter already has 20 points, as many as a letter can hold.</source>
        <translation>Der Buchstabe hat bereits 20 Punkte, so viele, wie ein Buchstabe fassen kann.</translation>
    </message>
    <message>
        <source>A polygon has at most 11 corners.</source>
        <translation>Ein Polygon hat höchstens 11 Ecken.</translation>
    </message>
    <message>
        <source>No point of the letter is selected: there is nothing to copy.</source>
        <translation>Kein Punkt des Buchstabens ist ausgewählt: Es gibt nichts zu kopieren.</translation>
    </message>
    <message>
        <source>The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was pasted.</source>
        <translation>Der Buchstabe hat %1 Punkte; mit den %2 eingefügten hätte er %3, und ein Buchstabe fasst höchstens 20. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was pasted.</source>
        <translation>Der Buchstabe hat %1 Polygone; mit den %2 eingefügten hätte er %3, und ein Buchstabe fasst höchstens 8. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>No file has been opened yet: choose a ROM image with &quot;Open file&quot; first.</source>
        <translation>Es wurde noch keine Datei geöffnet: Wählen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild.</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?</source>
        <translation>%1 ist jetzt %2 Bytes groß: Die Datei wird als ROM-Abbild am Offset aus Addr gelesen. Laden?</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a letter file from its start. Load it?</source>
        <translation>%1 ist jetzt %2 Bytes groß: Die Datei wird als Buchstabendatei von ihrem Anfang an gelesen. Laden?</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?</source>
        <translation>%1 ist ein ROM-Abbild von %2 Bytes. Das ganze Abbild durch diese Buchstabendatei von %3 Bytes ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte letter file?</source>
        <translation>%1 existiert bereits. Durch diese Buchstabendatei von %2 Bytes ersetzen?</translation>
    </message>
    <message>
        <source>The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing was written.</source>
        <translation>Der Datensatz von %1 Bytes passt nicht an Offset %2 in %3: Die Datei ist nur %4 Bytes lang. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot read offset %1 of %2: %3. Nothing was written.</source>
        <translation>Offset %1 in %2 kann nicht gelesen werden: %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endete vorzeitig</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 bytes there. Write it anyway?</source>
        <translation>An Offset %1 in %2 lässt sich kein Buchstabendatensatz lesen (%3). Der neue Datensatz überschreibt die %4 Bytes dort. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the old record will be overwritten. Write it anyway?</source>
        <translation>Der Datensatz an Offset %1 in %2 ist %3 Bytes lang, der neue %4 Bytes, daher wird 1 Byte nach dem alten Datensatz überschrieben. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after the old record will be overwritten. Write it anyway?</source>
        <translation>Der Datensatz an Offset %1 in %2 ist %3 Bytes lang, der neue %4 Bytes, daher werden die %5 Bytes nach dem alten Datensatz überschrieben. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Cannot write the record at offset %1 into %2: %3.</source>
        <translation>Der Datensatz kann nicht an Offset %1 in %2 geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>Cannot write the %1 records into %2: %3.</source>
        <translation>Die %1 Datensätze können nicht in %2 geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try again.</source>
        <translation>%1 hat sich nach der Prüfung an Offset %2 geändert: Ein anderes Programm hat hineingeschrieben. Es wurde nichts geschrieben; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Drawings and pictures</source>
        <translation>Zeichnungen und Bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Letter from font</source>
        <translation>Buchstabe aus Schriftart</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>Give one character to draw from the font &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Geben Sie ein einzelnes Zeichen an, das aus der Schriftart „%1“ gezeichnet werden soll, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from the source&apos;s.</source>
        <translation>%1 Punkte, %2 Polygone; %3 % der gefüllten Fläche mit der Quelle gemeinsam, die Kanten höchstens %4 Einheiten von denen der Quelle entfernt.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first: the font shows its 24 letters.</source>
        <translation>Es ist noch kein ROM-Abbild geöffnet. Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild: Die Schrift zeigt dessen 24 Buchstaben.</translation>
    </message>
    <message>
        <source>%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.</source>
        <translation>%1 ist eine Buchstabendatei, kein ROM-Abbild: Die Schrift zeigt die 24 Buchstaben eines ROM-Abbilds.</translation>
    </message>
    <message>
        <source>%1 is taken as it stands, its %2-byte copier header included.</source>
        <translation>%1 wird unverändert übernommen, samt Kopierer-Header von %2 Bytes.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 bytes.</source>
        <translation>%1 geschrieben: %2 Bytes.</translation>
    </message>
    <message>
        <source>%1 is no patch this editor knows: a BPS patch begins with &quot;BPS1&quot;, an IPS patch with &quot;PATCH&quot;.</source>
        <translation>%1 ist kein Patch, den dieser Editor kennt: Ein BPS-Patch beginnt mit „BPS1“, ein IPS-Patch mit „PATCH“.</translation>
    </message>
    <message>
        <source>%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with a header or both without, or make the patch between the files as they stand with vertiloom-cli patch create --exact. Nothing was written.</source>
        <translation>%1 hat der Größe nach einen Kopierer-Header von 512 Bytes (%2 Bytes, 512 mehr als ein Vielfaches von 1,024), %3 hat keinen (%4 Bytes): Ein Patch zwischen beiden würde den Header als Teil des Spiels mitführen. Geben Sie beide Abbilder mit Header oder beide ohne an, oder erstellen Sie den Patch zwischen den Dateien, wie sie sind, mit vertiloom-cli patch create --exact. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is made without it.</source>
        <translation>%1 hat einen Kopierer-Header von %2 Bytes: Der Patch wird ohne ihn erstellt.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.</source>
        <translation>%1 hat einen Kopierer-Header von %2 Bytes: Der Patch wird ohne ihn angewendet und der Header wieder vor %3 gesetzt.</translation>
    </message>
    <message>
        <source>This patch was made for an image of %1 bytes; this image has %2 bytes.</source>
        <translation>Dieser Patch wurde für ein Abbild von %1 Bytes erstellt; dieses Abbild hat %2 Bytes.</translation>
    </message>
    <message>
        <source>This patch was made for an image with CRC32 %1; this image has %2.</source>
        <translation>Dieser Patch wurde für ein Abbild mit der CRC32 %1 erstellt; dieses Abbild hat %2.</translation>
    </message>
    <message>
        <source>The patched image has the CRC32 %1, but the patch says its result has %2.</source>
        <translation>Das gepatchte Abbild hat die CRC32 %1, laut Patch hat sein Ergebnis aber %2.</translation>
    </message>
    <message>
        <source>The patch was applied all the same, as asked: its checksums were not insisted on.</source>
        <translation>Der Patch wurde wie verlangt trotzdem angewendet, ohne auf seinen Prüfsummen zu bestehen.</translation>
    </message>
    <message>
        <source>%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch&apos;s target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.</source>
        <translation>%1 wäre mit dem angewendeten Patch %2 Bytes groß (sein Kopierer-Header von %3 Bytes vor dem Ziel des Patches von %4 Bytes): Der Editor liest und schreibt Dateien von höchstens 64 MiB (%5 Bytes). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No ROM image is open: open the modified image first, then make the patch between a clean original and it.</source>
        <translation>Es ist kein ROM-Abbild geöffnet: Öffnen Sie zuerst das veränderte Abbild und erstellen Sie dann den Patch zwischen einem sauberen Original und diesem.</translation>
    </message>
    <message>
        <source>programs are started only from the editor&apos;s window</source>
        <translation>Programme werden nur aus dem Fenster des Editors gestartet</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Es ist noch kein ROM-Abbild geöffnet. Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und spielen Sie es dann.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Die zuletzt geöffnete Datei „%1“ ist eine Buchstabendatei, kein ROM-Abbild (%2 Bytes; ein ROM-Abbild ist größer als 2,000,000 Bytes). Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und spielen Sie es dann.</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written over the %4 bytes there. %2 itself is unchanged.</source>
        <translation>An Offset %1 in %2 lässt sich kein Buchstabendatensatz lesen (%3): In der Kopie zum Spielen wird der neue Datensatz über die %4 Bytes dort geschrieben. %2 selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 byte after the old record is overwritten. %2 itself is unchanged.</source>
        <translation>Der Datensatz an Offset %1 in %2 ist %3 Bytes lang, der neue %4 Bytes: In der Kopie zum Spielen wird 1 Byte nach dem alten Datensatz überschrieben. %2 selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 bytes after the old record are overwritten. %2 itself is unchanged.</source>
        <translation>Der Datensatz an Offset %1 in %2 ist %3 Bytes lang, der neue %4 Bytes: In der Kopie zum Spielen werden die %5 Bytes nach dem alten Datensatz überschrieben. %2 selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>retroarch ist im PATH, aber in %1/*/libretro/ liegt kein SNES-Core dafür: Installieren Sie das Debian-Paket libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) oder mednafen (apt-get install mednafen), oder geben Sie Ihre eigene Befehlszeile an.</translation>
    </message>
    <message>
        <source>No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>Im PATH wurde kein Emulator gefunden: Installieren Sie das Debian-Paket mednafen (apt-get install mednafen), oder geben Sie Ihre eigene Befehlszeile an.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line has a %1 that is not closed: %2</source>
        <translation>In der Befehlszeile des Emulators ist das Anführungszeichen %1 nicht geschlossen: %2</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line is empty: give it in &quot;Emulator…&quot;, with %f where the file to play goes.</source>
        <translation>Die Befehlszeile des Emulators ist leer: Geben Sie sie unter „Emulator…“ an, mit %f an der Stelle der zu spielenden Datei.</translation>
    </message>
    <message>
        <source>Cannot make a folder for the copy to play in %1: %2.</source>
        <translation>In %1 kann kein Ordner für die Kopie zum Spielen angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot start the emulator %1: %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Der Emulator %1 kann nicht gestartet werden: %2. Seine Befehlszeile wird unter „Emulator…“ eingestellt.</translation>
    </message>
    <message>
        <source>Cannot start the emulator &quot;%1&quot; (looked for in the folders of the PATH): %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Der Emulator „%1“ kann nicht gestartet werden (gesucht in den Ordnern des PATH): %2. Seine Befehlszeile wird unter „Emulator…“ eingestellt.</translation>
    </message>
    <message>
        <source>This image does not match any of the five known dumps: the catalogue offsets may point at other data.</source>
        <translation>Dieses Abbild entspricht keinem der fünf bekannten Dumps: Die Offsets des Katalogs zeigen womöglich auf andere Daten.</translation>
    </message>
    <message>
        <source>This image looks like %1 (with a 512-byte header). Switch to it?</source>
        <translation>Dieses Abbild sieht aus wie %1 (mit einem Header von 512 Bytes). Darauf umschalten?</translation>
    </message>
    <message>
        <source>This image looks like %1. Switch to it?</source>
        <translation>Dieses Abbild sieht aus wie %1. Darauf umschalten?</translation>
    </message>
    <message>
        <source>The header&apos;s checksum no longer matches: vertiloom-cli checksum --fix sets it</source>
        <translation>Die Prüfsumme des Headers stimmt nicht mehr: vertiloom-cli checksum --fix setzt sie</translation>
    </message>
    <message>
        <source>%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write into it anyway?</source>
        <translation>%1 entspricht keinem der fünf bekannten Dumps: Die Offsets des Katalogs zeigen womöglich auf andere Daten. Trotzdem hineinschreiben?</translation>
    </message>
    <message>
        <source>The letter has changes that are in no file yet. Discard them?</source>
        <translation>Der Buchstabe hat Änderungen, die noch in keiner Datei stehen. Verwerfen?</translation>
    </message>
    <message>
        <source>Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, and the copy %2 could not be made: %3</source>
        <translation>In %1 wurde nichts geschrieben. Vor dem ersten Schreiben in ein Abbild legt der Editor eine Kopie davon an, und die Kopie %2 konnte nicht angelegt werden: %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?</source>
        <translation>%1 ist ein ROM-Abbild von %2 Bytes. Das ganze Abbild durch diese SVG-Zeichnung von %3 Bytes ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte SVG drawing?</source>
        <translation>%1 existiert bereits. Durch diese SVG-Zeichnung von %2 Bytes ersetzen?</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 reaches outside the letter&apos;s square: every coordinate of a letter is within -128..127.</source>
        <translation>Der Rahmen %1,%2,%3,%4 reicht über das Quadrat des Buchstabens hinaus: Jede Koordinate eines Buchstabens liegt innerhalb von -128..127.</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.</source>
        <translation>Der Rahmen %1,%2,%3,%4 ist eine einzige Einheit: Ein Buchstabe braucht einen Rahmen mit Breite oder Höhe, in dem er stehen kann.</translation>
    </message>
    <message>
        <source>There is nothing to fit: the drawing fills no area (its contours enclose nothing).</source>
        <translation>Es gibt nichts einzupassen: Die Zeichnung füllt keine Fläche (ihre Umrisse schließen nichts ein).</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing: its root element is &lt;%1&gt;.</source>
        <translation>Die Datei ist keine SVG-Zeichnung: Ihr Wurzelelement ist &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1 refers to &quot;%2&quot;, which is no element of this drawing: only the drawing&apos;s own elements are drawn through &lt;use&gt;.</source>
        <translation>%1 verweist auf „%2“, das kein Element dieser Zeichnung ist: Durch &lt;use&gt; werden nur die eigenen Elemente der Zeichnung gezeichnet.</translation>
    </message>
    <message>
        <source>%1 draws &quot;%2&quot;, which holds it: a &lt;use&gt; can&apos;t draw itself or an element around it.</source>
        <translation>%1 zeichnet „%2“, das es selbst enthält: Ein Element &lt;use&gt; kann weder sich selbst noch ein Element um sich herum zeichnen.</translation>
    </message>
    <message>
        <source>%1 would draw more than %2 elements through &lt;use&gt;, the most a drawing may.</source>
        <translation>%1 würde durch &lt;use&gt; mehr als %2 Elemente zeichnen, mehr als eine Zeichnung darf.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.</source>
        <translation>In der Zeichnung wird nichts gezeichnet: Jede Form darin ist verborgen, transparent oder hat weder Füllung noch Kontur.</translation>
    </message>
    <message>
        <source>The drawing fills nothing: it holds no shape with an area (a &lt;line&gt; or an open path needs a stroke to be drawn).</source>
        <translation>Die Zeichnung füllt nichts: Sie enthält keine Form mit einer Fläche (ein Element &lt;line&gt; oder ein offener Pfad braucht eine Kontur, um gezeichnet zu werden).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a font: it is no TrueType or OpenType file Qt can read.</source>
        <translation>%1 kann nicht als Schriftart gelesen werden: Es ist keine TrueType- oder OpenType-Datei, die Qt lesen kann.</translation>
    </message>
    <message>
        <source>No font &quot;%1&quot; is installed: name an installed font&apos;s family, such as &quot;DejaVu Sans&quot; (with its style after a colon, such as &quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>Es ist keine Schriftart „%1“ installiert: Nennen Sie die Familie einer installierten Schriftart, etwa „DejaVu Sans“ (mit ihrem Stil nach einem Doppelpunkt, etwa „DejaVu Sans:Bold“), oder eine .ttf- oder .otf-Datei.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no style &quot;%2&quot;; its styles are: %3.</source>
        <translation>Die Schriftart „%1“ hat keinen Stil „%2“; ihre Stile sind: %3.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character %2 (%3).</source>
        <translation>Die Schriftart „%1“ hat kein Zeichen %2 (%3).</translation>
    </message>
    <message>
        <source>The character %1 (%2) of the font &quot;%3&quot; draws nothing: it has no outline to fit.</source>
        <translation>Das Zeichen %1 (%2) der Schriftart „%3“ zeichnet nichts: Es hat keinen Umriss, der sich einpassen ließe.</translation>
    </message>
    <message>
        <source>The picture is empty: it has no pixels.</source>
        <translation>Das Bild ist leer: Es hat keine Pixel.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: it is all one shade.</source>
        <translation>Das Bild hat nichts Dunkles zum Nachzeichnen: Es hat überall denselben Farbton.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.</source>
        <translation>Das Bild hat nichts Dunkles zum Nachzeichnen: Seine Farbtöne liegen zu nah beieinander, um eine Form von ihrem Hintergrund zu unterscheiden.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a picture: %2.</source>
        <translation>%1 kann nicht als Bild gelesen werden: %2.</translation>
    </message>
    <message>
        <source>One of the patch&apos;s images is %1 bytes: no ROM image of the game is that large, and the editor reads and writes files of at most 64 MiB (%2 bytes).</source>
        <translation>Eines der Abbilder des Patches ist %1 Bytes groß: Kein ROM-Abbild des Spiels ist so groß, und der Editor liest und schreibt Dateien von höchstens 64 MiB (%2 Bytes).</translation>
    </message>
    <message>
        <source>The patch is cut short: its head ends after its checksums begin at byte %1.</source>
        <translation>Der Patch ist abgeschnitten: Sein Kopf endet erst nach dem Beginn seiner Prüfsummen bei Byte %1.</translation>
    </message>
    <message>
        <source>The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.</source>
        <translation>Der Patch ist abgeschnitten: Aktion %1 bei Byte %2 endet erst nach dem Beginn seiner Prüfsummen bei Byte %3.</translation>
    </message>
    <message>
        <source>The patch&apos;s head holds a number beyond any file&apos;s size at byte %1.</source>
        <translation>Der Kopf des Patches enthält bei Byte %1 eine Zahl jenseits jeder Dateigröße.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch holds a number beyond any file&apos;s size.</source>
        <translation>Aktion %1 bei Byte %2 des Patches enthält eine Zahl jenseits jeder Dateigröße.</translation>
    </message>
    <message>
        <source>This is not a BPS patch: it does not begin with &quot;BPS1&quot;.</source>
        <translation>Dies ist kein BPS-Patch: Er beginnt nicht mit „BPS1“.</translation>
    </message>
    <message>
        <source>The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 bytes at least).</source>
        <translation>Der Patch ist abgeschnitten: Seine %1 Bytes können den Kopf und die drei Prüfsummen eines BPS-Patches (mindestens %2 Bytes) nicht aufnehmen.</translation>
    </message>
    <message>
        <source>The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.</source>
        <translation>Der Patch ist beschädigt: Seine Bytes haben die CRC32 %1, seine letzten vier Bytes nennen aber %2.</translation>
    </message>
    <message>
        <source>The patch is cut short: its actions end at byte %1 with %2 of the target&apos;s %3 bytes written.</source>
        <translation>Der Patch ist abgeschnitten: Seine Aktionen enden bei Byte %1, wenn erst %2 der %3 Bytes des Ziels geschrieben sind.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 bytes).</source>
        <translation>Aktion %1 bei Byte %2 des Patches (%3) schreibt %4 Bytes an Offset 0x%5, hinter das Ende des Ziels (%6 Bytes).</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.</source>
        <translation>Aktion %1 bei Byte %2 des Patches (%3) liest %4 Bytes ab Offset %5 der Quelle, außerhalb ihrer %6 Bytes.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before offset 0x%5 are written.</source>
        <translation>Aktion %1 bei Byte %2 des Patches (%3) kopiert ab Offset %4 des Ziels, wo erst die Bytes vor Offset 0x%5 geschrieben sind.</translation>
    </message>
    <message>
        <source>The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte %2.</source>
        <translation>Der Patch geht weiter, nachdem sein Ziel vollständig ist: Seine Aktionen enden bei Byte %1, seine Prüfsummen beginnen aber erst bei Byte %2.</translation>
    </message>
    <message>
        <source>The patch made does not turn the original image into the modified one: this is a fault of the editor, and nothing was written.</source>
        <translation>Der erstellte Patch macht aus dem Originalabbild nicht das veränderte: Das ist ein Fehler des Editors, und es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the &lt;use&gt; &quot;%2&quot;</source>
        <translation>Das vom Element &lt;use&gt; „%2“ gezeichnete Element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the %2 &lt;use&gt;</source>
        <translation>Das vom %2 Element &lt;use&gt; gezeichnete Element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>%1 is a curve: straighten the curves first; only straight lines are read.</source>
        <translation>%1 ist eine Kurve: Begradigen Sie zuerst die Kurven; nur gerade Linien werden gelesen.</translation>
    </message>
    <message>
        <source>%1 has a curve (command %2): straighten the curves first; only straight lines are read.</source>
        <translation>%1 enthält eine Kurve (Befehl %2): Begradigen Sie zuerst die Kurven; nur gerade Linien werden gelesen.</translation>
    </message>
    <message>
        <source>Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter&apos;s limits.</source>
        <translation>Oder lassen Sie vertiloom-cli import IMAGE DRAWING --letter L --fit die Zeichnung begradigen und in die Grenzen des Buchstabens einpassen.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: its root &lt;svg&gt; is hidden (display none, opacity 0 or a condition that fails).</source>
        <translation>In der Zeichnung wird nichts gezeichnet: Ihr Wurzelelement &lt;svg&gt; ist verborgen (display none, opacity 0 oder eine nicht erfüllte Bedingung).</translation>
    </message>
    <message>
        <source>The drawing&apos;s viewBox &quot;%1&quot; is not four numbers with a positive width and height.</source>
        <translation>Die viewBox „%1“ der Zeichnung besteht nicht aus vier Zahlen mit positiver Breite und Höhe.</translation>
    </message>
    <message>
        <source>%1 has a point outside the drawing&apos;s square (at %2, %3 in the letter&apos;s units, which run from -128 to 127).</source>
        <translation>%1 hat einen Punkt außerhalb des Quadrats der Zeichnung (bei %2, %3 in den Einheiten des Buchstabens, die von -128 bis 127 reichen).</translation>
    </message>
    <message>
        <source>%1 is not closed: its last point is not its first.</source>
        <translation>%1 ist nicht geschlossen: Sein letzter Punkt ist nicht sein erster.</translation>
    </message>
    <message>
        <source>%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.</source>
        <translation>%1 hat abgerundete Ecken, und das sind Kurven: Begradigen Sie zuerst die Kurven; nur gerade Linien werden gelesen.</translation>
    </message>
    <message>
        <source>%1 has a part that is not closed: end it with Z, or where it began.</source>
        <translation>%1 hat einen Teil, der nicht geschlossen ist: Beenden Sie ihn mit Z oder dort, wo er begann.</translation>
    </message>
    <message>
        <source>%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.</source>
        <translation>%1 ist eine Kontur von %2 Einheiten Breite: Gelesen wird nur eine Linie von höchstens 1 Einheit Breite, als Polygon mit zwei Ecken.</translation>
    </message>
    <message>
        <source>%1 would be polygon %2 of the letter; a letter holds at most %3.</source>
        <translation>%1 wäre Polygon %2 des Buchstabens; ein Buchstabe fasst höchstens %3.</translation>
    </message>
    <message>
        <source>%1 has %2 corners; a polygon holds at most %3.</source>
        <translation>%1 hat %2 Ecken; ein Polygon fasst höchstens %3.</translation>
    </message>
    <message>
        <source>The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.</source>
        <translation>Die Zeichnung ist leer: Sie enthält kein Polygon, keine geschlossene Polylinie, kein Rechteck und keinen Pfad aus geraden Linien.</translation>
    </message>
    <message>
        <source>%1 brings the letter to %2 points; a letter holds at most %3.</source>
        <translation>%1 bringt den Buchstaben auf %2 Punkte; ein Buchstabe fasst höchstens %3.</translation>
    </message>
    <message>
        <source>%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter read from it: take it out of data-vertiloom-corners.</source>
        <translation>%1 behält das Verweisbyte %2, das keinen Punkt der Zeichnung bezeichnet, aber Punkt %3 des daraus gelesenen Buchstabens bezeichnen würde: Nehmen Sie es aus data-vertiloom-corners heraus.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; &quot;%2&quot;</source>
        <translation>Das Element &lt;%1&gt; „%2“</translation>
    </message>
    <message>
        <source>The %1 &lt;%2&gt;</source>
        <translation>Das %1 Element &lt;%2&gt;</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: its %2 attribute is not valid at character %3.</source>
        <translation>%1 kann nicht gelesen werden: Sein Attribut %2 ist bei Zeichen %3 ungültig.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>Das Element &lt;%1&gt; in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1 lies %2 levels deep; a drawing is read at most %3 levels deep.</source>
        <translation>%1 liegt %2 Ebenen tief; eine Zeichnung wird höchstens %3 Ebenen tief gelesen.</translation>
    </message>
    <message>
        <source>The file is not well-formed SVG: %1 (line %2, column %3).</source>
        <translation>Die Datei ist kein wohlgeformtes SVG: %1 (Zeile %2, Spalte %3).</translation>
    </message>
    <message>
        <source>There is not enough memory for this: nothing was written.</source>
        <translation>Dafür reicht der Speicher nicht: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos; ist kein gültiger ganzzahliger Wert</translation>
    </message>
    <message>
        <source>The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Ein Tabulator an Position %1 ist keine Hexadezimalziffer.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Das Zeichen mit dem Code %1 an Position %2 ist keine Hexadezimalziffer.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: &apos;%1&apos; at position %2 is not a hexadecimal digit.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: „%1“ an Position %2 ist keine Hexadezimalziffer.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte is incomplete.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Es enthält %1 Hexadezimalziffern, eine ungerade Zahl, daher ist sein letztes Byte unvollständig.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: the tag at position %1 should read &lt;bh:xx&gt; with two hexadecimal digits.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Das Tag an Position %1 müsste &lt;bh:xx&gt; lauten, mit zwei Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>The memo is empty: press START! to compile the letter first.</source>
        <translation>Das Textfeld ist leer: Klicken Sie zuerst auf START!, um den Buchstaben zu kompilieren.</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its %1 bytes end before the record that its counts describe does.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Seine %1 Bytes enden früher als der Datensatz, den seine Zähler beschreiben.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: %1</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: %1</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 bytes.</source>
        <translation>Das Textfeld enthält keinen Buchstabendatensatz: Seine Zähler beschreiben einen Datensatz von %1 Bytes, es enthält aber %2 Bytes.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open %1: File access denied</source>
        <translation>%1 kann nicht geöffnet werden: Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 bytes).</source>
        <translation>%1 ist %2 Bytes groß: Kein ROM-Abbild des Spiels ist so groß, und der Editor liest Dateien von höchstens 64 MiB (%3 Bytes).</translation>
    </message>
    <message>
        <source>%1 is the file being read: write the output elsewhere.</source>
        <translation>%1 ist die Datei, die gelesen wird: Schreiben Sie die Ausgabe an einen anderen Ort.</translation>
    </message>
    <message>
        <source>Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, such as 476E2.</source>
        <translation>Addr ist leer: Geben Sie den Offset des Buchstabendatensatzes im ROM-Abbild als Hexadezimalzahl ein, etwa 476E2.</translation>
    </message>
    <message>
        <source>The offset in Addr, &quot;%1&quot;, is not a hexadecimal number (only the digits 0-9 and A-F, such as 476E2).</source>
        <translation>Der Offset in Addr, „%1“, ist keine Hexadezimalzahl (nur die Ziffern 0-9 und A-F, etwa 476E2).</translation>
    </message>
    <message>
        <source>The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of the same size, since an IPS patch cannot shorten an image and this program never lengthens one.</source>
        <translation>Das Originalabbild ist %1 Bytes groß, das veränderte %2 Bytes: Ein Patch wird nur zwischen gleich großen Abbildern erstellt, da ein IPS-Patch ein Abbild nicht kürzen kann und dieses Programm nie eines verlängert.</translation>
    </message>
    <message>
        <source>The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from 0x1000000 on.</source>
        <translation>Die Abbilder unterscheiden sich an Offset 0x%1, jenseits der ersten 16 MiB: Ein IPS-Patch erreicht keine Offsets ab 0x1000000.</translation>
    </message>
    <message>
        <source>This is not an IPS patch: it does not begin with &quot;PATCH&quot;.</source>
        <translation>Dies ist kein IPS-Patch: Er beginnt nicht mit „PATCH“.</translation>
    </message>
    <message>
        <source>The patch is cut short: it ends at byte %1 without its &quot;EOF&quot; marker.</source>
        <translation>Der Patch ist abgeschnitten: Er endet bei Byte %1 ohne seine Endmarke „EOF“.</translation>
    </message>
    <message>
        <source>The patch is cut short: record %1 at byte %2 ends after the patch does.</source>
        <translation>Der Patch ist abgeschnitten: Eintrag %1 bei Byte %2 endet erst nach dem Patch.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.</source>
        <translation>Eintrag %1 bei Byte %2 des Patches ist fehlerhaft: Er wiederholt ein Byte 0-mal.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS patch can reach.</source>
        <translation>Eintrag %1 bei Byte %2 des Patches schreibt die Offsets 0x%3 bis 0x%4, jenseits der ersten 16 MiB, die ein IPS-Patch erreichen kann.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): applying a patch never makes an image longer.</source>
        <translation>Eintrag %1 bei Byte %2 des Patches schreibt die Offsets 0x%3 bis 0x%4, hinter dem Ende des Abbilds (%5 Bytes): Das Anwenden eines Patches verlängert ein Abbild nie.</translation>
    </message>
    <message>
        <source>The patch asks for an image of %1 bytes after its &quot;EOF&quot; marker, but the image is %2 bytes: applying a patch never changes an image&apos;s size.</source>
        <translation>Der Patch verlangt nach seiner Endmarke „EOF“ ein Abbild von %1 Bytes, das Abbild ist aber %2 Bytes groß: Das Anwenden eines Patches ändert nie die Größe eines Abbilds.</translation>
    </message>
    <message>
        <source>The patch goes on after its &quot;EOF&quot; marker at byte %1 and ends at byte %2; only a 3-byte size may follow the marker.</source>
        <translation>Der Patch geht nach seiner Endmarke „EOF“ bei Byte %1 weiter und endet bei Byte %2; nach der Marke darf nur eine Größe von 3 Bytes folgen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written into %2, and it is read as it is.</source>
        <translation>%1 neben %2 ist möglicherweise das Journal eines abgebrochenen Schreibvorgangs, blieb aber unangetastet: %3. In %2 wurde nichts geschrieben, und die Datei wird gelesen, wie sie ist.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.</source>
        <translation>%1 neben %2 ist das Journal eines abgebrochenen Schreibvorgangs, aber die Datei hat sich seither geändert (oder das Journal ist beschädigt): Es wurde übergangen und %2 blieb unverändert, doch das Journal konnte nicht entfernt werden: %3.</translation>
    </message>
    <message>
        <source>%1 held the journal of a write that was cut short, but the file has changed since (or the journal was damaged): the journal was removed and %2 was left as it is.</source>
        <translation>%1 enthielt das Journal eines abgebrochenen Schreibvorgangs, aber die Datei hat sich seither geändert (oder das Journal war beschädigt): Das Journal wurde entfernt und %2 blieb unverändert.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>es gehört einem anderen Benutzer (uid %1)</translation>
    </message>
    <message>
        <source>it can&apos;t be read: %1</source>
        <translation>es kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>users other than its owner may write into it</source>
        <translation>auch andere Benutzer als sein Besitzer dürfen hineinschreiben</translation>
    </message>
    <message>
        <source>it has more than one name (hard links)</source>
        <translation>es hat mehr als einen Namen (harte Links)</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 gehört einem anderen Benutzer (uid %2)</translation>
    </message>
    <message>
        <source>it is the journal of another file</source>
        <translation>es ist das Journal einer anderen Datei</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short before it changed any byte (the program that made it ended before it was done): the file is as it was before that write.</source>
        <translation>Der letzte Schreibvorgang in %1 wurde abgebrochen, bevor er ein Byte geändert hatte (das Programm, das ihn ausführte, endete, bevor es fertig war): Die Datei ist so, wie sie vor diesem Schreibvorgang war.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, so nothing was written, but the journal could not be removed: %3.</source>
        <translation>%1 neben %2 ist das Journal eines abgebrochenen Schreibvorgangs. Jedes darin genannte Byte hat bereits seinen alten Wert, daher wurde nichts geschrieben, doch das Journal konnte nicht entfernt werden: %3.</translation>
    </message>
    <message>
        <source>A write into %1 was cut short (the program that made it ended before it was done), and its old bytes can&apos;t be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens the file.</source>
        <translation>Ein Schreibvorgang in %1 wurde abgebrochen (das Programm, das ihn ausführte, endete, bevor es fertig war), und seine alten Bytes lassen sich nicht zurückschreiben: %2. Sie werden daneben in %3 aufbewahrt, und der Editor versucht es erneut, wenn er die Datei das nächste Mal öffnet.</translation>
    </message>
    <message>
        <source>offsets %1</source>
        <translation>Offsets %1</translation>
    </message>
    <message>
        <source>%1 ranges from %2 to %3</source>
        <translation>%1 Bereiche von %2 bis %3</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write.</source>
        <translation>Der letzte Schreibvorgang in %1 wurde abgebrochen: Das Programm, das ihn ausführte, endete, bevor es fertig war. Die Bytes, die es gerade änderte (%2), wurden zurückgeschrieben, sodass die Datei so ist wie vor diesem Schreibvorgang.</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not be removed: %4.</source>
        <translation>Der letzte Schreibvorgang in %1 wurde abgebrochen: Das Programm, das ihn ausführte, endete, bevor es fertig war. Die Bytes, die es gerade änderte (%2), wurden zurückgeschrieben, sodass die Datei so ist wie vor diesem Schreibvorgang, doch ihr Journal %3 konnte nicht entfernt werden: %4.</translation>
    </message>
    <message>
        <source>%1 is empty: a letter file holds one letter record.</source>
        <translation>%1 ist leer: Eine Buchstabendatei enthält einen Buchstabendatensatz.</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Lesen über das Dateiende hinaus: %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 for writing: %2. Nothing was written.</source>
        <translation>%1 kann nicht zum Schreiben gesperrt werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is being written by another program (pid %2). Nothing was written: try again when it is done.</source>
        <translation>In %1 schreibt gerade ein anderes Programm (pid %2). Es wurde nichts geschrieben: Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Nothing was written: try again when it is done.</source>
        <translation>In %1 schreibt gerade ein anderes Programm. Es wurde nichts geschrieben: Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 points; the editor holds at most %3.</source>
        <translation>Der Buchstabe an Offset %1 hat %2 Punkte; der Editor fasst höchstens %3.</translation>
    </message>
    <message>
        <source>The letter has %1 points; the editor holds at most %2.</source>
        <translation>Der Buchstabe hat %1 Punkte; der Editor fasst höchstens %2.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 polygons; the editor holds at most %3.</source>
        <translation>Der Buchstabe an Offset %1 hat %2 Polygone; der Editor fasst höchstens %3.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; the editor holds at most %2.</source>
        <translation>Der Buchstabe hat %1 Polygone; der Editor fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.</source>
        <translation>Polygon %1 des Buchstabens an Offset %2 hat %3 Ecken; der Editor fasst höchstens %4.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter has %2 corners; the editor holds at most %3.</source>
        <translation>Polygon %1 des Buchstabens hat %2 Ecken; der Editor fasst höchstens %3.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: it was left as it was.</source>
        <translation>%1 ist keine reguläre Datei: Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, and the editor writes this file only as a file of its own. %2</source>
        <translation>%1 ist ein symbolischer Link, und der Editor schreibt diese Datei nur als eigenständige Datei. %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>%1 kann nicht geschrieben werden: %2. %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 ist ein ROM-Abbild von %2 Bytes, und eine Ausgabe ersetzt nie ein ROM-Abbild: Es wurde nichts geschrieben. Geben Sie der Ausgabe einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 führt zu %2, einem ROM-Abbild von %3 Bytes, und eine Ausgabe ersetzt nie ein ROM-Abbild: Es wurde nichts geschrieben. Geben Sie der Ausgabe einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 was not created.</source>
        <translation>%1 wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may be back.</source>
        <translation>%1 wurde geschrieben, aber der Ordner konnte nicht auf den Datenträger synchronisiert werden: %2. Nach einem Stromausfall ist womöglich die alte Datei wieder da.</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Der Datenträger ist voll: %1</translation>
    </message>
    <message>
        <source>%1 None of the %2 files was written.</source>
        <translation>%1 Keine der %2 Dateien wurde geschrieben.</translation>
    </message>
    <message>
        <source>%1 These files were written before it: %2.</source>
        <translation>%1 Diese Dateien wurden davor geschrieben: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>its journal %1 could not be written beside it: %2</source>
        <translation>das Journal %1 konnte nicht daneben geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 The bytes that were there before were put back: the file is as it was.</source>
        <translation>%1 Die Bytes, die vorher dort standen, wurden zurückgeschrieben: Die Datei ist wie zuvor.</translation>
    </message>
    <message>
        <source>%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are kept beside it, and the editor puts them back the next time it opens the file.</source>
        <translation>%1 Auch das Zurückschreiben der alten Bytes ist fehlgeschlagen (%2): Die Offsets %3 in %4 wurden möglicherweise geändert. Ihre alten Bytes werden daneben aufbewahrt, und der Editor schreibt sie zurück, wenn er die Datei das nächste Mal öffnet.</translation>
    </message>
    <message>
        <source>Not one of the five known dumps
CRC32 %1</source>
        <translation>Keiner der fünf bekannten Dumps
CRC32 %1</translation>
    </message>
    <message>
        <source>%1 (with a 512-byte header)
CRC32 %2</source>
        <translation>%1 (mit Header von 512 Bytes)
CRC32 %2</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Es ist noch kein ROM-Abbild geöffnet. Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und lesen Sie dann die Wörter.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Es ist noch kein ROM-Abbild geöffnet. Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und schreiben Sie dann die Wörter.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Die zuletzt geöffnete Datei „%1“ ist eine Buchstabendatei, kein ROM-Abbild (%2 Bytes; ein ROM-Abbild ist größer als 2,000,000 Bytes). Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und lesen Sie dann die Wörter.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Die zuletzt geöffnete Datei „%1“ ist eine Buchstabendatei, kein ROM-Abbild (%2 Bytes; ein ROM-Abbild ist größer als 2,000,000 Bytes). Öffnen Sie zuerst mit „Datei öffnen“ ein ROM-Abbild und schreiben Sie dann die Wörter.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3. Nothing was written.</source>
        <translation>Das Wort %1 kann nicht aus „%2“ gelesen werden: %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3.</source>
        <translation>Das Wort %1 kann nicht aus „%2“ gelesen werden: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file ends after %5 bytes.</source>
        <translation>„%1“ ist zu kurz für die Wörter des Dumps %2: Das Wort %3 liegt an Offset %4, aber die Datei endet nach %5 Bytes.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is %4 characters, but each letter of the word is one character.</source>
        <translation>Buchstabe %1 von %2: „%3“ besteht aus %4 Zeichen, aber jeder Buchstabe des Wortes ist ein einzelnes Zeichen.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is not a character the game can show.</source>
        <translation>Buchstabe %1 von %2: „%3“ ist kein Zeichen, das das Spiel darstellen kann.</translation>
    </message>
    <message>
        <source>Cannot write the words into %1: %2.</source>
        <translation>Die Wörter können nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>x of point %1</source>
        <translation>x von Punkt %1</translation>
    </message>
    <message>
        <source>y of point %1</source>
        <translation>y von Punkt %1</translation>
    </message>
    <message>
        <source>point %1 in the letter</source>
        <translation>Punkt %1 im Buchstaben</translation>
    </message>
    <message>
        <source>place point %1 with a click on the preview</source>
        <translation>Punkt %1 per Klick in die Vorschau setzen</translation>
    </message>
    <message>
        <source>number of points, hexadecimal</source>
        <translation>Anzahl der Punkte, hexadezimal</translation>
    </message>
    <message>
        <source>number of polygons, hexadecimal</source>
        <translation>Anzahl der Polygone, hexadezimal</translation>
    </message>
    <message>
        <source>corners of polygon %1</source>
        <translation>Ecken von Polygon %1</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: point</source>
        <translation>Ecke %1 von Polygon %2: Punkt</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: parameter</source>
        <translation>Ecke %1 von Polygon %2: Parameter</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2 in use</source>
        <translation>Ecke %1 von Polygon %2 verwendet</translation>
    </message>
    <message>
        <source>offset of the letter in the file, hexadecimal</source>
        <translation>Offset des Buchstabens in der Datei, hexadezimal</translation>
    </message>
    <message>
        <source>the letter&apos;s record</source>
        <translation>Datensatz des Buchstabens</translation>
    </message>
    <message>
        <source>PAUSE, letter %1</source>
        <translation>PAUSE, Buchstabe %1</translation>
    </message>
    <message>
        <source>GAME OVER, letter %1</source>
        <translation>GAME OVER, Buchstabe %1</translation>
    </message>
    <message>
        <source>next letter of the catalogue</source>
        <translation>nächster Buchstabe des Katalogs</translation>
    </message>
    <message>
        <source>previous letter of the catalogue</source>
        <translation>vorheriger Buchstabe des Katalogs</translation>
    </message>
    <message>
        <source>reload the letter from the file</source>
        <translation>Buchstaben erneut aus der Datei laden</translation>
    </message>
    <message>
        <source>clear the letter</source>
        <translation>Buchstaben leeren</translation>
    </message>
    <message>
        <source>read the words from the ROM image</source>
        <translation>Wörter aus dem ROM-Abbild lesen</translation>
    </message>
    <message>
        <source>write the words into the ROM image</source>
        <translation>Wörter in das ROM-Abbild schreiben</translation>
    </message>
    <message>
        <source>ROM variant</source>
        <translation>ROM-Variante</translation>
    </message>
    <message>
        <source>preview of the letter</source>
        <translation>Vorschau des Buchstabens</translation>
    </message>
    <message>
        <source>point numbers and axes over the preview</source>
        <translation>Punktnummern und Achsen über der Vorschau</translation>
    </message>
    <message>
        <source>the drawing board&apos;s square</source>
        <translation>Quadrat des Zeichenbretts</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Koordinaten:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Total bytes: </source>
        <translation>Bytes: </translation>
    </message>
    <message>
        <source>START!</source>
        <translation>START!</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Export letter to Rom</source>
        <translation>Buchstabe ins Rom</translation>
    </message>
    <message>
        <source>Export letter to file</source>
        <translation>Buchstabe in Datei</translation>
    </message>
    <message>
        <source>Convert to Translhextion</source>
        <translation>Für Translhextion</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Display axes</source>
        <translation>Achsen anzeigen</translation>
    </message>
    <message>
        <source>Angles of %1 polygon</source>
        <translation>Ecken von Polygon %1</translation>
    </message>
    <message>
        <source>vertex/parameters</source>
        <translation>Punkt/Parameter</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulator</translation>
    </message>
    <message>
        <source>The command line that starts your emulator. %f stands for the file to play: a copy of the open ROM image with the letter and the words as the fields hold them. Quotes &apos; and &quot; group words as in a shell. Left empty, the first of mednafen, snes9x, bsnes and retroarch on the PATH is used.</source>
        <translation>Die Befehlszeile, die Ihren Emulator startet. %f steht für die zu spielende Datei: eine Kopie des geöffneten ROM-Abbilds mit dem Buchstaben und den Wörtern, wie die Felder sie enthalten. Anführungszeichen &apos; und &quot; fassen Wörter wie in einer Shell zusammen. Bleibt sie leer, wird das erste Programm aus mednafen, snes9x, bsnes und retroarch im PATH verwendet.</translation>
    </message>
    <message>
        <source>A polygon needs two corners or more.</source>
        <translation>Ein Polygon braucht mindestens zwei Ecken.</translation>
    </message>
    <message>
        <source>pen: click to place the first corner</source>
        <translation>Stift: Ein Klick setzt die erste Ecke</translation>
    </message>
    <message>
        <source>pen: %1 corners, click closes the polygon</source>
        <translation>Stift: %1 Ecken, ein Klick schließt das Polygon</translation>
    </message>
    <message>
        <source>pen: %1 corners (Enter closes, Backspace takes the last back)</source>
        <translation>Stift: %1 Ecken (Enter schließt, Rücktaste nimmt die letzte zurück)</translation>
    </message>
    <message>
        <source>vertiloom-cli: warning: %1</source>
        <translation>vertiloom-cli: Warnung: %1</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Missing arguments.</source>
        <translation>Es fehlen Argumente.</translation>
    </message>
    <message>
        <source>Too many arguments: &quot;%1&quot;.</source>
        <translation>Zu viele Argumente: „%1“.</translation>
    </message>
    <message>
        <source>An argument is empty: give the name of a file.</source>
        <translation>Ein Argument ist leer: Geben Sie den Namen einer Datei an.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 erwartet eine ganze Zahl von %2 bis %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>--%1 is empty: give the name of the file to write.</source>
        <translation>--%1 ist leer: Geben Sie den Namen der zu schreibenden Datei an.</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>JSON statt Text ausgeben.</translation>
    </message>
    <message>
        <source>%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than 2,000,000 bytes).%3</source>
        <translation>%1 ist eine Buchstabendatei von %2 Bytes, kein ROM-Abbild (ein ROM-Abbild ist größer als 2,000,000 Bytes).%3</translation>
    </message>
    <message>
        <source>Cannot encode the picture as PNG.</source>
        <translation>Das Bild kann nicht als PNG kodiert werden.</translation>
    </message>
    <message>
        <source>The font: an installed family with its style after a colon (&quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>Die Schriftart: eine installierte Familie mit ihrem Stil nach einem Doppelpunkt („DejaVu Sans:Bold“) oder eine .ttf- oder .otf-Datei.</translation>
    </message>
    <message>
        <source>pieces (convex polygons sharing their corner points, as the game&apos;s own letters are built; the default) or outline (one polygon per contour, holes included).</source>
        <translation>pieces (konvexe Polygone, die sich ihre Eckpunkte teilen, so wie die Buchstaben des Spiels selbst gebaut sind; die Vorgabe) oder outline (ein Polygon je Umriss, Löcher eingeschlossen).</translation>
    </message>
    <message>
        <source>The box the letter is fitted into, in units from -128 to 127: left, top, right and foot (y grows downwards). The letter keeps its aspect, is centred across and stands on the foot.</source>
        <translation>Der Rahmen, in den der Buchstabe eingepasst wird, in Einheiten von -128 bis 127: links, oben, rechts und Fußlinie (y wächst nach unten). Der Buchstabe behält sein Seitenverhältnis, wird waagerecht zentriert und steht auf der Fußlinie.</translation>
    </message>
    <message>
        <source>--style takes pieces or outline, not &quot;%1&quot;.</source>
        <translation>--style erwartet pieces oder outline, nicht „%1“.</translation>
    </message>
    <message>
        <source>--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter&apos;s square (such as -60,-90,60,0), not &quot;%1&quot;.</source>
        <translation>--box erwartet vier ganze Zahlen X0,Y0,X1,Y1 von -128 bis 127 im Quadrat des Buchstabens (etwa -60,-90,60,0), nicht „%1“.</translation>
    </message>
    <message>
        <source>The dump to read the image as, 1 to 5 in the order of the ROM panel (default: the best fitting one, else 1).</source>
        <translation>Der Dump, als der das Abbild gelesen wird, 1 bis 5 in der Reihenfolge der ROM-Gruppe (Vorgabe: der am besten passende, sonst 1).</translation>
    </message>
    <message>
        <source>The catalogue letter: its label (&quot;A (57) 84&quot;) or its glyph (A).</source>
        <translation>Der Katalogbuchstabe: seine Beschriftung („A (57) 84“) oder seine Glyphe (A).</translation>
    </message>
    <message>
        <source>The letter record&apos;s file offset (hexadecimal).</source>
        <translation>Der Datei-Offset des Buchstabendatensatzes (hexadezimal).</translation>
    </message>
    <message>
        <source>Give --letter or --offset, not both.</source>
        <translation>Geben Sie --letter oder --offset an, nicht beide.</translation>
    </message>
    <message>
        <source>No catalogue letter is labelled &quot;%1&quot;.</source>
        <translation>Kein Katalogbuchstabe ist mit „%1“ beschriftet.</translation>
    </message>
    <message>
        <source>--offset takes a hexadecimal file offset such as 476E2, not &quot;%1&quot;.</source>
        <translation>--offset erwartet einen hexadezimalen Datei-Offset wie 476E2, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Fits letters into the game&apos;s limits (at most 20 points, 8 polygons, 11 corners each) without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, curves and strokes included; any other a picture, whose dark shape is traced), then one for each character of --chars in --font. Each letter is placed in the box (--box, else the default letter&apos;s), and its line says how close it came. OUT by its name: *.svg the letter&apos;s SVG drawing, *.png the letter as the preview draws it, a folder (one that exists, or a name ending in /) a letter file per letter and sheet.png, a contact sheet of them all with their figures; any other name a letter file. Several letters need a folder. When any letter can&apos;t be fitted, nothing is written.</source>
        <translation>Passt Buchstaben in die Grenzen des Spiels ein (höchstens 20 Punkte, 8 Polygone, je 11 Ecken), ohne ein ROM-Abbild anzutasten: einen aus jeder SOURCE (eine Datei namens *.svg ist eine Zeichnung, Kurven und Konturen eingeschlossen; jede andere ein Bild, dessen dunkle Form nachgezeichnet wird), dann einen für jedes Zeichen von --chars aus --font. Jeder Buchstabe wird in den Rahmen gesetzt (--box, sonst den des Standardbuchstabens), und seine Zeile sagt, wie nah er der Quelle kam. OUT nach seinem Namen: *.svg die SVG-Zeichnung des Buchstabens, *.png der Buchstabe, wie die Vorschau ihn zeichnet, ein Ordner (ein vorhandener oder ein Name, der auf / endet) eine Buchstabendatei je Buchstabe und sheet.png, ein Übersichtsblatt aller Buchstaben mit ihren Kennzahlen; jeder andere Name eine Buchstabendatei. Mehrere Buchstaben brauchen einen Ordner. Lässt sich ein Buchstabe nicht einpassen, wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number.</source>
        <translation>Eine Zeichnung (*.svg) oder ein Bild (PNG, JPEG, BMP...) zum Einpassen; beliebig viele.</translation>
    </message>
    <message>
        <source>The characters of --font to fit, a letter each (white space and repeats passed over).</source>
        <translation>Die einzupassenden Zeichen von --font, je ein Buchstabe (Leerraum und Wiederholungen werden übergangen).</translation>
    </message>
    <message>
        <source>The letter file, drawing (*.svg), picture (*.png) or folder (DIR/) to write.</source>
        <translation>Was geschrieben wird: eine Buchstabendatei, eine Zeichnung (*.svg), ein Bild (*.png) oder ein Ordner (DIR/).</translation>
    </message>
    <message>
        <source>--font needs --chars: give the characters to fit.</source>
        <translation>--font braucht --chars: Geben Sie die einzupassenden Zeichen an.</translation>
    </message>
    <message>
        <source>--chars needs --font: give the font to take the characters from.</source>
        <translation>--chars braucht --font: Geben Sie die Schriftart an, aus der die Zeichen stammen.</translation>
    </message>
    <message>
        <source>Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture (*.png) or a folder (DIR/).</source>
        <translation>Geben Sie mit -o OUT an, was geschrieben wird: eine Buchstabendatei, eine Zeichnung (*.svg), ein Bild (*.png) oder einen Ordner (DIR/).</translation>
    </message>
    <message>
        <source>Give a drawing or picture to fit, or --font F with --chars TEXT.</source>
        <translation>Geben Sie eine Zeichnung oder ein Bild zum Einpassen an, oder --font F mit --chars TEXT.</translation>
    </message>
    <message>
        <source>%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that exists), where each letter gets its letter file, and sheet.png.</source>
        <translation>%1 Buchstaben brauchen einen Ordner: Geben Sie -o DIR/ an (einen Namen, der auf / endet, oder einen vorhandenen Ordner), in dem jeder Buchstabe seine Buchstabendatei erhält, dazu sheet.png.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be fitted.</source>
        <translation>Es wurde nichts geschrieben: Nicht jeder Buchstabe lässt sich einpassen.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons</source>
        <translation>%1 Punkte, %2 Polygone</translation>
    </message>
    <message>
        <source>IoU %1 %, distance ≤ %2</source>
        <translation>IoU %1 %, Abstand ≤ %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1. Nothing was written.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>with a 512-byte header</source>
        <translation>mit einem Header von 512 Bytes</translation>
    </message>
    <message>
        <source>no header</source>
        <translation>ohne Header</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Copier header:</source>
        <translation>Kopierer-Header:</translation>
    </message>
    <message>
        <source>Cartridge:</source>
        <translation>Cartridge:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Map mode:</source>
        <translation>Map-Modus:</translation>
    </message>
    <message>
        <source>ROM size:</source>
        <translation>ROM-Größe:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Dumps:</source>
        <translation>Dumps:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>no header at 7FC0 or FFC0</source>
        <translation>kein Header bei 7FC0 oder FFC0</translation>
    </message>
    <message>
        <source>the image&apos;s own is %1 (the 16-bit sum of its bytes); no header holds one to compare</source>
        <translation>das Abbild selbst ergibt %1 (die 16-Bit-Summe seiner Bytes); kein Header enthält eine Prüfsumme zum Vergleich</translation>
    </message>
    <message>
        <source>header at %1, the high place</source>
        <translation>Header bei %1, an der oberen Stelle</translation>
    </message>
    <message>
        <source>header at %1, the low place</source>
        <translation>Header bei %1, an der unteren Stelle</translation>
    </message>
    <message>
        <source>(file offset %1, after the copier header)</source>
        <translation>(Datei-Offset %1, nach dem Kopierer-Header)</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they match</source>
        <translation>gespeichert %1, Komplement %2; das Abbild selbst ergibt %3 (die 16-Bit-Summe seiner Bytes): Sie stimmen überein</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they do not match</source>
        <translation>gespeichert %1, Komplement %2; das Abbild selbst ergibt %3 (die 16-Bit-Summe seiner Bytes): Sie stimmen nicht überein</translation>
    </message>
    <message>
        <source>Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image without a copier header), whether it has a copier header, its cartridge header when it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether the stored checksum is the image&apos;s own), the known dumps whose letters all fit, and its PAUSE and GAME OVER words (read at the best fitting dump&apos;s offsets, else the first dump&apos;s).</source>
        <translation>Beschreibt ein ROM-Abbild: seine Größe, seine CRC32, MD5 und SHA-1 (alle drei für das Abbild ohne Kopierer-Header), ob es einen Kopierer-Header hat, seinen Cartridge-Header, wenn es einen bei 7FC0 oder FFC0 hat (Titel, Map-Modus, ROM-Größe, Land, Version und ob die gespeicherte Prüfsumme die des Abbilds selbst ist), die bekannten Dumps, deren Buchstaben alle passen, und seine Wörter PAUSE und GAME OVER (gelesen an den Offsets des am besten passenden Dumps, sonst des ersten).</translation>
    </message>
    <message>
        <source>The ROM image.</source>
        <translation>Das ROM-Abbild.</translation>
    </message>
    <message>
        <source>a letter file, not a ROM image: it holds no words</source>
        <translation>eine Buchstabendatei, kein ROM-Abbild: Sie enthält keine Wörter</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>none of the five known dumps fits</source>
        <translation>keiner der fünf bekannten Dumps passt</translation>
    </message>
    <message>
        <source>%1, words known</source>
        <translation>%1, Wörter bekannt</translation>
    </message>
    <message>
        <source>Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the length the catalogue gives, and the record read there as a load reads it (its length, points and polygons), or why it can&apos;t be read.</source>
        <translation>Listet die 24 Katalogbuchstaben eines Dumps in einem ROM-Abbild auf: Beschriftung, Datei-Offset, die Länge laut Katalog und den dort gelesenen Datensatz, wie ihn das Laden liest (seine Länge, Punkte und Polygone), oder warum er sich nicht lesen lässt.</translation>
    </message>
    <message>
        <source>every letter fits</source>
        <translation>jeder Buchstabe passt</translation>
    </message>
    <message>
        <source>not every letter fits</source>
        <translation>nicht jeder Buchstabe passt</translation>
    </message>
    <message>
        <source>longer than the catalogue says</source>
        <translation>länger als laut Katalog</translation>
    </message>
    <message>
        <source>no record: %1</source>
        <translation>kein Datensatz: %1</translation>
    </message>
    <message>
        <source>Compares the checksum and its complement in the image&apos;s cartridge header (at 7FC0 or FFC0, counted after a copier header) with the image&apos;s own checksum: the 16-bit sum of its bytes without the copier header, the remainder of a size that is no power of two repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 when they do not or no header is found. With --fix, writes the right checksum and complement, those 4 bytes and no other, with import&apos;s safeguards: the image is first copied to IMAGE.bak, and a write cut short is put back.</source>
        <translation>Vergleicht die Prüfsumme und ihr Komplement im Cartridge-Header des Abbilds (bei 7FC0 oder FFC0, gezählt nach einem Kopierer-Header) mit der eigenen Prüfsumme des Abbilds: der 16-Bit-Summe seiner Bytes ohne den Kopierer-Header, wobei der Rest einer Größe, die keine Zweierpotenz ist, so wiederholt wird, wie die Konsole ihn sieht. Exit-Status 0, wenn sie übereinstimmen (oder --fix sie gesetzt hat), 1, wenn nicht oder wenn kein Header gefunden wird. Mit --fix werden die richtige Prüfsumme und ihr Komplement geschrieben, diese 4 Bytes und keine anderen, mit den Schutzmaßnahmen von import: Das Abbild wird zuerst nach IMAGE.bak kopiert, und ein abgebrochener Schreibvorgang wird rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Write the image&apos;s own checksum and its complement into the header.</source>
        <translation>Die eigene Prüfsumme des Abbilds und ihr Komplement in den Header schreiben.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1</source>
        <translation>Bei 7FC0 oder FFC0 wurde kein Cartridge-Header gefunden: Es gibt keine Prüfsumme zum Vergleichen.%1</translation>
    </message>
    <message>
        <source>Nothing to set: nothing was written.</source>
        <translation>Nichts zu setzen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The header&apos;s checksum does not match the image&apos;s own (--fix sets it).</source>
        <translation>Die Prüfsumme des Headers stimmt nicht mit der des Abbilds selbst überein (--fix setzt sie).</translation>
    </message>
    <message>
        <source>Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is in %5.</source>
        <translation>Prüfsumme %1 und Komplement %2 an Offset %3 in %4 geschrieben; das bisherige Abbild liegt in %5.</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the IPS patch that turns ORIGINAL into MODIFIED (images of the same size); &quot;apply&quot; writes IMAGE with PATCH applied to the file given with -o, after checking the whole patch.</source>
        <translation>„create“ schreibt den IPS-Patch, der ORIGINAL in MODIFIED umwandelt (Abbilder gleicher Größe); „apply“ schreibt IMAGE mit angewendetem PATCH in die mit -o angegebene Datei, nachdem der ganze Patch geprüft wurde.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Was zu tun ist.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image.</source>
        <translation>create: das Originalabbild; apply: das Abbild.</translation>
    </message>
    <message>
        <source>create: the modified image; apply: the patch.</source>
        <translation>create: das veränderte Abbild; apply: der Patch.</translation>
    </message>
    <message>
        <source>create: the patch to write; apply: the patched image to write.</source>
        <translation>create: der zu schreibende Patch; apply: das zu schreibende gepatchte Abbild.</translation>
    </message>
    <message>
        <source>The first argument is create or apply, not &quot;%1&quot;.</source>
        <translation>Das erste Argument ist create oder apply, nicht „%1“.</translation>
    </message>
    <message>
        <source>Give the file to write with -o FILE.</source>
        <translation>Geben Sie die zu schreibende Datei mit -o FILE an.</translation>
    </message>
    <message>
        <source>%1: %2 bytes (the images are the same)</source>
        <translation>%1: %2 Bytes (die Abbilder sind gleich)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 Bytes</translation>
    </message>
    <message>
        <source>%1: %2 bytes, %3 changed</source>
        <translation>%1: %2 Bytes, %3 geändert</translation>
    </message>
    <message>
        <source>All 24 catalogue letters.</source>
        <translation>Alle 24 Katalogbuchstaben.</translation>
    </message>
    <message>
        <source>%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, --dump and --all are for a ROM image.</source>
        <translation>%1 ist eine Buchstabendatei (%2 Bytes): Sie enthält einen Buchstaben, und --letter, --offset, --dump und --all sind für ein ROM-Abbild.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: kein Datensatz</translation>
    </message>
    <message>
        <source>Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, six across, each labelled. An output named *.svg is the letter&apos;s SVG drawing instead, as &quot;Export letter to SVG&quot; writes it (--scale, --no-numbers, --no-axes and --all are for a PNG picture).</source>
        <translation>Zeichnet einen Buchstaben, wie ihn die Vorschau nach dem Laden zeigt, Pixel für Pixel (255 x 255), und schreibt ihn als PNG-Bild; mit --all die 24 Katalogbuchstaben auf einem Blatt, sechs nebeneinander, jeder beschriftet. Eine Ausgabe namens *.svg ist stattdessen die SVG-Zeichnung des Buchstabens, wie „Buchstaben als SVG exportieren“ sie schreibt (--scale, --no-numbers, --no-axes und --all sind für ein PNG-Bild).</translation>
    </message>
    <message>
        <source>A ROM image (the letter at --letter or --offset, else the first catalogue letter) or a letter file.</source>
        <translation>Ein ROM-Abbild (der Buchstabe bei --letter oder --offset, sonst der erste Katalogbuchstabe) oder eine Buchstabendatei.</translation>
    </message>
    <message>
        <source>Enlarge every pixel to N x N (1 to 16).</source>
        <translation>Jedes Pixel auf N x N vergrößern (1 bis 16).</translation>
    </message>
    <message>
        <source>Without the point numbers.</source>
        <translation>Ohne die Punktnummern.</translation>
    </message>
    <message>
        <source>Without the axes.</source>
        <translation>Ohne die Achsen.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>Give --all, or one letter with --letter or --offset.</source>
        <translation>Geben Sie --all an oder einen Buchstaben mit --letter oder --offset.</translation>
    </message>
    <message>
        <source>Give the picture to write with -o FILE.</source>
        <translation>Geben Sie das zu schreibende Bild mit -o FILE an.</translation>
    </message>
    <message>
        <source>--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG drawing holds one letter at its units, with its point numbers.</source>
        <translation>--scale, --no-numbers, --no-axes und --all sind für ein PNG-Bild: Eine SVG-Zeichnung enthält einen Buchstaben in seinen Einheiten, mit seinen Punktnummern.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Writes a letter file of one letter of a ROM image, or with --all one letter file per catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as &quot;Export letter to file&quot; writes them after a load.</source>
        <translation>Schreibt eine Buchstabendatei mit einem Buchstaben eines ROM-Abbilds, oder mit --all eine Buchstabendatei je Katalogbuchstabe in einen Ordner (benannt nach Glyphe und Offset, etwa P_476E2.bin), so wie „Buchstabe in Datei“ sie nach dem Laden schreibt.</translation>
    </message>
    <message>
        <source>The letter file to write; with --all, the folder.</source>
        <translation>Die zu schreibende Buchstabendatei; mit --all der Ordner.</translation>
    </message>
    <message>
        <source>Give one letter with --letter or --offset, or --all.</source>
        <translation>Geben Sie einen Buchstaben mit --letter oder --offset an, oder --all.</translation>
    </message>
    <message>
        <source>Give the folder to write into with -o DIR.</source>
        <translation>Geben Sie den Ordner, in den geschrieben wird, mit -o DIR an.</translation>
    </message>
    <message>
        <source>Give the letter file to write with -o FILE.</source>
        <translation>Geben Sie die zu schreibende Buchstabendatei mit -o FILE an.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be read.</source>
        <translation>Es wurde nichts geschrieben: Nicht jeder Buchstabe lässt sich lesen.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was written.</source>
        <translation>%1: %2 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Not written: %1 Nothing was written.</source>
        <translation>Nicht geschrieben: %1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not a folder: with --all, give the folder of letter files that extract --all wrote. Nothing was written.</source>
        <translation>%1 ist kein Ordner: Geben Sie mit --all den Ordner mit Buchstabendateien an, den extract --all geschrieben hat. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2. Nothing was written.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: a letter file&apos;s name must end in _ and its offset, as extract --all names them (P_476E2.bin). Nothing was written.</source>
        <translation>%1: Der Name einer Buchstabendatei muss auf _ und ihren Offset enden, so wie extract --all sie benennt (P_476E2.bin). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 holds no letter files (*.bin). Nothing was written.</source>
        <translation>%1 enthält keine Buchstabendateien (*.bin). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>a %1-byte record</source>
        <translation>ein Datensatz von %1 Bytes</translation>
    </message>
    <message>
        <source>no letter record</source>
        <translation>kein Buchstabendatensatz</translation>
    </message>
    <message>
        <source>%1 more point</source>
        <translation>%1 Punkt mehr</translation>
    </message>
    <message>
        <source>%1 more points</source>
        <translation>%1 Punkte mehr</translation>
    </message>
    <message>
        <source>%1 fewer point</source>
        <translation>%1 Punkt weniger</translation>
    </message>
    <message>
        <source>%1 fewer points</source>
        <translation>%1 Punkte weniger</translation>
    </message>
    <message>
        <source>%1 more polygon</source>
        <translation>%1 Polygon mehr</translation>
    </message>
    <message>
        <source>%1 more polygons</source>
        <translation>%1 Polygone mehr</translation>
    </message>
    <message>
        <source>%1 fewer polygon</source>
        <translation>%1 Polygon weniger</translation>
    </message>
    <message>
        <source>%1 fewer polygons</source>
        <translation>%1 Polygone weniger</translation>
    </message>
    <message>
        <source>%1 more corner</source>
        <translation>%1 Ecke mehr</translation>
    </message>
    <message>
        <source>%1 more corners</source>
        <translation>%1 Ecken mehr</translation>
    </message>
    <message>
        <source>%1 fewer corner</source>
        <translation>%1 Ecke weniger</translation>
    </message>
    <message>
        <source>%1 fewer corners</source>
        <translation>%1 Ecken weniger</translation>
    </message>
    <message>
        <source>The new record has %1 than the one there.</source>
        <translation>Der neue Datensatz hat %1 als der bisherige.</translation>
    </message>
    <message>
        <source>Writes the letter of a letter file into a ROM image at a catalogue letter or an offset, as &quot;Export letter to Rom&quot; does: the record is checked first, a record longer than the one there is refused unless --allow-longer is given, an image of none of the known dumps is refused, and the image is first copied to IMAGE.bak. A file named *.svg is a drawing: its letter is read as &quot;Import letter from SVG&quot; reads it, the bytes a drawing can&apos;t show taken from the record at that offset. With --fit, the letter is fitted into the game&apos;s limits from a drawing (curves and strokes included) or a picture (its dark shape traced), and with --font and --char (and no LETTERFILE) from a font&apos;s character: in the box of the record there (--box to choose another), over that record. With --all, every letter file of a folder goes to the offset in its name (as extract --all names them), all checked before any is written, in one write and one backup.</source>
        <translation>Schreibt den Buchstaben einer Buchstabendatei in ein ROM-Abbild, an einen Katalogbuchstaben oder einen Offset, so wie „Buchstabe ins Rom“ es tut: Der Datensatz wird zuerst geprüft, ein Datensatz, der länger als der dortige ist, wird abgelehnt, sofern nicht --allow-longer angegeben ist, ein Abbild, das keinem der bekannten Dumps entspricht, wird abgelehnt, und das Abbild wird zuerst nach IMAGE.bak kopiert. Eine Datei namens *.svg ist eine Zeichnung: Ihr Buchstabe wird gelesen, wie „Buchstaben aus SVG importieren“ ihn liest, und die Bytes, die eine Zeichnung nicht darstellen kann, stammen aus dem Datensatz an diesem Offset. Mit --fit wird der Buchstabe aus einer Zeichnung (Kurven und Konturen eingeschlossen) oder einem Bild (dessen dunkle Form nachgezeichnet wird) in die Grenzen des Spiels eingepasst, und mit --font und --char (und ohne LETTERFILE) aus dem Zeichen einer Schriftart: in den Rahmen des dortigen Datensatzes (--box wählt einen anderen), über diesen Datensatz. Mit --all kommt jede Buchstabendatei eines Ordners an den Offset in ihrem Namen (so wie extract --all sie benennt); alle werden geprüft, bevor eine geschrieben wird, in einem einzigen Schreibvorgang mit einer einzigen Sicherungskopie.</translation>
    </message>
    <message>
        <source>The ROM image to write into.</source>
        <translation>Das ROM-Abbild, in das geschrieben wird.</translation>
    </message>
    <message>
        <source>The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, the folder of letter files; none with --font.</source>
        <translation>Die zu schreibende Buchstabendatei (oder SVG-Zeichnung; mit --fit eine Zeichnung oder ein Bild); mit --all der Ordner mit Buchstabendateien; keine mit --font.</translation>
    </message>
    <message>
        <source>Write every letter file (*.bin) of the folder LETTERFILE at the offset in its name.</source>
        <translation>Jede Buchstabendatei (*.bin) des Ordners LETTERFILE an den Offset in ihrem Namen schreiben.</translation>
    </message>
    <message>
        <source>Write a record longer than the one there, over the bytes after it.</source>
        <translation>Einen Datensatz schreiben, der länger als der dortige ist, über die Bytes danach.</translation>
    </message>
    <message>
        <source>Say what would change (offset, old and new length) and write nothing.</source>
        <translation>Sagen, was sich ändern würde (Offset, alte und neue Länge), und nichts schreiben.</translation>
    </message>
    <message>
        <source>Fit the drawing or picture LETTERFILE into the game&apos;s limits, in the box of the record there.</source>
        <translation>Die Zeichnung oder das Bild LETTERFILE in die Grenzen des Spiels einpassen, in den Rahmen des dortigen Datensatzes.</translation>
    </message>
    <message>
        <source>The character of --font to fit in place of LETTERFILE.</source>
        <translation>Das Zeichen von --font, das anstelle von LETTERFILE eingepasst wird.</translation>
    </message>
    <message>
        <source>With --all, the offsets are in the letter files&apos; names: give no --letter or --offset.</source>
        <translation>Mit --all stehen die Offsets in den Namen der Buchstabendateien: Geben Sie kein --letter oder --offset an.</translation>
    </message>
    <message>
        <source>Give the letter to replace with --letter or --offset.</source>
        <translation>Geben Sie den zu ersetzenden Buchstaben mit --letter oder --offset an.</translation>
    </message>
    <message>
        <source>--font needs --char: give the character to fit.</source>
        <translation>--font braucht --char: Geben Sie das einzupassende Zeichen an.</translation>
    </message>
    <message>
        <source>--char needs --font: give the font to take the character from.</source>
        <translation>--char braucht --font: Geben Sie die Schriftart an, aus der das Zeichen stammt.</translation>
    </message>
    <message>
        <source>With --font and --char the letter comes from the font: give no LETTERFILE.</source>
        <translation>Mit --font und --char kommt der Buchstabe aus der Schriftart: Geben Sie keine LETTERFILE an.</translation>
    </message>
    <message>
        <source>--fit, --font and --char fit one letter: not with --all.</source>
        <translation>--fit, --font und --char passen einen einzelnen Buchstaben ein: nicht mit --all.</translation>
    </message>
    <message>
        <source>--style and --box are for a fitted letter: give --fit, or --font and --char.</source>
        <translation>--style und --box sind für einen eingepassten Buchstaben: Geben Sie --fit an, oder --font und --char.</translation>
    </message>
    <message>
        <source>--char takes one character, not &quot;%1&quot;.</source>
        <translation>--char erwartet ein einzelnes Zeichen, nicht „%1“.</translation>
    </message>
    <message>
        <source>(--allow-longer writes it)</source>
        <translation>(--allow-longer schreibt ihn)</translation>
    </message>
    <message>
        <source>%1 is a ROM image, not a letter file. Nothing was written.</source>
        <translation>%1 ist ein ROM-Abbild, keine Buchstabendatei. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 and %2: the records at offsets %3 and %4 overlap.</source>
        <translation>%1 und %2: Die Datensätze an den Offsets %3 und %4 überlappen sich.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter file can be written.</source>
        <translation>Es wurde nichts geschrieben: Nicht jede Buchstabendatei lässt sich schreiben.</translation>
    </message>
    <message>
        <source>Dry run: the %1-byte record would be written at offset %2 of %3, where %4 stands; %5 bytes would change.%6</source>
        <translation>Probelauf: Der Datensatz von %1 Bytes würde an Offset %2 in %3 geschrieben, wo %4 steht; %5 Bytes würden sich ändern.%6</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was is in %5.</source>
        <translation>Datensatz von %1 Bytes an Offset %2 in %3 geschrieben, wo %4 stand; das bisherige Abbild liegt in %5.</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).</source>
        <translation>Datensatz von %1 Bytes an Offset %2 geschrieben, wo %3 stand (%4 Bytes geändert).</translation>
    </message>
    <message>
        <source>Wrote %1 records into %2; the image as it was is in %3.</source>
        <translation>%1 Datensätze in %2 geschrieben; das bisherige Abbild liegt in %3.</translation>
    </message>
    <message>
        <source>What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words.</source>
        <translation>Was ein Abbild ist: Größe, CRC32, MD5, SHA-1, Kopierer- und Cartridge-Header, die passenden Dumps, die beiden Wörter.</translation>
    </message>
    <message>
        <source>The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads.</source>
        <translation>Die 24 Katalogbuchstaben eines Dumps: Offsets, Längen, Anzahlen und ob sich jeder lesen lässt.</translation>
    </message>
    <message>
        <source>A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing.</source>
        <translation>Ein Buchstabe, wie die Vorschau ihn zeichnet, oder alle 24 auf einem Blatt, als PNG-Bild; oder ein Buchstabe als SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>Letter files of one letter or all 24, as &quot;Export letter to file&quot; writes them.</source>
        <translation>Buchstabendateien eines Buchstabens oder aller 24, so wie „Buchstabe in Datei“ sie schreibt.</translation>
    </message>
    <message>
        <source>A letter file written into the image as &quot;Export letter to Rom&quot; does, an SVG drawing&apos;s letter, or one fitted from a drawing, picture or font.</source>
        <translation>Eine Buchstabendatei, in das Abbild geschrieben wie mit „Buchstabe ins Rom“, der Buchstabe einer SVG-Zeichnung oder einer, der aus einer Zeichnung, einem Bild oder einer Schriftart eingepasst wird.</translation>
    </message>
    <message>
        <source>Letters fitted from drawings, pictures or a font&apos;s characters into the game&apos;s limits, with a sheet.</source>
        <translation>Buchstaben, aus Zeichnungen, Bildern oder den Zeichen einer Schriftart in die Grenzen des Spiels eingepasst, mit einem Übersichtsblatt.</translation>
    </message>
    <message>
        <source>The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file.</source>
        <translation>Die Wörter PAUSE und GAME OVER: lesen oder neue schreiben; die Kachelcodes als Tabellendatei.</translation>
    </message>
    <message>
        <source>An IPS patch between two images, or one applied to an image.</source>
        <translation>Ein IPS-Patch zwischen zwei Abbildern oder einer, der auf ein Abbild angewendet wird.</translation>
    </message>
    <message>
        <source>The cartridge header&apos;s checksum against the image&apos;s own; --fix sets it.</source>
        <translation>Die Prüfsumme des Cartridge-Headers verglichen mit der des Abbilds selbst; --fix setzt sie.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch between two images, one applied to an image, or what a patch holds.</source>
        <translation>Ein BPS- oder IPS-Patch zwischen zwei Abbildern, einer, der auf ein Abbild angewendet wird, oder was ein Patch enthält.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Reads and writes the polygon letters of the game in ROM images and letter files, without a window.</source>
        <translation>Liest und schreibt die Polygonbuchstaben des Spiels in ROM-Abbildern und Buchstabendateien, ohne Fenster.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&quot;vertiloom-cli COMMAND --help&quot; describes a command. Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.</source>
        <translation>„vertiloom-cli COMMAND --help“ beschreibt einen Befehl. Exit-Status: 0 erledigt, 1 abgelehnt oder fehlgeschlagen (nichts geschrieben), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>vertiloom-cli: &quot;%1&quot; is not text in the system&apos;s encoding (UTF-8): a file of that name would be read or written under another name. Rename the file, or give another name.</source>
        <translation>vertiloom-cli: „%1“ ist kein Text in der Kodierung des Systems (UTF-8): Eine Datei dieses Namens würde unter einem anderen Namen gelesen oder geschrieben. Benennen Sie die Datei um, oder geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <source>vertiloom-cli: give a command.</source>
        <translation>vertiloom-cli: Geben Sie einen Befehl an.</translation>
    </message>
    <message>
        <source>vertiloom-cli: no command is called &quot;%1&quot;.</source>
        <translation>vertiloom-cli: Es gibt keinen Befehl namens „%1“.</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 action</source>
        <translation>%1 Aktion</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>%1 Aktionen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>Size after:</source>
        <translation>Größe danach:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadaten:</translation>
    </message>
    <message>
        <source>vertiloom-cli patch: warning: %1</source>
        <translation>vertiloom-cli patch: Warnung: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 (%2 RLE), writing %3</source>
        <translation>%1 (%2 RLE), die %3 schreiben</translation>
    </message>
    <message>
        <source>%1 bytes, CRC32 %2</source>
        <translation>%1 Bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as they stand); &quot;apply&quot; writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after checking the whole patch and the image&apos;s size and CRC32; &quot;info&quot; says what PATCH holds.</source>
        <translation>„create“ schreibt den Patch, der ORIGINAL in MODIFIED umwandelt, im Format, auf das der mit -o angegebene Name endet: .bps (Abbilder beliebiger Größe, ohne Kopierer-Header) oder .ips (Abbilder gleicher Größe, so wie sie sind); „apply“ schreibt IMAGE mit angewendetem PATCH (BPS oder IPS) in die mit -o angegebene Datei, nachdem der ganze Patch sowie Größe und CRC32 des Abbilds geprüft wurden; „info“ sagt, was PATCH enthält.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image; info: the patch.</source>
        <translation>create: das Originalabbild; apply: das Abbild; info: der Patch.</translation>
    </message>
    <message>
        <source>create: the patch to write (.bps or .ips); apply: the patched image to write.</source>
        <translation>create: der zu schreibende Patch (.bps oder .ips); apply: das zu schreibende gepatchte Abbild.</translation>
    </message>
    <message>
        <source>create, BPS: text the patch carries (its metadata), such as its author.</source>
        <translation>create, BPS: Text, den der Patch mitführt (seine Metadaten), etwa sein Autor.</translation>
    </message>
    <message>
        <source>BPS: take the images as they stand, a copier header included.</source>
        <translation>BPS: die Abbilder so nehmen, wie sie sind, samt Kopierer-Header.</translation>
    </message>
    <message>
        <source>apply, BPS: apply the patch to an image of another size or CRC32, and keep a result of another CRC32, with a warning.</source>
        <translation>apply, BPS: den Patch auf ein Abbild anderer Größe oder CRC32 anwenden und ein Ergebnis mit anderer CRC32 behalten, mit einer Warnung.</translation>
    </message>
    <message>
        <source>--%1 is for %2.</source>
        <translation>--%1 gilt nur für %2.</translation>
    </message>
    <message>
        <source>info takes one file, the patch.</source>
        <translation>info erwartet eine einzige Datei, den Patch.</translation>
    </message>
    <message>
        <source>create or apply</source>
        <translation>create oder apply</translation>
    </message>
    <message>
        <source>The first argument is create, apply or info, not &quot;%1&quot;.</source>
        <translation>Das erste Argument ist create, apply oder info, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1 takes two files.</source>
        <translation>%1 erwartet zwei Dateien.</translation>
    </message>
    <message>
        <source>The patch&apos;s name ends in .bps or .ips, which says its format: &quot;%1&quot; ends in neither.</source>
        <translation>Der Name des Patches endet auf .bps oder .ips, was sein Format angibt: „%1“ endet auf keines von beiden.</translation>
    </message>
    <message>
        <source>a BPS patch</source>
        <translation>einen BPS-Patch</translation>
    </message>
    <message>
        <source>Reads the PAUSE and GAME OVER words of a ROM image (&quot;?&quot; stands for a byte that is no tile code), or writes new ones as the window does: one character per letter, from &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; writes as &quot;1&quot;, &quot;_&quot; as the blank), and the image is first copied to IMAGE.bak. With --table, no image: the tile codes as a table file that hex editors load to show and type the game&apos;s text (&quot;00=P&quot; ... &quot;19=R&quot;, one line each).</source>
        <translation>Liest die Wörter PAUSE und GAME OVER eines ROM-Abbilds („?“ steht für ein Byte, das kein Kachelcode ist), oder schreibt neue, wie das Fenster es tut: ein Zeichen je Buchstabe, aus „PAUSED!0123456789LCT GMOVR“ („I“ wird als „1“ geschrieben, „_“ als Leerfeld), und das Abbild wird zuerst nach IMAGE.bak kopiert. Mit --table ohne Abbild: die Kachelcodes als Tabellendatei, die Hex-Editoren laden, um den Text des Spiels anzuzeigen und einzugeben („00=P“ ... „19=R“, je eine Zeile).</translation>
    </message>
    <message>
        <source>The ROM image (none with --table).</source>
        <translation>Das ROM-Abbild (keines mit --table).</translation>
    </message>
    <message>
        <source>The 5 letters of the PAUSE word.</source>
        <translation>Die 5 Buchstaben des Wortes PAUSE.</translation>
    </message>
    <message>
        <source>The 8 letters of the GAME OVER word.</source>
        <translation>Die 8 Buchstaben des Wortes GAME OVER.</translation>
    </message>
    <message>
        <source>Write the tile codes as a table file for hex editors (to -o FILE, else to the standard output).</source>
        <translation>Die Kachelcodes als Tabellendatei für Hex-Editoren schreiben (nach -o FILE, sonst auf die Standardausgabe).</translation>
    </message>
    <message>
        <source>With --table, the table file to write.</source>
        <translation>Mit --table die zu schreibende Tabellendatei.</translation>
    </message>
    <message>
        <source>--table writes the game&apos;s tile codes, the same for every image: give no IMAGE, --set-pause, --set-game-over or --dump with it.</source>
        <translation>--table schreibt die Kachelcodes des Spiels, die für jedes Abbild gleich sind: Geben Sie dazu kein IMAGE, --set-pause, --set-game-over oder --dump an.</translation>
    </message>
    <message>
        <source>%1 (%2 tile codes)</source>
        <translation>%1 (%2 Kachelcodes)</translation>
    </message>
    <message>
        <source>-o is for --table: the words are written into the image.</source>
        <translation>-o gilt nur für --table: Die Wörter werden in das Abbild geschrieben.</translation>
    </message>
    <message>
        <source>--%1 takes %2 characters, one per letter, not &quot;%3&quot;.</source>
        <translation>--%1 erwartet %2 Zeichen, eines je Buchstabe, nicht „%3“.</translation>
    </message>
    <message>
        <source>Written into %1; the image as it was is in %2.</source>
        <translation>In %1 geschrieben; das bisherige Abbild liegt in %2.</translation>
    </message>
    <message>
        <source>%1 on no point</source>
        <translation>%1 auf keinem Punkt</translation>
    </message>
    <message>
        <source>%1 on points %2</source>
        <translation>%1 auf den Punkten %2</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Keine Punkte.</translation>
    </message>
    <message>
        <source>Points (%1): %2.</source>
        <translation>Punkte (%1): %2.</translation>
    </message>
    <message>
        <source>No polygons.</source>
        <translation>Keine Polygone.</translation>
    </message>
    <message>
        <source>Polygons (%1): %2.</source>
        <translation>Polygone (%1): %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::BoardCanvas</name>
    <message>
        <source>point %1 at x %2, y %3</source>
        <translation>Punkt %1 bei x %2, y %3</translation>
    </message>
    <message>
        <source>in polygons %1</source>
        <translation>in den Polygonen %1</translation>
    </message>
    <message>
        <source>point %1 selected</source>
        <translation>Punkt %1 ausgewählt</translation>
    </message>
    <message>
        <source>%1 points selected</source>
        <translation>%1 Punkte ausgewählt</translation>
    </message>
    <message>
        <source>The clipboard holds no points of this editor and no SVG drawing.</source>
        <translation>Die Zwischenablage enthält weder Punkte dieses Editors noch eine SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>No point is selected to delete.</source>
        <translation>Es ist kein Punkt zum Löschen ausgewählt.</translation>
    </message>
</context>
<context>
    <name>vertiloom::DrawingBoard</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture: a drag moves the tracing picture, the wheel sizes it</source>
        <translation>Bild: Ziehen verschiebt das Vorlagenbild, das Mausrad ändert seine Größe</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip vertically</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Scale the selection by this percentage</source>
        <translation>Die Auswahl um diesen Prozentsatz skalieren</translation>
    </message>
    <message>
        <source>Scale by %1 %</source>
        <translation>Um %1 % skalieren</translation>
    </message>
    <message>
        <source>Move the selection by dx, dy</source>
        <translation>Die Auswahl um dx, dy verschieben</translation>
    </message>
    <message>
        <source>Move by %1, %2</source>
        <translation>Um %1, %2 verschieben</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Einrasten</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Hintergrund…</translation>
    </message>
    <message>
        <source>Fit picture</source>
        <translation>Bild anpassen</translation>
    </message>
    <message>
        <source>Fit what the picture shows to the letter&apos;s box</source>
        <translation>Den Inhalt des Bildes an den Rahmen des Buchstabens anpassen</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>Trace picture</source>
        <translation>Bild nachzeichnen</translation>
    </message>
    <message>
        <source>Fit the picture&apos;s dark shape into a letter where it lies on the square</source>
        <translation>Die dunkle Form des Bildes dort, wo sie auf dem Quadrat liegt, in einen Buchstaben einpassen</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Zeichnung einpassen…</translation>
    </message>
    <message>
        <source>Fit an SVG drawing or a picture into the letter&apos;s limits</source>
        <translation>Eine SVG-Zeichnung oder ein Bild in die Grenzen des Buchstabens einpassen</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Buchstabe aus Schriftart…</translation>
    </message>
    <message>
        <source>Fit a character of an installed font into the letter&apos;s limits</source>
        <translation>Ein Zeichen einer installierten Schriftart in die Grenzen des Buchstabens einpassen</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Take the fitted letter (Enter)</source>
        <translation>Den eingepassten Buchstaben übernehmen (Enter)</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Drop the fitted letter (Esc)</source>
        <translation>Den eingepassten Buchstaben verwerfen (Esc)</translation>
    </message>
    <message>
        <source>Delete points</source>
        <translation>Punkte löschen</translation>
    </message>
    <message>
        <source>Take the selected points out of the letter and its polygons</source>
        <translation>Die ausgewählten Punkte aus dem Buchstaben und seinen Polygonen entfernen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Tessarine Vertiloom — drawing board</source>
        <translation>Tessarine Vertiloom — Zeichenbrett</translation>
    </message>
    <message>
        <source>Opacity of the background</source>
        <translation>Deckkraft des Hintergrunds</translation>
    </message>
    <message>
        <source>Size of the background (the wheel with the picture tool, T)</source>
        <translation>Größe des Hintergrunds (Mausrad mit dem Bildwerkzeug, T)</translation>
    </message>
    <message>
        <source>Where the background stands, in units (a drag with the picture tool, T, moves it)</source>
        <translation>Position des Hintergrunds in Einheiten (Ziehen mit dem Bildwerkzeug, T, verschiebt ihn)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Skalierung:</translation>
    </message>
    <message>
        <source>Move by:</source>
        <translation>Verschieben um:</translation>
    </message>
    <message>
        <source>Percent to scale the selection by; Apply or K scales</source>
        <translation>Prozentsatz, um den die Auswahl skaliert wird; Anwenden oder K skaliert</translation>
    </message>
    <message>
        <source>Units to move the selection by, x (Tab: y); Apply or M moves</source>
        <translation>Einheiten, um die die Auswahl verschoben wird, x (Tab: y); Anwenden oder M verschiebt</translation>
    </message>
    <message>
        <source>Units to move the selection by, y; Apply or M moves</source>
        <translation>Einheiten, um die die Auswahl verschoben wird, y; Anwenden oder M verschiebt</translation>
    </message>
    <message>
        <source>x of the selected point, in units (Tab: y)</source>
        <translation>x des ausgewählten Punkts in Einheiten (Tab: y)</translation>
    </message>
    <message>
        <source>y of the selected point, in units</source>
        <translation>y des ausgewählten Punkts in Einheiten</translation>
    </message>
    <message>
        <source>Fitted letter:</source>
        <translation>Eingepasster Buchstabe:</translation>
    </message>
    <message>
        <source>Convex pieces</source>
        <translation>Konvexe Teile</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Umrisse</translation>
    </message>
    <message>
        <source>Convex pieces sharing their corners, as the game&apos;s own letters are built, or one polygon per contour, holes included</source>
        <translation>Konvexe Teile, die sich ihre Ecken teilen, so wie die Buchstaben des Spiels gebaut sind, oder ein Polygon je Umriss, Löcher eingeschlossen</translation>
    </message>
    <message>
        <source>Box:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Left edge of the box, in units</source>
        <translation>Linker Rand des Rahmens in Einheiten</translation>
    </message>
    <message>
        <source>Top edge of the box, in units</source>
        <translation>Oberer Rand des Rahmens in Einheiten</translation>
    </message>
    <message>
        <source>Right edge of the box, in units</source>
        <translation>Rechter Rand des Rahmens in Einheiten</translation>
    </message>
    <message>
        <source>Foot of the box, in units: the letter stands on it</source>
        <translation>Fußlinie des Rahmens in Einheiten: Der Buchstabe steht darauf</translation>
    </message>
    <message>
        <source>Point %1:</source>
        <translation>Punkt %1:</translation>
    </message>
    <message>
        <source>Points %1 and %2:</source>
        <translation>Punkte %1 und %2:</translation>
    </message>
    <message>
        <source>distance %1, angle %2°</source>
        <translation>Abstand %1, Winkel %2°</translation>
    </message>
    <message>
        <source>No tracing picture is placed to trace: open one with “Background…” (B) first.</source>
        <translation>Es ist kein Vorlagenbild zum Nachzeichnen platziert: Öffnen Sie zuerst eines mit „Hintergrund…“ (B).</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::FontWindow</name>
    <message>
        <source>Tessarine Vertiloom — font</source>
        <translation>Tessarine Vertiloom — Schrift</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Buchstabe</translation>
    </message>
</context>
<context>
    <name>vertiloom::MainWindow</name>
    <message>
        <source>Export letter to SVG…</source>
        <translation>Buchstaben als SVG exportieren…</translation>
    </message>
    <message>
        <source>Import letter from SVG…</source>
        <translation>Buchstaben aus SVG importieren…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Emulator…</source>
        <translation>Emulator…</translation>
    </message>
    <message>
        <source>Drawing board (F6)</source>
        <translation>Zeichenbrett (F6)</translation>
    </message>
    <message>
        <source>Font (F7)</source>
        <translation>Schrift (F7)</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Zeichnung einpassen…</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Buchstabe aus Schriftart…</translation>
    </message>
    <message>
        <source>Make patch…</source>
        <translation>Patch erstellen…</translation>
    </message>
</context>
</TS>
