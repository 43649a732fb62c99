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
</context>
</TS>
