<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>vertiloom</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.</source>
        <translation>%1 não tem cabeçalho do cartucho em 7FC0 nem em FFC0: não há soma de verificação a definir. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot write the header&apos;s checksum into %1: %2.</source>
        <translation>Não foi possível gravar a soma de verificação do cabeçalho em %1: %2.</translation>
    </message>
    <message>
        <source>The copied text holds no points of this editor: it does not begin with &quot;vertiloom-points&quot;. Nothing was pasted.</source>
        <translation>O texto copiado não contém pontos deste editor: ele não começa com &quot;vertiloom-points&quot;. Nada foi colado.</translation>
    </message>
    <message>
        <source>The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was pasted.</source>
        <translation>Os pontos copiados estão no formato %1 de uma versão mais nova deste editor; esta lê o formato %2. Nada foi colado.</translation>
    </message>
    <message>
        <source>The copied points can&apos;t be pasted: line %1 (&quot;%2&quot;) is not as this editor writes them. Nothing was pasted.</source>
        <translation>Os pontos copiados não podem ser colados: a linha %1 (&quot;%2&quot;) não está escrita como este editor os escreve. Nada foi colado.</translation>
    </message>
    <message>
        <source>The copied text of this editor holds no point. Nothing was pasted.</source>
        <translation>O texto copiado deste editor não contém nenhum ponto. Nada foi colado.</translation>
    </message>
    <message>
        <source>There is no checked point to transform.</source>
        <translation>Não há nenhum ponto marcado para transformar.</translation>
    </message>
    <message>
        <source>Point %1 would go to %2 = %3, outside -128..127: nothing was changed.</source>
        <translation>O ponto %1 iria para %2 = %3, fora de -128..127: nada foi alterado.</translation>
    </message>
    <message>
        <source>The letter already has 8 polygons, as many as a letter can hold.</source>
        <translation>A letra já tem 8 polígonos, o máximo que uma letra comporta.</translation>
    </message>
    <message>
        <source>The letter already has 20 points, as many as a letter can hold.</source>
        <translation>A letra já tem 20 pontos, o máximo que uma letra comporta.</translation>
    </message>
    <message>
        <source>A polygon has at most 11 corners.</source>
        <translation>Um polígono tem no máximo 11 vértices.</translation>
    </message>
    <message>
        <source>No point of the letter is selected: there is nothing to copy.</source>
        <translation>Nenhum ponto da letra está selecionado: não há nada para copiar.</translation>
    </message>
    <message>
        <source>The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was pasted.</source>
        <translation>A letra tem %1 pontos; com os %2 colados, teria %3, e uma letra comporta no máximo 20. Nada foi colado.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was pasted.</source>
        <translation>A letra tem %1 polígonos; com os %2 colados, teria %3, e uma letra comporta no máximo 8. Nada foi colado.</translation>
    </message>
    <message>
        <source>No file has been opened yet: choose a ROM image with &quot;Open file&quot; first.</source>
        <translation>Nenhum arquivo foi aberto ainda: primeiro escolha uma imagem ROM com &quot;Abrir arquivo&quot;.</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?</source>
        <translation>%1 agora tem %2 bytes: ele será lido como imagem ROM, no deslocamento indicado em Addr. Carregá-lo?</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a letter file from its start. Load it?</source>
        <translation>%1 agora tem %2 bytes: ele será lido como arquivo de letra, desde o início. Carregá-lo?</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?</source>
        <translation>%1 é uma imagem ROM de %2 bytes. Substituir a imagem inteira por este arquivo de letra de %3 bytes?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte letter file?</source>
        <translation>%1 já existe. Substituí-lo por este arquivo de letra de %2 bytes?</translation>
    </message>
    <message>
        <source>The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing was written.</source>
        <translation>O registro de %1 bytes não cabe no deslocamento %2 de %3: o arquivo tem apenas %4 bytes. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot read offset %1 of %2: %3. Nothing was written.</source>
        <translation>Não foi possível ler o deslocamento %1 de %2: %3. Nada foi gravado.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>o arquivo terminou antes do esperado</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 bytes there. Write it anyway?</source>
        <translation>Nenhum registro de letra pode ser lido no deslocamento %1 de %2 (%3). Gravar o novo registro sobrescreve os %4 bytes que estão ali. Gravar mesmo assim?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the old record will be overwritten. Write it anyway?</source>
        <translation>O registro no deslocamento %1 de %2 tem %3 bytes; o novo tem %4 bytes, então 1 byte após o registro antigo será sobrescrito. Gravar mesmo assim?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after the old record will be overwritten. Write it anyway?</source>
        <translation>O registro no deslocamento %1 de %2 tem %3 bytes; o novo tem %4 bytes, então os %5 bytes após o registro antigo serão sobrescritos. Gravar mesmo assim?</translation>
    </message>
    <message>
        <source>Cannot write the record at offset %1 into %2: %3.</source>
        <translation>Não foi possível gravar o registro no deslocamento %1 em %2: %3.</translation>
    </message>
    <message>
        <source>Cannot write the %1 records into %2: %3.</source>
        <translation>Não foi possível gravar os %1 registros em %2: %3.</translation>
    </message>
    <message>
        <source>%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try again.</source>
        <translation>%1 mudou no deslocamento %2 depois de verificado: outro programa gravou nele. Nada foi gravado; tente novamente.</translation>
    </message>
    <message>
        <source>Drawings and pictures</source>
        <translation>Desenhos e figuras</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Letter from font</source>
        <translation>Letra de uma fonte</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Caractere:</translation>
    </message>
    <message>
        <source>Give one character to draw from the font &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Indique um único caractere a desenhar da fonte &quot;%1&quot;, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from the source&apos;s.</source>
        <translation>%1 pontos, %2 polígonos; %3 % da área preenchida em comum com o original, bordas a no máximo %4 unidades das do original.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first: the font shows its 24 letters.</source>
        <translation>Nenhuma imagem ROM está aberta ainda. Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot;: a fonte mostra as 24 letras dela.</translation>
    </message>
    <message>
        <source>%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.</source>
        <translation>%1 é um arquivo de letra, não uma imagem ROM: a fonte mostra as 24 letras de uma imagem ROM.</translation>
    </message>
    <message>
        <source>%1 is taken as it stands, its %2-byte copier header included.</source>
        <translation>%1 é usado como está, incluindo seu cabeçalho de copiadora de %2 bytes.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 bytes.</source>
        <translation>%1 gravado: %2 bytes.</translation>
    </message>
    <message>
        <source>%1 is no patch this editor knows: a BPS patch begins with &quot;BPS1&quot;, an IPS patch with &quot;PATCH&quot;.</source>
        <translation>%1 não é um patch que este editor conheça: um patch BPS começa com &quot;BPS1&quot;, e um patch IPS, com &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with a header or both without, or make the patch between the files as they stand with vertiloom-cli patch create --exact. Nothing was written.</source>
        <translation>%1 tem, pelo tamanho, um cabeçalho de copiadora de 512 bytes (%2 bytes, 512 a mais que um múltiplo de 1,024), e %3 não tem nenhum (%4 bytes): um patch entre eles levaria o cabeçalho como parte do jogo. Informe as duas imagens com cabeçalho ou as duas sem, ou crie o patch entre os arquivos como estão com vertiloom-cli patch create --exact. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is made without it.</source>
        <translation>%1 tem um cabeçalho de copiadora de %2 bytes: o patch é criado sem ele.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.</source>
        <translation>%1 tem um cabeçalho de copiadora de %2 bytes: o patch é aplicado sem ele, e o cabeçalho é recolocado no início de %3.</translation>
    </message>
    <message>
        <source>This patch was made for an image of %1 bytes; this image has %2 bytes.</source>
        <translation>Este patch foi feito para uma imagem de %1 bytes; esta imagem tem %2 bytes.</translation>
    </message>
    <message>
        <source>This patch was made for an image with CRC32 %1; this image has %2.</source>
        <translation>Este patch foi feito para uma imagem com CRC32 %1; esta imagem tem %2.</translation>
    </message>
    <message>
        <source>The patched image has the CRC32 %1, but the patch says its result has %2.</source>
        <translation>A imagem com o patch aplicado tem CRC32 %1, mas o patch diz que seu resultado tem %2.</translation>
    </message>
    <message>
        <source>The patch was applied all the same, as asked: its checksums were not insisted on.</source>
        <translation>O patch foi aplicado mesmo assim, como pedido: suas somas de verificação não foram exigidas.</translation>
    </message>
    <message>
        <source>%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch&apos;s target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.</source>
        <translation>%1 com o patch aplicado teria %2 bytes (seu cabeçalho de copiadora de %3 bytes à frente do destino do patch, de %4 bytes): o editor lê e grava arquivos de no máximo 64 MiB (%5 bytes). Nada foi gravado.</translation>
    </message>
    <message>
        <source>No ROM image is open: open the modified image first, then make the patch between a clean original and it.</source>
        <translation>Nenhuma imagem ROM está aberta: primeiro abra a imagem modificada e depois crie o patch entre um original limpo e ela.</translation>
    </message>
    <message>
        <source>programs are started only from the editor&apos;s window</source>
        <translation>programas só são iniciados a partir da janela do editor</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Nenhuma imagem ROM está aberta ainda. Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois jogue.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>O último arquivo aberto, &quot;%1&quot;, é um arquivo de letra, não uma imagem ROM (%2 bytes; uma imagem ROM tem mais de 2,000,000 bytes). Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois jogue.</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written over the %4 bytes there. %2 itself is unchanged.</source>
        <translation>Nenhum registro de letra pode ser lido no deslocamento %1 de %2 (%3): na cópia em execução, o novo registro é gravado sobre os %4 bytes que estão ali. O próprio %2 não é alterado.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 byte after the old record is overwritten. %2 itself is unchanged.</source>
        <translation>O registro no deslocamento %1 de %2 tem %3 bytes; o novo tem %4 bytes: na cópia em execução, 1 byte após o registro antigo é sobrescrito. O próprio %2 não é alterado.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 bytes after the old record are overwritten. %2 itself is unchanged.</source>
        <translation>O registro no deslocamento %1 de %2 tem %3 bytes; o novo tem %4 bytes: na cópia em execução, os %5 bytes após o registro antigo são sobrescritos. O próprio %2 não é alterado.</translation>
    </message>
    <message>
        <source>retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>O retroarch está no PATH, mas não há nenhum núcleo de SNES para ele em %1/*/libretro/: instale o pacote Debian libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) ou o mednafen (apt-get install mednafen), ou informe a linha de comando do seu emulador.</translation>
    </message>
    <message>
        <source>No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>Nenhum emulador encontrado no PATH: instale o pacote Debian mednafen (apt-get install mednafen) ou informe a linha de comando do seu emulador.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line has a %1 that is not closed: %2</source>
        <translation>A linha de comando do emulador tem uma aspa %1 não fechada: %2</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line is empty: give it in &quot;Emulator…&quot;, with %f where the file to play goes.</source>
        <translation>A linha de comando do emulador está vazia: informe-a em &quot;Emulador…&quot;, com %f no lugar do arquivo a jogar.</translation>
    </message>
    <message>
        <source>Cannot make a folder for the copy to play in %1: %2.</source>
        <translation>Não foi possível criar em %1 uma pasta para a cópia a jogar: %2.</translation>
    </message>
    <message>
        <source>Cannot start the emulator %1: %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Não foi possível iniciar o emulador %1: %2. Sua linha de comando é definida em &quot;Emulador…&quot;.</translation>
    </message>
    <message>
        <source>Cannot start the emulator &quot;%1&quot; (looked for in the folders of the PATH): %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Não foi possível iniciar o emulador &quot;%1&quot; (procurado nas pastas do PATH): %2. Sua linha de comando é definida em &quot;Emulador…&quot;.</translation>
    </message>
    <message>
        <source>This image does not match any of the five known dumps: the catalogue offsets may point at other data.</source>
        <translation>Esta imagem não corresponde a nenhum dos cinco dumps conhecidos: os deslocamentos do catálogo podem apontar para outros dados.</translation>
    </message>
    <message>
        <source>This image looks like %1 (with a 512-byte header). Switch to it?</source>
        <translation>Esta imagem parece ser %1 (com um cabeçalho de 512 bytes). Mudar para este dump?</translation>
    </message>
    <message>
        <source>This image looks like %1. Switch to it?</source>
        <translation>Esta imagem parece ser %1. Mudar para este dump?</translation>
    </message>
    <message>
        <source>The header&apos;s checksum no longer matches: vertiloom-cli checksum --fix sets it</source>
        <translation>A soma de verificação do cabeçalho não confere mais: vertiloom-cli checksum --fix a corrige</translation>
    </message>
    <message>
        <source>%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write into it anyway?</source>
        <translation>%1 não corresponde a nenhum dos cinco dumps conhecidos: os deslocamentos do catálogo podem apontar para outros dados. Gravar nele mesmo assim?</translation>
    </message>
    <message>
        <source>The letter has changes that are in no file yet. Discard them?</source>
        <translation>A letra tem alterações que ainda não estão em nenhum arquivo. Descartá-las?</translation>
    </message>
    <message>
        <source>Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, and the copy %2 could not be made: %3</source>
        <translation>Nada foi gravado em %1. Antes da primeira gravação em uma imagem, o editor guarda uma cópia dela, e a cópia %2 não pôde ser feita: %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?</source>
        <translation>%1 é uma imagem ROM de %2 bytes. Substituir a imagem inteira por este desenho SVG de %3 bytes?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte SVG drawing?</source>
        <translation>%1 já existe. Substituí-lo por este desenho SVG de %2 bytes?</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 reaches outside the letter&apos;s square: every coordinate of a letter is within -128..127.</source>
        <translation>A caixa %1,%2,%3,%4 sai do quadrado da letra: toda coordenada de uma letra fica em -128..127.</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.</source>
        <translation>A caixa %1,%2,%3,%4 é uma única unidade: uma letra precisa de uma caixa com largura ou altura onde caber.</translation>
    </message>
    <message>
        <source>There is nothing to fit: the drawing fills no area (its contours enclose nothing).</source>
        <translation>Não há nada para ajustar: o desenho não preenche nenhuma área (seus contornos não delimitam nada).</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing: its root element is &lt;%1&gt;.</source>
        <translation>O arquivo não é um desenho SVG: seu elemento raiz é &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1 refers to &quot;%2&quot;, which is no element of this drawing: only the drawing&apos;s own elements are drawn through &lt;use&gt;.</source>
        <translation>%1 se refere a &quot;%2&quot;, que não é um elemento deste desenho: por meio de &lt;use&gt; só se desenham os elementos do próprio desenho.</translation>
    </message>
    <message>
        <source>%1 draws &quot;%2&quot;, which holds it: a &lt;use&gt; can&apos;t draw itself or an element around it.</source>
        <translation>%1 desenha &quot;%2&quot;, que o contém: um &lt;use&gt; não pode desenhar a si mesmo nem um elemento que o envolva.</translation>
    </message>
    <message>
        <source>%1 would draw more than %2 elements through &lt;use&gt;, the most a drawing may.</source>
        <translation>%1 desenharia mais de %2 elementos por meio de &lt;use&gt;, o máximo permitido em um desenho.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.</source>
        <translation>Nada no desenho é desenhado: cada forma nele está oculta, transparente ou sem preenchimento e sem traço.</translation>
    </message>
    <message>
        <source>The drawing fills nothing: it holds no shape with an area (a &lt;line&gt; or an open path needs a stroke to be drawn).</source>
        <translation>O desenho não preenche nada: ele não contém nenhuma forma com área (um &lt;line&gt; ou um caminho aberto precisa de um traço para ser desenhado).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a font: it is no TrueType or OpenType file Qt can read.</source>
        <translation>%1 não pode ser lido como fonte: não é um arquivo TrueType ou OpenType que o Qt consiga ler.</translation>
    </message>
    <message>
        <source>No font &quot;%1&quot; is installed: name an installed font&apos;s family, such as &quot;DejaVu Sans&quot; (with its style after a colon, such as &quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>A fonte &quot;%1&quot; não está instalada: indique a família de uma fonte instalada, como &quot;DejaVu Sans&quot; (com o estilo após dois-pontos, como &quot;DejaVu Sans:Bold&quot;), ou um arquivo .ttf ou .otf.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no style &quot;%2&quot;; its styles are: %3.</source>
        <translation>A fonte &quot;%1&quot; não tem o estilo &quot;%2&quot;; seus estilos são: %3.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character %2 (%3).</source>
        <translation>A fonte &quot;%1&quot; não tem o caractere %2 (%3).</translation>
    </message>
    <message>
        <source>The character %1 (%2) of the font &quot;%3&quot; draws nothing: it has no outline to fit.</source>
        <translation>O caractere %1 (%2) da fonte &quot;%3&quot; não desenha nada: ele não tem contorno para ajustar.</translation>
    </message>
    <message>
        <source>The picture is empty: it has no pixels.</source>
        <translation>A figura está vazia: não tem nenhum pixel.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: it is all one shade.</source>
        <translation>A figura não tem nada escuro para decalcar: ela é toda de um só tom.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.</source>
        <translation>A figura não tem nada escuro para decalcar: seus tons diferem pouco demais para distinguir uma forma do fundo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a picture: %2.</source>
        <translation>%1 não pode ser lido como figura: %2.</translation>
    </message>
    <message>
        <source>One of the patch&apos;s images is %1 bytes: no ROM image of the game is that large, and the editor reads and writes files of at most 64 MiB (%2 bytes).</source>
        <translation>Uma das imagens do patch tem %1 bytes: nenhuma imagem ROM do jogo é tão grande, e o editor lê e grava arquivos de no máximo 64 MiB (%2 bytes).</translation>
    </message>
    <message>
        <source>The patch is cut short: its head ends after its checksums begin at byte %1.</source>
        <translation>O patch está truncado: seu cabeçalho termina depois do byte %1, onde começam suas somas de verificação.</translation>
    </message>
    <message>
        <source>The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.</source>
        <translation>O patch está truncado: a ação %1 no byte %2 termina depois do byte %3, onde começam suas somas de verificação.</translation>
    </message>
    <message>
        <source>The patch&apos;s head holds a number beyond any file&apos;s size at byte %1.</source>
        <translation>O cabeçalho do patch contém, no byte %1, um número maior que o tamanho de qualquer arquivo.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch holds a number beyond any file&apos;s size.</source>
        <translation>A ação %1 no byte %2 do patch contém um número maior que o tamanho de qualquer arquivo.</translation>
    </message>
    <message>
        <source>This is not a BPS patch: it does not begin with &quot;BPS1&quot;.</source>
        <translation>Isto não é um patch BPS: ele não começa com &quot;BPS1&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 bytes at least).</source>
        <translation>O patch está truncado: seus %1 bytes não comportam o cabeçalho e as três somas de verificação de um patch BPS (no mínimo %2 bytes).</translation>
    </message>
    <message>
        <source>The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.</source>
        <translation>O patch está danificado: seus bytes têm CRC32 %1, mas seus últimos quatro bytes indicam %2.</translation>
    </message>
    <message>
        <source>The patch is cut short: its actions end at byte %1 with %2 of the target&apos;s %3 bytes written.</source>
        <translation>O patch está truncado: suas ações terminam no byte %1 com %2 dos %3 bytes do destino gravados.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 bytes).</source>
        <translation>A ação %1 no byte %2 do patch (%3) grava %4 bytes no deslocamento 0x%5, além do fim do destino (%6 bytes).</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.</source>
        <translation>A ação %1 no byte %2 do patch (%3) lê %4 bytes do deslocamento %5 da origem, fora dos seus %6 bytes.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before offset 0x%5 are written.</source>
        <translation>A ação %1 no byte %2 do patch (%3) copia do deslocamento %4 do destino, onde só os bytes antes do deslocamento 0x%5 foram gravados.</translation>
    </message>
    <message>
        <source>The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte %2.</source>
        <translation>O patch continua depois que seu destino está completo: suas ações terminam no byte %1, mas suas somas de verificação começam no byte %2.</translation>
    </message>
    <message>
        <source>The patch made does not turn the original image into the modified one: this is a fault of the editor, and nothing was written.</source>
        <translation>O patch criado não transforma a imagem original na modificada: isto é uma falha do editor, e nada foi gravado.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the &lt;use&gt; &quot;%2&quot;</source>
        <translation>O &lt;%1&gt; desenhado pelo &lt;use&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the %2 &lt;use&gt;</source>
        <translation>O &lt;%1&gt; desenhado pelo %2 &lt;use&gt;</translation>
    </message>
    <message>
        <source>%1 is a curve: straighten the curves first; only straight lines are read.</source>
        <translation>%1 é uma curva: primeiro converta as curvas em retas; só linhas retas são lidas.</translation>
    </message>
    <message>
        <source>%1 has a curve (command %2): straighten the curves first; only straight lines are read.</source>
        <translation>%1 tem uma curva (comando %2): primeiro converta as curvas em retas; só linhas retas são lidas.</translation>
    </message>
    <message>
        <source>Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter&apos;s limits.</source>
        <translation>Ou deixe que vertiloom-cli import IMAGE DRAWING --letter L --fit converta o desenho em retas dentro dos limites da letra.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: its root &lt;svg&gt; is hidden (display none, opacity 0 or a condition that fails).</source>
        <translation>Nada no desenho é desenhado: seu &lt;svg&gt; raiz está oculto (display none, opacity 0 ou uma condição que falha).</translation>
    </message>
    <message>
        <source>The drawing&apos;s viewBox &quot;%1&quot; is not four numbers with a positive width and height.</source>
        <translation>O viewBox &quot;%1&quot; do desenho não é formado por quatro números com largura e altura positivas.</translation>
    </message>
    <message>
        <source>%1 has a point outside the drawing&apos;s square (at %2, %3 in the letter&apos;s units, which run from -128 to 127).</source>
        <translation>%1 tem um ponto fora do quadrado do desenho (em %2, %3 nas unidades da letra, que vão de -128 a 127).</translation>
    </message>
    <message>
        <source>%1 is not closed: its last point is not its first.</source>
        <translation>%1 não está fechado: seu último ponto não é o primeiro.</translation>
    </message>
    <message>
        <source>%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.</source>
        <translation>%1 tem cantos arredondados, que são curvas: primeiro converta as curvas em retas; só linhas retas são lidas.</translation>
    </message>
    <message>
        <source>%1 has a part that is not closed: end it with Z, or where it began.</source>
        <translation>%1 tem uma parte que não está fechada: termine-a com Z ou no ponto onde ela começou.</translation>
    </message>
    <message>
        <source>%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.</source>
        <translation>%1 é um traço de %2 unidades de largura: só uma linha de no máximo 1 unidade de largura é lida, como um polígono de dois vértices.</translation>
    </message>
    <message>
        <source>%1 would be polygon %2 of the letter; a letter holds at most %3.</source>
        <translation>%1 seria o polígono %2 da letra; uma letra comporta no máximo %3.</translation>
    </message>
    <message>
        <source>%1 has %2 corners; a polygon holds at most %3.</source>
        <translation>%1 tem %2 vértices; um polígono comporta no máximo %3.</translation>
    </message>
    <message>
        <source>The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.</source>
        <translation>O desenho está vazio: não contém nenhum polígono, polilinha fechada, retângulo ou caminho de linhas retas.</translation>
    </message>
    <message>
        <source>%1 brings the letter to %2 points; a letter holds at most %3.</source>
        <translation>%1 leva a letra a %2 pontos; uma letra comporta no máximo %3.</translation>
    </message>
    <message>
        <source>%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter read from it: take it out of data-vertiloom-corners.</source>
        <translation>%1 guarda o byte de referência %2, que não indica nenhum ponto do desenho, mas indicaria o ponto %3 da letra lida dele: retire-o de data-vertiloom-corners.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; &quot;%2&quot;</source>
        <translation>O &lt;%1&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The %1 &lt;%2&gt;</source>
        <translation>O %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: its %2 attribute is not valid at character %3.</source>
        <translation>%1 não pode ser lido: seu atributo %2 não é válido no caractere %3.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>O &lt;%1&gt; na linha %2, coluna %3</translation>
    </message>
    <message>
        <source>%1 lies %2 levels deep; a drawing is read at most %3 levels deep.</source>
        <translation>%1 está a %2 níveis de profundidade; um desenho é lido até no máximo %3 níveis de profundidade.</translation>
    </message>
    <message>
        <source>The file is not well-formed SVG: %1 (line %2, column %3).</source>
        <translation>O arquivo não é um SVG bem formado: %1 (linha %2, coluna %3).</translation>
    </message>
    <message>
        <source>There is not enough memory for this: nothing was written.</source>
        <translation>Não há memória suficiente para isso: nada foi gravado.</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos; não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.</source>
        <translation>O campo de texto não é um registro de letra: uma tabulação na posição %1 não é um dígito hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.</source>
        <translation>O campo de texto não é um registro de letra: o caractere %1 na posição %2 não é um dígito hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: &apos;%1&apos; at position %2 is not a hexadecimal digit.</source>
        <translation>O campo de texto não é um registro de letra: &apos;%1&apos; na posição %2 não é um dígito hexadecimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte is incomplete.</source>
        <translation>O campo de texto não é um registro de letra: ele contém %1 dígitos hexadecimais, um número ímpar, então seu último byte está incompleto.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: the tag at position %1 should read &lt;bh:xx&gt; with two hexadecimal digits.</source>
        <translation>O campo de texto não é um registro de letra: a tag na posição %1 deveria ser &lt;bh:xx&gt;, com dois dígitos hexadecimais.</translation>
    </message>
    <message>
        <source>The memo is empty: press START! to compile the letter first.</source>
        <translation>O campo de texto está vazio: primeiro clique em INICIAR! para compilar a letra.</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its %1 bytes end before the record that its counts describe does.</source>
        <translation>O campo de texto não é um registro de letra: seus %1 bytes terminam antes do registro que suas contagens descrevem.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: %1</source>
        <translation>O campo de texto não é um registro de letra: %1</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 bytes.</source>
        <translation>O campo de texto não é um registro de letra: suas contagens descrevem um registro de %1 bytes, mas ele contém %2 bytes.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Cannot open %1: File access denied</source>
        <translation>Não foi possível abrir %1: acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 bytes).</source>
        <translation>%1 tem %2 bytes: nenhuma imagem ROM do jogo é tão grande, e o editor lê arquivos de no máximo 64 MiB (%3 bytes).</translation>
    </message>
    <message>
        <source>%1 is the file being read: write the output elsewhere.</source>
        <translation>%1 é o arquivo que está sendo lido: grave a saída em outro lugar.</translation>
    </message>
    <message>
        <source>Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, such as 476E2.</source>
        <translation>O campo Addr está vazio: digite o deslocamento do registro da letra na imagem ROM como número hexadecimal, por exemplo 476E2.</translation>
    </message>
    <message>
        <source>The offset in Addr, &quot;%1&quot;, is not a hexadecimal number (only the digits 0-9 and A-F, such as 476E2).</source>
        <translation>O deslocamento em Addr, &quot;%1&quot;, não é um número hexadecimal (só os dígitos 0-9 e A-F, por exemplo 476E2).</translation>
    </message>
    <message>
        <source>The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of the same size, since an IPS patch cannot shorten an image and this program never lengthens one.</source>
        <translation>A imagem original tem %1 bytes e a modificada, %2 bytes: um patch só é criado entre imagens do mesmo tamanho, pois um patch IPS não pode encurtar uma imagem e este programa nunca aumenta uma.</translation>
    </message>
    <message>
        <source>The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from 0x1000000 on.</source>
        <translation>As imagens diferem no deslocamento 0x%1, além dos primeiros 16 MiB: um patch IPS não alcança deslocamentos a partir de 0x1000000.</translation>
    </message>
    <message>
        <source>This is not an IPS patch: it does not begin with &quot;PATCH&quot;.</source>
        <translation>Isto não é um patch IPS: ele não começa com &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: it ends at byte %1 without its &quot;EOF&quot; marker.</source>
        <translation>O patch está truncado: ele termina no byte %1 sem seu marcador &quot;EOF&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: record %1 at byte %2 ends after the patch does.</source>
        <translation>O patch está truncado: o registro %1 no byte %2 termina depois do fim do patch.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.</source>
        <translation>O registro %1 no byte %2 do patch está malformado: ele repete um byte 0 vezes.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS patch can reach.</source>
        <translation>O registro %1 no byte %2 do patch grava os deslocamentos 0x%3 a 0x%4, além dos primeiros 16 MiB que um patch IPS alcança.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): applying a patch never makes an image longer.</source>
        <translation>O registro %1 no byte %2 do patch grava os deslocamentos 0x%3 a 0x%4, além do fim da imagem (%5 bytes): aplicar um patch nunca aumenta uma imagem.</translation>
    </message>
    <message>
        <source>The patch asks for an image of %1 bytes after its &quot;EOF&quot; marker, but the image is %2 bytes: applying a patch never changes an image&apos;s size.</source>
        <translation>Após seu marcador &quot;EOF&quot;, o patch pede uma imagem de %1 bytes, mas a imagem tem %2 bytes: aplicar um patch nunca muda o tamanho de uma imagem.</translation>
    </message>
    <message>
        <source>The patch goes on after its &quot;EOF&quot; marker at byte %1 and ends at byte %2; only a 3-byte size may follow the marker.</source>
        <translation>O patch continua após seu marcador &quot;EOF&quot; no byte %1 e termina no byte %2; só um tamanho de 3 bytes pode vir depois do marcador.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written into %2, and it is read as it is.</source>
        <translation>%1, ao lado de %2, pode ser o diário de uma gravação interrompida, mas foi deixado como está: %3. Nada foi gravado em %2, e ele é lido como está.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.</source>
        <translation>%1, ao lado de %2, é o diário de uma gravação interrompida, mas o arquivo mudou desde então (ou o diário está danificado): ele foi ignorado e %2 foi deixado como está, mas o diário não pôde ser removido: %3.</translation>
    </message>
    <message>
        <source>%1 held the journal of a write that was cut short, but the file has changed since (or the journal was damaged): the journal was removed and %2 was left as it is.</source>
        <translation>%1 continha o diário de uma gravação interrompida, mas o arquivo mudou desde então (ou o diário estava danificado): o diário foi removido e %2 foi deixado como está.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>pertence a outro usuário (uid %1)</translation>
    </message>
    <message>
        <source>it can&apos;t be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>users other than its owner may write into it</source>
        <translation>outros usuários além do dono podem gravar nele</translation>
    </message>
    <message>
        <source>it has more than one name (hard links)</source>
        <translation>tem mais de um nome (links físicos)</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 pertence a outro usuário (uid %2)</translation>
    </message>
    <message>
        <source>it is the journal of another file</source>
        <translation>é o diário de outro arquivo</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short before it changed any byte (the program that made it ended before it was done): the file is as it was before that write.</source>
        <translation>A última gravação em %1 foi interrompida antes de alterar qualquer byte (o programa que a fazia terminou antes de concluí-la): o arquivo está como antes dessa gravação.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, so nothing was written, but the journal could not be removed: %3.</source>
        <translation>%1, ao lado de %2, é o diário de uma gravação interrompida. Cada byte que ele indica já tem seu valor antigo, então nada foi gravado, mas o diário não pôde ser removido: %3.</translation>
    </message>
    <message>
        <source>A write into %1 was cut short (the program that made it ended before it was done), and its old bytes can&apos;t be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens the file.</source>
        <translation>Uma gravação em %1 foi interrompida (o programa que a fazia terminou antes de concluí-la), e seus bytes antigos não podem ser restaurados: %2. Eles estão guardados em %3, ao lado dele, e o editor tentará de novo na próxima vez que abrir o arquivo.</translation>
    </message>
    <message>
        <source>offsets %1</source>
        <translation>deslocamentos %1</translation>
    </message>
    <message>
        <source>%1 ranges from %2 to %3</source>
        <translation>%1 intervalos de %2 a %3</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write.</source>
        <translation>A última gravação em %1 foi interrompida: o programa que a fazia terminou antes de concluí-la. Os bytes que ela estava alterando (%2) foram restaurados, então o arquivo está como antes dessa gravação.</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not be removed: %4.</source>
        <translation>A última gravação em %1 foi interrompida: o programa que a fazia terminou antes de concluí-la. Os bytes que ela estava alterando (%2) foram restaurados, então o arquivo está como antes dessa gravação, mas seu diário %3 não pôde ser removido: %4.</translation>
    </message>
    <message>
        <source>%1 is empty: a letter file holds one letter record.</source>
        <translation>%1 está vazio: um arquivo de letra contém um registro de letra.</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Leitura além do fim do arquivo: %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 for writing: %2. Nothing was written.</source>
        <translation>Não foi possível bloquear %1 para gravação: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is being written by another program (pid %2). Nothing was written: try again when it is done.</source>
        <translation>%1 está sendo gravado por outro programa (pid %2). Nada foi gravado: tente novamente quando ele terminar.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Nothing was written: try again when it is done.</source>
        <translation>%1 está sendo gravado por outro programa. Nada foi gravado: tente novamente quando ele terminar.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 points; the editor holds at most %3.</source>
        <translation>A letra no deslocamento %1 tem %2 pontos; o editor comporta no máximo %3.</translation>
    </message>
    <message>
        <source>The letter has %1 points; the editor holds at most %2.</source>
        <translation>A letra tem %1 pontos; o editor comporta no máximo %2.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 polygons; the editor holds at most %3.</source>
        <translation>A letra no deslocamento %1 tem %2 polígonos; o editor comporta no máximo %3.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; the editor holds at most %2.</source>
        <translation>A letra tem %1 polígonos; o editor comporta no máximo %2.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.</source>
        <translation>O polígono %1 da letra no deslocamento %2 tem %3 vértices; o editor comporta no máximo %4.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter has %2 corners; the editor holds at most %3.</source>
        <translation>O polígono %1 da letra tem %2 vértices; o editor comporta no máximo %3.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: it was left as it was.</source>
        <translation>%1 não é um arquivo comum: ele foi deixado como estava.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, and the editor writes this file only as a file of its own. %2</source>
        <translation>%1 é um link simbólico, e o editor grava este arquivo apenas como um arquivo próprio. %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Não foi possível gravar %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 é uma imagem ROM de %2 bytes, e uma saída nunca substitui uma imagem ROM: nada foi gravado. Dê outro nome à saída.</translation>
    </message>
    <message>
        <source>%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 aponta para %2, uma imagem ROM de %3 bytes, e uma saída nunca substitui uma imagem ROM: nada foi gravado. Dê outro nome à saída.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 foi deixado como estava.</translation>
    </message>
    <message>
        <source>%1 was not created.</source>
        <translation>%1 não foi criado.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may be back.</source>
        <translation>%1 foi gravado, mas sua pasta não pôde ser sincronizada com o disco: %2. Após uma queda de energia, o arquivo antigo pode voltar.</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>O disco está cheio: %1</translation>
    </message>
    <message>
        <source>%1 None of the %2 files was written.</source>
        <translation>%1 Nenhum dos %2 arquivos foi gravado.</translation>
    </message>
    <message>
        <source>%1 These files were written before it: %2.</source>
        <translation>%1 Estes arquivos foram gravados antes dele: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nada foi gravado.</translation>
    </message>
    <message>
        <source>its journal %1 could not be written beside it: %2</source>
        <translation>seu diário %1 não pôde ser gravado ao lado dele: %2</translation>
    </message>
    <message>
        <source>%1 The bytes that were there before were put back: the file is as it was.</source>
        <translation>%1 Os bytes que estavam lá antes foram restaurados: o arquivo está como estava.</translation>
    </message>
    <message>
        <source>%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are kept beside it, and the editor puts them back the next time it opens the file.</source>
        <translation>%1 A restauração dos bytes antigos também falhou (%2): os deslocamentos %3 de %4 podem ter sido alterados. Seus bytes antigos estão guardados ao lado dele, e o editor os restaurará na próxima vez que abrir o arquivo.</translation>
    </message>
    <message>
        <source>Not one of the five known dumps
CRC32 %1</source>
        <translation>Nenhum dos cinco dumps conhecidos
CRC32 %1</translation>
    </message>
    <message>
        <source>%1 (with a 512-byte header)
CRC32 %2</source>
        <translation>%1 (com um cabeçalho de 512 bytes)
CRC32 %2</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Nenhuma imagem ROM está aberta ainda. Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois leia as palavras.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Nenhuma imagem ROM está aberta ainda. Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois grave as palavras.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>O último arquivo aberto, &quot;%1&quot;, é um arquivo de letra, não uma imagem ROM (%2 bytes; uma imagem ROM tem mais de 2,000,000 bytes). Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois leia as palavras.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>O último arquivo aberto, &quot;%1&quot;, é um arquivo de letra, não uma imagem ROM (%2 bytes; uma imagem ROM tem mais de 2,000,000 bytes). Primeiro abra uma imagem ROM com &quot;Abrir arquivo&quot; e depois grave as palavras.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3. Nothing was written.</source>
        <translation>Não foi possível ler a palavra %1 de &quot;%2&quot;: %3. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3.</source>
        <translation>Não foi possível ler a palavra %1 de &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file ends after %5 bytes.</source>
        <translation>&quot;%1&quot; é curto demais para as palavras do dump %2: a palavra %3 fica no deslocamento %4, mas o arquivo termina após %5 bytes.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is %4 characters, but each letter of the word is one character.</source>
        <translation>Letra %1 de %2: &apos;%3&apos; tem %4 caracteres, mas cada letra da palavra é um só caractere.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is not a character the game can show.</source>
        <translation>Letra %1 de %2: &apos;%3&apos; não é um caractere que o jogo consiga mostrar.</translation>
    </message>
    <message>
        <source>Cannot write the words into %1: %2.</source>
        <translation>Não foi possível gravar as palavras em %1: %2.</translation>
    </message>
    <message>
        <source>x of point %1</source>
        <translation>x do ponto %1</translation>
    </message>
    <message>
        <source>y of point %1</source>
        <translation>y do ponto %1</translation>
    </message>
    <message>
        <source>point %1 in the letter</source>
        <translation>ponto %1 na letra</translation>
    </message>
    <message>
        <source>place point %1 with a click on the preview</source>
        <translation>posicionar o ponto %1 com um clique na pré-visualização</translation>
    </message>
    <message>
        <source>number of points, hexadecimal</source>
        <translation>número de pontos, hexadecimal</translation>
    </message>
    <message>
        <source>number of polygons, hexadecimal</source>
        <translation>número de polígonos, hexadecimal</translation>
    </message>
    <message>
        <source>corners of polygon %1</source>
        <translation>vértices do polígono %1</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: point</source>
        <translation>vértice %1 do polígono %2: ponto</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: parameter</source>
        <translation>vértice %1 do polígono %2: parâmetro</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2 in use</source>
        <translation>vértice %1 do polígono %2 em uso</translation>
    </message>
    <message>
        <source>offset of the letter in the file, hexadecimal</source>
        <translation>deslocamento da letra no arquivo, hexadecimal</translation>
    </message>
    <message>
        <source>the letter&apos;s record</source>
        <translation>o registro da letra</translation>
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
        <translation>próxima letra do catálogo</translation>
    </message>
    <message>
        <source>previous letter of the catalogue</source>
        <translation>letra anterior do catálogo</translation>
    </message>
    <message>
        <source>reload the letter from the file</source>
        <translation>recarregar a letra do arquivo</translation>
    </message>
    <message>
        <source>clear the letter</source>
        <translation>limpar a letra</translation>
    </message>
    <message>
        <source>read the words from the ROM image</source>
        <translation>ler as palavras da imagem ROM</translation>
    </message>
    <message>
        <source>write the words into the ROM image</source>
        <translation>gravar as palavras na imagem ROM</translation>
    </message>
    <message>
        <source>ROM variant</source>
        <translation>variante da ROM</translation>
    </message>
    <message>
        <source>preview of the letter</source>
        <translation>pré-visualização da letra</translation>
    </message>
    <message>
        <source>point numbers and axes over the preview</source>
        <translation>números dos pontos e eixos sobre a pré-visualização</translation>
    </message>
    <message>
        <source>the drawing board&apos;s square</source>
        <translation>o quadrado da prancheta</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polígonos</translation>
    </message>
    <message>
        <source>Total bytes: </source>
        <translation>Nº de bytes: </translation>
    </message>
    <message>
        <source>START!</source>
        <translation>INICIAR!</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Export letter to Rom</source>
        <translation>Gravar letra na Rom</translation>
    </message>
    <message>
        <source>Export letter to file</source>
        <translation>Salvar letra em arquivo</translation>
    </message>
    <message>
        <source>Convert to Translhextion</source>
        <translation>Formato Translhextion</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Mostrar pontos</translation>
    </message>
    <message>
        <source>Display axes</source>
        <translation>Mostrar eixos</translation>
    </message>
    <message>
        <source>Angles of %1 polygon</source>
        <translation>Vértices do polígono %1</translation>
    </message>
    <message>
        <source>vertex/parameters</source>
        <translation>vértice/parâmetros</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulador</translation>
    </message>
    <message>
        <source>The command line that starts your emulator. %f stands for the file to play: a copy of the open ROM image with the letter and the words as the fields hold them. Quotes &apos; and &quot; group words as in a shell. Left empty, the first of mednafen, snes9x, bsnes and retroarch on the PATH is used.</source>
        <translation>A linha de comando que inicia o seu emulador. %f representa o arquivo a jogar: uma cópia da imagem ROM aberta, com a letra e as palavras como estão nos campos. As aspas &apos; e &quot; agrupam palavras como em um shell. Se ficar vazia, é usado o primeiro de mednafen, snes9x, bsnes e retroarch que estiver no PATH.</translation>
    </message>
    <message>
        <source>A polygon needs two corners or more.</source>
        <translation>Um polígono precisa de dois vértices ou mais.</translation>
    </message>
    <message>
        <source>pen: click to place the first corner</source>
        <translation>caneta: clique para posicionar o primeiro vértice</translation>
    </message>
    <message>
        <source>pen: %1 corners, click closes the polygon</source>
        <translation>caneta: %1 vértices, um clique fecha o polígono</translation>
    </message>
    <message>
        <source>pen: %1 corners (Enter closes, Backspace takes the last back)</source>
        <translation>caneta: %1 vértices (Enter fecha, Backspace desfaz o último)</translation>
    </message>
    <message>
        <source>vertiloom-cli: warning: %1</source>
        <translation>vertiloom-cli: aviso: %1</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Missing arguments.</source>
        <translation>Faltam argumentos.</translation>
    </message>
    <message>
        <source>Too many arguments: &quot;%1&quot;.</source>
        <translation>Argumentos demais: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An argument is empty: give the name of a file.</source>
        <translation>Um argumento está vazio: informe o nome de um arquivo.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 recebe um número inteiro de %2 a %3, não &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--%1 is empty: give the name of the file to write.</source>
        <translation>--%1 está vazio: informe o nome do arquivo a gravar.</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>Imprime JSON em vez de texto.</translation>
    </message>
    <message>
        <source>%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than 2,000,000 bytes).%3</source>
        <translation>%1 é um arquivo de letra de %2 bytes, não uma imagem ROM (uma imagem ROM tem mais de 2,000,000 bytes).%3</translation>
    </message>
    <message>
        <source>Cannot encode the picture as PNG.</source>
        <translation>Não foi possível codificar a figura como PNG.</translation>
    </message>
    <message>
        <source>The font: an installed family with its style after a colon (&quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>A fonte: uma família instalada, com o estilo após dois-pontos (&quot;DejaVu Sans:Bold&quot;), ou um arquivo .ttf ou .otf.</translation>
    </message>
    <message>
        <source>pieces (convex polygons sharing their corner points, as the game&apos;s own letters are built; the default) or outline (one polygon per contour, holes included).</source>
        <translation>pieces (polígonos convexos que compartilham os pontos dos vértices, como são construídas as letras do próprio jogo; o padrão) ou outline (um polígono por contorno, furos incluídos).</translation>
    </message>
    <message>
        <source>The box the letter is fitted into, in units from -128 to 127: left, top, right and foot (y grows downwards). The letter keeps its aspect, is centred across and stands on the foot.</source>
        <translation>A caixa à qual a letra é ajustada, em unidades de -128 a 127: esquerda, topo, direita e base (y cresce para baixo). A letra mantém suas proporções, fica centralizada na horizontal e apoiada na base.</translation>
    </message>
    <message>
        <source>--style takes pieces or outline, not &quot;%1&quot;.</source>
        <translation>--style recebe pieces ou outline, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter&apos;s square (such as -60,-90,60,0), not &quot;%1&quot;.</source>
        <translation>--box recebe quatro números inteiros X0,Y0,X1,Y1 de -128 a 127, o quadrado da letra (por exemplo -60,-90,60,0), não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dump to read the image as, 1 to 5 in the order of the ROM panel (default: the best fitting one, else 1).</source>
        <translation>O dump segundo o qual ler a imagem, de 1 a 5 na ordem do painel ROM (padrão: o que melhor corresponder, senão 1).</translation>
    </message>
    <message>
        <source>The catalogue letter: its label (&quot;A (57) 84&quot;) or its glyph (A).</source>
        <translation>A letra do catálogo: seu rótulo (&quot;A (57) 84&quot;) ou seu glifo (A).</translation>
    </message>
    <message>
        <source>The letter record&apos;s file offset (hexadecimal).</source>
        <translation>O deslocamento do registro da letra no arquivo (hexadecimal).</translation>
    </message>
    <message>
        <source>Give --letter or --offset, not both.</source>
        <translation>Informe --letter ou --offset, não os dois.</translation>
    </message>
    <message>
        <source>No catalogue letter is labelled &quot;%1&quot;.</source>
        <translation>Nenhuma letra do catálogo tem o rótulo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--offset takes a hexadecimal file offset such as 476E2, not &quot;%1&quot;.</source>
        <translation>--offset recebe um deslocamento hexadecimal no arquivo, por exemplo 476E2, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 não foi aberto.</translation>
    </message>
    <message>
        <source>Fits letters into the game&apos;s limits (at most 20 points, 8 polygons, 11 corners each) without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, curves and strokes included; any other a picture, whose dark shape is traced), then one for each character of --chars in --font. Each letter is placed in the box (--box, else the default letter&apos;s), and its line says how close it came. OUT by its name: *.svg the letter&apos;s SVG drawing, *.png the letter as the preview draws it, a folder (one that exists, or a name ending in /) a letter file per letter and sheet.png, a contact sheet of them all with their figures; any other name a letter file. Several letters need a folder. When any letter can&apos;t be fitted, nothing is written.</source>
        <translation>Ajusta letras aos limites do jogo (no máximo 20 pontos, 8 polígonos, 11 vértices cada) sem tocar em nenhuma imagem ROM: uma de cada SOURCE (um arquivo chamado *.svg é um desenho, curvas e traços incluídos; qualquer outro, uma figura, cuja forma escura é decalcada) e depois uma para cada caractere de --chars em --font. Cada letra é colocada na caixa (--box, senão a da letra padrão), e sua linha diz quão fiel ela ficou. OUT conforme o nome: *.svg, o desenho SVG da letra; *.png, a letra como a pré-visualização a desenha; uma pasta (uma que exista, ou um nome terminado em /), um arquivo de letra por letra e sheet.png, uma folha de contato com todas elas e seus valores; qualquer outro nome, um arquivo de letra. Várias letras precisam de uma pasta. Quando alguma letra não pode ser ajustada, nada é gravado.</translation>
    </message>
    <message>
        <source>A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number.</source>
        <translation>Um desenho (*.svg) ou uma figura (PNG, JPEG, BMP...) a ajustar; quantos quiser.</translation>
    </message>
    <message>
        <source>The characters of --font to fit, a letter each (white space and repeats passed over).</source>
        <translation>Os caracteres de --font a ajustar, uma letra para cada um (espaços em branco e repetições são ignorados).</translation>
    </message>
    <message>
        <source>The letter file, drawing (*.svg), picture (*.png) or folder (DIR/) to write.</source>
        <translation>O arquivo de letra, desenho (*.svg), figura (*.png) ou pasta (DIR/) a gravar.</translation>
    </message>
    <message>
        <source>--font needs --chars: give the characters to fit.</source>
        <translation>--font precisa de --chars: informe os caracteres a ajustar.</translation>
    </message>
    <message>
        <source>--chars needs --font: give the font to take the characters from.</source>
        <translation>--chars precisa de --font: informe a fonte de onde tirar os caracteres.</translation>
    </message>
    <message>
        <source>Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture (*.png) or a folder (DIR/).</source>
        <translation>Informe o que gravar com -o OUT: um arquivo de letra, um desenho (*.svg), uma figura (*.png) ou uma pasta (DIR/).</translation>
    </message>
    <message>
        <source>Give a drawing or picture to fit, or --font F with --chars TEXT.</source>
        <translation>Informe um desenho ou uma figura a ajustar, ou --font F com --chars TEXT.</translation>
    </message>
    <message>
        <source>%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that exists), where each letter gets its letter file, and sheet.png.</source>
        <translation>%1 letras precisam de uma pasta: informe -o DIR/ (um nome terminado em /, ou uma pasta que exista), onde cada letra recebe seu arquivo de letra, além de sheet.png.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be fitted.</source>
        <translation>Nada foi gravado: nem todas as letras podem ser ajustadas.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons</source>
        <translation>%1 pontos, %2 polígonos</translation>
    </message>
    <message>
        <source>IoU %1 %, distance ≤ %2</source>
        <translation>IoU %1 %, distância ≤ %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1. Nothing was written.</source>
        <translation>Não foi possível criar a pasta %1. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>with a 512-byte header</source>
        <translation>com cabeçalho de 512 bytes</translation>
    </message>
    <message>
        <source>no header</source>
        <translation>sem cabeçalho</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Copier header:</source>
        <translation>Cabeçalho de copiadora:</translation>
    </message>
    <message>
        <source>Cartridge:</source>
        <translation>Cartucho:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Soma de verificação:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Map mode:</source>
        <translation>Modo de mapeamento:</translation>
    </message>
    <message>
        <source>ROM size:</source>
        <translation>Tamanho da ROM:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Dumps:</source>
        <translation>Dumps:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palavras:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>no header at 7FC0 or FFC0</source>
        <translation>nenhum cabeçalho em 7FC0 nem em FFC0</translation>
    </message>
    <message>
        <source>the image&apos;s own is %1 (the 16-bit sum of its bytes); no header holds one to compare</source>
        <translation>a da própria imagem é %1 (a soma de 16 bits dos seus bytes); nenhum cabeçalho contém uma para comparar</translation>
    </message>
    <message>
        <source>header at %1, the high place</source>
        <translation>cabeçalho em %1, a posição alta</translation>
    </message>
    <message>
        <source>header at %1, the low place</source>
        <translation>cabeçalho em %1, a posição baixa</translation>
    </message>
    <message>
        <source>(file offset %1, after the copier header)</source>
        <translation>(deslocamento %1 no arquivo, após o cabeçalho de copiadora)</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they match</source>
        <translation>armazenada %1, complemento %2; a da própria imagem é %3 (a soma de 16 bits dos seus bytes): conferem</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they do not match</source>
        <translation>armazenada %1, complemento %2; a da própria imagem é %3 (a soma de 16 bits dos seus bytes): não conferem</translation>
    </message>
    <message>
        <source>Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image without a copier header), whether it has a copier header, its cartridge header when it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether the stored checksum is the image&apos;s own), the known dumps whose letters all fit, and its PAUSE and GAME OVER words (read at the best fitting dump&apos;s offsets, else the first dump&apos;s).</source>
        <translation>Diz o que é uma imagem ROM: seu tamanho, seus CRC32, MD5 e SHA-1 (os três da imagem sem cabeçalho de copiadora), se ela tem cabeçalho de copiadora, seu cabeçalho do cartucho quando houver um em 7FC0 ou FFC0 (título, modo de mapeamento, tamanho da ROM, país, versão e se a soma de verificação armazenada é a da própria imagem), os dumps conhecidos com os quais todas as letras correspondem e suas palavras PAUSE e GAME OVER (lidas nos deslocamentos do dump que melhor corresponder, senão nos do primeiro dump).</translation>
    </message>
    <message>
        <source>The ROM image.</source>
        <translation>A imagem ROM.</translation>
    </message>
    <message>
        <source>a letter file, not a ROM image: it holds no words</source>
        <translation>um arquivo de letra, não uma imagem ROM: não contém palavras</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>none of the five known dumps fits</source>
        <translation>nenhum dos cinco dumps conhecidos corresponde</translation>
    </message>
    <message>
        <source>%1, words known</source>
        <translation>%1, palavras conhecidas</translation>
    </message>
    <message>
        <source>Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the length the catalogue gives, and the record read there as a load reads it (its length, points and polygons), or why it can&apos;t be read.</source>
        <translation>Lista as 24 letras do catálogo de um dump em uma imagem ROM: rótulo, deslocamento no arquivo, o comprimento que o catálogo indica e o registro lido ali como um carregamento o lê (seu comprimento, pontos e polígonos), ou por que ele não pode ser lido.</translation>
    </message>
    <message>
        <source>every letter fits</source>
        <translation>todas as letras correspondem</translation>
    </message>
    <message>
        <source>not every letter fits</source>
        <translation>nem todas as letras correspondem</translation>
    </message>
    <message>
        <source>longer than the catalogue says</source>
        <translation>mais longo do que o catálogo indica</translation>
    </message>
    <message>
        <source>no record: %1</source>
        <translation>sem registro: %1</translation>
    </message>
    <message>
        <source>Compares the checksum and its complement in the image&apos;s cartridge header (at 7FC0 or FFC0, counted after a copier header) with the image&apos;s own checksum: the 16-bit sum of its bytes without the copier header, the remainder of a size that is no power of two repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 when they do not or no header is found. With --fix, writes the right checksum and complement, those 4 bytes and no other, with import&apos;s safeguards: the image is first copied to IMAGE.bak, and a write cut short is put back.</source>
        <translation>Compara a soma de verificação e seu complemento no cabeçalho do cartucho da imagem (em 7FC0 ou FFC0, contados após um cabeçalho de copiadora) com a soma de verificação da própria imagem: a soma de 16 bits dos seus bytes sem o cabeçalho de copiadora, com o resto de um tamanho que não é potência de dois repetido como o console o vê. Código de saída 0 quando conferem (ou --fix as definiu), 1 quando não conferem ou nenhum cabeçalho é encontrado. Com --fix, grava a soma de verificação e o complemento corretos, esses 4 bytes e nenhum outro, com as salvaguardas de import: a imagem é primeiro copiada para IMAGE.bak, e uma gravação interrompida é revertida.</translation>
    </message>
    <message>
        <source>Write the image&apos;s own checksum and its complement into the header.</source>
        <translation>Grava no cabeçalho a soma de verificação da própria imagem e seu complemento.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1</source>
        <translation>Nenhum cabeçalho do cartucho foi encontrado em 7FC0 nem em FFC0: não há soma de verificação a comparar.%1</translation>
    </message>
    <message>
        <source>Nothing to set: nothing was written.</source>
        <translation>Nada a definir: nada foi gravado.</translation>
    </message>
    <message>
        <source>The header&apos;s checksum does not match the image&apos;s own (--fix sets it).</source>
        <translation>A soma de verificação do cabeçalho não confere com a da própria imagem (--fix a corrige).</translation>
    </message>
    <message>
        <source>Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is in %5.</source>
        <translation>Soma de verificação %1 e seu complemento %2 gravados no deslocamento %3 de %4; a imagem como estava antes está em %5.</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the IPS patch that turns ORIGINAL into MODIFIED (images of the same size); &quot;apply&quot; writes IMAGE with PATCH applied to the file given with -o, after checking the whole patch.</source>
        <translation>&quot;create&quot; grava o patch IPS que transforma ORIGINAL em MODIFIED (imagens do mesmo tamanho); &quot;apply&quot; grava IMAGE com PATCH aplicado no arquivo indicado com -o, depois de verificar o patch inteiro.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>O que fazer.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image.</source>
        <translation>create: a imagem original; apply: a imagem.</translation>
    </message>
    <message>
        <source>create: the modified image; apply: the patch.</source>
        <translation>create: a imagem modificada; apply: o patch.</translation>
    </message>
    <message>
        <source>create: the patch to write; apply: the patched image to write.</source>
        <translation>create: o patch a gravar; apply: a imagem com o patch aplicado a gravar.</translation>
    </message>
    <message>
        <source>The first argument is create or apply, not &quot;%1&quot;.</source>
        <translation>O primeiro argumento é create ou apply, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the file to write with -o FILE.</source>
        <translation>Informe o arquivo a gravar com -o FILE.</translation>
    </message>
    <message>
        <source>%1: %2 bytes (the images are the same)</source>
        <translation>%1: %2 bytes (as imagens são iguais)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 bytes</translation>
    </message>
    <message>
        <source>%1: %2 bytes, %3 changed</source>
        <translation>%1: %2 bytes, %3 alterados</translation>
    </message>
    <message>
        <source>All 24 catalogue letters.</source>
        <translation>Todas as 24 letras do catálogo.</translation>
    </message>
    <message>
        <source>%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, --dump and --all are for a ROM image.</source>
        <translation>%1 é um arquivo de letra (%2 bytes): contém uma só letra, e --letter, --offset, --dump e --all são para uma imagem ROM.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Não lido: %1</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: sem registro</translation>
    </message>
    <message>
        <source>Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, six across, each labelled. An output named *.svg is the letter&apos;s SVG drawing instead, as &quot;Export letter to SVG&quot; writes it (--scale, --no-numbers, --no-axes and --all are for a PNG picture).</source>
        <translation>Desenha uma letra como a pré-visualização a mostra após um carregamento, pixel por pixel (255 x 255), e a grava como figura PNG; com --all, as 24 letras do catálogo em uma folha, seis por linha, cada uma com seu rótulo. Uma saída chamada *.svg é, em vez disso, o desenho SVG da letra, como &quot;Exportar letra para SVG&quot; o grava (--scale, --no-numbers, --no-axes e --all são para uma figura PNG).</translation>
    </message>
    <message>
        <source>A ROM image (the letter at --letter or --offset, else the first catalogue letter) or a letter file.</source>
        <translation>Uma imagem ROM (a letra em --letter ou --offset, senão a primeira letra do catálogo) ou um arquivo de letra.</translation>
    </message>
    <message>
        <source>Enlarge every pixel to N x N (1 to 16).</source>
        <translation>Amplia cada pixel para N x N (1 a 16).</translation>
    </message>
    <message>
        <source>Without the point numbers.</source>
        <translation>Sem os números dos pontos.</translation>
    </message>
    <message>
        <source>Without the axes.</source>
        <translation>Sem os eixos.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>O arquivo a gravar.</translation>
    </message>
    <message>
        <source>Give --all, or one letter with --letter or --offset.</source>
        <translation>Informe --all, ou uma letra com --letter ou --offset.</translation>
    </message>
    <message>
        <source>Give the picture to write with -o FILE.</source>
        <translation>Informe a figura a gravar com -o FILE.</translation>
    </message>
    <message>
        <source>--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG drawing holds one letter at its units, with its point numbers.</source>
        <translation>--scale, --no-numbers, --no-axes e --all são para uma figura PNG: um desenho SVG contém uma letra em suas próprias unidades, com os números dos pontos.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Não gravado: %1</translation>
    </message>
    <message>
        <source>Writes a letter file of one letter of a ROM image, or with --all one letter file per catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as &quot;Export letter to file&quot; writes them after a load.</source>
        <translation>Grava um arquivo de letra com uma letra de uma imagem ROM ou, com --all, um arquivo de letra por letra do catálogo em uma pasta (nomeado pelo glifo e pelo deslocamento, por exemplo P_476E2.bin), como &quot;Salvar letra em arquivo&quot; os grava após um carregamento.</translation>
    </message>
    <message>
        <source>The letter file to write; with --all, the folder.</source>
        <translation>O arquivo de letra a gravar; com --all, a pasta.</translation>
    </message>
    <message>
        <source>Give one letter with --letter or --offset, or --all.</source>
        <translation>Informe uma letra com --letter ou --offset, ou --all.</translation>
    </message>
    <message>
        <source>Give the folder to write into with -o DIR.</source>
        <translation>Informe a pasta onde gravar com -o DIR.</translation>
    </message>
    <message>
        <source>Give the letter file to write with -o FILE.</source>
        <translation>Informe o arquivo de letra a gravar com -o FILE.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be read.</source>
        <translation>Nada foi gravado: nem todas as letras podem ser lidas.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was written.</source>
        <translation>%1: %2 Nada foi gravado.</translation>
    </message>
    <message>
        <source>Not written: %1 Nothing was written.</source>
        <translation>Não gravado: %1 Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is not a folder: with --all, give the folder of letter files that extract --all wrote. Nothing was written.</source>
        <translation>%1 não é uma pasta: com --all, informe a pasta de arquivos de letra que extract --all gravou. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2. Nothing was written.</source>
        <translation>Não foi possível ler a pasta %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: a letter file&apos;s name must end in _ and its offset, as extract --all names them (P_476E2.bin). Nothing was written.</source>
        <translation>%1: o nome de um arquivo de letra deve terminar em _ seguido do seu deslocamento, como extract --all os nomeia (P_476E2.bin). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 holds no letter files (*.bin). Nothing was written.</source>
        <translation>%1 não contém arquivos de letra (*.bin). Nada foi gravado.</translation>
    </message>
    <message>
        <source>a %1-byte record</source>
        <translation>um registro de %1 bytes</translation>
    </message>
    <message>
        <source>no letter record</source>
        <translation>dados que não formam um registro de letra</translation>
    </message>
    <message>
        <source>%1 more point</source>
        <translation>%1 ponto a mais</translation>
    </message>
    <message>
        <source>%1 more points</source>
        <translation>%1 pontos a mais</translation>
    </message>
    <message>
        <source>%1 fewer point</source>
        <translation>%1 ponto a menos</translation>
    </message>
    <message>
        <source>%1 fewer points</source>
        <translation>%1 pontos a menos</translation>
    </message>
    <message>
        <source>%1 more polygon</source>
        <translation>%1 polígono a mais</translation>
    </message>
    <message>
        <source>%1 more polygons</source>
        <translation>%1 polígonos a mais</translation>
    </message>
    <message>
        <source>%1 fewer polygon</source>
        <translation>%1 polígono a menos</translation>
    </message>
    <message>
        <source>%1 fewer polygons</source>
        <translation>%1 polígonos a menos</translation>
    </message>
    <message>
        <source>%1 more corner</source>
        <translation>%1 vértice a mais</translation>
    </message>
    <message>
        <source>%1 more corners</source>
        <translation>%1 vértices a mais</translation>
    </message>
    <message>
        <source>%1 fewer corner</source>
        <translation>%1 vértice a menos</translation>
    </message>
    <message>
        <source>%1 fewer corners</source>
        <translation>%1 vértices a menos</translation>
    </message>
    <message>
        <source>The new record has %1 than the one there.</source>
        <translation>O novo registro tem %1 que o existente.</translation>
    </message>
    <message>
        <source>Writes the letter of a letter file into a ROM image at a catalogue letter or an offset, as &quot;Export letter to Rom&quot; does: the record is checked first, a record longer than the one there is refused unless --allow-longer is given, an image of none of the known dumps is refused, and the image is first copied to IMAGE.bak. A file named *.svg is a drawing: its letter is read as &quot;Import letter from SVG&quot; reads it, the bytes a drawing can&apos;t show taken from the record at that offset. With --fit, the letter is fitted into the game&apos;s limits from a drawing (curves and strokes included) or a picture (its dark shape traced), and with --font and --char (and no LETTERFILE) from a font&apos;s character: in the box of the record there (--box to choose another), over that record. With --all, every letter file of a folder goes to the offset in its name (as extract --all names them), all checked before any is written, in one write and one backup.</source>
        <translation>Grava a letra de um arquivo de letra em uma imagem ROM, em uma letra do catálogo ou em um deslocamento, como faz &quot;Gravar letra na Rom&quot;: o registro é verificado primeiro, um registro mais longo que o existente é recusado, a menos que --allow-longer seja informado, uma imagem que não é de nenhum dos dumps conhecidos é recusada, e a imagem é primeiro copiada para IMAGE.bak. Um arquivo chamado *.svg é um desenho: sua letra é lida como &quot;Importar letra de SVG&quot; a lê, e os bytes que um desenho não consegue representar são tirados do registro nesse deslocamento. Com --fit, a letra é ajustada aos limites do jogo a partir de um desenho (curvas e traços incluídos) ou de uma figura (com sua forma escura decalcada) e, com --font e --char (e sem LETTERFILE), a partir de um caractere de uma fonte: na caixa do registro existente (--box para escolher outra), sobre esse registro. Com --all, cada arquivo de letra de uma pasta vai para o deslocamento indicado em seu nome (como extract --all os nomeia), todos verificados antes de qualquer um ser gravado, em uma só gravação e uma só cópia de segurança.</translation>
    </message>
    <message>
        <source>The ROM image to write into.</source>
        <translation>A imagem ROM na qual gravar.</translation>
    </message>
    <message>
        <source>The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, the folder of letter files; none with --font.</source>
        <translation>O arquivo de letra (ou desenho SVG; com --fit, um desenho ou uma figura) a gravar; com --all, a pasta de arquivos de letra; nenhum com --font.</translation>
    </message>
    <message>
        <source>Write every letter file (*.bin) of the folder LETTERFILE at the offset in its name.</source>
        <translation>Grava cada arquivo de letra (*.bin) da pasta LETTERFILE no deslocamento indicado em seu nome.</translation>
    </message>
    <message>
        <source>Write a record longer than the one there, over the bytes after it.</source>
        <translation>Grava um registro mais longo que o existente, sobre os bytes que vêm depois dele.</translation>
    </message>
    <message>
        <source>Say what would change (offset, old and new length) and write nothing.</source>
        <translation>Diz o que mudaria (deslocamento, comprimento antigo e novo) e não grava nada.</translation>
    </message>
    <message>
        <source>Fit the drawing or picture LETTERFILE into the game&apos;s limits, in the box of the record there.</source>
        <translation>Ajusta o desenho ou a figura LETTERFILE aos limites do jogo, na caixa do registro existente.</translation>
    </message>
    <message>
        <source>The character of --font to fit in place of LETTERFILE.</source>
        <translation>O caractere de --font a ajustar no lugar de LETTERFILE.</translation>
    </message>
    <message>
        <source>With --all, the offsets are in the letter files&apos; names: give no --letter or --offset.</source>
        <translation>Com --all, os deslocamentos estão nos nomes dos arquivos de letra: não informe --letter nem --offset.</translation>
    </message>
    <message>
        <source>Give the letter to replace with --letter or --offset.</source>
        <translation>Informe a letra a substituir com --letter ou --offset.</translation>
    </message>
    <message>
        <source>--font needs --char: give the character to fit.</source>
        <translation>--font precisa de --char: informe o caractere a ajustar.</translation>
    </message>
    <message>
        <source>--char needs --font: give the font to take the character from.</source>
        <translation>--char precisa de --font: informe a fonte de onde tirar o caractere.</translation>
    </message>
    <message>
        <source>With --font and --char the letter comes from the font: give no LETTERFILE.</source>
        <translation>Com --font e --char, a letra vem da fonte: não informe LETTERFILE.</translation>
    </message>
    <message>
        <source>--fit, --font and --char fit one letter: not with --all.</source>
        <translation>--fit, --font e --char ajustam uma só letra: não com --all.</translation>
    </message>
    <message>
        <source>--style and --box are for a fitted letter: give --fit, or --font and --char.</source>
        <translation>--style e --box são para uma letra ajustada: informe --fit, ou --font e --char.</translation>
    </message>
    <message>
        <source>--char takes one character, not &quot;%1&quot;.</source>
        <translation>--char recebe um só caractere, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(--allow-longer writes it)</source>
        <translation>(--allow-longer o grava)</translation>
    </message>
    <message>
        <source>%1 is a ROM image, not a letter file. Nothing was written.</source>
        <translation>%1 é uma imagem ROM, não um arquivo de letra. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 and %2: the records at offsets %3 and %4 overlap.</source>
        <translation>%1 e %2: os registros nos deslocamentos %3 e %4 se sobrepõem.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter file can be written.</source>
        <translation>Nada foi gravado: nem todos os arquivos de letra podem ser gravados.</translation>
    </message>
    <message>
        <source>Dry run: the %1-byte record would be written at offset %2 of %3, where %4 stands; %5 bytes would change.%6</source>
        <translation>Simulação: o registro de %1 bytes seria gravado no deslocamento %2 de %3, onde há %4; %5 bytes mudariam.%6</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was is in %5.</source>
        <translation>Registro de %1 bytes gravado no deslocamento %2 de %3, onde havia %4; a imagem como estava antes está em %5.</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).</source>
        <translation>Registro de %1 bytes gravado no deslocamento %2, onde havia %3 (%4 bytes alterados).</translation>
    </message>
    <message>
        <source>Wrote %1 records into %2; the image as it was is in %3.</source>
        <translation>%1 registros gravados em %2; a imagem como estava antes está em %3.</translation>
    </message>
    <message>
        <source>What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words.</source>
        <translation>O que é uma imagem: tamanho, CRC32, MD5, SHA-1, cabeçalhos de copiadora e do cartucho, os dumps que correspondem, as duas palavras.</translation>
    </message>
    <message>
        <source>The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads.</source>
        <translation>As 24 letras do catálogo de um dump: deslocamentos, comprimentos, contagens e se cada uma pode ser lida.</translation>
    </message>
    <message>
        <source>A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing.</source>
        <translation>Uma letra como a pré-visualização a desenha, ou as 24 em uma folha, como figura PNG; ou uma letra como desenho SVG.</translation>
    </message>
    <message>
        <source>Letter files of one letter or all 24, as &quot;Export letter to file&quot; writes them.</source>
        <translation>Arquivos de letra de uma letra ou das 24, como &quot;Salvar letra em arquivo&quot; os grava.</translation>
    </message>
    <message>
        <source>A letter file written into the image as &quot;Export letter to Rom&quot; does, an SVG drawing&apos;s letter, or one fitted from a drawing, picture or font.</source>
        <translation>Um arquivo de letra gravado na imagem como faz &quot;Gravar letra na Rom&quot;, a letra de um desenho SVG, ou uma letra ajustada a partir de um desenho, uma figura ou uma fonte.</translation>
    </message>
    <message>
        <source>Letters fitted from drawings, pictures or a font&apos;s characters into the game&apos;s limits, with a sheet.</source>
        <translation>Letras ajustadas aos limites do jogo a partir de desenhos, figuras ou caracteres de uma fonte, com uma folha.</translation>
    </message>
    <message>
        <source>The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file.</source>
        <translation>As palavras PAUSE e GAME OVER: lê-las ou gravar novas; os códigos de tile como arquivo de tabela.</translation>
    </message>
    <message>
        <source>An IPS patch between two images, or one applied to an image.</source>
        <translation>Um patch IPS entre duas imagens, ou um aplicado a uma imagem.</translation>
    </message>
    <message>
        <source>The cartridge header&apos;s checksum against the image&apos;s own; --fix sets it.</source>
        <translation>A soma de verificação do cabeçalho do cartucho comparada com a da própria imagem; --fix a corrige.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch between two images, one applied to an image, or what a patch holds.</source>
        <translation>Um patch BPS ou IPS entre duas imagens, um aplicado a uma imagem, ou o que um patch contém.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Reads and writes the polygon letters of the game in ROM images and letter files, without a window.</source>
        <translation>Lê e grava as letras poligonais do jogo em imagens ROM e arquivos de letra, sem janela.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>&quot;vertiloom-cli COMMAND --help&quot; describes a command. Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.</source>
        <translation>&quot;vertiloom-cli COMMAND --help&quot; descreve um comando. Código de saída: 0 concluído, 1 recusado ou com falha (nada gravado), 2 uso incorreto.</translation>
    </message>
    <message>
        <source>vertiloom-cli: &quot;%1&quot; is not text in the system&apos;s encoding (UTF-8): a file of that name would be read or written under another name. Rename the file, or give another name.</source>
        <translation>vertiloom-cli: &quot;%1&quot; não é texto na codificação do sistema (UTF-8): um arquivo com esse nome seria lido ou gravado com outro nome. Renomeie o arquivo ou informe outro nome.</translation>
    </message>
    <message>
        <source>vertiloom-cli: give a command.</source>
        <translation>vertiloom-cli: informe um comando.</translation>
    </message>
    <message>
        <source>vertiloom-cli: no command is called &quot;%1&quot;.</source>
        <translation>vertiloom-cli: não existe nenhum comando chamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 action</source>
        <translation>%1 ação</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>%1 ações</translation>
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
        <translation>Tamanho depois:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadados:</translation>
    </message>
    <message>
        <source>vertiloom-cli patch: warning: %1</source>
        <translation>vertiloom-cli patch: aviso: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 (%2 RLE), writing %3</source>
        <translation>%1 (%2 RLE), gravando %3</translation>
    </message>
    <message>
        <source>%1 bytes, CRC32 %2</source>
        <translation>%1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as they stand); &quot;apply&quot; writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after checking the whole patch and the image&apos;s size and CRC32; &quot;info&quot; says what PATCH holds.</source>
        <translation>&quot;create&quot; grava o patch que transforma ORIGINAL em MODIFIED, no formato indicado pela terminação do nome dado com -o: .bps (imagens de quaisquer tamanhos, sem o cabeçalho de copiadora) ou .ips (imagens do mesmo tamanho, como estão); &quot;apply&quot; grava IMAGE com PATCH (BPS ou IPS) aplicado no arquivo indicado com -o, depois de verificar o patch inteiro e o tamanho e o CRC32 da imagem; &quot;info&quot; diz o que PATCH contém.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image; info: the patch.</source>
        <translation>create: a imagem original; apply: a imagem; info: o patch.</translation>
    </message>
    <message>
        <source>create: the patch to write (.bps or .ips); apply: the patched image to write.</source>
        <translation>create: o patch a gravar (.bps ou .ips); apply: a imagem com o patch aplicado a gravar.</translation>
    </message>
    <message>
        <source>create, BPS: text the patch carries (its metadata), such as its author.</source>
        <translation>create, BPS: texto que o patch leva consigo (seus metadados), como o nome do autor.</translation>
    </message>
    <message>
        <source>BPS: take the images as they stand, a copier header included.</source>
        <translation>BPS: usa as imagens como estão, incluindo um cabeçalho de copiadora.</translation>
    </message>
    <message>
        <source>apply, BPS: apply the patch to an image of another size or CRC32, and keep a result of another CRC32, with a warning.</source>
        <translation>apply, BPS: aplica o patch a uma imagem de outro tamanho ou CRC32 e mantém um resultado de outro CRC32, com um aviso.</translation>
    </message>
    <message>
        <source>--%1 is for %2.</source>
        <translation>--%1 é para %2.</translation>
    </message>
    <message>
        <source>info takes one file, the patch.</source>
        <translation>info recebe um só arquivo, o patch.</translation>
    </message>
    <message>
        <source>create or apply</source>
        <translation>create ou apply</translation>
    </message>
    <message>
        <source>The first argument is create, apply or info, not &quot;%1&quot;.</source>
        <translation>O primeiro argumento é create, apply ou info, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 takes two files.</source>
        <translation>%1 recebe dois arquivos.</translation>
    </message>
    <message>
        <source>The patch&apos;s name ends in .bps or .ips, which says its format: &quot;%1&quot; ends in neither.</source>
        <translation>O nome do patch termina em .bps ou .ips, o que indica seu formato: &quot;%1&quot; não termina em nenhum dos dois.</translation>
    </message>
    <message>
        <source>a BPS patch</source>
        <translation>um patch BPS</translation>
    </message>
    <message>
        <source>Reads the PAUSE and GAME OVER words of a ROM image (&quot;?&quot; stands for a byte that is no tile code), or writes new ones as the window does: one character per letter, from &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; writes as &quot;1&quot;, &quot;_&quot; as the blank), and the image is first copied to IMAGE.bak. With --table, no image: the tile codes as a table file that hex editors load to show and type the game&apos;s text (&quot;00=P&quot; ... &quot;19=R&quot;, one line each).</source>
        <translation>Lê as palavras PAUSE e GAME OVER de uma imagem ROM (&quot;?&quot; representa um byte que não é código de tile) ou grava novas como a janela faz: um caractere por letra, dentre &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; é gravado como &quot;1&quot;, &quot;_&quot; como o espaço em branco), e a imagem é primeiro copiada para IMAGE.bak. Com --table, sem imagem: os códigos de tile como um arquivo de tabela que os editores hexadecimais carregam para mostrar e digitar o texto do jogo (&quot;00=P&quot; ... &quot;19=R&quot;, um por linha).</translation>
    </message>
    <message>
        <source>The ROM image (none with --table).</source>
        <translation>A imagem ROM (nenhuma com --table).</translation>
    </message>
    <message>
        <source>The 5 letters of the PAUSE word.</source>
        <translation>As 5 letras da palavra PAUSE.</translation>
    </message>
    <message>
        <source>The 8 letters of the GAME OVER word.</source>
        <translation>As 8 letras da palavra GAME OVER.</translation>
    </message>
    <message>
        <source>Write the tile codes as a table file for hex editors (to -o FILE, else to the standard output).</source>
        <translation>Grava os códigos de tile como arquivo de tabela para editores hexadecimais (em -o FILE, senão na saída padrão).</translation>
    </message>
    <message>
        <source>With --table, the table file to write.</source>
        <translation>Com --table, o arquivo de tabela a gravar.</translation>
    </message>
    <message>
        <source>--table writes the game&apos;s tile codes, the same for every image: give no IMAGE, --set-pause, --set-game-over or --dump with it.</source>
        <translation>--table grava os códigos de tile do jogo, os mesmos para toda imagem: não informe IMAGE, --set-pause, --set-game-over nem --dump com ele.</translation>
    </message>
    <message>
        <source>%1 (%2 tile codes)</source>
        <translation>%1 (%2 códigos de tile)</translation>
    </message>
    <message>
        <source>-o is for --table: the words are written into the image.</source>
        <translation>-o é para --table: as palavras são gravadas na imagem.</translation>
    </message>
    <message>
        <source>--%1 takes %2 characters, one per letter, not &quot;%3&quot;.</source>
        <translation>--%1 recebe %2 caracteres, um por letra, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Written into %1; the image as it was is in %2.</source>
        <translation>Gravado em %1; a imagem como estava antes está em %2.</translation>
    </message>
    <message>
        <source>%1 on no point</source>
        <translation>%1 sem nenhum ponto</translation>
    </message>
    <message>
        <source>%1 on points %2</source>
        <translation>%1 nos pontos %2</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Nenhum ponto.</translation>
    </message>
    <message>
        <source>Points (%1): %2.</source>
        <translation>Pontos (%1): %2.</translation>
    </message>
    <message>
        <source>No polygons.</source>
        <translation>Nenhum polígono.</translation>
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
        <translation>ponto %1 em x %2, y %3</translation>
    </message>
    <message>
        <source>in polygons %1</source>
        <translation>nos polígonos %1</translation>
    </message>
    <message>
        <source>point %1 selected</source>
        <translation>ponto %1 selecionado</translation>
    </message>
    <message>
        <source>%1 points selected</source>
        <translation>%1 pontos selecionados</translation>
    </message>
    <message>
        <source>The clipboard holds no points of this editor and no SVG drawing.</source>
        <translation>A área de transferência não contém pontos deste editor nem um desenho SVG.</translation>
    </message>
    <message>
        <source>No point is selected to delete.</source>
        <translation>Nenhum ponto está selecionado para excluir.</translation>
    </message>
</context>
<context>
    <name>vertiloom::DrawingBoard</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Picture: a drag moves the tracing picture, the wheel sizes it</source>
        <translation>Figura: arrastar move a figura de decalque, a roda do mouse muda seu tamanho</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Espelhar na horizontal</translation>
    </message>
    <message>
        <source>Flip vertically</source>
        <translation>Espelhar na vertical</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Scale the selection by this percentage</source>
        <translation>Escalar a seleção por esta porcentagem</translation>
    </message>
    <message>
        <source>Scale by %1 %</source>
        <translation>Escalar em %1 %</translation>
    </message>
    <message>
        <source>Move the selection by dx, dy</source>
        <translation>Mover a seleção em dx, dy</translation>
    </message>
    <message>
        <source>Move by %1, %2</source>
        <translation>Mover em %1, %2</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Encaixar</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Fundo…</translation>
    </message>
    <message>
        <source>Fit picture</source>
        <translation>Ajustar figura</translation>
    </message>
    <message>
        <source>Fit what the picture shows to the letter&apos;s box</source>
        <translation>Ajustar o que a figura mostra à caixa da letra</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Remover fundo</translation>
    </message>
    <message>
        <source>Trace picture</source>
        <translation>Decalcar figura</translation>
    </message>
    <message>
        <source>Fit the picture&apos;s dark shape into a letter where it lies on the square</source>
        <translation>Ajustar a forma escura da figura a uma letra, onde ela está no quadrado</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajustar desenho…</translation>
    </message>
    <message>
        <source>Fit an SVG drawing or a picture into the letter&apos;s limits</source>
        <translation>Ajustar um desenho SVG ou uma figura aos limites da letra</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Letra de uma fonte…</translation>
    </message>
    <message>
        <source>Fit a character of an installed font into the letter&apos;s limits</source>
        <translation>Ajustar um caractere de uma fonte instalada aos limites da letra</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Take the fitted letter (Enter)</source>
        <translation>Aceitar a letra ajustada (Enter)</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Drop the fitted letter (Esc)</source>
        <translation>Descartar a letra ajustada (Esc)</translation>
    </message>
    <message>
        <source>Delete points</source>
        <translation>Excluir pontos</translation>
    </message>
    <message>
        <source>Take the selected points out of the letter and its polygons</source>
        <translation>Remover os pontos selecionados da letra e de seus polígonos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Tessarine Vertiloom — drawing board</source>
        <translation>Tessarine Vertiloom — prancheta</translation>
    </message>
    <message>
        <source>Opacity of the background</source>
        <translation>Opacidade do fundo</translation>
    </message>
    <message>
        <source>Size of the background (the wheel with the picture tool, T)</source>
        <translation>Tamanho do fundo (a roda do mouse com a ferramenta Figura, T)</translation>
    </message>
    <message>
        <source>Where the background stands, in units (a drag with the picture tool, T, moves it)</source>
        <translation>Posição do fundo, em unidades (arrastar com a ferramenta Figura, T, o move)</translation>
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
        <translation>Porcentagem pela qual escalar a seleção; Aplicar ou K escala</translation>
    </message>
    <message>
        <source>Units to move the selection by, x (Tab: y); Apply or M moves</source>
        <translation>Unidades para mover a seleção, x (Tab: y); Aplicar ou M move</translation>
    </message>
    <message>
        <source>Units to move the selection by, y; Apply or M moves</source>
        <translation>Unidades para mover a seleção, y; Aplicar ou M move</translation>
    </message>
    <message>
        <source>x of the selected point, in units (Tab: y)</source>
        <translation>x do ponto selecionado, em unidades (Tab: y)</translation>
    </message>
    <message>
        <source>y of the selected point, in units</source>
        <translation>y do ponto selecionado, em unidades</translation>
    </message>
    <message>
        <source>Fitted letter:</source>
        <translation>Letra ajustada:</translation>
    </message>
    <message>
        <source>Convex pieces</source>
        <translation>Peças convexas</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Contornos</translation>
    </message>
    <message>
        <source>Convex pieces sharing their corners, as the game&apos;s own letters are built, or one polygon per contour, holes included</source>
        <translation>Peças convexas que compartilham seus vértices, como são construídas as letras do próprio jogo, ou um polígono por contorno, furos incluídos</translation>
    </message>
    <message>
        <source>Box:</source>
        <translation>Caixa:</translation>
    </message>
    <message>
        <source>Left edge of the box, in units</source>
        <translation>Borda esquerda da caixa, em unidades</translation>
    </message>
    <message>
        <source>Top edge of the box, in units</source>
        <translation>Borda superior da caixa, em unidades</translation>
    </message>
    <message>
        <source>Right edge of the box, in units</source>
        <translation>Borda direita da caixa, em unidades</translation>
    </message>
    <message>
        <source>Foot of the box, in units: the letter stands on it</source>
        <translation>Base da caixa, em unidades: a letra fica apoiada nela</translation>
    </message>
    <message>
        <source>Point %1:</source>
        <translation>Ponto %1:</translation>
    </message>
    <message>
        <source>Points %1 and %2:</source>
        <translation>Pontos %1 e %2:</translation>
    </message>
    <message>
        <source>distance %1, angle %2°</source>
        <translation>distância %1, ângulo %2°</translation>
    </message>
    <message>
        <source>No tracing picture is placed to trace: open one with “Background…” (B) first.</source>
        <translation>Não há nenhuma figura de decalque para decalcar: primeiro abra uma com “Fundo…” (B).</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Figuras</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Não foi possível ler a figura %1: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::FontWindow</name>
    <message>
        <source>Tessarine Vertiloom — font</source>
        <translation>Tessarine Vertiloom — fonte</translation>
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
        <translation>Exportar letra para SVG…</translation>
    </message>
    <message>
        <source>Import letter from SVG…</source>
        <translation>Importar letra de SVG…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Emulator…</source>
        <translation>Emulador…</translation>
    </message>
    <message>
        <source>Drawing board (F6)</source>
        <translation>Prancheta (F6)</translation>
    </message>
    <message>
        <source>Font (F7)</source>
        <translation>Fonte (F7)</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajustar desenho…</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Letra de uma fonte…</translation>
    </message>
    <message>
        <source>Make patch…</source>
        <translation>Criar patch…</translation>
    </message>
</context>
</TS>
