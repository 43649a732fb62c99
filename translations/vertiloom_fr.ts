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
</context>
</TS>
