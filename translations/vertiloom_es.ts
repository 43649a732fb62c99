<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>vertiloom</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.</source>
        <translation>%1 no tiene cabecera del cartucho en 7FC0 ni en FFC0: no hay suma de comprobación que fijar. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Cannot write the header&apos;s checksum into %1: %2.</source>
        <translation>No se puede escribir la suma de comprobación de la cabecera en %1: %2.</translation>
    </message>
    <message>
        <source>The copied text holds no points of this editor: it does not begin with &quot;vertiloom-points&quot;. Nothing was pasted.</source>
        <translation>El texto copiado no contiene puntos de este editor: no empieza por &quot;vertiloom-points&quot;. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was pasted.</source>
        <translation>Los puntos copiados están en el formato %1 de una versión más reciente de este editor; esta versión lee el formato %2. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>The copied points can&apos;t be pasted: line %1 (&quot;%2&quot;) is not as this editor writes them. Nothing was pasted.</source>
        <translation>Los puntos copiados no se pueden pegar: la línea %1 (&quot;%2&quot;) no está escrita como los escribe este editor. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>The copied text of this editor holds no point. Nothing was pasted.</source>
        <translation>El texto copiado de este editor no contiene ningún punto. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>There is no checked point to transform.</source>
        <translation>No hay ningún punto marcado que transformar.</translation>
    </message>
    <message>
        <source>Point %1 would go to %2 = %3, outside -128..127: nothing was changed.</source>
        <translation>El punto %1 pasaría a %2 = %3, fuera de -128..127: no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The letter already has 8 polygons, as many as a letter can hold.</source>
        <translation>La letra ya tiene 8 polígonos, todos los que admite una letra.</translation>
    </message>
    <message>
        <source>The letter already has 20 points, as many as a letter can hold.</source>
        <translation>La letra ya tiene 20 puntos, todos los que admite una letra.</translation>
    </message>
    <message>
        <source>A polygon has at most 11 corners.</source>
        <translation>Un polígono tiene como máximo 11 vértices.</translation>
    </message>
    <message>
        <source>No point of the letter is selected: there is nothing to copy.</source>
        <translation>No hay ningún punto de la letra seleccionado: no hay nada que copiar.</translation>
    </message>
    <message>
        <source>The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was pasted.</source>
        <translation>La letra tiene %1 puntos; con los %2 pegados tendría %3, y una letra admite como máximo 20. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was pasted.</source>
        <translation>La letra tiene %1 polígonos; con los %2 pegados tendría %3, y una letra admite como máximo 8. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>No file has been opened yet: choose a ROM image with &quot;Open file&quot; first.</source>
        <translation>Aún no se ha abierto ningún archivo: elija primero una imagen ROM con &quot;Abrir archivo&quot;.</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?</source>
        <translation>%1 tiene ahora %2 bytes: se leerá como imagen ROM, en el desplazamiento indicado en Addr. ¿Cargarlo?</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a letter file from its start. Load it?</source>
        <translation>%1 tiene ahora %2 bytes: se leerá como archivo de letra desde el principio. ¿Cargarlo?</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?</source>
        <translation>%1 es una imagen ROM de %2 bytes. ¿Reemplazar toda la imagen por este archivo de letra de %3 bytes?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte letter file?</source>
        <translation>%1 ya existe. ¿Reemplazarlo por este archivo de letra de %2 bytes?</translation>
    </message>
    <message>
        <source>The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing was written.</source>
        <translation>El registro de %1 bytes no cabe en el desplazamiento %2 de %3: el archivo solo tiene %4 bytes. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Cannot read offset %1 of %2: %3. Nothing was written.</source>
        <translation>No se puede leer el desplazamiento %1 de %2: %3. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo terminó antes de tiempo</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 bytes there. Write it anyway?</source>
        <translation>No se puede leer ningún registro de letra en el desplazamiento %1 de %2 (%3). Escribir el registro nuevo sobrescribe los %4 bytes que hay allí. ¿Escribirlo de todos modos?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the old record will be overwritten. Write it anyway?</source>
        <translation>El registro del desplazamiento %1 de %2 ocupa %3 bytes; el nuevo ocupa %4 bytes, así que se sobrescribirá el byte que sigue al registro antiguo. ¿Escribirlo de todos modos?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after the old record will be overwritten. Write it anyway?</source>
        <translation>El registro del desplazamiento %1 de %2 ocupa %3 bytes; el nuevo ocupa %4 bytes, así que se sobrescribirán los %5 bytes que siguen al registro antiguo. ¿Escribirlo de todos modos?</translation>
    </message>
    <message>
        <source>Cannot write the record at offset %1 into %2: %3.</source>
        <translation>No se puede escribir el registro en el desplazamiento %1 de %2: %3.</translation>
    </message>
    <message>
        <source>Cannot write the %1 records into %2: %3.</source>
        <translation>No se pueden escribir los %1 registros en %2: %3.</translation>
    </message>
    <message>
        <source>%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try again.</source>
        <translation>%1 cambió en el desplazamiento %2 después de comprobarse: otro programa escribió en él. No se ha escrito nada; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Drawings and pictures</source>
        <translation>Dibujos y mapas de bits</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Letter from font</source>
        <translation>Letra de una fuente</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Carácter:</translation>
    </message>
    <message>
        <source>Give one character to draw from the font &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Indique un solo carácter que tomar de la fuente &quot;%1&quot;, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from the source&apos;s.</source>
        <translation>%1 puntos, %2 polígonos; %3 % del área rellena en común con el original, con los bordes a %4 unidades como máximo de los del original.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first: the font shows its 24 letters.</source>
        <translation>Aún no hay ninguna imagen ROM abierta. Abra primero una imagen ROM con &quot;Abrir archivo&quot;: la fuente muestra sus 24 letras.</translation>
    </message>
    <message>
        <source>%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.</source>
        <translation>%1 es un archivo de letra, no una imagen ROM: la fuente muestra las 24 letras de una imagen ROM.</translation>
    </message>
    <message>
        <source>%1 is taken as it stands, its %2-byte copier header included.</source>
        <translation>%1 se toma tal cual, incluida su cabecera de copiadora de %2 bytes.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 bytes.</source>
        <translation>Se ha escrito %1: %2 bytes.</translation>
    </message>
    <message>
        <source>%1 is no patch this editor knows: a BPS patch begins with &quot;BPS1&quot;, an IPS patch with &quot;PATCH&quot;.</source>
        <translation>%1 no es un parche que este editor conozca: un parche BPS empieza por &quot;BPS1&quot; y un parche IPS, por &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with a header or both without, or make the patch between the files as they stand with vertiloom-cli patch create --exact. Nothing was written.</source>
        <translation>Por su tamaño, %1 tiene una cabecera de copiadora de 512 bytes (%2 bytes, 512 más que un múltiplo de 1,024), y %3 no tiene ninguna (%4 bytes): un parche entre las dos llevaría la cabecera como parte del juego. Indique las dos imágenes con cabecera o las dos sin ella, o haga el parche entre los archivos tal cual con vertiloom-cli patch create --exact. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is made without it.</source>
        <translation>%1 tiene una cabecera de copiadora de %2 bytes: el parche se hace sin ella.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.</source>
        <translation>%1 tiene una cabecera de copiadora de %2 bytes: el parche se aplica sin ella, y la cabecera se vuelve a poner delante de %3.</translation>
    </message>
    <message>
        <source>This patch was made for an image of %1 bytes; this image has %2 bytes.</source>
        <translation>Este parche se hizo para una imagen de %1 bytes; esta imagen tiene %2 bytes.</translation>
    </message>
    <message>
        <source>This patch was made for an image with CRC32 %1; this image has %2.</source>
        <translation>Este parche se hizo para una imagen con CRC32 %1; esta imagen tiene %2.</translation>
    </message>
    <message>
        <source>The patched image has the CRC32 %1, but the patch says its result has %2.</source>
        <translation>La imagen parcheada tiene el CRC32 %1, pero el parche dice que su resultado tiene %2.</translation>
    </message>
    <message>
        <source>The patch was applied all the same, as asked: its checksums were not insisted on.</source>
        <translation>El parche se ha aplicado de todos modos, como se pidió: no se exigieron sus sumas de comprobación.</translation>
    </message>
    <message>
        <source>%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch&apos;s target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.</source>
        <translation>Con el parche aplicado, %1 tendría %2 bytes (su cabecera de copiadora de %3 bytes delante del destino del parche, de %4 bytes): el editor lee y escribe archivos de 64 MiB (%5 bytes) como máximo. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>No ROM image is open: open the modified image first, then make the patch between a clean original and it.</source>
        <translation>No hay ninguna imagen ROM abierta: abra primero la imagen modificada y después haga el parche entre un original limpio y ella.</translation>
    </message>
    <message>
        <source>programs are started only from the editor&apos;s window</source>
        <translation>los programas solo se inician desde la ventana del editor</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Aún no hay ninguna imagen ROM abierta. Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después juegue con ella.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>El último archivo abierto, &quot;%1&quot;, es un archivo de letra, no una imagen ROM (%2 bytes; una imagen ROM tiene más de 2,000,000 bytes). Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después juegue con ella.</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written over the %4 bytes there. %2 itself is unchanged.</source>
        <translation>No se puede leer ningún registro de letra en el desplazamiento %1 de %2 (%3): en la copia con la que se juega, el registro nuevo se escribe sobre los %4 bytes que hay allí. %2 en sí no cambia.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 byte after the old record is overwritten. %2 itself is unchanged.</source>
        <translation>El registro del desplazamiento %1 de %2 ocupa %3 bytes; el nuevo ocupa %4 bytes: en la copia con la que se juega, se sobrescribe el byte que sigue al registro antiguo. %2 en sí no cambia.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 bytes after the old record are overwritten. %2 itself is unchanged.</source>
        <translation>El registro del desplazamiento %1 de %2 ocupa %3 bytes; el nuevo ocupa %4 bytes: en la copia con la que se juega, se sobrescriben los %5 bytes que siguen al registro antiguo. %2 en sí no cambia.</translation>
    </message>
    <message>
        <source>retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>retroarch está en el PATH, pero no hay ningún núcleo de SNES para él en %1/*/libretro/: instale el paquete de Debian libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) o mednafen (apt-get install mednafen), o indique la línea de comandos de su emulador.</translation>
    </message>
    <message>
        <source>No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>No se ha encontrado ningún emulador en el PATH: instale el paquete de Debian mednafen (apt-get install mednafen) o indique la línea de comandos de su emulador.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line has a %1 that is not closed: %2</source>
        <translation>La línea de comandos del emulador tiene una comilla %1 sin cerrar: %2</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line is empty: give it in &quot;Emulator…&quot;, with %f where the file to play goes.</source>
        <translation>La línea de comandos del emulador está vacía: indíquela en &quot;Emulador…&quot;, con %f donde va el archivo con el que se juega.</translation>
    </message>
    <message>
        <source>Cannot make a folder for the copy to play in %1: %2.</source>
        <translation>No se puede crear en %1 una carpeta para la copia con la que se juega: %2.</translation>
    </message>
    <message>
        <source>Cannot start the emulator %1: %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>No se puede iniciar el emulador %1: %2. Su línea de comandos se configura en &quot;Emulador…&quot;.</translation>
    </message>
    <message>
        <source>Cannot start the emulator &quot;%1&quot; (looked for in the folders of the PATH): %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>No se puede iniciar el emulador &quot;%1&quot; (buscado en las carpetas del PATH): %2. Su línea de comandos se configura en &quot;Emulador…&quot;.</translation>
    </message>
    <message>
        <source>This image does not match any of the five known dumps: the catalogue offsets may point at other data.</source>
        <translation>Esta imagen no coincide con ninguno de los cinco volcados conocidos: los desplazamientos del catálogo pueden apuntar a otros datos.</translation>
    </message>
    <message>
        <source>This image looks like %1 (with a 512-byte header). Switch to it?</source>
        <translation>Esta imagen parece ser %1 (con una cabecera de 512 bytes). ¿Cambiar a ese volcado?</translation>
    </message>
    <message>
        <source>This image looks like %1. Switch to it?</source>
        <translation>Esta imagen parece ser %1. ¿Cambiar a ese volcado?</translation>
    </message>
    <message>
        <source>The header&apos;s checksum no longer matches: vertiloom-cli checksum --fix sets it</source>
        <translation>La suma de comprobación de la cabecera ya no coincide: vertiloom-cli checksum --fix la corrige</translation>
    </message>
    <message>
        <source>%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write into it anyway?</source>
        <translation>%1 no coincide con ninguno de los cinco volcados conocidos: los desplazamientos del catálogo pueden apuntar a otros datos. ¿Escribir en él de todos modos?</translation>
    </message>
    <message>
        <source>The letter has changes that are in no file yet. Discard them?</source>
        <translation>La letra tiene cambios que aún no están en ningún archivo. ¿Descartarlos?</translation>
    </message>
    <message>
        <source>Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, and the copy %2 could not be made: %3</source>
        <translation>No se ha escrito nada en %1. Antes de la primera escritura en una imagen, el editor guarda una copia de ella, y no se pudo crear la copia %2: %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?</source>
        <translation>%1 es una imagen ROM de %2 bytes. ¿Reemplazar toda la imagen por este dibujo SVG de %3 bytes?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte SVG drawing?</source>
        <translation>%1 ya existe. ¿Reemplazarlo por este dibujo SVG de %2 bytes?</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 reaches outside the letter&apos;s square: every coordinate of a letter is within -128..127.</source>
        <translation>El recuadro %1,%2,%3,%4 se sale del cuadrado de la letra: todas las coordenadas de una letra están en -128..127.</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.</source>
        <translation>El recuadro %1,%2,%3,%4 es una sola unidad: una letra necesita un recuadro con anchura o altura en el que colocarse.</translation>
    </message>
    <message>
        <source>There is nothing to fit: the drawing fills no area (its contours enclose nothing).</source>
        <translation>No hay nada que ajustar: el dibujo no rellena ningún área (sus contornos no encierran nada).</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing: its root element is &lt;%1&gt;.</source>
        <translation>El archivo no es un dibujo SVG: su elemento raíz es &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1 refers to &quot;%2&quot;, which is no element of this drawing: only the drawing&apos;s own elements are drawn through &lt;use&gt;.</source>
        <translation>%1 hace referencia a &quot;%2&quot;, que no es ningún elemento de este dibujo: mediante &lt;use&gt; solo se dibujan los elementos del propio dibujo.</translation>
    </message>
    <message>
        <source>%1 draws &quot;%2&quot;, which holds it: a &lt;use&gt; can&apos;t draw itself or an element around it.</source>
        <translation>%1 dibuja &quot;%2&quot;, que lo contiene: un &lt;use&gt; no puede dibujarse a sí mismo ni a un elemento que lo rodea.</translation>
    </message>
    <message>
        <source>%1 would draw more than %2 elements through &lt;use&gt;, the most a drawing may.</source>
        <translation>%1 dibujaría más de %2 elementos mediante &lt;use&gt;, el máximo que admite un dibujo.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.</source>
        <translation>No se pinta nada del dibujo: todas sus formas están ocultas, son transparentes o no tienen relleno ni trazo.</translation>
    </message>
    <message>
        <source>The drawing fills nothing: it holds no shape with an area (a &lt;line&gt; or an open path needs a stroke to be drawn).</source>
        <translation>El dibujo no rellena nada: no contiene ninguna forma con área (un &lt;line&gt; o un trazado abierto necesitan un trazo para dibujarse).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a font: it is no TrueType or OpenType file Qt can read.</source>
        <translation>%1 no se puede leer como fuente: no es un archivo TrueType ni OpenType que Qt pueda leer.</translation>
    </message>
    <message>
        <source>No font &quot;%1&quot; is installed: name an installed font&apos;s family, such as &quot;DejaVu Sans&quot; (with its style after a colon, such as &quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>No hay ninguna fuente &quot;%1&quot; instalada: indique la familia de una fuente instalada, como &quot;DejaVu Sans&quot; (con su estilo tras dos puntos, como &quot;DejaVu Sans:Bold&quot;), o un archivo .ttf u .otf.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no style &quot;%2&quot;; its styles are: %3.</source>
        <translation>La fuente &quot;%1&quot; no tiene el estilo &quot;%2&quot;; sus estilos son: %3.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character %2 (%3).</source>
        <translation>La fuente &quot;%1&quot; no tiene el carácter %2 (%3).</translation>
    </message>
    <message>
        <source>The character %1 (%2) of the font &quot;%3&quot; draws nothing: it has no outline to fit.</source>
        <translation>El carácter %1 (%2) de la fuente &quot;%3&quot; no dibuja nada: no tiene contorno que ajustar.</translation>
    </message>
    <message>
        <source>The picture is empty: it has no pixels.</source>
        <translation>El mapa de bits está vacío: no tiene píxeles.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: it is all one shade.</source>
        <translation>El mapa de bits no tiene nada oscuro que calcar: es todo de un mismo tono.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.</source>
        <translation>El mapa de bits no tiene nada oscuro que calcar: sus tonos difieren demasiado poco para distinguir una forma de su fondo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a picture: %2.</source>
        <translation>%1 no se puede leer como mapa de bits: %2.</translation>
    </message>
    <message>
        <source>One of the patch&apos;s images is %1 bytes: no ROM image of the game is that large, and the editor reads and writes files of at most 64 MiB (%2 bytes).</source>
        <translation>Una de las imágenes del parche tiene %1 bytes: ninguna imagen ROM del juego es tan grande, y el editor lee y escribe archivos de 64 MiB (%2 bytes) como máximo.</translation>
    </message>
    <message>
        <source>The patch is cut short: its head ends after its checksums begin at byte %1.</source>
        <translation>El parche está truncado: su cabecera termina después del byte %1, donde empiezan sus sumas de comprobación.</translation>
    </message>
    <message>
        <source>The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.</source>
        <translation>El parche está truncado: la acción %1 del byte %2 termina después del byte %3, donde empiezan sus sumas de comprobación.</translation>
    </message>
    <message>
        <source>The patch&apos;s head holds a number beyond any file&apos;s size at byte %1.</source>
        <translation>La cabecera del parche contiene en el byte %1 un número mayor que el tamaño de cualquier archivo.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch holds a number beyond any file&apos;s size.</source>
        <translation>La acción %1 del byte %2 del parche contiene un número mayor que el tamaño de cualquier archivo.</translation>
    </message>
    <message>
        <source>This is not a BPS patch: it does not begin with &quot;BPS1&quot;.</source>
        <translation>Esto no es un parche BPS: no empieza por &quot;BPS1&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 bytes at least).</source>
        <translation>El parche está truncado: en sus %1 bytes no caben la cabecera y las tres sumas de comprobación de un parche BPS (%2 bytes como mínimo).</translation>
    </message>
    <message>
        <source>The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.</source>
        <translation>El parche está dañado: sus bytes tienen el CRC32 %1, pero sus cuatro últimos bytes dicen %2.</translation>
    </message>
    <message>
        <source>The patch is cut short: its actions end at byte %1 with %2 of the target&apos;s %3 bytes written.</source>
        <translation>El parche está truncado: sus acciones terminan en el byte %1 con %2 de los %3 bytes del destino escritos.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 bytes).</source>
        <translation>La acción %1 del byte %2 del parche (%3) escribe %4 bytes en el desplazamiento 0x%5, más allá del final del destino (%6 bytes).</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.</source>
        <translation>La acción %1 del byte %2 del parche (%3) lee %4 bytes del desplazamiento %5 del origen, fuera de sus %6 bytes.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before offset 0x%5 are written.</source>
        <translation>La acción %1 del byte %2 del parche (%3) copia del desplazamiento %4 del destino, donde solo están escritos los bytes anteriores al desplazamiento 0x%5.</translation>
    </message>
    <message>
        <source>The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte %2.</source>
        <translation>El parche continúa después de completar su destino: sus acciones terminan en el byte %1, pero sus sumas de comprobación empiezan en el byte %2.</translation>
    </message>
    <message>
        <source>The patch made does not turn the original image into the modified one: this is a fault of the editor, and nothing was written.</source>
        <translation>El parche creado no convierte la imagen original en la modificada: es un fallo del editor, y no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the &lt;use&gt; &quot;%2&quot;</source>
        <translation>El elemento &lt;%1&gt; dibujado por el elemento &lt;use&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the %2 &lt;use&gt;</source>
        <translation>El elemento &lt;%1&gt; dibujado por el %2 elemento &lt;use&gt;</translation>
    </message>
    <message>
        <source>%1 is a curve: straighten the curves first; only straight lines are read.</source>
        <translation>%1 es una curva: convierta primero las curvas en rectas; solo se leen líneas rectas.</translation>
    </message>
    <message>
        <source>%1 has a curve (command %2): straighten the curves first; only straight lines are read.</source>
        <translation>%1 tiene una curva (comando %2): convierta primero las curvas en rectas; solo se leen líneas rectas.</translation>
    </message>
    <message>
        <source>Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter&apos;s limits.</source>
        <translation>O deje que vertiloom-cli import IMAGE DRAWING --letter L --fit ajuste el dibujo a los límites de la letra.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: its root &lt;svg&gt; is hidden (display none, opacity 0 or a condition that fails).</source>
        <translation>No se pinta nada del dibujo: su &lt;svg&gt; raíz está oculto (display none, opacity 0 o una condición que no se cumple).</translation>
    </message>
    <message>
        <source>The drawing&apos;s viewBox &quot;%1&quot; is not four numbers with a positive width and height.</source>
        <translation>El viewBox &quot;%1&quot; del dibujo no son cuatro números con anchura y altura positivas.</translation>
    </message>
    <message>
        <source>%1 has a point outside the drawing&apos;s square (at %2, %3 in the letter&apos;s units, which run from -128 to 127).</source>
        <translation>%1 tiene un punto fuera del cuadrado del dibujo (en %2, %3 en unidades de la letra, que van de -128 a 127).</translation>
    </message>
    <message>
        <source>%1 is not closed: its last point is not its first.</source>
        <translation>%1 no está cerrado: su último punto no es el primero.</translation>
    </message>
    <message>
        <source>%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.</source>
        <translation>%1 tiene las esquinas redondeadas, que son curvas: convierta primero las curvas en rectas; solo se leen líneas rectas.</translation>
    </message>
    <message>
        <source>%1 has a part that is not closed: end it with Z, or where it began.</source>
        <translation>%1 tiene una parte sin cerrar: termínela con Z, o donde empezó.</translation>
    </message>
    <message>
        <source>%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.</source>
        <translation>%1 es un trazo de %2 unidades de ancho: solo se lee una línea de 1 unidad de ancho como máximo, como un polígono de dos vértices.</translation>
    </message>
    <message>
        <source>%1 would be polygon %2 of the letter; a letter holds at most %3.</source>
        <translation>%1 sería el polígono %2 de la letra; una letra admite como máximo %3.</translation>
    </message>
    <message>
        <source>%1 has %2 corners; a polygon holds at most %3.</source>
        <translation>%1 tiene %2 vértices; un polígono admite como máximo %3.</translation>
    </message>
    <message>
        <source>The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.</source>
        <translation>El dibujo está vacío: no contiene ningún polígono, polilínea cerrada, rectángulo ni trazado de líneas rectas.</translation>
    </message>
    <message>
        <source>%1 brings the letter to %2 points; a letter holds at most %3.</source>
        <translation>%1 lleva la letra a %2 puntos; una letra admite como máximo %3.</translation>
    </message>
    <message>
        <source>%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter read from it: take it out of data-vertiloom-corners.</source>
        <translation>%1 guarda el byte de referencia %2, que no designa ningún punto del dibujo pero designaría el punto %3 de la letra leída de él: quítelo de data-vertiloom-corners.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.er</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.er</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; &quot;%2&quot;</source>
        <translation>El elemento &lt;%1&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The %1 &lt;%2&gt;</source>
        <translation>El %1 elemento &lt;%2&gt;</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: its %2 attribute is not valid at character %3.</source>
        <translation>%1 no se puede leer: su atributo %2 no es válido en el carácter %3.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>El elemento &lt;%1&gt; de la línea %2, columna %3</translation>
    </message>
    <message>
        <source>%1 lies %2 levels deep; a drawing is read at most %3 levels deep.</source>
        <translation>%1 está a %2 niveles de profundidad; un dibujo se lee hasta %3 niveles de profundidad como máximo.</translation>
    </message>
    <message>
        <source>The file is not well-formed SVG: %1 (line %2, column %3).</source>
        <translation>El archivo no es un SVG bien formado: %1 (línea %2, columna %3).</translation>
    </message>
    <message>
        <source>There is not enough memory for this: nothing was written.</source>
        <translation>No hay memoria suficiente para esto: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.</source>
        <translation>El cuadro de texto no contiene un registro de letra: un tabulador en la posición %1 no es una cifra hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.</source>
        <translation>El cuadro de texto no contiene un registro de letra: el carácter %1 en la posición %2 no es una cifra hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: &apos;%1&apos; at position %2 is not a hexadecimal digit.</source>
        <translation>El cuadro de texto no contiene un registro de letra: &apos;%1&apos; en la posición %2 no es una cifra hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte is incomplete.</source>
        <translation>El cuadro de texto no contiene un registro de letra: contiene %1 cifras hexadecimales, un número impar, así que su último byte está incompleto.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: the tag at position %1 should read &lt;bh:xx&gt; with two hexadecimal digits.</source>
        <translation>El cuadro de texto no contiene un registro de letra: la etiqueta de la posición %1 debería ser &lt;bh:xx&gt; con dos cifras hexadecimales.</translation>
    </message>
    <message>
        <source>The memo is empty: press START! to compile the letter first.</source>
        <translation>El cuadro de texto está vacío: pulse primero ¡INICIAR! para compilar la letra.</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its %1 bytes end before the record that its counts describe does.</source>
        <translation>El cuadro de texto no contiene un registro de letra: sus %1 bytes terminan antes que el registro que describen sus contadores.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: %1</source>
        <translation>El cuadro de texto no contiene un registro de letra: %1</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 bytes.</source>
        <translation>El cuadro de texto no contiene un registro de letra: sus contadores describen un registro de %1 bytes, pero contiene %2 bytes.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>Cannot open %1: File access denied</source>
        <translation>No se puede abrir %1: acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo regular.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 bytes).</source>
        <translation>%1 tiene %2 bytes: ninguna imagen ROM del juego es tan grande, y el editor lee archivos de 64 MiB (%3 bytes) como máximo.</translation>
    </message>
    <message>
        <source>%1 is the file being read: write the output elsewhere.</source>
        <translation>%1 es el archivo que se está leyendo: escriba la salida en otro sitio.</translation>
    </message>
    <message>
        <source>Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, such as 476E2.</source>
        <translation>Addr está vacío: escriba el desplazamiento del registro de letra en la imagen ROM como número hexadecimal, por ejemplo 476E2.</translation>
    </message>
    <message>
        <source>The offset in Addr, &quot;%1&quot;, is not a hexadecimal number (only the digits 0-9 and A-F, such as 476E2).</source>
        <translation>El desplazamiento de Addr, &quot;%1&quot;, no es un número hexadecimal (solo las cifras 0-9 y A-F, por ejemplo 476E2).</translation>
    </message>
    <message>
        <source>The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of the same size, since an IPS patch cannot shorten an image and this program never lengthens one.</source>
        <translation>La imagen original tiene %1 bytes y la modificada, %2 bytes: solo se hace un parche entre imágenes del mismo tamaño, ya que un parche IPS no puede acortar una imagen y este programa nunca alarga ninguna.</translation>
    </message>
    <message>
        <source>The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from 0x1000000 on.</source>
        <translation>Las imágenes difieren en el desplazamiento 0x%1, más allá de los primeros 16 MiB: un parche IPS no alcanza los desplazamientos a partir de 0x1000000.</translation>
    </message>
    <message>
        <source>This is not an IPS patch: it does not begin with &quot;PATCH&quot;.</source>
        <translation>Esto no es un parche IPS: no empieza por &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: it ends at byte %1 without its &quot;EOF&quot; marker.</source>
        <translation>El parche está truncado: termina en el byte %1 sin su marca &quot;EOF&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: record %1 at byte %2 ends after the patch does.</source>
        <translation>El parche está truncado: el registro %1 del byte %2 termina después del final del parche.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.</source>
        <translation>El registro %1 del byte %2 del parche está mal formado: repite un byte 0 veces.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS patch can reach.</source>
        <translation>El registro %1 del byte %2 del parche escribe en los desplazamientos 0x%3 a 0x%4, más allá de los primeros 16 MiB que alcanza un parche IPS.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): applying a patch never makes an image longer.</source>
        <translation>El registro %1 del byte %2 del parche escribe en los desplazamientos 0x%3 a 0x%4, más allá del final de la imagen (%5 bytes): aplicar un parche nunca alarga una imagen.</translation>
    </message>
    <message>
        <source>The patch asks for an image of %1 bytes after its &quot;EOF&quot; marker, but the image is %2 bytes: applying a patch never changes an image&apos;s size.</source>
        <translation>Tras su marca &quot;EOF&quot;, el parche pide una imagen de %1 bytes, pero la imagen tiene %2 bytes: aplicar un parche nunca cambia el tamaño de una imagen.</translation>
    </message>
    <message>
        <source>The patch goes on after its &quot;EOF&quot; marker at byte %1 and ends at byte %2; only a 3-byte size may follow the marker.</source>
        <translation>El parche continúa tras su marca &quot;EOF&quot; del byte %1 y termina en el byte %2; tras la marca solo puede ir un tamaño de 3 bytes.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written into %2, and it is read as it is.</source>
        <translation>%1, junto a %2, puede ser el diario de una escritura interrumpida, pero se ha dejado tal cual: %3. No se ha escrito nada en %2, y se lee tal como está.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.</source>
        <translation>%1, junto a %2, es el diario de una escritura interrumpida, pero el archivo ha cambiado desde entonces (o el diario está dañado): se ha pasado por alto y %2 se ha dejado tal cual, pero no se pudo eliminar el diario: %3.</translation>
    </message>
    <message>
        <source>%1 held the journal of a write that was cut short, but the file has changed since (or the journal was damaged): the journal was removed and %2 was left as it is.</source>
        <translation>%1 contenía el diario de una escritura interrumpida, pero el archivo ha cambiado desde entonces (o el diario estaba dañado): se ha eliminado el diario y %2 se ha dejado tal cual.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>pertenece a otro usuario (uid %1)</translation>
    </message>
    <message>
        <source>it can&apos;t be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>users other than its owner may write into it</source>
        <translation>otros usuarios además de su propietario pueden escribir en él</translation>
    </message>
    <message>
        <source>it has more than one name (hard links)</source>
        <translation>tiene más de un nombre (enlaces duros)</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 pertenece a otro usuario (uid %2)</translation>
    </message>
    <message>
        <source>it is the journal of another file</source>
        <translation>es el diario de otro archivo</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short before it changed any byte (the program that made it ended before it was done): the file is as it was before that write.</source>
        <translation>La última escritura en %1 se interrumpió antes de cambiar ningún byte (el programa que la hacía terminó antes de acabarla): el archivo está como estaba antes de esa escritura.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, so nothing was written, but the journal could not be removed: %3.</source>
        <translation>%1, junto a %2, es el diario de una escritura interrumpida. Todos los bytes que indica ya tienen su valor anterior, así que no se ha escrito nada, pero no se pudo eliminar el diario: %3.</translation>
    </message>
    <message>
        <source>A write into %1 was cut short (the program that made it ended before it was done), and its old bytes can&apos;t be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens the file.</source>
        <translation>Una escritura en %1 se interrumpió (el programa que la hacía terminó antes de acabarla), y sus bytes anteriores no se pueden restaurar: %2. Se guardan junto a él en %3, y el editor lo volverá a intentar la próxima vez que abra el archivo.</translation>
    </message>
    <message>
        <source>offsets %1</source>
        <translation>desplazamientos %1</translation>
    </message>
    <message>
        <source>%1 ranges from %2 to %3</source>
        <translation>%1 tramos de %2 a %3</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write.</source>
        <translation>La última escritura en %1 se interrumpió: el programa que la hacía terminó antes de acabarla. Los bytes que estaba cambiando (%2) se han restaurado, así que el archivo está como estaba antes de esa escritura.</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not be removed: %4.</source>
        <translation>La última escritura en %1 se interrumpió: el programa que la hacía terminó antes de acabarla. Los bytes que estaba cambiando (%2) se han restaurado, así que el archivo está como estaba antes de esa escritura, pero no se pudo eliminar su diario %3: %4.</translation>
    </message>
    <message>
        <source>%1 is empty: a letter file holds one letter record.</source>
        <translation>%1 está vacío: un archivo de letra contiene un registro de letra.</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Lectura más allá del final del archivo: %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 for writing: %2. Nothing was written.</source>
        <translation>No se puede bloquear %1 para escribir: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is being written by another program (pid %2). Nothing was written: try again when it is done.</source>
        <translation>Otro programa está escribiendo en %1 (pid %2). No se ha escrito nada: inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Nothing was written: try again when it is done.</source>
        <translation>Otro programa está escribiendo en %1. No se ha escrito nada: inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 points; the editor holds at most %3.</source>
        <translation>La letra del desplazamiento %1 tiene %2 puntos; el editor admite como máximo %3.</translation>
    </message>
    <message>
        <source>The letter has %1 points; the editor holds at most %2.</source>
        <translation>La letra tiene %1 puntos; el editor admite como máximo %2.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 polygons; the editor holds at most %3.</source>
        <translation>La letra del desplazamiento %1 tiene %2 polígonos; el editor admite como máximo %3.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; the editor holds at most %2.</source>
        <translation>La letra tiene %1 polígonos; el editor admite como máximo %2.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.</source>
        <translation>El polígono %1 de la letra del desplazamiento %2 tiene %3 vértices; el editor admite como máximo %4.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter has %2 corners; the editor holds at most %3.</source>
        <translation>El polígono %1 de la letra tiene %2 vértices; el editor admite como máximo %3.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: it was left as it was.</source>
        <translation>%1 no es un archivo regular: se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, and the editor writes this file only as a file of its own. %2</source>
        <translation>%1 es un enlace simbólico, y el editor solo escribe este archivo como un archivo propio. %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>No se puede escribir %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 es una imagen ROM de %2 bytes, y una salida nunca reemplaza una imagen ROM: no se ha escrito nada. Dé otro nombre a la salida.</translation>
    </message>
    <message>
        <source>%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 lleva a %2, una imagen ROM de %3 bytes, y una salida nunca reemplaza una imagen ROM: no se ha escrito nada. Dé otro nombre a la salida.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>%1 was not created.</source>
        <translation>%1 no se ha creado.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may be back.</source>
        <translation>%1 se ha escrito, pero su carpeta no se pudo sincronizar con el disco: %2. Tras un corte de corriente puede volver el archivo antiguo.</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>El disco está lleno: %1</translation>
    </message>
    <message>
        <source>%1 None of the %2 files was written.</source>
        <translation>%1 No se ha escrito ninguno de los %2 archivos.</translation>
    </message>
    <message>
        <source>%1 These files were written before it: %2.</source>
        <translation>%1 Antes se escribieron estos archivos: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 No se ha escrito nada.</translation>
    </message>
    <message>
        <source>its journal %1 could not be written beside it: %2</source>
        <translation>no se pudo escribir su diario %1 junto a él: %2</translation>
    </message>
    <message>
        <source>%1 The bytes that were there before were put back: the file is as it was.</source>
        <translation>%1 Se han restaurado los bytes que había antes: el archivo está como estaba.</translation>
    </message>
    <message>
        <source>%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are kept beside it, and the editor puts them back the next time it opens the file.</source>
        <translation>%1 Tampoco se pudieron restaurar los bytes anteriores (%2): pueden haber cambiado los desplazamientos %3 de %4. Sus bytes anteriores se guardan junto a él, y el editor los restaurará la próxima vez que abra el archivo.</translation>
    </message>
    <message>
        <source>Not one of the five known dumps
CRC32 %1</source>
        <translation>Ninguno de los cinco volcados conocidos
CRC32 %1</translation>
    </message>
    <message>
        <source>%1 (with a 512-byte header)
CRC32 %2</source>
        <translation>%1 (con una cabecera de 512 bytes)
CRC32 %2</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Aún no hay ninguna imagen ROM abierta. Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después lea las palabras.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Aún no hay ninguna imagen ROM abierta. Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después escriba las palabras.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>El último archivo abierto, &quot;%1&quot;, es un archivo de letra, no una imagen ROM (%2 bytes; una imagen ROM tiene más de 2,000,000 bytes). Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después lea las palabras.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>El último archivo abierto, &quot;%1&quot;, es un archivo de letra, no una imagen ROM (%2 bytes; una imagen ROM tiene más de 2,000,000 bytes). Abra primero una imagen ROM con &quot;Abrir archivo&quot; y después escriba las palabras.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3. Nothing was written.</source>
        <translation>No se puede leer la palabra %1 de &quot;%2&quot;: %3. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3.</source>
        <translation>No se puede leer la palabra %1 de &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file ends after %5 bytes.</source>
        <translation>&quot;%1&quot; es demasiado corto para las palabras del volcado %2: la palabra %3 está en el desplazamiento %4, pero el archivo termina tras %5 bytes.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is %4 characters, but each letter of the word is one character.</source>
        <translation>Letra %1 de %2: &apos;%3&apos; tiene %4 caracteres, pero cada letra de la palabra es un solo carácter.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is not a character the game can show.</source>
        <translation>Letra %1 de %2: &apos;%3&apos; no es un carácter que el juego pueda mostrar.</translation>
    </message>
    <message>
        <source>Cannot write the words into %1: %2.</source>
        <translation>No se pueden escribir las palabras en %1: %2.</translation>
    </message>
    <message>
        <source>x of point %1</source>
        <translation>x del punto %1</translation>
    </message>
    <message>
        <source>y of point %1</source>
        <translation>y del punto %1</translation>
    </message>
    <message>
        <source>point %1 in the letter</source>
        <translation>punto %1 en la letra</translation>
    </message>
    <message>
        <source>place point %1 with a click on the preview</source>
        <translation>colocar el punto %1 con un clic en la vista previa</translation>
    </message>
    <message>
        <source>number of points, hexadecimal</source>
        <translation>número de puntos, hexadecimal</translation>
    </message>
    <message>
        <source>number of polygons, hexadecimal</source>
        <translation>número de polígonos, hexadecimal</translation>
    </message>
    <message>
        <source>corners of polygon %1</source>
        <translation>vértices del polígono %1</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: point</source>
        <translation>vértice %1 del polígono %2: punto</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: parameter</source>
        <translation>vértice %1 del polígono %2: parámetro</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2 in use</source>
        <translation>vértice %1 del polígono %2 en uso</translation>
    </message>
    <message>
        <source>offset of the letter in the file, hexadecimal</source>
        <translation>desplazamiento de la letra en el archivo, hexadecimal</translation>
    </message>
    <message>
        <source>the letter&apos;s record</source>
        <translation>el registro de la letra</translation>
    </message>
    <message>
        <source>PAUSE, letter %1</source>
        <translation>PAUSE, letra %1</translation>
    </message>
    <message>
        <source>GAME OVER, letter %1</source>
        <translation>GAME OVER, letra %1</translation>
    </message>
    <message>
        <source>next letter of the catalogue</source>
        <translation>letra siguiente del catálogo</translation>
    </message>
    <message>
        <source>previous letter of the catalogue</source>
        <translation>letra anterior del catálogo</translation>
    </message>
    <message>
        <source>reload the letter from the file</source>
        <translation>volver a cargar la letra del archivo</translation>
    </message>
    <message>
        <source>clear the letter</source>
        <translation>borrar la letra</translation>
    </message>
    <message>
        <source>read the words from the ROM image</source>
        <translation>leer las palabras de la imagen ROM</translation>
    </message>
    <message>
        <source>write the words into the ROM image</source>
        <translation>escribir las palabras en la imagen ROM</translation>
    </message>
    <message>
        <source>ROM variant</source>
        <translation>variante de ROM</translation>
    </message>
    <message>
        <source>preview of the letter</source>
        <translation>vista previa de la letra</translation>
    </message>
    <message>
        <source>point numbers and axes over the preview</source>
        <translation>números de los puntos y ejes sobre la vista previa</translation>
    </message>
    <message>
        <source>the drawing board&apos;s square</source>
        <translation>el cuadrado del tablero de dibujo</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polígonos</translation>
    </message>
    <message>
        <source>Total bytes: </source>
        <translation>Bytes: </translation>
    </message>
    <message>
        <source>START!</source>
        <translation>¡INICIAR!</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Export letter to Rom</source>
        <translation>Exportar letra a Rom</translation>
    </message>
    <message>
        <source>Export letter to file</source>
        <translation>Exportar letra a archivo</translation>
    </message>
    <message>
        <source>Convert to Translhextion</source>
        <translation>Convertir a Translhextion</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Mostrar puntos</translation>
    </message>
    <message>
        <source>Display axes</source>
        <translation>Mostrar ejes</translation>
    </message>
    <message>
        <source>Angles of %1 polygon</source>
        <translation>Vértices del polígono %1</translation>
    </message>
    <message>
        <source>vertex/parameters</source>
        <translation>vértices/parámetros</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulador</translation>
    </message>
    <message>
        <source>The command line that starts your emulator. %f stands for the file to play: a copy of the open ROM image with the letter and the words as the fields hold them. Quotes &apos; and &quot; group words as in a shell. Left empty, the first of mednafen, snes9x, bsnes and retroarch on the PATH is used.</source>
        <translation>La línea de comandos que inicia su emulador. %f representa el archivo con el que se juega: una copia de la imagen ROM abierta con la letra y las palabras tal como las contienen los campos. Las comillas &apos; y &quot; agrupan palabras como en un shell. Si se deja vacía, se usa el primero de mednafen, snes9x, bsnes y retroarch que haya en el PATH.</translation>
    </message>
    <message>
        <source>A polygon needs two corners or more.</source>
        <translation>Un polígono necesita dos vértices o más.</translation>
    </message>
    <message>
        <source>pen: click to place the first corner</source>
        <translation>pluma: haga clic para colocar el primer vértice</translation>
    </message>
    <message>
        <source>pen: %1 corners, click closes the polygon</source>
        <translation>pluma: %1 vértices; un clic cierra el polígono</translation>
    </message>
    <message>
        <source>pen: %1 corners (Enter closes, Backspace takes the last back)</source>
        <translation>pluma: %1 vértices (Intro cierra, Retroceso quita el último)</translation>
    </message>
    <message>
        <source>vertiloom-cli: warning: %1</source>
        <translation>vertiloom-cli: aviso: %1</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Missing arguments.</source>
        <translation>Faltan argumentos.</translation>
    </message>
    <message>
        <source>Too many arguments: &quot;%1&quot;.</source>
        <translation>Sobran argumentos: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An argument is empty: give the name of a file.</source>
        <translation>Un argumento está vacío: indique el nombre de un archivo.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 admite un número entero de %2 a %3, no &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--%1 is empty: give the name of the file to write.</source>
        <translation>--%1 está vacío: indique el nombre del archivo que escribir.</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>Escribir JSON en lugar de texto.</translation>
    </message>
    <message>
        <source>%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than 2,000,000 bytes).%3</source>
        <translation>%1 es un archivo de letra de %2 bytes, no una imagen ROM (una imagen ROM tiene más de 2,000,000 bytes).%3</translation>
    </message>
    <message>
        <source>Cannot encode the picture as PNG.</source>
        <translation>No se puede codificar el mapa de bits como PNG.</translation>
    </message>
    <message>
        <source>The font: an installed family with its style after a colon (&quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>La fuente: una familia instalada con su estilo tras dos puntos (&quot;DejaVu Sans:Bold&quot;), o un archivo .ttf u .otf.</translation>
    </message>
    <message>
        <source>pieces (convex polygons sharing their corner points, as the game&apos;s own letters are built; the default) or outline (one polygon per contour, holes included).</source>
        <translation>pieces (polígonos convexos que comparten sus puntos de vértice, como están construidas las letras del propio juego; el valor predeterminado) o bien outline (un polígono por contorno, huecos incluidos).</translation>
    </message>
    <message>
        <source>The box the letter is fitted into, in units from -128 to 127: left, top, right and foot (y grows downwards). The letter keeps its aspect, is centred across and stands on the foot.</source>
        <translation>El recuadro en el que se ajusta la letra, en unidades de -128 a 127: izquierda, arriba, derecha y pie (y crece hacia abajo). La letra conserva sus proporciones, se centra en horizontal y se apoya en el pie.</translation>
    </message>
    <message>
        <source>--style takes pieces or outline, not &quot;%1&quot;.</source>
        <translation>--style admite pieces o outline, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter&apos;s square (such as -60,-90,60,0), not &quot;%1&quot;.</source>
        <translation>--box admite cuatro números enteros X0,Y0,X1,Y1 de -128 a 127, en el cuadrado de la letra (por ejemplo -60,-90,60,0), no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dump to read the image as, 1 to 5 in the order of the ROM panel (default: the best fitting one, else 1).</source>
        <translation>El volcado con el que leer la imagen, de 1 a 5 en el orden del panel ROM (predeterminado: el que mejor encaje; si no, el 1).</translation>
    </message>
    <message>
        <source>The catalogue letter: its label (&quot;A (57) 84&quot;) or its glyph (A).</source>
        <translation>La letra del catálogo: su etiqueta (&quot;A (57) 84&quot;) o su glifo (A).</translation>
    </message>
    <message>
        <source>The letter record&apos;s file offset (hexadecimal).</source>
        <translation>El desplazamiento del registro de letra en el archivo (hexadecimal).</translation>
    </message>
    <message>
        <source>Give --letter or --offset, not both.</source>
        <translation>Indique --letter o --offset, no ambos.</translation>
    </message>
    <message>
        <source>No catalogue letter is labelled &quot;%1&quot;.</source>
        <translation>Ninguna letra del catálogo tiene la etiqueta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--offset takes a hexadecimal file offset such as 476E2, not &quot;%1&quot;.</source>
        <translation>--offset admite un desplazamiento hexadecimal en el archivo, como 476E2, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 no se ha abierto.</translation>
    </message>
    <message>
        <source>Fits letters into the game&apos;s limits (at most 20 points, 8 polygons, 11 corners each) without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, curves and strokes included; any other a picture, whose dark shape is traced), then one for each character of --chars in --font. Each letter is placed in the box (--box, else the default letter&apos;s), and its line says how close it came. OUT by its name: *.svg the letter&apos;s SVG drawing, *.png the letter as the preview draws it, a folder (one that exists, or a name ending in /) a letter file per letter and sheet.png, a contact sheet of them all with their figures; any other name a letter file. Several letters need a folder. When any letter can&apos;t be fitted, nothing is written.</source>
        <translation>Ajusta letras a los límites del juego (como máximo 20 puntos, 8 polígonos y 11 vértices por polígono) sin tocar ninguna imagen ROM: una por cada SOURCE (un archivo llamado *.svg es un dibujo, con sus curvas y trazos; cualquier otro, un mapa de bits, cuya forma oscura se calca) y después una por cada carácter de --chars en --font. Cada letra se coloca en el recuadro (--box; si no, el de la letra predeterminada), y su línea dice cuánto se ha acercado. OUT, según su nombre: *.svg, el dibujo SVG de la letra; *.png, la letra tal como la dibuja la vista previa; una carpeta (una que exista, o un nombre que termine en /), un archivo de letra por letra y sheet.png, una hoja de contactos con todas ellas y sus cifras; cualquier otro nombre, un archivo de letra. Varias letras necesitan una carpeta. Si alguna letra no se puede ajustar, no se escribe nada.</translation>
    </message>
    <message>
        <source>A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number.</source>
        <translation>Un dibujo (*.svg) o un mapa de bits (PNG, JPEG, BMP...) que ajustar; tantos como se quiera.</translation>
    </message>
    <message>
        <source>The characters of --font to fit, a letter each (white space and repeats passed over).</source>
        <translation>Los caracteres de --font que ajustar, una letra por cada uno (se pasan por alto los espacios en blanco y las repeticiones).</translation>
    </message>
    <message>
        <source>The letter file, drawing (*.svg), picture (*.png) or folder (DIR/) to write.</source>
        <translation>El archivo de letra, dibujo (*.svg), mapa de bits (*.png) o carpeta (DIR/) que escribir.</translation>
    </message>
    <message>
        <source>--font needs --chars: give the characters to fit.</source>
        <translation>--font necesita --chars: indique los caracteres que ajustar.</translation>
    </message>
    <message>
        <source>--chars needs --font: give the font to take the characters from.</source>
        <translation>--chars necesita --font: indique la fuente de la que tomar los caracteres.</translation>
    </message>
    <message>
        <source>Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture (*.png) or a folder (DIR/).</source>
        <translation>Indique qué escribir con -o OUT: un archivo de letra, un dibujo (*.svg), un mapa de bits (*.png) o una carpeta (DIR/).</translation>
    </message>
    <message>
        <source>Give a drawing or picture to fit, or --font F with --chars TEXT.</source>
        <translation>Indique un dibujo o un mapa de bits que ajustar, o --font F con --chars TEXT.</translation>
    </message>
    <message>
        <source>%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that exists), where each letter gets its letter file, and sheet.png.</source>
        <translation>%1 letras necesitan una carpeta: indique -o DIR/ (un nombre que termine en /, o una carpeta que exista), donde cada letra recibe su archivo de letra, y sheet.png.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be fitted.</source>
        <translation>No se ha escrito nada: no todas las letras se pueden ajustar.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons</source>
        <translation>%1 puntos, %2 polígonos</translation>
    </message>
    <message>
        <source>IoU %1 %, distance ≤ %2</source>
        <translation>IoU %1 %, distancia ≤ %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1. Nothing was written.</source>
        <translation>No se puede crear la carpeta %1. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>with a 512-byte header</source>
        <translation>con una cabecera de 512 bytes</translation>
    </message>
    <message>
        <source>no header</source>
        <translation>sin cabecera</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Copier header:</source>
        <translation>Cabecera de copiadora:</translation>
    </message>
    <message>
        <source>Cartridge:</source>
        <translation>Cartucho:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Suma de comprobación:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Map mode:</source>
        <translation>Modo de mapa:</translation>
    </message>
    <message>
        <source>ROM size:</source>
        <translation>Tamaño de ROM:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Dumps:</source>
        <translation>Volcados:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>no header at 7FC0 or FFC0</source>
        <translation>no hay cabecera en 7FC0 ni en FFC0</translation>
    </message>
    <message>
        <source>the image&apos;s own is %1 (the 16-bit sum of its bytes); no header holds one to compare</source>
        <translation>la de la propia imagen es %1 (la suma de 16 bits de sus bytes); ninguna cabecera contiene una con la que compararla</translation>
    </message>
    <message>
        <source>header at %1, the high place</source>
        <translation>cabecera en %1, la posición alta</translation>
    </message>
    <message>
        <source>header at %1, the low place</source>
        <translation>cabecera en %1, la posición baja</translation>
    </message>
    <message>
        <source>(file offset %1, after the copier header)</source>
        <translation>(desplazamiento %1 en el archivo, tras la cabecera de copiadora)</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they match</source>
        <translation>guardada %1, complemento %2; la de la propia imagen es %3 (la suma de 16 bits de sus bytes): coinciden</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they do not match</source>
        <translation>guardada %1, complemento %2; la de la propia imagen es %3 (la suma de 16 bits de sus bytes): no coinciden</translation>
    </message>
    <message>
        <source>Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image without a copier header), whether it has a copier header, its cartridge header when it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether the stored checksum is the image&apos;s own), the known dumps whose letters all fit, and its PAUSE and GAME OVER words (read at the best fitting dump&apos;s offsets, else the first dump&apos;s).</source>
        <translation>Dice qué es una imagen ROM: su tamaño, su CRC32, MD5 y SHA-1 (los tres, de la imagen sin cabecera de copiadora), si tiene cabecera de copiadora, su cabecera del cartucho cuando tiene una en 7FC0 o FFC0 (título, modo de mapa, tamaño de ROM, país, versión y si la suma de comprobación guardada es la de la propia imagen), los volcados conocidos en los que encajan todas sus letras, y sus palabras PAUSE y GAME OVER (leídas en los desplazamientos del volcado que mejor encaje; si no, en los del primero).</translation>
    </message>
    <message>
        <source>The ROM image.</source>
        <translation>La imagen ROM.</translation>
    </message>
    <message>
        <source>a letter file, not a ROM image: it holds no words</source>
        <translation>un archivo de letra, no una imagen ROM: no contiene palabras</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none of the five known dumps fits</source>
        <translation>no encaja ninguno de los cinco volcados conocidos</translation>
    </message>
    <message>
        <source>%1, words known</source>
        <translation>%1, palabras conocidas</translation>
    </message>
    <message>
        <source>Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the length the catalogue gives, and the record read there as a load reads it (its length, points and polygons), or why it can&apos;t be read.</source>
        <translation>Lista las 24 letras del catálogo de un volcado en una imagen ROM: etiqueta, desplazamiento en el archivo, la longitud que da el catálogo y el registro leído allí tal como lo lee una carga (su longitud, puntos y polígonos), o por qué no se puede leer.</translation>
    </message>
    <message>
        <source>every letter fits</source>
        <translation>encajan todas las letras</translation>
    </message>
    <message>
        <source>not every letter fits</source>
        <translation>no encajan todas las letras</translation>
    </message>
    <message>
        <source>longer than the catalogue says</source>
        <translation>más largo de lo que dice el catálogo</translation>
    </message>
    <message>
        <source>no record: %1</source>
        <translation>sin registro: %1</translation>
    </message>
    <message>
        <source>Compares the checksum and its complement in the image&apos;s cartridge header (at 7FC0 or FFC0, counted after a copier header) with the image&apos;s own checksum: the 16-bit sum of its bytes without the copier header, the remainder of a size that is no power of two repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 when they do not or no header is found. With --fix, writes the right checksum and complement, those 4 bytes and no other, with import&apos;s safeguards: the image is first copied to IMAGE.bak, and a write cut short is put back.</source>
        <translation>Compara la suma de comprobación y su complemento de la cabecera del cartucho de la imagen (en 7FC0 o FFC0, contando desde el final de una cabecera de copiadora) con la suma de comprobación de la propia imagen: la suma de 16 bits de sus bytes sin la cabecera de copiadora, con el resto de un tamaño que no es potencia de dos repetido tal como lo ve la consola. Código de salida 0 si coinciden (o si --fix las ha corregido), 1 si no coinciden o no se encuentra ninguna cabecera. Con --fix, escribe la suma de comprobación y el complemento correctos, esos 4 bytes y ningún otro, con las salvaguardas de import: primero se copia la imagen en IMAGE.bak, y si una escritura se interrumpe, se restauran los bytes anteriores.</translation>
    </message>
    <message>
        <source>Write the image&apos;s own checksum and its complement into the header.</source>
        <translation>Escribir en la cabecera la suma de comprobación de la propia imagen y su complemento.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1</source>
        <translation>No se ha encontrado ninguna cabecera del cartucho en 7FC0 ni en FFC0: no hay suma de comprobación que comparar.%1</translation>
    </message>
    <message>
        <source>Nothing to set: nothing was written.</source>
        <translation>No hay nada que corregir: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The header&apos;s checksum does not match the image&apos;s own (--fix sets it).</source>
        <translation>La suma de comprobación de la cabecera no coincide con la de la propia imagen (--fix la corrige).</translation>
    </message>
    <message>
        <source>Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is in %5.</source>
        <translation>Se han escrito la suma de comprobación %1 y su complemento %2 en el desplazamiento %3 de %4; la imagen tal como estaba queda en %5.</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the IPS patch that turns ORIGINAL into MODIFIED (images of the same size); &quot;apply&quot; writes IMAGE with PATCH applied to the file given with -o, after checking the whole patch.</source>
        <translation>&quot;create&quot; escribe el parche IPS que convierte ORIGINAL en MODIFIED (imágenes del mismo tamaño); &quot;apply&quot; escribe IMAGE con PATCH aplicado en el archivo indicado con -o, tras comprobar todo el parche.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Qué hacer.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image.</source>
        <translation>create: la imagen original; apply: la imagen.</translation>
    </message>
    <message>
        <source>create: the modified image; apply: the patch.</source>
        <translation>create: la imagen modificada; apply: el parche.</translation>
    </message>
    <message>
        <source>create: the patch to write; apply: the patched image to write.</source>
        <translation>create: el parche que escribir; apply: la imagen parcheada que escribir.</translation>
    </message>
    <message>
        <source>The first argument is create or apply, not &quot;%1&quot;.</source>
        <translation>El primer argumento es create o apply, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the file to write with -o FILE.</source>
        <translation>Indique el archivo que escribir con -o FILE.</translation>
    </message>
    <message>
        <source>%1: %2 bytes (the images are the same)</source>
        <translation>%1: %2 bytes (las imágenes son iguales)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 bytes</translation>
    </message>
    <message>
        <source>%1: %2 bytes, %3 changed</source>
        <translation>%1: %2 bytes, %3 cambiados</translation>
    </message>
    <message>
        <source>All 24 catalogue letters.</source>
        <translation>Las 24 letras del catálogo.</translation>
    </message>
    <message>
        <source>%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, --dump and --all are for a ROM image.</source>
        <translation>%1 es un archivo de letra (%2 bytes): contiene una sola letra, y --letter, --offset, --dump y --all son para una imagen ROM.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>No leído: %1</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: sin registro</translation>
    </message>
    <message>
        <source>Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, six across, each labelled. An output named *.svg is the letter&apos;s SVG drawing instead, as &quot;Export letter to SVG&quot; writes it (--scale, --no-numbers, --no-axes and --all are for a PNG picture).</source>
        <translation>Dibuja una letra como la muestra la vista previa tras una carga, píxel a píxel (255 x 255), y la escribe como mapa de bits PNG; con --all, las 24 letras del catálogo en una hoja, seis por fila, cada una con su etiqueta. Una salida llamada *.svg es en cambio el dibujo SVG de la letra, como lo escribe &quot;Exportar letra a SVG&quot; (--scale, --no-numbers, --no-axes y --all son para un mapa de bits PNG).</translation>
    </message>
    <message>
        <source>A ROM image (the letter at --letter or --offset, else the first catalogue letter) or a letter file.</source>
        <translation>Una imagen ROM (la letra de --letter o --offset; si no, la primera letra del catálogo) o un archivo de letra.</translation>
    </message>
    <message>
        <source>Enlarge every pixel to N x N (1 to 16).</source>
        <translation>Ampliar cada píxel a N x N (de 1 a 16).</translation>
    </message>
    <message>
        <source>Without the point numbers.</source>
        <translation>Sin los números de los puntos.</translation>
    </message>
    <message>
        <source>Without the axes.</source>
        <translation>Sin los ejes.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>El archivo que escribir.</translation>
    </message>
    <message>
        <source>Give --all, or one letter with --letter or --offset.</source>
        <translation>Indique --all, o una letra con --letter o --offset.</translation>
    </message>
    <message>
        <source>Give the picture to write with -o FILE.</source>
        <translation>Indique el mapa de bits que escribir con -o FILE.</translation>
    </message>
    <message>
        <source>--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG drawing holds one letter at its units, with its point numbers.</source>
        <translation>--scale, --no-numbers, --no-axes y --all son para un mapa de bits PNG: un dibujo SVG contiene una sola letra en sus unidades, con los números de sus puntos.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>No escrito: %1</translation>
    </message>
    <message>
        <source>Writes a letter file of one letter of a ROM image, or with --all one letter file per catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as &quot;Export letter to file&quot; writes them after a load.</source>
        <translation>Escribe un archivo de letra con una letra de una imagen ROM o, con --all, un archivo de letra por cada letra del catálogo en una carpeta (con el glifo y el desplazamiento como nombre, por ejemplo P_476E2.bin), como los escribe &quot;Exportar letra a archivo&quot; tras una carga.</translation>
    </message>
    <message>
        <source>The letter file to write; with --all, the folder.</source>
        <translation>El archivo de letra que escribir; con --all, la carpeta.</translation>
    </message>
    <message>
        <source>Give one letter with --letter or --offset, or --all.</source>
        <translation>Indique una letra con --letter o --offset, o --all.</translation>
    </message>
    <message>
        <source>Give the folder to write into with -o DIR.</source>
        <translation>Indique la carpeta en la que escribir con -o DIR.</translation>
    </message>
    <message>
        <source>Give the letter file to write with -o FILE.</source>
        <translation>Indique el archivo de letra que escribir con -o FILE.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be read.</source>
        <translation>No se ha escrito nada: no todas las letras se pueden leer.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was written.</source>
        <translation>%1: %2 No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Not written: %1 Nothing was written.</source>
        <translation>No escrito: %1 No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is not a folder: with --all, give the folder of letter files that extract --all wrote. Nothing was written.</source>
        <translation>%1 no es una carpeta: con --all, indique la carpeta de archivos de letra que escribió extract --all. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2. Nothing was written.</source>
        <translation>No se puede leer la carpeta %1: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1: a letter file&apos;s name must end in _ and its offset, as extract --all names them (P_476E2.bin). Nothing was written.</source>
        <translation>%1: el nombre de un archivo de letra debe terminar en _ y su desplazamiento, como los nombra extract --all (P_476E2.bin). No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 holds no letter files (*.bin). Nothing was written.</source>
        <translation>%1 no contiene archivos de letra (*.bin). No se ha escrito nada.</translation>
    </message>
    <message>
        <source>a %1-byte record</source>
        <translation>un registro de %1 bytes</translation>
    </message>
    <message>
        <source>no letter record</source>
        <translation>algo que no es un registro de letra</translation>
    </message>
    <message>
        <source>%1 more point</source>
        <translation>%1 punto más</translation>
    </message>
    <message>
        <source>%1 more points</source>
        <translation>%1 puntos más</translation>
    </message>
    <message>
        <source>%1 fewer point</source>
        <translation>%1 punto menos</translation>
    </message>
    <message>
        <source>%1 fewer points</source>
        <translation>%1 puntos menos</translation>
    </message>
    <message>
        <source>%1 more polygon</source>
        <translation>%1 polígono más</translation>
    </message>
    <message>
        <source>%1 more polygons</source>
        <translation>%1 polígonos más</translation>
    </message>
    <message>
        <source>%1 fewer polygon</source>
        <translation>%1 polígono menos</translation>
    </message>
    <message>
        <source>%1 fewer polygons</source>
        <translation>%1 polígonos menos</translation>
    </message>
    <message>
        <source>%1 more corner</source>
        <translation>%1 vértice más</translation>
    </message>
    <message>
        <source>%1 more corners</source>
        <translation>%1 vértices más</translation>
    </message>
    <message>
        <source>%1 fewer corner</source>
        <translation>%1 vértice menos</translation>
    </message>
    <message>
        <source>%1 fewer corners</source>
        <translation>%1 vértices menos</translation>
    </message>
    <message>
        <source>The new record has %1 than the one there.</source>
        <translation>El registro nuevo tiene %1 que el que hay allí.</translation>
    </message>
    <message>
        <source>Writes the letter of a letter file into a ROM image at a catalogue letter or an offset, as &quot;Export letter to Rom&quot; does: the record is checked first, a record longer than the one there is refused unless --allow-longer is given, an image of none of the known dumps is refused, and the image is first copied to IMAGE.bak. A file named *.svg is a drawing: its letter is read as &quot;Import letter from SVG&quot; reads it, the bytes a drawing can&apos;t show taken from the record at that offset. With --fit, the letter is fitted into the game&apos;s limits from a drawing (curves and strokes included) or a picture (its dark shape traced), and with --font and --char (and no LETTERFILE) from a font&apos;s character: in the box of the record there (--box to choose another), over that record. With --all, every letter file of a folder goes to the offset in its name (as extract --all names them), all checked before any is written, in one write and one backup.</source>
        <translation>Escribe la letra de un archivo de letra en una imagen ROM, en una letra del catálogo o en un desplazamiento, como lo hace &quot;Exportar letra a Rom&quot;: primero se comprueba el registro, se rechaza un registro más largo que el que hay allí salvo que se indique --allow-longer, se rechaza una imagen que no sea ninguno de los volcados conocidos, y la imagen se copia primero en IMAGE.bak. Un archivo llamado *.svg es un dibujo: su letra se lee como la lee &quot;Importar letra de SVG&quot;, y los bytes que un dibujo no puede mostrar se toman del registro de ese desplazamiento. Con --fit, la letra se ajusta a los límites del juego a partir de un dibujo (con sus curvas y trazos) o de un mapa de bits (cuya forma oscura se calca), y con --font y --char (y sin LETTERFILE), a partir de un carácter de una fuente: en el recuadro del registro que hay allí (--box para elegir otro), sobre ese registro. Con --all, cada archivo de letra de una carpeta va al desplazamiento de su nombre (como los nombra extract --all); todos se comprueban antes de escribir ninguno, en una sola escritura y con una sola copia de seguridad.</translation>
    </message>
    <message>
        <source>The ROM image to write into.</source>
        <translation>La imagen ROM en la que escribir.</translation>
    </message>
    <message>
        <source>The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, the folder of letter files; none with --font.</source>
        <translation>El archivo de letra (o dibujo SVG; con --fit, un dibujo o un mapa de bits) que escribir; con --all, la carpeta de archivos de letra; ninguno con --font.</translation>
    </message>
    <message>
        <source>Write every letter file (*.bin) of the folder LETTERFILE at the offset in its name.</source>
        <translation>Escribir cada archivo de letra (*.bin) de la carpeta LETTERFILE en el desplazamiento de su nombre.</translation>
    </message>
    <message>
        <source>Write a record longer than the one there, over the bytes after it.</source>
        <translation>Escribir un registro más largo que el que hay allí, sobre los bytes que lo siguen.</translation>
    </message>
    <message>
        <source>Say what would change (offset, old and new length) and write nothing.</source>
        <translation>Decir qué cambiaría (desplazamiento, longitud antigua y nueva) sin escribir nada.</translation>
    </message>
    <message>
        <source>Fit the drawing or picture LETTERFILE into the game&apos;s limits, in the box of the record there.</source>
        <translation>Ajustar el dibujo o el mapa de bits LETTERFILE a los límites del juego, en el recuadro del registro que hay allí.</translation>
    </message>
    <message>
        <source>The character of --font to fit in place of LETTERFILE.</source>
        <translation>El carácter de --font que ajustar en lugar de LETTERFILE.</translation>
    </message>
    <message>
        <source>With --all, the offsets are in the letter files&apos; names: give no --letter or --offset.</source>
        <translation>Con --all, los desplazamientos están en los nombres de los archivos de letra: no indique --letter ni --offset.</translation>
    </message>
    <message>
        <source>Give the letter to replace with --letter or --offset.</source>
        <translation>Indique la letra que reemplazar con --letter o --offset.</translation>
    </message>
    <message>
        <source>--font needs --char: give the character to fit.</source>
        <translation>--font necesita --char: indique el carácter que ajustar.</translation>
    </message>
    <message>
        <source>--char needs --font: give the font to take the character from.</source>
        <translation>--char necesita --font: indique la fuente de la que tomar el carácter.</translation>
    </message>
    <message>
        <source>With --font and --char the letter comes from the font: give no LETTERFILE.</source>
        <translation>Con --font y --char, la letra sale de la fuente: no indique LETTERFILE.</translation>
    </message>
    <message>
        <source>--fit, --font and --char fit one letter: not with --all.</source>
        <translation>--fit, --font y --char ajustan una sola letra: no se usan con --all.</translation>
    </message>
    <message>
        <source>--style and --box are for a fitted letter: give --fit, or --font and --char.</source>
        <translation>--style y --box son para una letra ajustada: indique --fit, o --font y --char.</translation>
    </message>
    <message>
        <source>--char takes one character, not &quot;%1&quot;.</source>
        <translation>--char admite un solo carácter, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(--allow-longer writes it)</source>
        <translation>(--allow-longer lo escribe)</translation>
    </message>
    <message>
        <source>%1 is a ROM image, not a letter file. Nothing was written.</source>
        <translation>%1 es una imagen ROM, no un archivo de letra. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 and %2: the records at offsets %3 and %4 overlap.</source>
        <translation>%1 y %2: los registros de los desplazamientos %3 y %4 se solapan.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter file can be written.</source>
        <translation>No se ha escrito nada: no todos los archivos de letra se pueden escribir.</translation>
    </message>
    <message>
        <source>Dry run: the %1-byte record would be written at offset %2 of %3, where %4 stands; %5 bytes would change.%6</source>
        <translation>Simulación: el registro de %1 bytes se escribiría en el desplazamiento %2 de %3, donde hay %4; cambiarían %5 bytes.%6</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was is in %5.</source>
        <translation>Se ha escrito el registro de %1 bytes en el desplazamiento %2 de %3, donde había %4; la imagen tal como estaba queda en %5.</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).</source>
        <translation>Se ha escrito el registro de %1 bytes en el desplazamiento %2, donde había %3 (%4 bytes cambiados).</translation>
    </message>
    <message>
        <source>Wrote %1 records into %2; the image as it was is in %3.</source>
        <translation>Se han escrito %1 registros en %2; la imagen tal como estaba queda en %3.</translation>
    </message>
    <message>
        <source>What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words.</source>
        <translation>Qué es una imagen: tamaño, CRC32, MD5, SHA-1, cabeceras de copiadora y del cartucho, los volcados que encajan, las dos palabras.</translation>
    </message>
    <message>
        <source>The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads.</source>
        <translation>Las 24 letras del catálogo de un volcado: desplazamientos, longitudes, recuentos y si cada una se puede leer.</translation>
    </message>
    <message>
        <source>A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing.</source>
        <translation>Una letra como la dibuja la vista previa, o las 24 en una hoja, como mapa de bits PNG; o una letra como dibujo SVG.</translation>
    </message>
    <message>
        <source>Letter files of one letter or all 24, as &quot;Export letter to file&quot; writes them.</source>
        <translation>Archivos de letra de una letra o de las 24, como los escribe &quot;Exportar letra a archivo&quot;.</translation>
    </message>
    <message>
        <source>A letter file written into the image as &quot;Export letter to Rom&quot; does, an SVG drawing&apos;s letter, or one fitted from a drawing, picture or font.</source>
        <translation>Un archivo de letra escrito en la imagen como lo hace &quot;Exportar letra a Rom&quot;, la letra de un dibujo SVG, o una ajustada a partir de un dibujo, un mapa de bits o una fuente.</translation>
    </message>
    <message>
        <source>Letters fitted from drawings, pictures or a font&apos;s characters into the game&apos;s limits, with a sheet.</source>
        <translation>Letras ajustadas a los límites del juego a partir de dibujos, mapas de bits o caracteres de una fuente, con una hoja de contactos.</translation>
    </message>
    <message>
        <source>The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file.</source>
        <translation>Las palabras PAUSE y GAME OVER: leerlas o escribir otras nuevas; los códigos de tesela como archivo de tabla.</translation>
    </message>
    <message>
        <source>An IPS patch between two images, or one applied to an image.</source>
        <translation>Un parche IPS entre dos imágenes, o uno aplicado a una imagen.</translation>
    </message>
    <message>
        <source>The cartridge header&apos;s checksum against the image&apos;s own; --fix sets it.</source>
        <translation>La suma de comprobación de la cabecera del cartucho frente a la de la propia imagen; --fix la corrige.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch between two images, one applied to an image, or what a patch holds.</source>
        <translation>Un parche BPS o IPS entre dos imágenes, uno aplicado a una imagen, o qué contiene un parche.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Reads and writes the polygon letters of the game in ROM images and letter files, without a window.</source>
        <translation>Lee y escribe las letras poligonales del juego en imágenes ROM y archivos de letra, sin ventana.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>&quot;vertiloom-cli COMMAND --help&quot; describes a command. Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.</source>
        <translation>&quot;vertiloom-cli COMMAND --help&quot; describe un comando. Código de salida: 0 hecho, 1 rechazado o fallido (no se escribe nada), 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>vertiloom-cli: &quot;%1&quot; is not text in the system&apos;s encoding (UTF-8): a file of that name would be read or written under another name. Rename the file, or give another name.</source>
        <translation>vertiloom-cli: &quot;%1&quot; no es texto en la codificación del sistema (UTF-8): un archivo con ese nombre se leería o escribiría con otro nombre. Cambie el nombre del archivo, o indique otro nombre.</translation>
    </message>
    <message>
        <source>vertiloom-cli: give a command.</source>
        <translation>vertiloom-cli: indique un comando.</translation>
    </message>
    <message>
        <source>vertiloom-cli: no command is called &quot;%1&quot;.</source>
        <translation>vertiloom-cli: no hay ningún comando llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 action</source>
        <translation>%1 acción</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>%1 acciones</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Registros:</translation>
    </message>
    <message>
        <source>Size after:</source>
        <translation>Tamaño final:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadatos:</translation>
    </message>
    <message>
        <source>vertiloom-cli patch: warning: %1</source>
        <translation>vertiloom-cli patch: aviso: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 (%2 RLE), writing %3</source>
        <translation>%1 (%2 RLE), que escriben %3</translation>
    </message>
    <message>
        <source>%1 bytes, CRC32 %2</source>
        <translation>%1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as they stand); &quot;apply&quot; writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after checking the whole patch and the image&apos;s size and CRC32; &quot;info&quot; says what PATCH holds.</source>
        <translation>&quot;create&quot; escribe el parche que convierte ORIGINAL en MODIFIED, en el formato en el que termina el nombre indicado con -o: .bps (imágenes de cualquier tamaño, sin la cabecera de copiadora) o .ips (imágenes del mismo tamaño, tal cual); &quot;apply&quot; escribe IMAGE con PATCH (BPS o IPS) aplicado en el archivo indicado con -o, tras comprobar todo el parche y el tamaño y el CRC32 de la imagen; &quot;info&quot; dice qué contiene PATCH.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image; info: the patch.</source>
        <translation>create: la imagen original; apply: la imagen; info: el parche.</translation>
    </message>
    <message>
        <source>create: the patch to write (.bps or .ips); apply: the patched image to write.</source>
        <translation>create: el parche que escribir (.bps o .ips); apply: la imagen parcheada que escribir.</translation>
    </message>
    <message>
        <source>create, BPS: text the patch carries (its metadata), such as its author.</source>
        <translation>create, BPS: texto que lleva el parche (sus metadatos), como su autor.</translation>
    </message>
    <message>
        <source>BPS: take the images as they stand, a copier header included.</source>
        <translation>BPS: tomar las imágenes tal cual, incluida la cabecera de copiadora.</translation>
    </message>
    <message>
        <source>apply, BPS: apply the patch to an image of another size or CRC32, and keep a result of another CRC32, with a warning.</source>
        <translation>apply, BPS: aplicar el parche a una imagen de otro tamaño o CRC32, y conservar un resultado de otro CRC32, con un aviso.</translation>
    </message>
    <message>
        <source>--%1 is for %2.</source>
        <translation>--%1 solo sirve para %2.</translation>
    </message>
    <message>
        <source>info takes one file, the patch.</source>
        <translation>info admite un solo archivo, el parche.</translation>
    </message>
    <message>
        <source>create or apply</source>
        <translation>create o apply</translation>
    </message>
    <message>
        <source>The first argument is create, apply or info, not &quot;%1&quot;.</source>
        <translation>El primer argumento es create, apply o info, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 takes two files.</source>
        <translation>%1 admite dos archivos.</translation>
    </message>
    <message>
        <source>The patch&apos;s name ends in .bps or .ips, which says its format: &quot;%1&quot; ends in neither.</source>
        <translation>El nombre del parche termina en .bps o .ips, lo que indica su formato: &quot;%1&quot; no termina en ninguno de los dos.</translation>
    </message>
    <message>
        <source>a BPS patch</source>
        <translation>un parche BPS</translation>
    </message>
    <message>
        <source>Reads the PAUSE and GAME OVER words of a ROM image (&quot;?&quot; stands for a byte that is no tile code), or writes new ones as the window does: one character per letter, from &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; writes as &quot;1&quot;, &quot;_&quot; as the blank), and the image is first copied to IMAGE.bak. With --table, no image: the tile codes as a table file that hex editors load to show and type the game&apos;s text (&quot;00=P&quot; ... &quot;19=R&quot;, one line each).</source>
        <translation>Lee las palabras PAUSE y GAME OVER de una imagen ROM (&quot;?&quot; representa un byte que no es ningún código de tesela), o escribe otras nuevas como lo hace la ventana: un carácter por letra, de &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; se escribe como &quot;1&quot;, &quot;_&quot; como el espacio en blanco), y la imagen se copia primero en IMAGE.bak. Con --table, sin imagen: los códigos de tesela como archivo de tabla, que cargan los editores hexadecimales para mostrar y escribir el texto del juego (&quot;00=P&quot; ... &quot;19=R&quot;, uno por línea).</translation>
    </message>
    <message>
        <source>The ROM image (none with --table).</source>
        <translation>La imagen ROM (ninguna con --table).</translation>
    </message>
    <message>
        <source>The 5 letters of the PAUSE word.</source>
        <translation>Las 5 letras de la palabra PAUSE.</translation>
    </message>
    <message>
        <source>The 8 letters of the GAME OVER word.</source>
        <translation>Las 8 letras de la palabra GAME OVER.</translation>
    </message>
    <message>
        <source>Write the tile codes as a table file for hex editors (to -o FILE, else to the standard output).</source>
        <translation>Escribir los códigos de tesela como archivo de tabla para editores hexadecimales (en -o FILE; si no, en la salida estándar).</translation>
    </message>
    <message>
        <source>With --table, the table file to write.</source>
        <translation>Con --table, el archivo de tabla que escribir.</translation>
    </message>
    <message>
        <source>--table writes the game&apos;s tile codes, the same for every image: give no IMAGE, --set-pause, --set-game-over or --dump with it.</source>
        <translation>--table escribe los códigos de tesela del juego, los mismos para toda imagen: no indique con él IMAGE, --set-pause, --set-game-over ni --dump.</translation>
    </message>
    <message>
        <source>%1 (%2 tile codes)</source>
        <translation>%1 (%2 códigos de tesela)</translation>
    </message>
    <message>
        <source>-o is for --table: the words are written into the image.</source>
        <translation>-o es para --table: las palabras se escriben en la imagen.</translation>
    </message>
    <message>
        <source>--%1 takes %2 characters, one per letter, not &quot;%3&quot;.</source>
        <translation>--%1 admite %2 caracteres, uno por letra, no &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Written into %1; the image as it was is in %2.</source>
        <translation>Escrito en %1; la imagen tal como estaba queda en %2.</translation>
    </message>
    <message>
        <source>%1 on no point</source>
        <translation>%1 sin ningún punto</translation>
    </message>
    <message>
        <source>%1 on points %2</source>
        <translation>%1 en los puntos %2</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Sin puntos.</translation>
    </message>
    <message>
        <source>Points (%1): %2.</source>
        <translation>Puntos (%1): %2.</translation>
    </message>
    <message>
        <source>No polygons.</source>
        <translation>Sin polígonos.</translation>
    </message>
    <message>
        <source>Polygons (%1): %2.</source>
        <translation>Polígonos (%1): %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::BoardCanvas</name>
    <message>
        <source>point %1 at x %2, y %3</source>
        <translation>punto %1 en x %2, y %3</translation>
    </message>
    <message>
        <source>in polygons %1</source>
        <translation>en los polígonos %1</translation>
    </message>
    <message>
        <source>point %1 selected</source>
        <translation>punto %1 seleccionado</translation>
    </message>
    <message>
        <source>%1 points selected</source>
        <translation>%1 puntos seleccionados</translation>
    </message>
    <message>
        <source>The clipboard holds no points of this editor and no SVG drawing.</source>
        <translation>El portapapeles no contiene puntos de este editor ni ningún dibujo SVG.</translation>
    </message>
    <message>
        <source>No point is selected to delete.</source>
        <translation>No hay ningún punto seleccionado que eliminar.</translation>
    </message>
</context>
<context>
    <name>vertiloom::DrawingBoard</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pluma</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Picture: a drag moves the tracing picture, the wheel sizes it</source>
        <translation>Fondo: arrastrar mueve el fondo de calco; la rueda cambia su tamaño</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertically</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Scale the selection by this percentage</source>
        <translation>Escalar la selección a este porcentaje</translation>
    </message>
    <message>
        <source>Scale by %1 %</source>
        <translation>Escalar al %1 %</translation>
    </message>
    <message>
        <source>Move the selection by dx, dy</source>
        <translation>Mover la selección en dx, dy</translation>
    </message>
    <message>
        <source>Move by %1, %2</source>
        <translation>Mover %1, %2</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Imán</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Abrir fondo…</translation>
    </message>
    <message>
        <source>Fit picture</source>
        <translation>Encajar fondo</translation>
    </message>
    <message>
        <source>Fit what the picture shows to the letter&apos;s box</source>
        <translation>Encajar lo que muestra el fondo en el recuadro de la letra</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Quitar fondo</translation>
    </message>
    <message>
        <source>Trace picture</source>
        <translation>Calcar fondo</translation>
    </message>
    <message>
        <source>Fit the picture&apos;s dark shape into a letter where it lies on the square</source>
        <translation>Ajustar la forma oscura del fondo a una letra, allí donde está en el cuadrado</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajustar dibujo…</translation>
    </message>
    <message>
        <source>Fit an SVG drawing or a picture into the letter&apos;s limits</source>
        <translation>Ajustar un dibujo SVG o un mapa de bits a los límites de la letra</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Letra de una fuente…</translation>
    </message>
    <message>
        <source>Fit a character of an installed font into the letter&apos;s limits</source>
        <translation>Ajustar un carácter de una fuente instalada a los límites de la letra</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Take the fitted letter (Enter)</source>
        <translation>Aceptar la letra ajustada (Intro)</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Drop the fitted letter (Esc)</source>
        <translation>Descartar la letra ajustada (Esc)</translation>
    </message>
    <message>
        <source>Delete points</source>
        <translation>Eliminar puntos</translation>
    </message>
    <message>
        <source>Take the selected points out of the letter and its polygons</source>
        <translation>Quitar los puntos seleccionados de la letra y de sus polígonos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Tessarine Vertiloom — drawing board</source>
        <translation>Tessarine Vertiloom — tablero de dibujo</translation>
    </message>
    <message>
        <source>Opacity of the background</source>
        <translation>Opacidad del fondo</translation>
    </message>
    <message>
        <source>Size of the background (the wheel with the picture tool, T)</source>
        <translation>Tamaño del fondo (la rueda con la herramienta Fondo, T)</translation>
    </message>
    <message>
        <source>Where the background stands, in units (a drag with the picture tool, T, moves it)</source>
        <translation>Posición del fondo, en unidades (se mueve arrastrando con la herramienta Fondo, T)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Move by:</source>
        <translation>Mover:</translation>
    </message>
    <message>
        <source>Percent to scale the selection by; Apply or K scales</source>
        <translation>Porcentaje al que escalar la selección; Aplicar o K escala</translation>
    </message>
    <message>
        <source>Units to move the selection by, x (Tab: y); Apply or M moves</source>
        <translation>Unidades que mover la selección, x (Tab: y); Aplicar o M mueve</translation>
    </message>
    <message>
        <source>Units to move the selection by, y; Apply or M moves</source>
        <translation>Unidades que mover la selección, y; Aplicar o M mueve</translation>
    </message>
    <message>
        <source>x of the selected point, in units (Tab: y)</source>
        <translation>x del punto seleccionado, en unidades (Tab: y)</translation>
    </message>
    <message>
        <source>y of the selected point, in units</source>
        <translation>y del punto seleccionado, en unidades</translation>
    </message>
    <message>
        <source>Fitted letter:</source>
        <translation>Letra ajustada:</translation>
    </message>
    <message>
        <source>Convex pieces</source>
        <translation>Piezas convexas</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Contornos</translation>
    </message>
    <message>
        <source>Convex pieces sharing their corners, as the game&apos;s own letters are built, or one polygon per contour, holes included</source>
        <translation>Piezas convexas que comparten sus vértices, como están construidas las letras del propio juego, o un polígono por contorno, huecos incluidos</translation>
    </message>
    <message>
        <source>Box:</source>
        <translation>Recuadro:</translation>
    </message>
    <message>
        <source>Left edge of the box, in units</source>
        <translation>Borde izquierdo del recuadro, en unidades</translation>
    </message>
    <message>
        <source>Top edge of the box, in units</source>
        <translation>Borde superior del recuadro, en unidades</translation>
    </message>
    <message>
        <source>Right edge of the box, in units</source>
        <translation>Borde derecho del recuadro, en unidades</translation>
    </message>
    <message>
        <source>Foot of the box, in units: the letter stands on it</source>
        <translation>Pie del recuadro, en unidades: la letra se apoya en él</translation>
    </message>
    <message>
        <source>Point %1:</source>
        <translation>Punto %1:</translation>
    </message>
    <message>
        <source>Points %1 and %2:</source>
        <translation>Puntos %1 y %2:</translation>
    </message>
    <message>
        <source>distance %1, angle %2°</source>
        <translation>distancia %1, ángulo %2°</translation>
    </message>
    <message>
        <source>No tracing picture is placed to trace: open one with “Background…” (B) first.</source>
        <translation>No hay ningún fondo de calco colocado que calcar: abra primero uno con “Abrir fondo…” (B).</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>No se puede leer el mapa de bits %1: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::FontWindow</name>
    <message>
        <source>Tessarine Vertiloom — font</source>
        <translation>Tessarine Vertiloom — fuente</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Letra</translation>
    </message>
</context>
<context>
    <name>vertiloom::MainWindow</name>
    <message>
        <source>Export letter to SVG…</source>
        <translation>Exportar letra a SVG…</translation>
    </message>
    <message>
        <source>Import letter from SVG…</source>
        <translation>Importar letra de SVG…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Emulator…</source>
        <translation>Emulador…</translation>
    </message>
    <message>
        <source>Drawing board (F6)</source>
        <translation>Tablero de dibujo (F6)</translation>
    </message>
    <message>
        <source>Font (F7)</source>
        <translation>Fuente (F7)</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajustar dibujo…</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Letra de una fuente…</translation>
    </message>
    <message>
        <source>Make patch…</source>
        <translation>Crear parche…</translation>
    </message>
</context>
</TS>
