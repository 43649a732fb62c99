<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vertiloom</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.</source>
        <translation>%1 n&apos;a d&apos;en-tête de cartouche ni en 7FC0 ni en FFC0&#xa0;: il n&apos;y a aucune somme de contrôle à corriger. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot write the header&apos;s checksum into %1: %2.</source>
        <translation>Impossible d&apos;écrire la somme de contrôle de l&apos;en-tête dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The copied text holds no points of this editor: it does not begin with &quot;vertiloom-points&quot;. Nothing was pasted.</source>
        <translation>Le texte copié ne contient aucun point de cet éditeur&#xa0;: il ne commence pas par «&#xa0;vertiloom-points&#xa0;». Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was pasted.</source>
        <translation>Les points copiés sont au format %1 d&apos;une version plus récente de cet éditeur&#xa0;; celle-ci lit le format %2. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The copied points can&apos;t be pasted: line %1 (&quot;%2&quot;) is not as this editor writes them. Nothing was pasted.</source>
        <translation>Impossible de coller les points copiés&#xa0;: la ligne %1 («&#xa0;%2&#xa0;») n&apos;a pas la forme que leur donne cet éditeur. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The copied text of this editor holds no point. Nothing was pasted.</source>
        <translation>Le texte copié de cet éditeur ne contient aucun point. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>There is no checked point to transform.</source>
        <translation>Il n&apos;y a aucun point coché à transformer.</translation>
    </message>
    <message>
        <source>Point %1 would go to %2 = %3, outside -128..127: nothing was changed.</source>
        <translation>Le point %1 irait en %2 = %3, hors de -128..127&#xa0;: rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The letter already has 8 polygons, as many as a letter can hold.</source>
        <translation>La lettre a déjà 8 polygones, le maximum qu&apos;une lettre puisse contenir.</translation>
    </message>
    <message>
        <source>The letter already has 20 points, as many as a letter can hold.</source>
        <translation>La lettre a déjà 20 points, le maximum qu&apos;une lettre puisse contenir.</translation>
    </message>
    <message>
        <source>A polygon has at most 11 corners.</source>
        <translation>Un polygone a au plus 11 sommets.</translation>
    </message>
    <message>
        <source>No point of the letter is selected: there is nothing to copy.</source>
        <translation>Aucun point de la lettre n&apos;est sélectionné&#xa0;: il n&apos;y a rien à copier.</translation>
    </message>
    <message>
        <source>The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was pasted.</source>
        <translation>La lettre a %1 points&#xa0;; avec les %2 collés, elle en aurait %3, et une lettre en contient au plus 20. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was pasted.</source>
        <translation>La lettre a %1 polygones&#xa0;; avec les %2 collés, elle en aurait %3, et une lettre en contient au plus 8. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>No file has been opened yet: choose a ROM image with &quot;Open file&quot; first.</source>
        <translation>Aucun fichier n&apos;a encore été ouvert&#xa0;: choisissez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;».</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?</source>
        <translation>%1 fait maintenant %2 octets&#xa0;: il sera lu comme une image ROM, au décalage indiqué dans Addr. Le charger&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a letter file from its start. Load it?</source>
        <translation>%1 fait maintenant %2 octets&#xa0;: il sera lu comme un fichier de lettre, depuis son début. Le charger&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?</source>
        <translation>%1 est une image ROM de %2 octets. Remplacer toute l&apos;image par ce fichier de lettre de %3 octets&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte letter file?</source>
        <translation>%1 existe déjà. Le remplacer par ce fichier de lettre de %2 octets&#xa0;?</translation>
    </message>
    <message>
        <source>The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing was written.</source>
        <translation>L&apos;enregistrement de %1 octets ne tient pas au décalage %2 de %3&#xa0;: le fichier ne fait que %4 octets. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot read offset %1 of %2: %3. Nothing was written.</source>
        <translation>Impossible de lire au décalage %1 de %2&#xa0;: %3. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s&apos;est terminé trop tôt</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 bytes there. Write it anyway?</source>
        <translation>Aucun enregistrement de lettre ne peut être lu au décalage %1 de %2 (%3). Écrire le nouvel enregistrement écrase les %4 octets qui s&apos;y trouvent. L&apos;écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the old record will be overwritten. Write it anyway?</source>
        <translation>L&apos;enregistrement au décalage %1 de %2 fait %3 octets&#xa0;; le nouveau en fait %4, donc l&apos;octet qui suit l&apos;ancien enregistrement sera écrasé. L&apos;écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after the old record will be overwritten. Write it anyway?</source>
        <translation>L&apos;enregistrement au décalage %1 de %2 fait %3 octets&#xa0;; le nouveau en fait %4, donc les %5 octets qui suivent l&apos;ancien enregistrement seront écrasés. L&apos;écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot write the record at offset %1 into %2: %3.</source>
        <translation>Impossible d&apos;écrire l&apos;enregistrement au décalage %1 dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Cannot write the %1 records into %2: %3.</source>
        <translation>Impossible d&apos;écrire les %1 enregistrements dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try again.</source>
        <translation>%1 a changé au décalage %2 après avoir été vérifié&#xa0;: un autre programme y a écrit. Rien n&apos;a été écrit&#xa0;; réessayez.</translation>
    </message>
    <message>
        <source>Drawings and pictures</source>
        <translation>Dessins et images</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Letter from font</source>
        <translation>Lettre depuis une police</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Caractère&#xa0;:</translation>
    </message>
    <message>
        <source>Give one character to draw from the font &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Indiquez un seul caractère à dessiner depuis la police «&#xa0;%1&#xa0;», et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from the source&apos;s.</source>
        <translation>%1 points, %2 polygones&#xa0;; %3&#xa0;% de la surface remplie en commun avec la source, bords à %4 unités au plus de ceux de la source.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first: the font shows its 24 letters.</source>
        <translation>Aucune image ROM n&apos;est encore ouverte. Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;»&#xa0;: la police affiche ses 24 lettres.</translation>
    </message>
    <message>
        <source>%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.</source>
        <translation>%1 est un fichier de lettre, pas une image ROM&#xa0;: la police affiche les 24 lettres d&apos;une image ROM.</translation>
    </message>
    <message>
        <source>%1 is taken as it stands, its %2-byte copier header included.</source>
        <translation>%1 est pris tel quel, son en-tête de copieur de %2 octets compris.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 bytes.</source>
        <translation>%1 écrit&#xa0;: %2 octets.</translation>
    </message>
    <message>
        <source>%1 is no patch this editor knows: a BPS patch begins with &quot;BPS1&quot;, an IPS patch with &quot;PATCH&quot;.</source>
        <translation>%1 n&apos;est pas un patch connu de cet éditeur&#xa0;: un patch BPS commence par «&#xa0;BPS1&#xa0;», un patch IPS par «&#xa0;PATCH&#xa0;».</translation>
    </message>
    <message>
        <source>%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with a header or both without, or make the patch between the files as they stand with vertiloom-cli patch create --exact. Nothing was written.</source>
        <translation>D&apos;après sa taille, %1 a un en-tête de copieur de 512 octets (%2 octets, 512 de plus qu&apos;un multiple de 1,024), et %3 n&apos;en a pas (%4 octets)&#xa0;: un patch entre les deux transporterait l&apos;en-tête comme une partie du jeu. Donnez les deux images avec en-tête ou toutes deux sans, ou créez le patch entre les fichiers tels quels avec vertiloom-cli patch create --exact. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is made without it.</source>
        <translation>%1 a un en-tête de copieur de %2 octets&#xa0;: le patch est créé sans lui.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.</source>
        <translation>%1 a un en-tête de copieur de %2 octets&#xa0;: le patch est appliqué sans lui, puis l&apos;en-tête est remis devant %3.</translation>
    </message>
    <message>
        <source>This patch was made for an image of %1 bytes; this image has %2 bytes.</source>
        <translation>Ce patch a été créé pour une image de %1 octets&#xa0;; cette image fait %2 octets.</translation>
    </message>
    <message>
        <source>This patch was made for an image with CRC32 %1; this image has %2.</source>
        <translation>Ce patch a été créé pour une image de CRC32 %1&#xa0;; cette image a le CRC32 %2.</translation>
    </message>
    <message>
        <source>The patched image has the CRC32 %1, but the patch says its result has %2.</source>
        <translation>L&apos;image patchée a le CRC32 %1, mais le patch indique que son résultat a le CRC32 %2.</translation>
    </message>
    <message>
        <source>The patch was applied all the same, as asked: its checksums were not insisted on.</source>
        <translation>Le patch a tout de même été appliqué, comme demandé&#xa0;: ses sommes de contrôle n&apos;ont pas été exigées.</translation>
    </message>
    <message>
        <source>%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch&apos;s target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.</source>
        <translation>%1, une fois le patch appliqué, ferait %2 octets (son en-tête de copieur de %3 octets devant la cible du patch de %4 octets)&#xa0;: l&apos;éditeur lit et écrit des fichiers de 64&#xa0;Mio au plus (%5 octets). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No ROM image is open: open the modified image first, then make the patch between a clean original and it.</source>
        <translation>Aucune image ROM n&apos;est ouverte&#xa0;: ouvrez d&apos;abord l&apos;image modifiée, puis créez le patch entre un original intact et celle-ci.</translation>
    </message>
    <message>
        <source>programs are started only from the editor&apos;s window</source>
        <translation>les programmes ne sont lancés que depuis la fenêtre de l&apos;éditeur</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Aucune image ROM n&apos;est encore ouverte. Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis lancez le jeu.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Le dernier fichier ouvert, «&#xa0;%1&#xa0;», est un fichier de lettre, pas une image ROM (%2 octets&#xa0;; une image ROM dépasse 2,000,000 octets). Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis lancez le jeu.</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written over the %4 bytes there. %2 itself is unchanged.</source>
        <translation>Aucun enregistrement de lettre ne peut être lu au décalage %1 de %2 (%3)&#xa0;: dans la copie lancée, le nouvel enregistrement est écrit par-dessus les %4 octets qui s&apos;y trouvent. %2 lui-même n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 byte after the old record is overwritten. %2 itself is unchanged.</source>
        <translation>L&apos;enregistrement au décalage %1 de %2 fait %3 octets&#xa0;; le nouveau en fait %4&#xa0;: dans la copie lancée, l&apos;octet qui suit l&apos;ancien enregistrement est écrasé. %2 lui-même n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 bytes after the old record are overwritten. %2 itself is unchanged.</source>
        <translation>L&apos;enregistrement au décalage %1 de %2 fait %3 octets&#xa0;; le nouveau en fait %4&#xa0;: dans la copie lancée, les %5 octets qui suivent l&apos;ancien enregistrement sont écrasés. %2 lui-même n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>retroarch est dans le PATH, mais aucun cœur SNES pour lui ne se trouve dans %1/*/libretro/&#xa0;: installez le paquet Debian libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) ou mednafen (apt-get install mednafen), ou indiquez votre propre ligne de commande.</translation>
    </message>
    <message>
        <source>No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>Aucun émulateur trouvé dans le PATH&#xa0;: installez le paquet Debian mednafen (apt-get install mednafen), ou indiquez votre propre ligne de commande.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line has a %1 that is not closed: %2</source>
        <translation>La ligne de commande de l&apos;émulateur contient un %1 qui n&apos;est pas refermé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line is empty: give it in &quot;Emulator…&quot;, with %f where the file to play goes.</source>
        <translation>La ligne de commande de l&apos;émulateur est vide&#xa0;: indiquez-la dans «&#xa0;Émulateur…&#xa0;», avec %f à la place du fichier à jouer.</translation>
    </message>
    <message>
        <source>Cannot make a folder for the copy to play in %1: %2.</source>
        <translation>Impossible de créer dans %1 un dossier pour la copie à jouer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot start the emulator %1: %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Impossible de lancer l&apos;émulateur %1&#xa0;: %2. Sa ligne de commande se règle dans «&#xa0;Émulateur…&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot start the emulator &quot;%1&quot; (looked for in the folders of the PATH): %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Impossible de lancer l&apos;émulateur «&#xa0;%1&#xa0;» (cherché dans les dossiers du PATH)&#xa0;: %2. Sa ligne de commande se règle dans «&#xa0;Émulateur…&#xa0;».</translation>
    </message>
    <message>
        <source>This image does not match any of the five known dumps: the catalogue offsets may point at other data.</source>
        <translation>Cette image ne correspond à aucun des cinq dumps connus&#xa0;: les décalages du catalogue peuvent désigner d&apos;autres données.</translation>
    </message>
    <message>
        <source>This image looks like %1 (with a 512-byte header). Switch to it?</source>
        <translation>Cette image ressemble à %1 (avec un en-tête de 512 octets). Passer à ce dump&#xa0;?</translation>
    </message>
    <message>
        <source>This image looks like %1. Switch to it?</source>
        <translation>Cette image ressemble à %1. Passer à ce dump&#xa0;?</translation>
    </message>
    <message>
        <source>The header&apos;s checksum no longer matches: vertiloom-cli checksum --fix sets it</source>
        <translation>La somme de contrôle de l&apos;en-tête ne correspond plus&#xa0;: vertiloom-cli checksum --fix la corrige</translation>
    </message>
    <message>
        <source>%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write into it anyway?</source>
        <translation>%1 ne correspond à aucun des cinq dumps connus&#xa0;: les décalages du catalogue peuvent désigner d&apos;autres données. Y écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The letter has changes that are in no file yet. Discard them?</source>
        <translation>La lettre a des modifications qui ne sont encore dans aucun fichier. Les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, and the copy %2 could not be made: %3</source>
        <translation>Rien n&apos;a été écrit dans %1. Avant la première écriture dans une image, l&apos;éditeur en garde une copie, et la copie %2 n&apos;a pas pu être créée&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?</source>
        <translation>%1 est une image ROM de %2 octets. Remplacer toute l&apos;image par ce dessin SVG de %3 octets&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte SVG drawing?</source>
        <translation>%1 existe déjà. Le remplacer par ce dessin SVG de %2 octets&#xa0;?</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 reaches outside the letter&apos;s square: every coordinate of a letter is within -128..127.</source>
        <translation>Le cadre %1,%2,%3,%4 dépasse du carré de la lettre&#xa0;: chaque coordonnée d&apos;une lettre est comprise dans -128..127.</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.</source>
        <translation>Le cadre %1,%2,%3,%4 se réduit à une seule unité&#xa0;: une lettre a besoin d&apos;un cadre ayant une largeur ou une hauteur.</translation>
    </message>
    <message>
        <source>There is nothing to fit: the drawing fills no area (its contours enclose nothing).</source>
        <translation>Il n&apos;y a rien à ajuster&#xa0;: le dessin ne remplit aucune surface (ses contours n&apos;entourent rien).</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing: its root element is &lt;%1&gt;.</source>
        <translation>Le fichier n&apos;est pas un dessin SVG&#xa0;: son élément racine est &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1 refers to &quot;%2&quot;, which is no element of this drawing: only the drawing&apos;s own elements are drawn through &lt;use&gt;.</source>
        <translation>%1 renvoie à «&#xa0;%2&#xa0;», qui n&apos;est pas un élément de ce dessin&#xa0;: seuls les propres éléments du dessin sont dessinés par &lt;use&gt;.</translation>
    </message>
    <message>
        <source>%1 draws &quot;%2&quot;, which holds it: a &lt;use&gt; can&apos;t draw itself or an element around it.</source>
        <translation>%1 dessine «&#xa0;%2&#xa0;», qui le contient&#xa0;: un &lt;use&gt; ne peut dessiner ni lui-même ni un élément qui l&apos;entoure.</translation>
    </message>
    <message>
        <source>%1 would draw more than %2 elements through &lt;use&gt;, the most a drawing may.</source>
        <translation>%1 dessinerait plus de %2 éléments par &lt;use&gt;, le maximum pour un dessin.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.</source>
        <translation>Rien n&apos;est dessiné&#xa0;: chaque forme du dessin est masquée, transparente ou sans remplissage ni trait.</translation>
    </message>
    <message>
        <source>The drawing fills nothing: it holds no shape with an area (a &lt;line&gt; or an open path needs a stroke to be drawn).</source>
        <translation>Le dessin ne remplit rien&#xa0;: il ne contient aucune forme ayant une surface (un &lt;line&gt; ou un chemin ouvert a besoin d&apos;un trait pour être dessiné).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a font: it is no TrueType or OpenType file Qt can read.</source>
        <translation>%1 ne peut pas être lu comme une police&#xa0;: ce n&apos;est pas un fichier TrueType ou OpenType lisible par Qt.</translation>
    </message>
    <message>
        <source>No font &quot;%1&quot; is installed: name an installed font&apos;s family, such as &quot;DejaVu Sans&quot; (with its style after a colon, such as &quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>Aucune police «&#xa0;%1&#xa0;» n&apos;est installée&#xa0;: indiquez la famille d&apos;une police installée, comme «&#xa0;DejaVu Sans&#xa0;» (avec son style après un deux-points, comme «&#xa0;DejaVu Sans:Bold&#xa0;»), ou un fichier .ttf ou .otf.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no style &quot;%2&quot;; its styles are: %3.</source>
        <translation>La police «&#xa0;%1&#xa0;» n&apos;a pas de style «&#xa0;%2&#xa0;»&#xa0;; ses styles sont&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character %2 (%3).</source>
        <translation>La police «&#xa0;%1&#xa0;» n&apos;a pas de caractère %2 (%3).</translation>
    </message>
    <message>
        <source>The character %1 (%2) of the font &quot;%3&quot; draws nothing: it has no outline to fit.</source>
        <translation>Le caractère %1 (%2) de la police «&#xa0;%3&#xa0;» ne dessine rien&#xa0;: il n&apos;a aucun contour à ajuster.</translation>
    </message>
    <message>
        <source>The picture is empty: it has no pixels.</source>
        <translation>L&apos;image est vide&#xa0;: elle n&apos;a aucun pixel.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: it is all one shade.</source>
        <translation>L&apos;image n&apos;a rien de sombre à décalquer&#xa0;: elle est d&apos;une seule teinte.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.</source>
        <translation>L&apos;image n&apos;a rien de sombre à décalquer&#xa0;: ses teintes diffèrent trop peu pour distinguer une forme de son fond.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a picture: %2.</source>
        <translation>%1 ne peut pas être lu comme une image&#xa0;: %2.</translation>
    </message>
    <message>
        <source>One of the patch&apos;s images is %1 bytes: no ROM image of the game is that large, and the editor reads and writes files of at most 64 MiB (%2 bytes).</source>
        <translation>L&apos;une des images du patch fait %1 octets&#xa0;: aucune image ROM du jeu n&apos;est aussi grande, et l&apos;éditeur lit et écrit des fichiers de 64&#xa0;Mio au plus (%2 octets).</translation>
    </message>
    <message>
        <source>The patch is cut short: its head ends after its checksums begin at byte %1.</source>
        <translation>Le patch est tronqué&#xa0;: son en-tête se termine après le début de ses sommes de contrôle, à l&apos;octet %1.</translation>
    </message>
    <message>
        <source>The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.</source>
        <translation>Le patch est tronqué&#xa0;: l&apos;action %1 à l&apos;octet %2 se termine après le début de ses sommes de contrôle, à l&apos;octet %3.</translation>
    </message>
    <message>
        <source>The patch&apos;s head holds a number beyond any file&apos;s size at byte %1.</source>
        <translation>L&apos;en-tête du patch contient à l&apos;octet %1 un nombre qui dépasse la taille de tout fichier.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch holds a number beyond any file&apos;s size.</source>
        <translation>L&apos;action %1 à l&apos;octet %2 du patch contient un nombre qui dépasse la taille de tout fichier.</translation>
    </message>
    <message>
        <source>This is not a BPS patch: it does not begin with &quot;BPS1&quot;.</source>
        <translation>Ce n&apos;est pas un patch BPS&#xa0;: il ne commence pas par «&#xa0;BPS1&#xa0;».</translation>
    </message>
    <message>
        <source>The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 bytes at least).</source>
        <translation>Le patch est tronqué&#xa0;: ses %1 octets ne peuvent pas contenir l&apos;en-tête et les trois sommes de contrôle d&apos;un patch BPS (%2 octets au moins).</translation>
    </message>
    <message>
        <source>The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.</source>
        <translation>Le patch est endommagé&#xa0;: ses octets ont le CRC32 %1, mais ses quatre derniers octets indiquent %2.</translation>
    </message>
    <message>
        <source>The patch is cut short: its actions end at byte %1 with %2 of the target&apos;s %3 bytes written.</source>
        <translation>Le patch est tronqué&#xa0;: ses actions se terminent à l&apos;octet %1, quand %2 des %3 octets de la cible sont écrits.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 bytes).</source>
        <translation>L&apos;action %1 à l&apos;octet %2 du patch (%3) écrit %4 octets au décalage 0x%5, au-delà de la fin de la cible (%6 octets).</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.</source>
        <translation>L&apos;action %1 à l&apos;octet %2 du patch (%3) lit %4 octets au décalage %5 de la source, hors de ses %6 octets.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before offset 0x%5 are written.</source>
        <translation>L&apos;action %1 à l&apos;octet %2 du patch (%3) copie depuis le décalage %4 de la cible, où seuls les octets avant le décalage 0x%5 sont écrits.</translation>
    </message>
    <message>
        <source>The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte %2.</source>
        <translation>Le patch continue une fois sa cible complète&#xa0;: ses actions se terminent à l&apos;octet %1, mais ses sommes de contrôle commencent à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>The patch made does not turn the original image into the modified one: this is a fault of the editor, and nothing was written.</source>
        <translation>Le patch créé ne transforme pas l&apos;image d&apos;origine en l&apos;image modifiée&#xa0;: c&apos;est un défaut de l&apos;éditeur, et rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the &lt;use&gt; &quot;%2&quot;</source>
        <translation>L&apos;élément &lt;%1&gt; dessiné par l&apos;élément &lt;use&gt; «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the %2 &lt;use&gt;</source>
        <translation>L&apos;élément &lt;%1&gt; dessiné par l&apos;élément &lt;use&gt; %2</translation>
    </message>
    <message>
        <source>%1 is a curve: straighten the curves first; only straight lines are read.</source>
        <translation>%1 est une courbe&#xa0;: convertissez d&apos;abord les courbes en segments&#xa0;; seules les lignes droites sont lues.</translation>
    </message>
    <message>
        <source>%1 has a curve (command %2): straighten the curves first; only straight lines are read.</source>
        <translation>%1 contient une courbe (commande %2)&#xa0;: convertissez d&apos;abord les courbes en segments&#xa0;; seules les lignes droites sont lues.</translation>
    </message>
    <message>
        <source>Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter&apos;s limits.</source>
        <translation>Ou laissez vertiloom-cli import IMAGE DRAWING --letter L --fit aplatir le dessin dans les limites de la lettre.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: its root &lt;svg&gt; is hidden (display none, opacity 0 or a condition that fails).</source>
        <translation>Rien n&apos;est dessiné&#xa0;: l&apos;élément racine &lt;svg&gt; du dessin est masqué (display none, opacity 0 ou une condition non remplie).</translation>
    </message>
    <message>
        <source>The drawing&apos;s viewBox &quot;%1&quot; is not four numbers with a positive width and height.</source>
        <translation>Le viewBox «&#xa0;%1&#xa0;» du dessin n&apos;est pas formé de quatre nombres avec une largeur et une hauteur positives.</translation>
    </message>
    <message>
        <source>%1 has a point outside the drawing&apos;s square (at %2, %3 in the letter&apos;s units, which run from -128 to 127).</source>
        <translation>%1 a un point hors du carré du dessin (en %2, %3 dans les unités de la lettre, qui vont de -128 à 127).</translation>
    </message>
    <message>
        <source>%1 is not closed: its last point is not its first.</source>
        <translation>%1 n&apos;est pas fermé&#xa0;: son dernier point n&apos;est pas son premier.</translation>
    </message>
    <message>
        <source>%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.</source>
        <translation>%1 a des coins arrondis, qui sont des courbes&#xa0;: convertissez d&apos;abord les courbes en segments&#xa0;; seules les lignes droites sont lues.</translation>
    </message>
    <message>
        <source>%1 has a part that is not closed: end it with Z, or where it began.</source>
        <translation>%1 a une partie qui n&apos;est pas fermée&#xa0;: terminez-la par Z, ou à son point de départ.</translation>
    </message>
    <message>
        <source>%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.</source>
        <translation>%1 est un trait de %2 unités de large&#xa0;: seule une ligne de 1 unité de large au plus est lue, comme un polygone à deux sommets.</translation>
    </message>
    <message>
        <source>%1 would be polygon %2 of the letter; a letter holds at most %3.</source>
        <translation>%1 serait le polygone %2 de la lettre&#xa0;; une lettre en contient au plus %3.</translation>
    </message>
    <message>
        <source>%1 has %2 corners; a polygon holds at most %3.</source>
        <translation>%1 a %2 sommets&#xa0;; un polygone en contient au plus %3.</translation>
    </message>
    <message>
        <source>The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.</source>
        <translation>Le dessin est vide&#xa0;: il ne contient ni polygone, ni polyligne fermée, ni rectangle, ni chemin de lignes droites.</translation>
    </message>
    <message>
        <source>%1 brings the letter to %2 points; a letter holds at most %3.</source>
        <translation>%1 porte la lettre à %2 points&#xa0;; une lettre en contient au plus %3.</translation>
    </message>
    <message>
        <source>%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter read from it: take it out of data-vertiloom-corners.</source>
        <translation>%1 garde l&apos;octet de référence %2, qui ne désigne aucun point du dessin mais désignerait le point %3 de la lettre qui en est lue&#xa0;: retirez-le de data-vertiloom-corners.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>n°&#xa0;%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>n°&#xa0;%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>n°&#xa0;%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>n°&#xa0;%1</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; &quot;%2&quot;</source>
        <translation>L&apos;élément &lt;%1&gt; «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>The %1 &lt;%2&gt;</source>
        <translation>L&apos;élément &lt;%2&gt; %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: its %2 attribute is not valid at character %3.</source>
        <translation>%1 ne peut pas être lu&#xa0;: son attribut %2 n&apos;est pas valide au caractère %3.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>L&apos;élément &lt;%1&gt; à la ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>%1 lies %2 levels deep; a drawing is read at most %3 levels deep.</source>
        <translation>%1 se trouve à %2 niveaux de profondeur&#xa0;; un dessin est lu sur %3 niveaux au plus.</translation>
    </message>
    <message>
        <source>The file is not well-formed SVG: %1 (line %2, column %3).</source>
        <translation>Le fichier n&apos;est pas un SVG bien formé&#xa0;: %1 (ligne %2, colonne %3).</translation>
    </message>
    <message>
        <source>There is not enough memory for this: nothing was written.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour cela&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos; n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: une tabulation à la position %1 n&apos;est pas un chiffre hexadécimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: le caractère de code %1 à la position %2 n&apos;est pas un chiffre hexadécimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: &apos;%1&apos; at position %2 is not a hexadecimal digit.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: «&#xa0;%1&#xa0;» à la position %2 n&apos;est pas un chiffre hexadécimal.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte is incomplete.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: elle contient %1 chiffres hexadécimaux, un nombre impair, donc son dernier octet est incomplet.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: the tag at position %1 should read &lt;bh:xx&gt; with two hexadecimal digits.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: la balise à la position %1 devrait s&apos;écrire &lt;bh:xx&gt;, avec deux chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The memo is empty: press START! to compile the letter first.</source>
        <translation>La zone de texte est vide&#xa0;: appuyez d&apos;abord sur LANCER&#xa0;! pour compiler la lettre.</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its %1 bytes end before the record that its counts describe does.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: ses %1 octets se terminent avant l&apos;enregistrement que décrivent ses compteurs.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: %1</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: %1</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 bytes.</source>
        <translation>La zone de texte ne contient pas un enregistrement de lettre&#xa0;: ses compteurs décrivent un enregistrement de %1 octets, mais elle en contient %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot open %1: File access denied</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: accès au fichier refusé</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 bytes).</source>
        <translation>%1 fait %2 octets&#xa0;: aucune image ROM du jeu n&apos;est aussi grande, et l&apos;éditeur lit des fichiers de 64&#xa0;Mio au plus (%3 octets).</translation>
    </message>
    <message>
        <source>%1 is the file being read: write the output elsewhere.</source>
        <translation>%1 est le fichier en cours de lecture&#xa0;: écrivez la sortie ailleurs.</translation>
    </message>
    <message>
        <source>Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, such as 476E2.</source>
        <translation>Addr est vide&#xa0;: saisissez en hexadécimal le décalage de l&apos;enregistrement de lettre dans l&apos;image ROM, par exemple 476E2.</translation>
    </message>
    <message>
        <source>The offset in Addr, &quot;%1&quot;, is not a hexadecimal number (only the digits 0-9 and A-F, such as 476E2).</source>
        <translation>Le décalage dans Addr, «&#xa0;%1&#xa0;», n&apos;est pas un nombre hexadécimal (uniquement les chiffres 0-9 et A-F, par exemple 476E2).</translation>
    </message>
    <message>
        <source>The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of the same size, since an IPS patch cannot shorten an image and this program never lengthens one.</source>
        <translation>L&apos;image d&apos;origine fait %1 octets et l&apos;image modifiée %2 octets&#xa0;: un patch ne se crée qu&apos;entre images de même taille, car un patch IPS ne peut pas raccourcir une image et ce programme n&apos;en allonge jamais.</translation>
    </message>
    <message>
        <source>The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from 0x1000000 on.</source>
        <translation>Les images diffèrent au décalage 0x%1, au-delà des 16 premiers&#xa0;Mio&#xa0;: un patch IPS ne peut pas atteindre les décalages à partir de 0x1000000.</translation>
    </message>
    <message>
        <source>This is not an IPS patch: it does not begin with &quot;PATCH&quot;.</source>
        <translation>Ce n&apos;est pas un patch IPS&#xa0;: il ne commence pas par «&#xa0;PATCH&#xa0;».</translation>
    </message>
    <message>
        <source>The patch is cut short: it ends at byte %1 without its &quot;EOF&quot; marker.</source>
        <translation>Le patch est tronqué&#xa0;: il se termine à l&apos;octet %1 sans son marqueur «&#xa0;EOF&#xa0;».</translation>
    </message>
    <message>
        <source>The patch is cut short: record %1 at byte %2 ends after the patch does.</source>
        <translation>Le patch est tronqué&#xa0;: l&apos;enregistrement %1 à l&apos;octet %2 se termine après la fin du patch.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.</source>
        <translation>L&apos;enregistrement %1 à l&apos;octet %2 du patch est mal formé&#xa0;: il répète un octet 0 fois.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS patch can reach.</source>
        <translation>L&apos;enregistrement %1 à l&apos;octet %2 du patch écrit aux décalages 0x%3 à 0x%4, au-delà des 16 premiers&#xa0;Mio qu&apos;un patch IPS peut atteindre.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): applying a patch never makes an image longer.</source>
        <translation>L&apos;enregistrement %1 à l&apos;octet %2 du patch écrit aux décalages 0x%3 à 0x%4, après la fin de l&apos;image (%5 octets)&#xa0;: appliquer un patch n&apos;allonge jamais une image.</translation>
    </message>
    <message>
        <source>The patch asks for an image of %1 bytes after its &quot;EOF&quot; marker, but the image is %2 bytes: applying a patch never changes an image&apos;s size.</source>
        <translation>Le patch demande une image de %1 octets après son marqueur «&#xa0;EOF&#xa0;», mais l&apos;image fait %2 octets&#xa0;: appliquer un patch ne change jamais la taille d&apos;une image.</translation>
    </message>
    <message>
        <source>The patch goes on after its &quot;EOF&quot; marker at byte %1 and ends at byte %2; only a 3-byte size may follow the marker.</source>
        <translation>Le patch continue après son marqueur «&#xa0;EOF&#xa0;» à l&apos;octet %1 et se termine à l&apos;octet %2&#xa0;; seule une taille de 3 octets peut suivre le marqueur.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written into %2, and it is read as it is.</source>
        <translation>%1, à côté de %2, est peut-être le journal d&apos;une écriture interrompue, mais il a été laissé tel quel&#xa0;: %3. Rien n&apos;a été écrit dans %2, qui est lu tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.</source>
        <translation>%1, à côté de %2, est le journal d&apos;une écriture interrompue, mais le fichier a changé depuis (ou le journal est endommagé)&#xa0;: le journal a été ignoré et %2 laissé tel quel, mais le journal n&apos;a pas pu être supprimé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 held the journal of a write that was cut short, but the file has changed since (or the journal was damaged): the journal was removed and %2 was left as it is.</source>
        <translation>%1 contenait le journal d&apos;une écriture interrompue, mais le fichier a changé depuis (ou le journal était endommagé)&#xa0;: le journal a été supprimé et %2 laissé tel quel.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>il appartient à un autre utilisateur (uid %1)</translation>
    </message>
    <message>
        <source>it can&apos;t be read: %1</source>
        <translation>il ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>users other than its owner may write into it</source>
        <translation>d&apos;autres utilisateurs que son propriétaire peuvent y écrire</translation>
    </message>
    <message>
        <source>it has more than one name (hard links)</source>
        <translation>il a plus d&apos;un nom (liens physiques)</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 appartient à un autre utilisateur (uid %2)</translation>
    </message>
    <message>
        <source>it is the journal of another file</source>
        <translation>c&apos;est le journal d&apos;un autre fichier</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short before it changed any byte (the program that made it ended before it was done): the file is as it was before that write.</source>
        <translation>La dernière écriture dans %1 a été interrompue avant d&apos;avoir modifié le moindre octet (le programme qui l&apos;effectuait s&apos;est arrêté avant la fin)&#xa0;: le fichier est tel qu&apos;il était avant cette écriture.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, so nothing was written, but the journal could not be removed: %3.</source>
        <translation>%1, à côté de %2, est le journal d&apos;une écriture interrompue. Chaque octet qu&apos;il désigne a déjà son ancienne valeur, donc rien n&apos;a été écrit, mais le journal n&apos;a pas pu être supprimé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>A write into %1 was cut short (the program that made it ended before it was done), and its old bytes can&apos;t be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens the file.</source>
        <translation>Une écriture dans %1 a été interrompue (le programme qui l&apos;effectuait s&apos;est arrêté avant la fin), et ses anciens octets ne peuvent pas être remis&#xa0;: %2. Ils sont conservés dans %3, à côté du fichier, et l&apos;éditeur réessaiera à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>offsets %1</source>
        <translation>décalages %1</translation>
    </message>
    <message>
        <source>%1 ranges from %2 to %3</source>
        <translation>%1 plages, de %2 à %3</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write.</source>
        <translation>La dernière écriture dans %1 a été interrompue&#xa0;: le programme qui l&apos;effectuait s&apos;est arrêté avant la fin. Les octets qu&apos;elle modifiait (%2) ont été remis, le fichier est donc tel qu&apos;il était avant cette écriture.</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not be removed: %4.</source>
        <translation>La dernière écriture dans %1 a été interrompue&#xa0;: le programme qui l&apos;effectuait s&apos;est arrêté avant la fin. Les octets qu&apos;elle modifiait (%2) ont été remis, le fichier est donc tel qu&apos;il était avant cette écriture, mais son journal %3 n&apos;a pas pu être supprimé&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 is empty: a letter file holds one letter record.</source>
        <translation>%1 est vide&#xa0;: un fichier de lettre contient un enregistrement de lettre.</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Lecture au-delà de la fin du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 for writing: %2. Nothing was written.</source>
        <translation>Impossible de verrouiller %1 en écriture&#xa0;: %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is being written by another program (pid %2). Nothing was written: try again when it is done.</source>
        <translation>%1 est en cours d&apos;écriture par un autre programme (pid %2). Rien n&apos;a été écrit&#xa0;: réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Nothing was written: try again when it is done.</source>
        <translation>%1 est en cours d&apos;écriture par un autre programme. Rien n&apos;a été écrit&#xa0;: réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 points; the editor holds at most %3.</source>
        <translation>La lettre au décalage %1 a %2 points&#xa0;; l&apos;éditeur en gère au plus %3.</translation>
    </message>
    <message>
        <source>The letter has %1 points; the editor holds at most %2.</source>
        <translation>La lettre a %1 points&#xa0;; l&apos;éditeur en gère au plus %2.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 polygons; the editor holds at most %3.</source>
        <translation>La lettre au décalage %1 a %2 polygones&#xa0;; l&apos;éditeur en gère au plus %3.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; the editor holds at most %2.</source>
        <translation>La lettre a %1 polygones&#xa0;; l&apos;éditeur en gère au plus %2.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.</source>
        <translation>Le polygone %1 de la lettre au décalage %2 a %3 sommets&#xa0;; l&apos;éditeur en gère au plus %4.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter has %2 corners; the editor holds at most %3.</source>
        <translation>Le polygone %1 de la lettre a %2 sommets&#xa0;; l&apos;éditeur en gère au plus %3.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: it was left as it was.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire&#xa0;: il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, and the editor writes this file only as a file of its own. %2</source>
        <translation>%1 est un lien symbolique, et l&apos;éditeur n&apos;écrit ce fichier que comme un fichier à part entière. %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 est une image ROM de %2 octets, et une sortie ne remplace jamais une image ROM&#xa0;: rien n&apos;a été écrit. Donnez un autre nom à la sortie.</translation>
    </message>
    <message>
        <source>%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 mène à %2, une image ROM de %3 octets, et une sortie ne remplace jamais une image ROM&#xa0;: rien n&apos;a été écrit. Donnez un autre nom à la sortie.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 was not created.</source>
        <translation>%1 n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may be back.</source>
        <translation>%1 a été écrit, mais son dossier n&apos;a pas pu être synchronisé sur le disque&#xa0;: %2. Après une coupure de courant, l&apos;ancien fichier peut revenir.</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Le disque est plein&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 None of the %2 files was written.</source>
        <translation>%1 Aucun des %2 fichiers n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 These files were written before it: %2.</source>
        <translation>%1 Ces fichiers avaient été écrits auparavant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>its journal %1 could not be written beside it: %2</source>
        <translation>son journal %1 n&apos;a pas pu être écrit à côté de lui&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 The bytes that were there before were put back: the file is as it was.</source>
        <translation>%1 Les octets qui s&apos;y trouvaient auparavant ont été remis&#xa0;: le fichier est tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are kept beside it, and the editor puts them back the next time it opens the file.</source>
        <translation>%1 La remise des anciens octets a échoué elle aussi (%2)&#xa0;: les décalages %3 de %4 ont pu être modifiés. Leurs anciens octets sont conservés à côté du fichier, et l&apos;éditeur les remettra à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>Not one of the five known dumps
