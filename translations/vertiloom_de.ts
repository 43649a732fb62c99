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
</context>
</TS>
