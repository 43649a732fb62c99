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
</context>
</TS>