CRC32 %1</source>
        <translation>Aucun des cinq dumps connus
CRC32 %1</translation>
    </message>
    <message>
        <source>%1 (with a 512-byte header)
CRC32 %2</source>
        <translation>%1 (avec un en-tête de 512 octets)
CRC32 %2</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Aucune image ROM n&apos;est encore ouverte. Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis lisez les mots.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Aucune image ROM n&apos;est encore ouverte. Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis écrivez les mots.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Le dernier fichier ouvert, «&#xa0;%1&#xa0;», est un fichier de lettre, pas une image ROM (%2 octets&#xa0;; une image ROM dépasse 2,000,000 octets). Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis lisez les mots.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Le dernier fichier ouvert, «&#xa0;%1&#xa0;», est un fichier de lettre, pas une image ROM (%2 octets&#xa0;; une image ROM dépasse 2,000,000 octets). Ouvrez d&apos;abord une image ROM avec «&#xa0;Ouvrir fichier&#xa0;», puis écrivez les mots.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3. Nothing was written.</source>
        <translation>Impossible de lire le mot %1 dans «&#xa0;%2&#xa0;»&#xa0;: %3. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3.</source>
        <translation>Impossible de lire le mot %1 dans «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file ends after %5 bytes.</source>
        <translation>«&#xa0;%1&#xa0;» est trop court pour les mots du dump %2&#xa0;: le mot %3 se trouve au décalage %4, mais le fichier se termine après %5 octets.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is %4 characters, but each letter of the word is one character.</source>
        <translation>Lettre %1 de %2&#xa0;: «&#xa0;%3&#xa0;» fait %4 caractères, mais chaque lettre du mot est un seul caractère.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is not a character the game can show.</source>
        <translation>Lettre %1 de %2&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un caractère que le jeu peut afficher.</translation>
    </message>
    <message>
        <source>Cannot write the words into %1: %2.</source>
        <translation>Impossible d&apos;écrire les mots dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>x of point %1</source>
        <translation>x du point %1</translation>
    </message>
    <message>
        <source>y of point %1</source>
        <translation>y du point %1</translation>
    </message>
    <message>
        <source>point %1 in the letter</source>
        <translation>point %1 dans la lettre</translation>
    </message>
    <message>
        <source>place point %1 with a click on the preview</source>
        <translation>placer le point %1 d&apos;un clic sur l&apos;aperçu</translation>
    </message>
    <message>
        <source>number of points, hexadecimal</source>
        <translation>nombre de points, en hexadécimal</translation>
    </message>
    <message>
        <source>number of polygons, hexadecimal</source>
        <translation>nombre de polygones, en hexadécimal</translation>
    </message>
    <message>
        <source>corners of polygon %1</source>
        <translation>sommets du polygone %1</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: point</source>
        <translation>sommet %1 du polygone %2&#xa0;: point</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: parameter</source>
        <translation>sommet %1 du polygone %2&#xa0;: paramètre</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2 in use</source>
        <translation>sommet %1 du polygone %2 utilisé</translation>
    </message>
    <message>
        <source>offset of the letter in the file, hexadecimal</source>
        <translation>décalage de la lettre dans le fichier, en hexadécimal</translation>
    </message>
    <message>
        <source>the letter&apos;s record</source>
        <translation>l&apos;enregistrement de la lettre</translation>
    </message>
    <message>
        <source>PAUSE, letter %1</source>
        <translation>PAUSE, lettre %1</translation>
    </message>
    <message>
        <source>GAME OVER, letter %1</source>
        <translation>GAME OVER, lettre %1</translation>
    </message>
    <message>
        <source>next letter of the catalogue</source>
        <translation>lettre suivante du catalogue</translation>
    </message>
    <message>
        <source>previous letter of the catalogue</source>
        <translation>lettre précédente du catalogue</translation>
    </message>
    <message>
        <source>reload the letter from the file</source>
        <translation>recharger la lettre depuis le fichier</translation>
    </message>
    <message>
        <source>clear the letter</source>
        <translation>effacer la lettre</translation>
    </message>
    <message>
        <source>read the words from the ROM image</source>
        <translation>lire les mots dans l&apos;image ROM</translation>
    </message>
    <message>
        <source>write the words into the ROM image</source>
        <translation>écrire les mots dans l&apos;image ROM</translation>
    </message>
    <message>
        <source>ROM variant</source>
        <translation>variante de ROM</translation>
    </message>
    <message>
        <source>preview of the letter</source>
        <translation>aperçu de la lettre</translation>
    </message>
    <message>
        <source>point numbers and axes over the preview</source>
        <translation>numéros des points et axes par-dessus l&apos;aperçu</translation>
    </message>
    <message>
        <source>the drawing board&apos;s square</source>
        <translation>le carré de la planche à dessin</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordonnées&#xa0;:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polygones</translation>
    </message>
    <message>
        <source>Total bytes: </source>
        <translation>Total octets&#xa0;: </translation>
    </message>
    <message>
        <source>START!</source>
        <translation>LANCER&#xa0;!</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir fichier</translation>
    </message>
    <message>
        <source>Export letter to Rom</source>
        <translation>Exporter vers la Rom</translation>
    </message>
    <message>
        <source>Export letter to file</source>
        <translation>Exporter en fichier</translation>
    </message>
    <message>
        <source>Convert to Translhextion</source>
        <translation>Convertir en Translhextion</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Afficher les points</translation>
    </message>
    <message>
        <source>Display axes</source>
        <translation>Afficher les axes</translation>
    </message>
    <message>
        <source>Angles of %1 polygon</source>
        <translation>Sommets du polygone %1</translation>
    </message>
    <message>
        <source>vertex/parameters</source>
        <translation>sommet/paramètres</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Émulateur</translation>
    </message>
    <message>
        <source>The command line that starts your emulator. %f stands for the file to play: a copy of the open ROM image with the letter and the words as the fields hold them. Quotes &apos; and &quot; group words as in a shell. Left empty, the first of mednafen, snes9x, bsnes and retroarch on the PATH is used.</source>
        <translation>La ligne de commande qui lance votre émulateur. %f représente le fichier à jouer&#xa0;: une copie de l&apos;image ROM ouverte, avec la lettre et les mots tels que les champs les contiennent. Les guillemets &apos; et &quot; regroupent des mots comme dans un shell. Laissée vide, c&apos;est le premier de mednafen, snes9x, bsnes et retroarch trouvé dans le PATH qui est utilisé.</translation>
    </message>
    <message>
        <source>A polygon needs two corners or more.</source>
        <translation>Un polygone a besoin d&apos;au moins deux sommets.</translation>
    </message>
    <message>
        <source>pen: click to place the first corner</source>
        <translation>plume&#xa0;: cliquez pour placer le premier sommet</translation>
    </message>
    <message>
        <source>pen: %1 corners, click closes the polygon</source>
        <translation>plume&#xa0;: %1 sommets, un clic ferme le polygone</translation>
    </message>
    <message>
        <source>pen: %1 corners (Enter closes, Backspace takes the last back)</source>
        <translation>plume&#xa0;: %1 sommets (Entrée ferme, Retour arrière retire le dernier)</translation>
    </message>
    <message>
        <source>vertiloom-cli: warning: %1</source>
        <translation>vertiloom-cli&#xa0;: avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Missing arguments.</source>
        <translation>Arguments manquants.</translation>
    </message>
    <message>
        <source>Too many arguments: &quot;%1&quot;.</source>
        <translation>Trop d&apos;arguments&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>An argument is empty: give the name of a file.</source>
        <translation>Un argument est vide&#xa0;: indiquez le nom d&apos;un fichier.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 prend un nombre entier de %2 à %3, et non «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 is empty: give the name of the file to write.</source>
        <translation>--%1 est vide&#xa0;: indiquez le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>Afficher du JSON au lieu de texte.</translation>
    </message>
    <message>
        <source>%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than 2,000,000 bytes).%3</source>
        <translation>%1 est un fichier de lettre de %2 octets, pas une image ROM (une image ROM dépasse 2,000,000 octets).%3</translation>
    </message>
    <message>
        <source>Cannot encode the picture as PNG.</source>
        <translation>Impossible d&apos;encoder l&apos;image en PNG.</translation>
    </message>
    <message>
        <source>The font: an installed family with its style after a colon (&quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>La police&#xa0;: une famille installée, avec son style après un deux-points («&#xa0;DejaVu Sans:Bold&#xa0;»), ou un fichier .ttf ou .otf.</translation>
    </message>
    <message>
        <source>pieces (convex polygons sharing their corner points, as the game&apos;s own letters are built; the default) or outline (one polygon per contour, holes included).</source>
        <translation>pieces (des polygones convexes qui partagent leurs points de sommet, comme sont construites les lettres du jeu lui-même&#xa0;; par défaut) ou outline (un polygone par contour, trous compris).</translation>
    </message>
    <message>
        <source>The box the letter is fitted into, in units from -128 to 127: left, top, right and foot (y grows downwards). The letter keeps its aspect, is centred across and stands on the foot.</source>
        <translation>Le cadre dans lequel la lettre est ajustée, en unités de -128 à 127&#xa0;: gauche, haut, droite et pied (y croît vers le bas). La lettre garde ses proportions, est centrée en largeur et repose sur le pied.</translation>
    </message>
    <message>
        <source>--style takes pieces or outline, not &quot;%1&quot;.</source>
        <translation>--style prend pieces ou outline, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter&apos;s square (such as -60,-90,60,0), not &quot;%1&quot;.</source>
        <translation>--box prend quatre nombres entiers X0,Y0,X1,Y1 de -128 à 127, le carré de la lettre (par exemple -60,-90,60,0), et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The dump to read the image as, 1 to 5 in the order of the ROM panel (default: the best fitting one, else 1).</source>
        <translation>Le dump selon lequel lire l&apos;image, de 1 à 5 dans l&apos;ordre du panneau ROM (par défaut&#xa0;: celui qui correspond le mieux, sinon 1).</translation>
    </message>
    <message>
        <source>The catalogue letter: its label (&quot;A (57) 84&quot;) or its glyph (A).</source>
        <translation>La lettre du catalogue&#xa0;: son libellé («&#xa0;A (57) 84&#xa0;») ou son glyphe (A).</translation>
    </message>
    <message>
        <source>The letter record&apos;s file offset (hexadecimal).</source>
        <translation>Le décalage de l&apos;enregistrement de lettre dans le fichier (en hexadécimal).</translation>
    </message>
    <message>
        <source>Give --letter or --offset, not both.</source>
        <translation>Indiquez --letter ou --offset, pas les deux.</translation>
    </message>
    <message>
        <source>No catalogue letter is labelled &quot;%1&quot;.</source>
        <translation>Aucune lettre du catalogue n&apos;a pour libellé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--offset takes a hexadecimal file offset such as 476E2, not &quot;%1&quot;.</source>
        <translation>--offset prend un décalage hexadécimal dans le fichier, comme 476E2, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>Fits letters into the game&apos;s limits (at most 20 points, 8 polygons, 11 corners each) without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, curves and strokes included; any other a picture, whose dark shape is traced), then one for each character of --chars in --font. Each letter is placed in the box (--box, else the default letter&apos;s), and its line says how close it came. OUT by its name: *.svg the letter&apos;s SVG drawing, *.png the letter as the preview draws it, a folder (one that exists, or a name ending in /) a letter file per letter and sheet.png, a contact sheet of them all with their figures; any other name a letter file. Several letters need a folder. When any letter can&apos;t be fitted, nothing is written.</source>
        <translation>Ajuste des lettres dans les limites du jeu (au plus 20 points, 8 polygones, 11 sommets chacun) sans toucher à aucune image ROM&#xa0;: une par SOURCE (un fichier nommé *.svg est un dessin, courbes et traits compris&#xa0;; tout autre est une image, dont la forme sombre est décalquée), puis une par caractère de --chars dans --font. Chaque lettre est placée dans le cadre (--box, sinon celui de la lettre par défaut), et sa ligne indique à quel point elle est proche de la source. OUT selon son nom&#xa0;: *.svg le dessin SVG de la lettre, *.png la lettre telle que l&apos;aperçu la dessine, un dossier (existant, ou un nom finissant par /) un fichier de lettre par lettre et sheet.png, une planche-contact de toutes les lettres avec leurs mesures&#xa0;; tout autre nom un fichier de lettre. Plusieurs lettres demandent un dossier. Quand une lettre ne peut pas être ajustée, rien n&apos;est écrit.</translation>
    </message>
    <message>
        <source>A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number.</source>
        <translation>Un dessin (*.svg) ou une image (PNG, JPEG, BMP...) à ajuster&#xa0;; autant que voulu.</translation>
    </message>
    <message>
        <source>The characters of --font to fit, a letter each (white space and repeats passed over).</source>
        <translation>Les caractères de --font à ajuster, une lettre chacun (espaces et répétitions ignorés).</translation>
    </message>
    <message>
        <source>The letter file, drawing (*.svg), picture (*.png) or folder (DIR/) to write.</source>
        <translation>Le fichier de lettre, le dessin (*.svg), l&apos;image (*.png) ou le dossier (DIR/) à écrire.</translation>
    </message>
    <message>
        <source>--font needs --chars: give the characters to fit.</source>
        <translation>--font demande --chars&#xa0;: indiquez les caractères à ajuster.</translation>
    </message>
    <message>
        <source>--chars needs --font: give the font to take the characters from.</source>
        <translation>--chars demande --font&#xa0;: indiquez la police d&apos;où prendre les caractères.</translation>
    </message>
    <message>
        <source>Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture (*.png) or a folder (DIR/).</source>
        <translation>Indiquez quoi écrire avec -o OUT&#xa0;: un fichier de lettre, un dessin (*.svg), une image (*.png) ou un dossier (DIR/).</translation>
    </message>
    <message>
        <source>Give a drawing or picture to fit, or --font F with --chars TEXT.</source>
        <translation>Indiquez un dessin ou une image à ajuster, ou --font F avec --chars TEXT.</translation>
    </message>
    <message>
        <source>%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that exists), where each letter gets its letter file, and sheet.png.</source>
        <translation>%1 lettres demandent un dossier&#xa0;: indiquez -o DIR/ (un nom finissant par /, ou un dossier existant), où chaque lettre reçoit son fichier de lettre, ainsi que sheet.png.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be fitted.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: certaines lettres ne peuvent pas être ajustées.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons</source>
        <translation>%1 points, %2 polygones</translation>
    </message>
    <message>
        <source>IoU %1 %, distance ≤ %2</source>
        <translation>IoU %1&#xa0;%, distance ≤ %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1. Nothing was written.</source>
        <translation>Impossible de créer le dossier %1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>with a 512-byte header</source>
        <translation>avec un en-tête de 512 octets</translation>
    </message>
    <message>
        <source>no header</source>
        <translation>sans en-tête</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Copier header:</source>
        <translation>En-tête de copieur&#xa0;:</translation>
    </message>
    <message>
        <source>Cartridge:</source>
        <translation>Cartouche&#xa0;:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Somme de contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Map mode:</source>
        <translation>Mode de mappage&#xa0;:</translation>
    </message>
    <message>
        <source>ROM size:</source>
        <translation>Taille de ROM&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Dumps:</source>
        <translation>Dumps&#xa0;:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots&#xa0;:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>no header at 7FC0 or FFC0</source>
        <translation>aucun en-tête en 7FC0 ni en FFC0</translation>
    </message>
    <message>
        <source>the image&apos;s own is %1 (the 16-bit sum of its bytes); no header holds one to compare</source>
        <translation>celle de l&apos;image est %1 (la somme sur 16 bits de ses octets)&#xa0;; aucun en-tête n&apos;en contient une pour comparer</translation>
    </message>
    <message>
        <source>header at %1, the high place</source>
        <translation>en-tête en %1, à l&apos;emplacement haut</translation>
    </message>
    <message>
        <source>header at %1, the low place</source>
        <translation>en-tête en %1, à l&apos;emplacement bas</translation>
    </message>
    <message>
        <source>(file offset %1, after the copier header)</source>
        <translation>(décalage %1 dans le fichier, après l&apos;en-tête de copieur)</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they match</source>
        <translation>stockée %1, complément %2&#xa0;; celle de l&apos;image est %3 (la somme sur 16 bits de ses octets)&#xa0;: elles correspondent</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they do not match</source>
        <translation>stockée %1, complément %2&#xa0;; celle de l&apos;image est %3 (la somme sur 16 bits de ses octets)&#xa0;: elles ne correspondent pas</translation>
    </message>
    <message>
        <source>Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image without a copier header), whether it has a copier header, its cartridge header when it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether the stored checksum is the image&apos;s own), the known dumps whose letters all fit, and its PAUSE and GAME OVER words (read at the best fitting dump&apos;s offsets, else the first dump&apos;s).</source>
        <translation>Indique ce qu&apos;est une image ROM&#xa0;: sa taille, ses CRC32, MD5 et SHA-1 (tous trois de l&apos;image sans en-tête de copieur), si elle a un en-tête de copieur, son en-tête de cartouche quand elle en a un en 7FC0 ou FFC0 (titre, mode de mappage, taille de ROM, pays, version, et si la somme de contrôle stockée est bien celle de l&apos;image), les dumps connus dont toutes les lettres correspondent, et ses mots PAUSE et GAME OVER (lus aux décalages du dump qui correspond le mieux, sinon à ceux du premier dump).</translation>
    </message>
    <message>
        <source>The ROM image.</source>
        <translation>L&apos;image ROM.</translation>
    </message>
    <message>
        <source>a letter file, not a ROM image: it holds no words</source>
        <translation>un fichier de lettre, pas une image ROM&#xa0;: il ne contient aucun mot</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>none of the five known dumps fits</source>
        <translation>aucun des cinq dumps connus ne correspond</translation>
    </message>
    <message>
        <source>%1, words known</source>
        <translation>%1, mots connus</translation>
    </message>
    <message>
        <source>Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the length the catalogue gives, and the record read there as a load reads it (its length, points and polygons), or why it can&apos;t be read.</source>
        <translation>Liste les 24 lettres du catalogue d&apos;un dump dans une image ROM&#xa0;: libellé, décalage dans le fichier, longueur indiquée par le catalogue, et l&apos;enregistrement qui s&apos;y lit comme le lit un chargement (sa longueur, ses points et ses polygones), ou pourquoi il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>every letter fits</source>
        <translation>toutes les lettres correspondent</translation>
    </message>
    <message>
        <source>not every letter fits</source>
        <translation>certaines lettres ne correspondent pas</translation>
    </message>
    <message>
        <source>longer than the catalogue says</source>
        <translation>plus long que ne l&apos;indique le catalogue</translation>
    </message>
    <message>
        <source>no record: %1</source>
        <translation>aucun enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Compares the checksum and its complement in the image&apos;s cartridge header (at 7FC0 or FFC0, counted after a copier header) with the image&apos;s own checksum: the 16-bit sum of its bytes without the copier header, the remainder of a size that is no power of two repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 when they do not or no header is found. With --fix, writes the right checksum and complement, those 4 bytes and no other, with import&apos;s safeguards: the image is first copied to IMAGE.bak, and a write cut short is put back.</source>
        <translation>Compare la somme de contrôle et son complément de l&apos;en-tête de cartouche de l&apos;image (en 7FC0 ou FFC0, comptés après un en-tête de copieur) avec la somme de contrôle propre de l&apos;image&#xa0;: la somme sur 16 bits de ses octets sans l&apos;en-tête de copieur, le reste d&apos;une taille qui n&apos;est pas une puissance de deux étant répété comme la console le voit. Code de sortie 0 quand elles correspondent (ou que --fix les a corrigées), 1 quand elles ne correspondent pas ou qu&apos;aucun en-tête n&apos;est trouvé. Avec --fix, écrit la bonne somme de contrôle et son complément, ces 4 octets et aucun autre, avec les garde-fous de la commande import&#xa0;: l&apos;image est d&apos;abord copiée dans IMAGE.bak, et une écriture interrompue est annulée.</translation>
    </message>
    <message>
        <source>Write the image&apos;s own checksum and its complement into the header.</source>
        <translation>Écrire dans l&apos;en-tête la somme de contrôle propre de l&apos;image et son complément.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1</source>
        <translation>Aucun en-tête de cartouche n&apos;a été trouvé en 7FC0 ni en FFC0&#xa0;: il n&apos;y a aucune somme de contrôle à comparer.%1</translation>
    </message>
    <message>
        <source>Nothing to set: nothing was written.</source>
        <translation>Rien à corriger&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The header&apos;s checksum does not match the image&apos;s own (--fix sets it).</source>
        <translation>La somme de contrôle de l&apos;en-tête ne correspond pas à celle de l&apos;image (--fix la corrige).</translation>
    </message>
    <message>
        <source>Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is in %5.</source>
        <translation>Somme de contrôle %1 et son complément %2 écrits au décalage %3 de %4&#xa0;; l&apos;image telle qu&apos;elle était se trouve dans %5.</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the IPS patch that turns ORIGINAL into MODIFIED (images of the same size); &quot;apply&quot; writes IMAGE with PATCH applied to the file given with -o, after checking the whole patch.</source>
        <translation>«&#xa0;create&#xa0;» écrit le patch IPS qui transforme ORIGINAL en MODIFIED (images de même taille)&#xa0;; «&#xa0;apply&#xa0;» écrit IMAGE, avec PATCH appliqué, dans le fichier indiqué par -o, après avoir vérifié tout le patch.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Quoi faire.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image.</source>
        <translation>create&#xa0;: l&apos;image d&apos;origine&#xa0;; apply&#xa0;: l&apos;image.</translation>
    </message>
    <message>
        <source>create: the modified image; apply: the patch.</source>
        <translation>create&#xa0;: l&apos;image modifiée&#xa0;; apply&#xa0;: le patch.</translation>
    </message>
    <message>
        <source>create: the patch to write; apply: the patched image to write.</source>
        <translation>create&#xa0;: le patch à écrire&#xa0;; apply&#xa0;: l&apos;image patchée à écrire.</translation>
    </message>
    <message>
        <source>The first argument is create or apply, not &quot;%1&quot;.</source>
        <translation>Le premier argument est create ou apply, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give the file to write with -o FILE.</source>
        <translation>Indiquez le fichier à écrire avec -o FILE.</translation>
    </message>
    <message>
        <source>%1: %2 bytes (the images are the same)</source>
        <translation>%1&#xa0;: %2 octets (les images sont identiques)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1&#xa0;: %2 octets</translation>
    </message>
    <message>
        <source>%1: %2 bytes, %3 changed</source>
        <translation>%1&#xa0;: %2 octets, dont %3 modifiés</translation>
    </message>
    <message>
        <source>All 24 catalogue letters.</source>
        <translation>Les 24 lettres du catalogue.</translation>
    </message>
    <message>
        <source>%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, --dump and --all are for a ROM image.</source>
        <translation>%1 est un fichier de lettre (%2 octets)&#xa0;: il contient une seule lettre, et --letter, --offset, --dump et --all sont réservés à une image ROM.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1&#xa0;: aucun enregistrement</translation>
    </message>
    <message>
        <source>Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, six across, each labelled. An output named *.svg is the letter&apos;s SVG drawing instead, as &quot;Export letter to SVG&quot; writes it (--scale, --no-numbers, --no-axes and --all are for a PNG picture).</source>
        <translation>Dessine une lettre telle que l&apos;aperçu la montre après un chargement, pixel pour pixel (255 x 255), et l&apos;écrit en image PNG&#xa0;; avec --all, les 24 lettres du catalogue sur une seule planche, six par rangée, chacune avec son libellé. Une sortie nommée *.svg est plutôt le dessin SVG de la lettre, tel que l&apos;écrit «&#xa0;Exporter la lettre en SVG&#xa0;» (--scale, --no-numbers, --no-axes et --all sont réservés à une image PNG).</translation>
    </message>
    <message>
        <source>A ROM image (the letter at --letter or --offset, else the first catalogue letter) or a letter file.</source>
        <translation>Une image ROM (la lettre de --letter ou de --offset, sinon la première lettre du catalogue) ou un fichier de lettre.</translation>
    </message>
    <message>
        <source>Enlarge every pixel to N x N (1 to 16).</source>
        <translation>Agrandir chaque pixel à N x N (de 1 à 16).</translation>
    </message>
    <message>
        <source>Without the point numbers.</source>
        <translation>Sans les numéros des points.</translation>
    </message>
    <message>
        <source>Without the axes.</source>
        <translation>Sans les axes.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Le fichier à écrire.</translation>
    </message>
    <message>
        <source>Give --all, or one letter with --letter or --offset.</source>
        <translation>Indiquez --all, ou une lettre avec --letter ou --offset.</translation>
    </message>
    <message>
        <source>Give the picture to write with -o FILE.</source>
        <translation>Indiquez l&apos;image à écrire avec -o FILE.</translation>
    </message>
    <message>
        <source>--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG drawing holds one letter at its units, with its point numbers.</source>
        <translation>--scale, --no-numbers, --no-axes et --all sont réservés à une image PNG&#xa0;: un dessin SVG contient une seule lettre à ses unités, avec ses numéros de points.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Non écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Writes a letter file of one letter of a ROM image, or with --all one letter file per catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as &quot;Export letter to file&quot; writes them after a load.</source>
        <translation>Écrit un fichier de lettre d&apos;une lettre d&apos;une image ROM, ou avec --all un fichier de lettre par lettre du catalogue dans un dossier (nommé d&apos;après le glyphe et le décalage, comme P_476E2.bin), tels que «&#xa0;Exporter en fichier&#xa0;» les écrit après un chargement.</translation>
    </message>
    <message>
        <source>The letter file to write; with --all, the folder.</source>
        <translation>Le fichier de lettre à écrire&#xa0;; avec --all, le dossier.</translation>
    </message>
    <message>
        <source>Give one letter with --letter or --offset, or --all.</source>
        <translation>Indiquez une lettre avec --letter ou --offset, ou --all.</translation>
    </message>
    <message>
        <source>Give the folder to write into with -o DIR.</source>
        <translation>Indiquez le dossier où écrire avec -o DIR.</translation>
    </message>
    <message>
        <source>Give the letter file to write with -o FILE.</source>
        <translation>Indiquez le fichier de lettre à écrire avec -o FILE.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be read.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: certaines lettres ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was written.</source>
        <translation>%1&#xa0;: %2 Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Not written: %1 Nothing was written.</source>
        <translation>Non écrit&#xa0;: %1 Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is not a folder: with --all, give the folder of letter files that extract --all wrote. Nothing was written.</source>
        <translation>%1 n&apos;est pas un dossier&#xa0;: avec --all, indiquez le dossier de fichiers de lettre qu&apos;a écrit extract --all. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2. Nothing was written.</source>
        <translation>Impossible de lire le dossier %1&#xa0;: %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: a letter file&apos;s name must end in _ and its offset, as extract --all names them (P_476E2.bin). Nothing was written.</source>
        <translation>%1&#xa0;: le nom d&apos;un fichier de lettre doit finir par _ suivi de son décalage, comme les nomme extract --all (P_476E2.bin). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 holds no letter files (*.bin). Nothing was written.</source>
        <translation>%1 ne contient aucun fichier de lettre (*.bin). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>a %1-byte record</source>
        <translation>un enregistrement de %1 octets</translation>
    </message>
    <message>
        <source>no letter record</source>
        <translation>aucun enregistrement de lettre</translation>
    </message>
    <message>
        <source>%1 more point</source>
        <translation>%1 point de plus</translation>
    </message>
    <message>
        <source>%1 more points</source>
        <translation>%1 points de plus</translation>
    </message>
    <message>
        <source>%1 fewer point</source>
        <translation>%1 point de moins</translation>
    </message>
    <message>
        <source>%1 fewer points</source>
        <translation>%1 points de moins</translation>
    </message>
    <message>
        <source>%1 more polygon</source>
        <translation>%1 polygone de plus</translation>
    </message>
    <message>
        <source>%1 more polygons</source>
        <translation>%1 polygones de plus</translation>
    </message>
    <message>
        <source>%1 fewer polygon</source>
        <translation>%1 polygone de moins</translation>
    </message>
    <message>
        <source>%1 fewer polygons</source>
        <translation>%1 polygones de moins</translation>
    </message>
    <message>
        <source>%1 more corner</source>
        <translation>%1 sommet de plus</translation>
    </message>
    <message>
        <source>%1 more corners</source>
        <translation>%1 sommets de plus</translation>
    </message>
    <message>
        <source>%1 fewer corner</source>
        <translation>%1 sommet de moins</translation>
    </message>
    <message>
        <source>%1 fewer corners</source>
        <translation>%1 sommets de moins</translation>
    </message>
    <message>
        <source>The new record has %1 than the one there.</source>
        <translation>Le nouvel enregistrement a %1 que celui qui s&apos;y trouve.</translation>
    </message>
    <message>
        <source>Writes the letter of a letter file into a ROM image at a catalogue letter or an offset, as &quot;Export letter to Rom&quot; does: the record is checked first, a record longer than the one there is refused unless --allow-longer is given, an image of none of the known dumps is refused, and the image is first copied to IMAGE.bak. A file named *.svg is a drawing: its letter is read as &quot;Import letter from SVG&quot; reads it, the bytes a drawing can&apos;t show taken from the record at that offset. With --fit, the letter is fitted into the game&apos;s limits from a drawing (curves and strokes included) or a picture (its dark shape traced), and with --font and --char (and no LETTERFILE) from a font&apos;s character: in the box of the record there (--box to choose another), over that record. With --all, every letter file of a folder goes to the offset in its name (as extract --all names them), all checked before any is written, in one write and one backup.</source>
        <translation>Écrit la lettre d&apos;un fichier de lettre dans une image ROM, à une lettre du catalogue ou à un décalage, comme le fait «&#xa0;Exporter vers la Rom&#xa0;»&#xa0;: l&apos;enregistrement est d&apos;abord vérifié, un enregistrement plus long que celui en place est refusé sauf si --allow-longer est indiqué, une image qui n&apos;est aucun des dumps connus est refusée, et l&apos;image est d&apos;abord copiée dans IMAGE.bak. Un fichier nommé *.svg est un dessin&#xa0;: sa lettre est lue comme la lit «&#xa0;Importer une lettre SVG&#xa0;», les octets qu&apos;un dessin ne peut pas représenter étant pris dans l&apos;enregistrement à ce décalage. Avec --fit, la lettre est ajustée dans les limites du jeu à partir d&apos;un dessin (courbes et traits compris) ou d&apos;une image (sa forme sombre décalquée), et avec --font et --char (et sans LETTERFILE) à partir d&apos;un caractère d&apos;une police&#xa0;: dans le cadre de l&apos;enregistrement en place (--box pour en choisir un autre), par-dessus cet enregistrement. Avec --all, chaque fichier de lettre d&apos;un dossier va au décalage indiqué dans son nom (comme les nomme extract --all), tous vérifiés avant qu&apos;aucun ne soit écrit, en une seule écriture et une seule sauvegarde.</translation>
    </message>
    <message>
        <source>The ROM image to write into.</source>
        <translation>L&apos;image ROM dans laquelle écrire.</translation>
    </message>
    <message>
        <source>The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, the folder of letter files; none with --font.</source>
        <translation>Le fichier de lettre (ou dessin SVG&#xa0;; avec --fit, un dessin ou une image) à écrire&#xa0;; avec --all, le dossier de fichiers de lettre&#xa0;; aucun avec --font.</translation>
    </message>
    <message>
        <source>Write every letter file (*.bin) of the folder LETTERFILE at the offset in its name.</source>
        <translation>Écrire chaque fichier de lettre (*.bin) du dossier LETTERFILE au décalage indiqué dans son nom.</translation>
    </message>
    <message>
        <source>Write a record longer than the one there, over the bytes after it.</source>
        <translation>Écrire un enregistrement plus long que celui en place, par-dessus les octets qui le suivent.</translation>
    </message>
    <message>
        <source>Say what would change (offset, old and new length) and write nothing.</source>
        <translation>Indiquer ce qui changerait (décalage, ancienne et nouvelle longueur) sans rien écrire.</translation>
    </message>
    <message>
        <source>Fit the drawing or picture LETTERFILE into the game&apos;s limits, in the box of the record there.</source>
        <translation>Ajuster le dessin ou l&apos;image LETTERFILE dans les limites du jeu, dans le cadre de l&apos;enregistrement en place.</translation>
    </message>
    <message>
        <source>The character of --font to fit in place of LETTERFILE.</source>
        <translation>Le caractère de --font à ajuster à la place de LETTERFILE.</translation>
    </message>
    <message>
        <source>With --all, the offsets are in the letter files&apos; names: give no --letter or --offset.</source>
        <translation>Avec --all, les décalages sont dans les noms des fichiers de lettre&#xa0;: n&apos;indiquez ni --letter ni --offset.</translation>
    </message>
    <message>
        <source>Give the letter to replace with --letter or --offset.</source>
        <translation>Indiquez la lettre à remplacer avec --letter ou --offset.</translation>
    </message>
    <message>
        <source>--font needs --char: give the character to fit.</source>
        <translation>--font demande --char&#xa0;: indiquez le caractère à ajuster.</translation>
    </message>
    <message>
        <source>--char needs --font: give the font to take the character from.</source>
        <translation>--char demande --font&#xa0;: indiquez la police d&apos;où prendre le caractère.</translation>
    </message>
    <message>
        <source>With --font and --char the letter comes from the font: give no LETTERFILE.</source>
        <translation>Avec --font et --char, la lettre vient de la police&#xa0;: n&apos;indiquez pas de LETTERFILE.</translation>
    </message>
    <message>
        <source>--fit, --font and --char fit one letter: not with --all.</source>
        <translation>--fit, --font et --char ajustent une seule lettre&#xa0;: pas avec --all.</translation>
    </message>
    <message>
        <source>--style and --box are for a fitted letter: give --fit, or --font and --char.</source>
        <translation>--style et --box sont réservés à une lettre ajustée&#xa0;: indiquez --fit, ou --font et --char.</translation>
    </message>
    <message>
        <source>--char takes one character, not &quot;%1&quot;.</source>
        <translation>--char prend un seul caractère, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>(--allow-longer writes it)</source>
        <translation>(--allow-longer l&apos;écrit)</translation>
    </message>
    <message>
        <source>%1 is a ROM image, not a letter file. Nothing was written.</source>
        <translation>%1 est une image ROM, pas un fichier de lettre. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 and %2: the records at offsets %3 and %4 overlap.</source>
        <translation>%1 et %2&#xa0;: les enregistrements aux décalages %3 et %4 se chevauchent.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter file can be written.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: certains fichiers de lettre ne peuvent pas être écrits.</translation>
    </message>
    <message>
        <source>Dry run: the %1-byte record would be written at offset %2 of %3, where %4 stands; %5 bytes would change.%6</source>
        <translation>Simulation&#xa0;: l&apos;enregistrement de %1 octets serait écrit au décalage %2 de %3, où se trouve %4&#xa0;; %5 octets changeraient.%6</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was is in %5.</source>
        <translation>Enregistrement de %1 octets écrit au décalage %2 de %3, où se trouvait %4&#xa0;; l&apos;image telle qu&apos;elle était se trouve dans %5.</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).</source>
        <translation>Enregistrement de %1 octets écrit au décalage %2, où se trouvait %3 (%4 octets modifiés).</translation>
    </message>
    <message>
        <source>Wrote %1 records into %2; the image as it was is in %3.</source>
        <translation>%1 enregistrements écrits dans %2&#xa0;; l&apos;image telle qu&apos;elle était se trouve dans %3.</translation>
    </message>
    <message>
        <source>What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words.</source>
        <translation>Ce qu&apos;est une image&#xa0;: taille, CRC32, MD5, SHA-1, en-têtes de copieur et de cartouche, dumps qui correspondent, les deux mots.</translation>
    </message>
    <message>
        <source>The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads.</source>
        <translation>Les 24 lettres du catalogue d&apos;un dump&#xa0;: décalages, longueurs, décomptes, et si chacune se lit.</translation>
    </message>
    <message>
        <source>A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing.</source>
        <translation>Une lettre telle que l&apos;aperçu la dessine, ou les 24 sur une planche, en image PNG&#xa0;; ou une lettre en dessin SVG.</translation>
    </message>
    <message>
        <source>Letter files of one letter or all 24, as &quot;Export letter to file&quot; writes them.</source>
        <translation>Fichiers de lettre d&apos;une lettre ou des 24, tels que «&#xa0;Exporter en fichier&#xa0;» les écrit.</translation>
    </message>
    <message>
        <source>A letter file written into the image as &quot;Export letter to Rom&quot; does, an SVG drawing&apos;s letter, or one fitted from a drawing, picture or font.</source>
        <translation>Un fichier de lettre écrit dans l&apos;image comme le fait «&#xa0;Exporter vers la Rom&#xa0;», la lettre d&apos;un dessin SVG, ou une lettre ajustée depuis un dessin, une image ou une police.</translation>
    </message>
    <message>
        <source>Letters fitted from drawings, pictures or a font&apos;s characters into the game&apos;s limits, with a sheet.</source>
        <translation>Des lettres ajustées dans les limites du jeu depuis des dessins, des images ou les caractères d&apos;une police, avec une planche-contact.</translation>
    </message>
    <message>
        <source>The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file.</source>
        <translation>Les mots PAUSE et GAME OVER&#xa0;: les lire ou en écrire de nouveaux&#xa0;; les codes de tuile en fichier de table.</translation>
    </message>
    <message>
        <source>An IPS patch between two images, or one applied to an image.</source>
        <translation>Un patch IPS entre deux images, ou son application à une image.</translation>
    </message>
    <message>
        <source>The cartridge header&apos;s checksum against the image&apos;s own; --fix sets it.</source>
        <translation>La somme de contrôle de l&apos;en-tête de cartouche comparée à celle de l&apos;image&#xa0;; --fix la corrige.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch between two images, one applied to an image, or what a patch holds.</source>
        <translation>Un patch BPS ou IPS entre deux images, son application à une image, ou ce que contient un patch.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reads and writes the polygon letters of the game in ROM images and letter files, without a window.</source>
        <translation>Lit et écrit les lettres polygonales du jeu dans les images ROM et les fichiers de lettre, sans fenêtre.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;vertiloom-cli COMMAND --help&quot; describes a command. Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.</source>
        <translation>«&#xa0;vertiloom-cli COMMAND --help&#xa0;» décrit une commande. Code de sortie&#xa0;: 0 effectué, 1 refusé ou échoué (rien n&apos;a été écrit), 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>vertiloom-cli: &quot;%1&quot; is not text in the system&apos;s encoding (UTF-8): a file of that name would be read or written under another name. Rename the file, or give another name.</source>
        <translation>vertiloom-cli&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas du texte dans l&apos;encodage du système (UTF-8)&#xa0;: un fichier de ce nom serait lu ou écrit sous un autre nom. Renommez le fichier, ou indiquez un autre nom.</translation>
    </message>
    <message>
        <source>vertiloom-cli: give a command.</source>
        <translation>vertiloom-cli&#xa0;: indiquez une commande.</translation>
    </message>
    <message>
        <source>vertiloom-cli: no command is called &quot;%1&quot;.</source>
        <translation>vertiloom-cli&#xa0;: aucune commande ne s&apos;appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 octet</translation>
    </message>
    <message>
        <source>%1 action</source>
        <translation>%1 action</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>%1 actions</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Enregistrements&#xa0;:</translation>
    </message>
    <message>
        <source>Size after:</source>
        <translation>Taille après&#xa0;:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source&#xa0;:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cible&#xa0;:</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Métadonnées&#xa0;:</translation>
    </message>
    <message>
        <source>vertiloom-cli patch: warning: %1</source>
        <translation>vertiloom-cli patch&#xa0;: avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 (%2 RLE), writing %3</source>
        <translation>%1 (dont %2 RLE), qui écrivent %3</translation>
    </message>
    <message>
        <source>%1 bytes, CRC32 %2</source>
        <translation>%1 octets, CRC32 %2</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as they stand); &quot;apply&quot; writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after checking the whole patch and the image&apos;s size and CRC32; &quot;info&quot; says what PATCH holds.</source>
        <translation>«&#xa0;create&#xa0;» écrit le patch qui transforme ORIGINAL en MODIFIED, au format indiqué par la fin du nom donné avec -o&#xa0;: .bps (images de toutes tailles, en-tête de copieur laissé de côté) ou .ips (images de même taille, telles quelles)&#xa0;; «&#xa0;apply&#xa0;» écrit IMAGE, avec PATCH (BPS ou IPS) appliqué, dans le fichier indiqué par -o, après avoir vérifié tout le patch ainsi que la taille et le CRC32 de l&apos;image&#xa0;; «&#xa0;info&#xa0;» indique ce que contient PATCH.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image; info: the patch.</source>
        <translation>create&#xa0;: l&apos;image d&apos;origine&#xa0;; apply&#xa0;: l&apos;image&#xa0;; info&#xa0;: le patch.</translation>
    </message>
    <message>
        <source>create: the patch to write (.bps or .ips); apply: the patched image to write.</source>
        <translation>create&#xa0;: le patch à écrire (.bps ou .ips)&#xa0;; apply&#xa0;: l&apos;image patchée à écrire.</translation>
    </message>
    <message>
        <source>create, BPS: text the patch carries (its metadata), such as its author.</source>
        <translation>create, BPS&#xa0;: texte que le patch transporte (ses métadonnées), par exemple son auteur.</translation>
    </message>
    <message>
        <source>BPS: take the images as they stand, a copier header included.</source>
        <translation>BPS&#xa0;: prendre les images telles quelles, en-tête de copieur compris.</translation>
    </message>
    <message>
        <source>apply, BPS: apply the patch to an image of another size or CRC32, and keep a result of another CRC32, with a warning.</source>
        <translation>apply, BPS&#xa0;: appliquer le patch à une image d&apos;une autre taille ou d&apos;un autre CRC32, et garder un résultat d&apos;un autre CRC32, avec un avertissement.</translation>
    </message>
    <message>
        <source>--%1 is for %2.</source>
        <translation>--%1 ne s&apos;emploie qu&apos;avec %2.</translation>
    </message>
    <message>
        <source>info takes one file, the patch.</source>
        <translation>info prend un seul fichier, le patch.</translation>
    </message>
    <message>
        <source>create or apply</source>
        <translation>create ou apply</translation>
    </message>
    <message>
        <source>The first argument is create, apply or info, not &quot;%1&quot;.</source>
        <translation>Le premier argument est create, apply ou info, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 takes two files.</source>
        <translation>%1 prend deux fichiers.</translation>
    </message>
    <message>
        <source>The patch&apos;s name ends in .bps or .ips, which says its format: &quot;%1&quot; ends in neither.</source>
        <translation>Le nom du patch finit par .bps ou .ips, ce qui indique son format&#xa0;: «&#xa0;%1&#xa0;» ne finit par aucun des deux.</translation>
    </message>
    <message>
        <source>a BPS patch</source>
        <translation>un patch BPS</translation>
    </message>
    <message>
        <source>Reads the PAUSE and GAME OVER words of a ROM image (&quot;?&quot; stands for a byte that is no tile code), or writes new ones as the window does: one character per letter, from &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; writes as &quot;1&quot;, &quot;_&quot; as the blank), and the image is first copied to IMAGE.bak. With --table, no image: the tile codes as a table file that hex editors load to show and type the game&apos;s text (&quot;00=P&quot; ... &quot;19=R&quot;, one line each).</source>
        <translation>Lit les mots PAUSE et GAME OVER d&apos;une image ROM («&#xa0;?&#xa0;» représente un octet qui n&apos;est pas un code de tuile), ou en écrit de nouveaux comme le fait la fenêtre&#xa0;: un caractère par lettre, parmi «&#xa0;PAUSED!0123456789LCT GMOVR&#xa0;» («&#xa0;I&#xa0;» s&apos;écrit «&#xa0;1&#xa0;», «&#xa0;_&#xa0;» est le blanc), et l&apos;image est d&apos;abord copiée dans IMAGE.bak. Avec --table, pas d&apos;image&#xa0;: les codes de tuile en fichier de table, que les éditeurs hexadécimaux chargent pour afficher et saisir le texte du jeu («&#xa0;00=P&#xa0;» ... «&#xa0;19=R&#xa0;», un par ligne).</translation>
    </message>
    <message>
        <source>The ROM image (none with --table).</source>
        <translation>L&apos;image ROM (aucune avec --table).</translation>
    </message>
    <message>
        <source>The 5 letters of the PAUSE word.</source>
        <translation>Les 5 lettres du mot PAUSE.</translation>
    </message>
    <message>
        <source>The 8 letters of the GAME OVER word.</source>
        <translation>Les 8 lettres du mot GAME OVER.</translation>
    </message>
    <message>
        <source>Write the tile codes as a table file for hex editors (to -o FILE, else to the standard output).</source>
        <translation>Écrire les codes de tuile en fichier de table pour éditeurs hexadécimaux (dans -o FILE, sinon sur la sortie standard).</translation>
    </message>
    <message>
        <source>With --table, the table file to write.</source>
        <translation>Avec --table, le fichier de table à écrire.</translation>
    </message>
    <message>
        <source>--table writes the game&apos;s tile codes, the same for every image: give no IMAGE, --set-pause, --set-game-over or --dump with it.</source>
        <translation>--table écrit les codes de tuile du jeu, les mêmes pour toute image&#xa0;: n&apos;indiquez avec lui ni IMAGE, ni --set-pause, ni --set-game-over, ni --dump.</translation>
    </message>
    <message>
        <source>%1 (%2 tile codes)</source>
        <translation>%1 (%2 codes de tuile)</translation>
    </message>
    <message>
        <source>-o is for --table: the words are written into the image.</source>
        <translation>-o est réservé à --table&#xa0;: les mots s&apos;écrivent dans l&apos;image.</translation>
    </message>
    <message>
        <source>--%1 takes %2 characters, one per letter, not &quot;%3&quot;.</source>
        <translation>--%1 prend %2 caractères, un par lettre, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Written into %1; the image as it was is in %2.</source>
        <translation>Écrit dans %1&#xa0;; l&apos;image telle qu&apos;elle était se trouve dans %2.</translation>
    </message>
    <message>
        <source>%1 on no point</source>
        <translation>%1 sur aucun point</translation>
    </message>
    <message>
        <source>%1 on points %2</source>
        <translation>%1 sur les points %2</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Aucun point.</translation>
    </message>
    <message>
        <source>Points (%1): %2.</source>
        <translation>Points (%1)&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No polygons.</source>
        <translation>Aucun polygone.</translation>
    </message>
    <message>
        <source>Polygons (%1): %2.</source>
        <translation>Polygones (%1)&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::BoardCanvas</name>
    <message>
        <source>point %1 at x %2, y %3</source>
        <translation>point %1 en x %2, y %3</translation>
    </message>
    <message>
        <source>in polygons %1</source>
        <translation>dans les polygones %1</translation>
    </message>
    <message>
        <source>point %1 selected</source>
        <translation>point %1 sélectionné</translation>
    </message>
    <message>
        <source>%1 points selected</source>
        <translation>%1 points sélectionnés</translation>
    </message>
    <message>
        <source>The clipboard holds no points of this editor and no SVG drawing.</source>
        <translation>Le presse-papiers ne contient ni points de cet éditeur ni dessin SVG.</translation>
    </message>
    <message>
        <source>No point is selected to delete.</source>
        <translation>Aucun point n&apos;est sélectionné pour être supprimé.</translation>
    </message>
</context>
<context>
    <name>vertiloom::DrawingBoard</name>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Plume</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture: a drag moves the tracing picture, the wheel sizes it</source>
        <translation>Image&#xa0;: un glisser déplace l&apos;image à décalquer, la molette la redimensionne</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Scale the selection by this percentage</source>
        <translation>Redimensionner la sélection selon ce pourcentage</translation>
    </message>
    <message>
        <source>Scale by %1 %</source>
        <translation>Redimensionner à %1&#xa0;%</translation>
    </message>
    <message>
        <source>Move the selection by dx, dy</source>
        <translation>Déplacer la sélection de dx, dy</translation>
    </message>
    <message>
        <source>Move by %1, %2</source>
        <translation>Déplacer de %1, %2</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Magnétisme</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster la vue</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Arrière-plan…</translation>
    </message>
    <message>
        <source>Fit picture</source>
        <translation>Ajuster l&apos;image</translation>
    </message>
    <message>
        <source>Fit what the picture shows to the letter&apos;s box</source>
        <translation>Ajuster ce que montre l&apos;image au cadre de la lettre</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Retirer l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Trace picture</source>
        <translation>Décalquer l&apos;image</translation>
    </message>
    <message>
        <source>Fit the picture&apos;s dark shape into a letter where it lies on the square</source>
        <translation>Ajuster la forme sombre de l&apos;image en une lettre, là où elle se trouve sur le carré</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajuster un dessin…</translation>
    </message>
    <message>
        <source>Fit an SVG drawing or a picture into the letter&apos;s limits</source>
        <translation>Ajuster un dessin SVG ou une image dans les limites de la lettre</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Lettre depuis une police…</translation>
    </message>
    <message>
        <source>Fit a character of an installed font into the letter&apos;s limits</source>
        <translation>Ajuster un caractère d&apos;une police installée dans les limites de la lettre</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Take the fitted letter (Enter)</source>
        <translation>Accepter la lettre ajustée (Entrée)</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Drop the fitted letter (Esc)</source>
        <translation>Abandonner la lettre ajustée (Échap)</translation>
    </message>
    <message>
        <source>Delete points</source>
        <translation>Supprimer les points</translation>
    </message>
    <message>
        <source>Take the selected points out of the letter and its polygons</source>
        <translation>Retirer les points sélectionnés de la lettre et de ses polygones</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Tessarine Vertiloom — drawing board</source>
        <translation>Tessarine Vertiloom — planche à dessin</translation>
    </message>
    <message>
        <source>Opacity of the background</source>
        <translation>Opacité de l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Size of the background (the wheel with the picture tool, T)</source>
        <translation>Taille de l&apos;arrière-plan (la molette avec l&apos;outil image, T)</translation>
    </message>
    <message>
        <source>Where the background stands, in units (a drag with the picture tool, T, moves it)</source>
        <translation>Position de l&apos;arrière-plan, en unités (un glisser avec l&apos;outil image, T, le déplace)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Échelle&#xa0;:</translation>
    </message>
    <message>
        <source>Move by:</source>
        <translation>Déplacer de&#xa0;:</translation>
    </message>
    <message>
        <source>Percent to scale the selection by; Apply or K scales</source>
        <translation>Pourcentage de redimensionnement de la sélection&#xa0;; Appliquer ou K redimensionne</translation>
    </message>
    <message>
        <source>Units to move the selection by, x (Tab: y); Apply or M moves</source>
        <translation>Unités de déplacement de la sélection, x (Tab&#xa0;: y)&#xa0;; Appliquer ou M déplace</translation>
    </message>
    <message>
        <source>Units to move the selection by, y; Apply or M moves</source>
        <translation>Unités de déplacement de la sélection, y&#xa0;; Appliquer ou M déplace</translation>
    </message>
    <message>
        <source>x of the selected point, in units (Tab: y)</source>
        <translation>x du point sélectionné, en unités (Tab&#xa0;: y)</translation>
    </message>
    <message>
        <source>y of the selected point, in units</source>
        <translation>y du point sélectionné, en unités</translation>
    </message>
    <message>
        <source>Fitted letter:</source>
        <translation>Lettre ajustée&#xa0;:</translation>
    </message>
    <message>
        <source>Convex pieces</source>
        <translation>Pièces convexes</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Contours</translation>
    </message>
    <message>
        <source>Convex pieces sharing their corners, as the game&apos;s own letters are built, or one polygon per contour, holes included</source>
        <translation>Pièces convexes qui partagent leurs sommets, comme sont construites les lettres du jeu lui-même, ou un polygone par contour, trous compris</translation>
    </message>
    <message>
        <source>Box:</source>
        <translation>Cadre&#xa0;:</translation>
    </message>
    <message>
        <source>Left edge of the box, in units</source>
        <translation>Bord gauche du cadre, en unités</translation>
    </message>
    <message>
        <source>Top edge of the box, in units</source>
        <translation>Bord supérieur du cadre, en unités</translation>
    </message>
    <message>
        <source>Right edge of the box, in units</source>
        <translation>Bord droit du cadre, en unités</translation>
    </message>
    <message>
        <source>Foot of the box, in units: the letter stands on it</source>
        <translation>Pied du cadre, en unités&#xa0;: la lettre repose dessus</translation>
    </message>
    <message>
        <source>Point %1:</source>
        <translation>Point %1&#xa0;:</translation>
    </message>
    <message>
        <source>Points %1 and %2:</source>
        <translation>Points %1 et %2&#xa0;:</translation>
    </message>
    <message>
        <source>distance %1, angle %2°</source>
        <translation>distance %1, angle %2°</translation>
    </message>
    <message>
        <source>No tracing picture is placed to trace: open one with “Background…” (B) first.</source>
        <translation>Aucune image à décalquer n&apos;est placée&#xa0;: ouvrez-en d&apos;abord une avec «&#xa0;Arrière-plan…&#xa0;» (B).</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Impossible de lire l&apos;image %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::FontWindow</name>
    <message>
        <source>Tessarine Vertiloom — font</source>
        <translation>Tessarine Vertiloom — police</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Lettre</translation>
    </message>
</context>
<context>
    <name>vertiloom::MainWindow</name>
    <message>
        <source>Export letter to SVG…</source>
        <translation>Exporter la lettre en SVG…</translation>
    </message>
    <message>
        <source>Import letter from SVG…</source>
        <translation>Importer une lettre SVG…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Emulator…</source>
        <translation>Émulateur…</translation>
    </message>
    <message>
        <source>Drawing board (F6)</source>
        <translation>Planche à dessin (F6)</translation>
    </message>
    <message>
        <source>Font (F7)</source>
        <translation>Police (F7)</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Ajuster un dessin…</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Lettre depuis une police…</translation>
    </message>
    <message>
        <source>Make patch…</source>
        <translation>Créer un patch…</translation>
    </message>
</context>
</TS>
