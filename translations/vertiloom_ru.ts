<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>vertiloom</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.</source>
        <translation>В %1 нет заголовка картриджа ни по смещению 7FC0, ни по смещению FFC0: контрольную сумму некуда записать. Ничего не записано.</translation>
    </message>
    <message>
        <source>Cannot write the header&apos;s checksum into %1: %2.</source>
        <translation>Не удалось записать контрольную сумму заголовка в %1: %2.</translation>
    </message>
    <message>
        <source>The copied text holds no points of this editor: it does not begin with &quot;vertiloom-points&quot;. Nothing was pasted.</source>
        <translation>Скопированный текст не содержит точек этого редактора: он не начинается с &quot;vertiloom-points&quot;. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was pasted.</source>
        <translation>Скопированные точки записаны в форме %1 более новой версии редактора; эта версия читает форму %2. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>The copied points can&apos;t be pasted: line %1 (&quot;%2&quot;) is not as this editor writes them. Nothing was pasted.</source>
        <translation>Скопированные точки нельзя вставить: строка %1 (&quot;%2&quot;) записана не так, как их пишет этот редактор. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>The copied text of this editor holds no point. Nothing was pasted.</source>
        <translation>В скопированном тексте этого редактора нет ни одной точки. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>There is no checked point to transform.</source>
        <translation>Нет отмеченных точек для преобразования.</translation>
    </message>
    <message>
        <source>Point %1 would go to %2 = %3, outside -128..127: nothing was changed.</source>
        <translation>Точка %1 оказалась бы в %2 = %3, за пределами -128..127: ничего не изменено.</translation>
    </message>
    <message>
        <source>The letter already has 8 polygons, as many as a letter can hold.</source>
        <translation>В букве уже 8 полигонов — больше буква вместить не может.</translation>
    </message>
    <message>
        <source>The letter already has 20 points, as many as a letter can hold.</source>
        <translation>В букве уже 20 точек — больше буква вместить не может.</translation>
    </message>
    <message>
        <source>A polygon has at most 11 corners.</source>
        <translation>В полигоне не больше 11 углов.</translation>
    </message>
    <message>
        <source>No point of the letter is selected: there is nothing to copy.</source>
        <translation>Не выбрано ни одной точки буквы: копировать нечего.</translation>
    </message>
    <message>
        <source>The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was pasted.</source>
        <translation>Точек в букве: %1; со вставленными (%2) их стало бы %3, а буква вмещает не больше 20. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was pasted.</source>
        <translation>Полигонов в букве: %1; со вставленными (%2) их стало бы %3, а буква вмещает не больше 8. Ничего не вставлено.</translation>
    </message>
    <message>
        <source>No file has been opened yet: choose a ROM image with &quot;Open file&quot; first.</source>
        <translation>Ещё не открыт ни один файл: сначала выберите образ ROM кнопкой &quot;Открыть файл&quot;.</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?</source>
        <translation>Размер %1 теперь %2 байт: файл будет прочитан как образ ROM, по смещению из Addr. Загрузить его?</translation>
    </message>
    <message>
        <source>%1 is now %2 bytes: it will be read as a letter file from its start. Load it?</source>
        <translation>Размер %1 теперь %2 байт: файл будет прочитан как файл буквы, с самого начала. Загрузить его?</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Недопустимое имя файла</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?</source>
        <translation>%1 — образ ROM размером %2 байт. Заменить весь образ этим файлом буквы размером %3 байт?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte letter file?</source>
        <translation>%1 уже существует. Заменить его этим файлом буквы размером %2 байт?</translation>
    </message>
    <message>
        <source>The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing was written.</source>
        <translation>Запись размером %1 байт не помещается по смещению %2 в %3: длина файла всего %4 байт. Ничего не записано.</translation>
    </message>
    <message>
        <source>Cannot read offset %1 of %2: %3. Nothing was written.</source>
        <translation>Не удалось прочитать данные по смещению %1 в %2: %3. Ничего не записано.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>файл закончился раньше времени</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the old record will be overwritten. Write it anyway?</source>
        <translation>Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт, поэтому 1 байт после старой записи будет затёрт. Всё равно записать?</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after the old record will be overwritten. Write it anyway?</source>
        <translation>Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт, поэтому будут затёрты %5 байт после старой записи. Всё равно записать?</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 bytes there. Write it anyway?</source>
        <translation>По смещению %1 в %2 не удаётся прочитать запись буквы (%3). Новая запись затрёт %4 байт по этому смещению. Всё равно записать?</translation>
    </message>
    <message>
        <source>Cannot write the record at offset %1 into %2: %3.</source>
        <translation>Не удалось сохранить запись буквы по смещению %1 в %2: %3.</translation>
    </message>
    <message>
        <source>Cannot write the %1 records into %2: %3.</source>
        <translation>Не удалось записать %1 записей в %2: %3.</translation>
    </message>
    <message>
        <source>%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try again.</source>
        <translation>Файл %1 изменился по смещению %2 после проверки: в него записала другая программа. Ничего не записано; попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from the source&apos;s.</source>
        <translation>Точек: %1, многоугольников: %2; общая с источником закрашенная площадь %3 %, края не дальше %4 единиц от краёв источника.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first: the font shows its 24 letters.</source>
        <translation>Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;: шрифт показывает его 24 буквы.</translation>
    </message>
    <message>
        <source>%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.</source>
        <translation>%1 — файл буквы, а не образ ROM: шрифт показывает 24 буквы образа ROM.</translation>
    </message>
    <message>
        <source>%1 is taken as it stands, its %2-byte copier header included.</source>
        <translation>%1 берётся как есть, вместе с его заголовком копировщика из %2 байт.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 bytes.</source>
        <translation>Записан %1: %2 байт.</translation>
    </message>
    <message>
        <source>%1 is no patch this editor knows: a BPS patch begins with &quot;BPS1&quot;, an IPS patch with &quot;PATCH&quot;.</source>
        <translation>%1 — не патч, известный редактору: патч BPS начинается с &quot;BPS1&quot;, патч IPS — с &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with a header or both without, or make the patch between the files as they stand with vertiloom-cli patch create --exact. Nothing was written.</source>
        <translation>У %1 по размеру есть заголовок копировщика из 512 байт (%2 байт, на 512 больше кратного 1,024), а у %3 его нет (%4 байт): патч между ними нёс бы заголовок как часть игры. Дайте оба образа с заголовком или оба без него либо сделайте патч между файлами как есть командой vertiloom-cli patch create --exact. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is made without it.</source>
        <translation>У %1 есть заголовок копировщика из %2 байт: патч делается без него.</translation>
    </message>
    <message>
        <source>%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.</source>
        <translation>У %1 есть заголовок копировщика из %2 байт: патч применяется без него, а заголовок ставится обратно в начало %3.</translation>
    </message>
    <message>
        <source>This patch was made for an image of %1 bytes; this image has %2 bytes.</source>
        <translation>Этот патч сделан для образа размером %1 байт; в этом образе %2 байт.</translation>
    </message>
    <message>
        <source>This patch was made for an image with CRC32 %1; this image has %2.</source>
        <translation>Этот патч сделан для образа с CRC32 %1; у этого образа %2.</translation>
    </message>
    <message>
        <source>The patched image has the CRC32 %1, but the patch says its result has %2.</source>
        <translation>У образа после патча CRC32 %1, а патч говорит, что у его результата %2.</translation>
    </message>
    <message>
        <source>The patch was applied all the same, as asked: its checksums were not insisted on.</source>
        <translation>Патч всё равно применён, как и просили: его контрольные суммы не проверялись строго.</translation>
    </message>
    <message>
        <source>%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch&apos;s target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.</source>
        <translation>Образ %1 после патча занял бы %2 байт (его заголовок копировщика из %3 байт перед результатом патча из %4 байт): редактор читает и записывает файлы не больше 64 МиБ (%5 байт). Ничего не записано.</translation>
    </message>
    <message>
        <source>No ROM image is open: open the modified image first, then make the patch between a clean original and it.</source>
        <translation>Образ ROM не открыт: сначала откройте изменённый образ, затем сделайте патч между чистым исходным образом и ним.</translation>
    </message>
    <message>
        <source>This image does not match any of the five known dumps: the catalogue offsets may point at other data.</source>
        <translation>Этот образ не похож ни на один из пяти известных дампов: смещения каталога могут указывать на другие данные.</translation>
    </message>
    <message>
        <source>This image looks like %1 (with a 512-byte header). Switch to it?</source>
        <translation>Этот образ похож на %1 (с заголовком 512 байт). Переключиться на него?</translation>
    </message>
    <message>
        <source>This image looks like %1. Switch to it?</source>
        <translation>Этот образ похож на %1. Переключиться на него?</translation>
    </message>
    <message>
        <source>The header&apos;s checksum no longer matches: vertiloom-cli checksum --fix sets it</source>
        <translation>Контрольная сумма в заголовке больше не совпадает: её исправит vertiloom-cli checksum --fix</translation>
    </message>
    <message>
        <source>%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write into it anyway?</source>
        <translation>%1 не похож ни на один из пяти известных дампов: смещения каталога могут указывать на другие данные. Всё равно записать в него?</translation>
    </message>
    <message>
        <source>The letter has changes that are in no file yet. Discard them?</source>
        <translation>В букве есть изменения, которые ещё не сохранены ни в одном файле. Отбросить их?</translation>
    </message>
    <message>
        <source>Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, and the copy %2 could not be made: %3</source>
        <translation>В %1 ничего не записано. Перед первой записью в образ редактор сохраняет его копию, а создать копию %2 не удалось: %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?</source>
        <translation>%1 — образ ROM размером %2 байт. Заменить весь образ этим рисунком SVG размером %3 байт?</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with this %2-byte SVG drawing?</source>
        <translation>%1 уже существует. Заменить его этим рисунком SVG размером %2 байт?</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 reaches outside the letter&apos;s square: every coordinate of a letter is within -128..127.</source>
        <translation>Рамка %1,%2,%3,%4 выходит за квадрат буквы: каждая координата буквы лежит в пределах -128..127.</translation>
    </message>
    <message>
        <source>The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.</source>
        <translation>Рамка %1,%2,%3,%4 — это одна единица: букве нужна рамка, у которой есть ширина или высота.</translation>
    </message>
    <message>
        <source>There is nothing to fit: the drawing fills no area (its contours enclose nothing).</source>
        <translation>Вписывать нечего: рисунок не закрашивает никакой площади (его контуры ничего не охватывают).</translation>
    </message>
    <message>
        <source>The file is not an SVG drawing: its root element is &lt;%1&gt;.</source>
        <translation>Файл не является рисунком SVG: его корневой элемент — &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1 refers to &quot;%2&quot;, which is no element of this drawing: only the drawing&apos;s own elements are drawn through &lt;use&gt;.</source>
        <translation>%1 ссылается на &quot;%2&quot;, а это не элемент этого рисунка: через &lt;use&gt; рисуются только собственные элементы рисунка.</translation>
    </message>
    <message>
        <source>%1 draws &quot;%2&quot;, which holds it: a &lt;use&gt; can&apos;t draw itself or an element around it.</source>
        <translation>%1 рисует &quot;%2&quot;, который содержит его самого: элемент &lt;use&gt; не может рисовать себя или элемент, в котором находится.</translation>
    </message>
    <message>
        <source>%1 would draw more than %2 elements through &lt;use&gt;, the most a drawing may.</source>
        <translation>%1 нарисовал бы через &lt;use&gt; больше %2 элементов — больше, чем допускается в рисунке.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.</source>
        <translation>В рисунке ничего не рисуется: каждая фигура в нём скрыта, прозрачна или не имеет ни заливки, ни обводки.</translation>
    </message>
    <message>
        <source>The drawing fills nothing: it holds no shape with an area (a &lt;line&gt; or an open path needs a stroke to be drawn).</source>
        <translation>Рисунок ничего не заливает: в нём нет фигуры с площадью (элементу &lt;line&gt; или незамкнутому контуру нужна обводка, чтобы он был нарисован).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Файл не найден: %1</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a font: it is no TrueType or OpenType file Qt can read.</source>
        <translation>%1 не удаётся прочитать как шрифт: это не файл TrueType или OpenType, который может прочитать Qt.</translation>
    </message>
    <message>
        <source>No font &quot;%1&quot; is installed: name an installed font&apos;s family, such as &quot;DejaVu Sans&quot; (with its style after a colon, such as &quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>Шрифт &quot;%1&quot; не установлен: укажите семейство установленного шрифта, например &quot;DejaVu Sans&quot; (с начертанием после двоеточия, например &quot;DejaVu Sans:Bold&quot;), или файл .ttf или .otf.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no style &quot;%2&quot;; its styles are: %3.</source>
        <translation>У шрифта &quot;%1&quot; нет начертания &quot;%2&quot;; его начертания: %3.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character %2 (%3).</source>
        <translation>В шрифте &quot;%1&quot; нет символа %2 (%3).</translation>
    </message>
    <message>
        <source>The character %1 (%2) of the font &quot;%3&quot; draws nothing: it has no outline to fit.</source>
        <translation>Символ %1 (%2) шрифта &quot;%3&quot; ничего не рисует: у него нет контура, который можно вписать.</translation>
    </message>
    <message>
        <source>The picture is empty: it has no pixels.</source>
        <translation>Картинка пуста: в ней нет ни одного пикселя.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: it is all one shade.</source>
        <translation>На картинке нечего обводить: она вся одного тона.</translation>
    </message>
    <message>
        <source>The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.</source>
        <translation>На картинке нечего обводить: её тона различаются слишком мало, чтобы отличить фигуру от фона.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as a picture: %2.</source>
        <translation>%1 не удаётся прочитать как картинку: %2.</translation>
    </message>
    <message>
        <source>One of the patch&apos;s images is %1 bytes: no ROM image of the game is that large, and the editor reads and writes files of at most 64 MiB (%2 bytes).</source>
        <translation>Один из образов патча занимает %1 байт: таких больших образов ROM у игры нет, а редактор читает и пишет файлы не больше 64 МиБ (%2 байт).</translation>
    </message>
    <message>
        <source>The patch is cut short: its head ends after its checksums begin at byte %1.</source>
        <translation>Патч обрезан: его заголовок заканчивается дальше байта %1, где начинаются контрольные суммы.</translation>
    </message>
    <message>
        <source>The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.</source>
        <translation>Патч обрезан: действие %1 на байте %2 заканчивается дальше байта %3, где начинаются контрольные суммы.</translation>
    </message>
    <message>
        <source>The patch&apos;s head holds a number beyond any file&apos;s size at byte %1.</source>
        <translation>В заголовке патча на байте %1 записано число больше размера любого файла.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch holds a number beyond any file&apos;s size.</source>
        <translation>В действии %1 на байте %2 патча записано число больше размера любого файла.</translation>
    </message>
    <message>
        <source>This is not a BPS patch: it does not begin with &quot;BPS1&quot;.</source>
        <translation>Это не патч BPS: он не начинается с &quot;BPS1&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 bytes at least).</source>
        <translation>Патч обрезан: в его %1 байт не помещаются заголовок и три контрольные суммы патча BPS (нужно не меньше %2 байт).</translation>
    </message>
    <message>
        <source>The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.</source>
        <translation>Патч повреждён: CRC32 его байтов — %1, а его последние четыре байта говорят %2.</translation>
    </message>
    <message>
        <source>The patch is cut short: its actions end at byte %1 with %2 of the target&apos;s %3 bytes written.</source>
        <translation>Патч обрезан: его действия заканчиваются на байте %1, когда записано %2 из %3 байт результата.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 bytes).</source>
        <translation>Действие %1 на байте %2 патча (%3) пишет %4 байт по смещению 0x%5, за концом результата (%6 байт).</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.</source>
        <translation>Действие %1 на байте %2 патча (%3) читает %4 байт со смещения %5 исходного образа, за пределами его %6 байт.</translation>
    </message>
    <message>
        <source>Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before offset 0x%5 are written.</source>
        <translation>Действие %1 на байте %2 патча (%3) копирует со смещения %4 результата, а записаны только байты до смещения 0x%5.</translation>
    </message>
    <message>
        <source>The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte %2.</source>
        <translation>Патч продолжается после того, как результат готов: его действия заканчиваются на байте %1, а контрольные суммы начинаются на байте %2.</translation>
    </message>
    <message>
        <source>The patch made does not turn the original image into the modified one: this is a fault of the editor, and nothing was written.</source>
        <translation>Сделанный патч не превращает исходный образ в изменённый: это ошибка редактора, ничего не записано.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the &lt;use&gt; &quot;%2&quot;</source>
        <translation>Элемент &lt;%1&gt; (нарисованный через элемент &lt;use&gt; &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; drawn by the %2 &lt;use&gt;</source>
        <translation>Элемент &lt;%1&gt; (нарисованный через %2 элемент &lt;use&gt;)</translation>
    </message>
    <message>
        <source>%1 is a curve: straighten the curves first; only straight lines are read.</source>
        <translation>%1 — кривая: сначала спрямите кривые; читаются только прямые линии.</translation>
    </message>
    <message>
        <source>%1 has a curve (command %2): straighten the curves first; only straight lines are read.</source>
        <translation>%1 содержит кривую (команда %2): сначала спрямите кривые; читаются только прямые линии.</translation>
    </message>
    <message>
        <source>Nothing in the drawing is drawn: its root &lt;svg&gt; is hidden (display none, opacity 0 or a condition that fails).</source>
        <translation>В рисунке ничего не рисуется: его корневой элемент &lt;svg&gt; скрыт (display none, opacity 0 или невыполненное условие).</translation>
    </message>
    <message>
        <source>The drawing&apos;s viewBox &quot;%1&quot; is not four numbers with a positive width and height.</source>
        <translation>Атрибут viewBox рисунка, &quot;%1&quot;, — не четыре числа с положительными шириной и высотой.</translation>
    </message>
    <message>
        <source>%1 has a point outside the drawing&apos;s square (at %2, %3 in the letter&apos;s units, which run from -128 to 127).</source>
        <translation>%1 имеет точку за пределами квадрата рисунка (в %2, %3 в единицах буквы, которые идут от -128 до 127).</translation>
    </message>
    <message>
        <source>%1 is not closed: its last point is not its first.</source>
        <translation>%1 не замкнут: его последняя точка не совпадает с первой.</translation>
    </message>
    <message>
        <source>%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.</source>
        <translation>%1 имеет скруглённые углы, а это кривые: сначала спрямите кривые; читаются только прямые линии.</translation>
    </message>
    <message>
        <source>%1 has a part that is not closed: end it with Z, or where it began.</source>
        <translation>%1 содержит незамкнутую часть: завершите её командой Z или в точке, где она началась.</translation>
    </message>
    <message>
        <source>%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.</source>
        <translation>%1 — штрих шириной %2 единиц: читается только линия шириной не больше 1 единицы, как полигон из двух углов.</translation>
    </message>
    <message>
        <source>%1 would be polygon %2 of the letter; a letter holds at most %3.</source>
        <translation>%1 стал бы полигоном %2 буквы; буква вмещает не больше %3.</translation>
    </message>
    <message>
        <source>%1 has %2 corners; a polygon holds at most %3.</source>
        <translation>%1: углов — %2; полигон вмещает не больше %3.</translation>
    </message>
    <message>
        <source>The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.</source>
        <translation>Рисунок пуст: в нём нет ни многоугольника, ни замкнутой ломаной, ни прямоугольника, ни контура из прямых линий.</translation>
    </message>
    <message>
        <source>%1 brings the letter to %2 points; a letter holds at most %3.</source>
        <translation>%1 доводит число точек буквы до %2; буква вмещает не больше %3.</translation>
    </message>
    <message>
        <source>%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter read from it: take it out of data-vertiloom-corners.</source>
        <translation>%1 хранит байт ссылки %2, который не называет ни одной точки рисунка, но назвал бы точку %3 прочитанной из него буквы: уберите его из data-vertiloom-corners.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1-й</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1-й</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1-й</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1-й</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; &quot;%2&quot;</source>
        <translation>Элемент &lt;%1&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The %1 &lt;%2&gt;</source>
        <translation>%1 элемент &lt;%2&gt;</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: its %2 attribute is not valid at character %3.</source>
        <translation>%1 не удаётся прочитать: его атрибут %2 неверен в символе %3.</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>Элемент &lt;%1&gt; в строке %2, столбце %3</translation>
    </message>
    <message>
        <source>%1 lies %2 levels deep; a drawing is read at most %3 levels deep.</source>
        <translation>%1 находится на глубине %2 уровней; рисунок читается не глубже %3 уровней.</translation>
    </message>
    <message>
        <source>The file is not well-formed SVG: %1 (line %2, column %3).</source>
        <translation>Файл не является правильно построенным SVG: %1 (строка %2, столбец %3).</translation>
    </message>
    <message>
        <source>There is not enough memory for this: nothing was written.</source>
        <translation>Для этого не хватает памяти: ничего не записано.</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos; — недопустимое целое значение</translation>
    </message>
    <message>
        <source>The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.</source>
        <translation>Текстовое поле не содержит записи буквы: символ табуляции в позиции %1 не является шестнадцатеричной цифрой.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.</source>
        <translation>Текстовое поле не содержит записи буквы: символ с кодом %1 в позиции %2 не является шестнадцатеричной цифрой.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: &apos;%1&apos; at position %2 is not a hexadecimal digit.</source>
        <translation>Текстовое поле не содержит записи буквы: &apos;%1&apos; в позиции %2 не является шестнадцатеричной цифрой.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte is incomplete.</source>
        <translation>Текстовое поле не содержит записи буквы: шестнадцатеричных цифр в нём %1, нечётное число, поэтому последний байт неполон.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: the tag at position %1 should read &lt;bh:xx&gt; with two hexadecimal digits.</source>
        <translation>Текстовое поле не содержит записи буквы: тег в позиции %1 должен иметь вид &lt;bh:xx&gt; с двумя шестнадцатеричными цифрами.</translation>
    </message>
    <message>
        <source>The memo is empty: press START! to compile the letter first.</source>
        <translation>Текстовое поле пусто: чтобы собрать букву, сначала нажмите ПУСК!</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its %1 bytes end before the record that its counts describe does.</source>
        <translation>Текстовое поле не содержит записи буквы: его %1 байт заканчиваются раньше, чем запись, которую описывают его счётчики.</translation>
    </message>
    <message>
        <source>The memo is not a letter record: %1</source>
        <translation>Текстовое поле не содержит записи буквы: %1</translation>
    </message>
    <message>
        <source>The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 bytes.</source>
        <translation>Текстовое поле не содержит записи буквы: по его счётчикам в записи %1 байт, а в нём %2 байт.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — это папка, а не файл.</translation>
    </message>
    <message>
        <source>Cannot open %1: File access denied</source>
        <translation>Не удалось открыть %1: доступ к файлу запрещён</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 bytes).</source>
        <translation>Размер %1 — %2 байт: таких больших образов ROM у игры нет, а редактор читает файлы не больше 64 МиБ (%3 байт).</translation>
    </message>
    <message>
        <source>%1 is the file being read: write the output elsewhere.</source>
        <translation>%1 — это читаемый файл: запишите результат в другой.</translation>
    </message>
    <message>
        <source>Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, such as 476E2.</source>
        <translation>Поле Addr пусто: введите смещение записи буквы в образе ROM шестнадцатеричным числом, например 476E2.</translation>
    </message>
    <message>
        <source>The offset in Addr, &quot;%1&quot;, is not a hexadecimal number (only the digits 0-9 and A-F, such as 476E2).</source>
        <translation>Смещение в Addr, &quot;%1&quot;, не является шестнадцатеричным числом (допустимы только цифры 0-9 и A-F, например 476E2).</translation>
    </message>
    <message>
        <source>The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of the same size, since an IPS patch cannot shorten an image and this program never lengthens one.</source>
        <translation>Исходный образ занимает %1 байт, а изменённый — %2 байт: патч создаётся только для образов одного размера, так как патч IPS не может укоротить образ, а эта программа никогда его не удлиняет.</translation>
    </message>
    <message>
        <source>The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from 0x1000000 on.</source>
        <translation>Образы различаются по смещению 0x%1, за пределами первых 16 МиБ: патч IPS не достаёт до смещений начиная с 0x1000000.</translation>
    </message>
    <message>
        <source>This is not an IPS patch: it does not begin with &quot;PATCH&quot;.</source>
        <translation>Это не патч IPS: он не начинается с &quot;PATCH&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: it ends at byte %1 without its &quot;EOF&quot; marker.</source>
        <translation>Патч обрезан: он заканчивается на байте %1 без метки &quot;EOF&quot;.</translation>
    </message>
    <message>
        <source>The patch is cut short: record %1 at byte %2 ends after the patch does.</source>
        <translation>Патч обрезан: запись %1 на байте %2 заканчивается дальше, чем сам патч.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.</source>
        <translation>Запись %1 на байте %2 патча повреждена: она повторяет байт 0 раз.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS patch can reach.</source>
        <translation>Запись %1 на байте %2 патча пишет по смещениям с 0x%3 по 0x%4, за пределами первых 16 МиБ, доступных патчу IPS.</translation>
    </message>
    <message>
        <source>Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): applying a patch never makes an image longer.</source>
        <translation>Запись %1 на байте %2 патча пишет по смещениям с 0x%3 по 0x%4, за концом образа (%5 байт): применение патча никогда не удлиняет образ.</translation>
    </message>
    <message>
        <source>The patch asks for an image of %1 bytes after its &quot;EOF&quot; marker, but the image is %2 bytes: applying a patch never changes an image&apos;s size.</source>
        <translation>После метки &quot;EOF&quot; патч требует образ размером %1 байт, а образ занимает %2 байт: применение патча никогда не меняет размер образа.</translation>
    </message>
    <message>
        <source>The patch goes on after its &quot;EOF&quot; marker at byte %1 and ends at byte %2; only a 3-byte size may follow the marker.</source>
        <translation>Патч продолжается после метки &quot;EOF&quot; на байте %1 и заканчивается на байте %2; после метки может следовать только размер из 3 байт.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written into %2, and it is read as it is.</source>
        <translation>%1 рядом с файлом %2 может быть журналом прерванной записи, но он оставлен как есть: %3. В %2 ничего не записано, и он читается как есть.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.</source>
        <translation>%1 рядом с файлом %2 — журнал прерванной записи, но файл с тех пор изменился (или журнал повреждён): журнал пропущен, а %2 оставлен как есть, но удалить журнал не удалось: %3.</translation>
    </message>
    <message>
        <source>%1 held the journal of a write that was cut short, but the file has changed since (or the journal was damaged): the journal was removed and %2 was left as it is.</source>
        <translation>В %1 был журнал прерванной записи, но файл с тех пор изменился (или журнал повреждён): журнал удалён, а %2 оставлен как есть.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>это символическая ссылка</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>он принадлежит другому пользователю (uid %1)</translation>
    </message>
    <message>
        <source>it can&apos;t be read: %1</source>
        <translation>его не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>users other than its owner may write into it</source>
        <translation>писать в него может не только его владелец</translation>
    </message>
    <message>
        <source>it has more than one name (hard links)</source>
        <translation>у него больше одного имени (жёсткие ссылки)</translation>
    </message>
    <message>
        <source>%1 belongs to another user (uid %2)</source>
        <translation>%1 принадлежит другому пользователю (uid %2)</translation>
    </message>
    <message>
        <source>it is the journal of another file</source>
        <translation>это журнал другого файла</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short before it changed any byte (the program that made it ended before it was done): the file is as it was before that write.</source>
        <translation>Последняя запись в %1 была прервана до того, как изменила хоть один байт (записывавшая программа завершилась, не закончив её): файл такой же, каким был до этой записи.</translation>
    </message>
    <message>
        <source>%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, so nothing was written, but the journal could not be removed: %3.</source>
        <translation>%1 рядом с файлом %2 — журнал прерванной записи. Все байты, которые он называет, уже хранят прежние значения, поэтому ничего не записано, но удалить журнал не удалось: %3.</translation>
    </message>
    <message>
        <source>A write into %1 was cut short (the program that made it ended before it was done), and its old bytes can&apos;t be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens the file.</source>
        <translation>Запись в %1 была прервана (записывавшая программа завершилась, не закончив её), и прежние байты не удаётся вернуть: %2. Они сохранены рядом в %3, и редактор попробует снова, когда в следующий раз откроет файл.</translation>
    </message>
    <message>
        <source>offsets %1</source>
        <translation>смещения %1</translation>
    </message>
    <message>
        <source>%1 ranges from %2 to %3</source>
        <translation>%1 участков с %2 по %3</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write.</source>
        <translation>Последняя запись в %1 была прервана: записывавшая программа завершилась, не закончив её. Байты, которые она меняла (%2), возвращены на место: файл такой же, каким был до этой записи.</translation>
    </message>
    <message>
        <source>The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not be removed: %4.</source>
        <translation>Последняя запись в %1 была прервана: записывавшая программа завершилась, не закончив её. Байты, которые она меняла (%2), возвращены на место: файл такой же, каким был до этой записи, но его журнал %3 удалить не удалось: %4.</translation>
    </message>
    <message>
        <source>%1 is empty: a letter file holds one letter record.</source>
        <translation>Файл %1 пуст: файл буквы содержит одну запись буквы.</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Чтение за концом файла: %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 for writing: %2. Nothing was written.</source>
        <translation>Не удалось заблокировать %1 для записи: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 is being written by another program (pid %2). Nothing was written: try again when it is done.</source>
        <translation>В файл %1 сейчас пишет другая программа (pid %2). Ничего не записано: попробуйте снова, когда она закончит.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Nothing was written: try again when it is done.</source>
        <translation>В файл %1 сейчас пишет другая программа. Ничего не записано: попробуйте снова, когда она закончит.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 points; the editor holds at most %3.</source>
        <translation>В букве по смещению %1 точек: %2; редактор вмещает не больше %3.</translation>
    </message>
    <message>
        <source>The letter has %1 points; the editor holds at most %2.</source>
        <translation>В букве точек: %1; редактор вмещает не больше %2.</translation>
    </message>
    <message>
        <source>The letter at offset %1 has %2 polygons; the editor holds at most %3.</source>
        <translation>В букве по смещению %1 полигонов: %2; редактор вмещает не больше %3.</translation>
    </message>
    <message>
        <source>The letter has %1 polygons; the editor holds at most %2.</source>
        <translation>В букве полигонов: %1; редактор вмещает не больше %2.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.</source>
        <translation>В полигоне %1 буквы по смещению %2 углов: %3; редактор вмещает не больше %4.</translation>
    </message>
    <message>
        <source>Polygon %1 of the letter has %2 corners; the editor holds at most %3.</source>
        <translation>В полигоне %1 буквы углов: %2; редактор вмещает не больше %3.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: it was left as it was.</source>
        <translation>%1 не является обычным файлом: он оставлен как был.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, and the editor writes this file only as a file of its own. %2</source>
        <translation>%1 — символическая ссылка, а этот файл редактор записывает только как отдельный файл. %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. %3</source>
        <translation>Не удалось записать %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 — образ ROM размером %2 байт, а вывод команды никогда не заменяет образ ROM: ничего не записано. Дайте выводу другое имя.</translation>
    </message>
    <message>
        <source>%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. Give the output another name.</source>
        <translation>%1 ведёт к %2 — образу ROM размером %3 байт, а вывод команды никогда не заменяет образ ROM: ничего не записано. Дайте выводу другое имя.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>Файл %1 оставлен как был.</translation>
    </message>
    <message>
        <source>%1 was not created.</source>
        <translation>Файл %1 не создан.</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may be back.</source>
        <translation>Файл %1 записан, но его папку не удалось сбросить на диск: %2. После отключения питания может вернуться прежний файл.</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Диск заполнен: %1</translation>
    </message>
    <message>
        <source>%1 None of the %2 files was written.</source>
        <translation>%1 Ни один из %2 файлов не записан.</translation>
    </message>
    <message>
        <source>%1 These files were written before it: %2.</source>
        <translation>%1 До него были записаны эти файлы: %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Ничего не записано.</translation>
    </message>
    <message>
        <source>its journal %1 could not be written beside it: %2</source>
        <translation>не удалось записать рядом с ним его журнал %1: %2</translation>
    </message>
    <message>
        <source>%1 The bytes that were there before were put back: the file is as it was.</source>
        <translation>%1 Прежние байты возвращены на место: файл остался как был.</translation>
    </message>
    <message>
        <source>%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are kept beside it, and the editor puts them back the next time it opens the file.</source>
        <translation>%1 Вернуть прежние байты тоже не удалось (%2): в %4 могли измениться байты по смещениям %3. Прежние байты сохранены рядом с ним, и редактор вернёт их на место, когда в следующий раз откроет файл.</translation>
    </message>
    <message>
        <source>Not one of the five known dumps
CRC32 %1</source>
        <translation>Ни один из пяти известных дампов
CRC32 %1</translation>
    </message>
    <message>
        <source>%1 (with a 512-byte header)
CRC32 %2</source>
        <translation>%1 (с заголовком 512 байт)
CRC32 %2</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем прочитайте слова.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем запишите слова.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then read the words.</source>
        <translation>Последний открытый файл, &quot;%1&quot;, — файл буквы, а не образ ROM (%2 байт; образ ROM больше 2,000,000 байт). Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем прочитайте слова.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then write the words.</source>
        <translation>Последний открытый файл, &quot;%1&quot;, — файл буквы, а не образ ROM (%2 байт; образ ROM больше 2,000,000 байт). Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем запишите слова.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3. Nothing was written.</source>
        <translation>Не удалось прочитать слово %1 из &quot;%2&quot;: %3. Ничего не записано.</translation>
    </message>
    <message>
        <source>Cannot read the %1 word from &quot;%2&quot;: %3.</source>
        <translation>Не удалось прочитать слово %1 из &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file ends after %5 bytes.</source>
        <translation>Файл &quot;%1&quot; слишком короток для слов дампа %2: слово %3 лежит по смещению %4, а файл заканчивается после %5 байт.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is %4 characters, but each letter of the word is one character.</source>
        <translation>Буква %1 слова %2: &apos;%3&apos; состоит из нескольких символов (%4), а каждая буква слова — один символ.</translation>
    </message>
    <message>
        <source>Letter %1 of %2: &apos;%3&apos; is not a character the game can show.</source>
        <translation>Буква %1 слова %2: символ &apos;%3&apos; игра показать не может.</translation>
    </message>
    <message>
        <source>Cannot write the words into %1: %2.</source>
        <translation>Не удалось записать слова в %1: %2.</translation>
    </message>
    <message>
        <source>Drawings and pictures</source>
        <translation>Рисунки и картинки</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Letter from font</source>
        <translation>Буква из шрифта</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Начертание:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Символ:</translation>
    </message>
    <message>
        <source>Give one character to draw from the font &quot;%1&quot;, not &quot;%2&quot;.</source>
        <translation>Укажите один символ, который нужно взять из шрифта &quot;%1&quot;, а не &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter&apos;s limits.</source>
        <translation>Или пусть vertiloom-cli import IMAGE DRAWING --letter L --fit спрямит рисунок в пределы буквы.</translation>
    </message>
    <message>
        <source>No ROM image is open yet. Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем запускайте игру.</translation>
    </message>
    <message>
        <source>The file last opened, &quot;%1&quot;, is a letter file, not a ROM image (%2 bytes; a ROM image is larger than 2,000,000 bytes). Open a ROM image with &quot;Open file&quot; first, then play it.</source>
        <translation>Последний открытый файл, &quot;%1&quot;, — файл буквы, а не образ ROM (%2 байт; образ ROM больше 2,000,000 байт). Сначала откройте образ ROM кнопкой &quot;Открыть файл&quot;, затем запускайте игру.</translation>
    </message>
    <message>
        <source>No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written over the %4 bytes there. %2 itself is unchanged.</source>
        <translation>По смещению %1 в %2 не удаётся прочитать запись буквы (%3): в копии для игры новая запись записана поверх %4 байт по этому смещению. Сам файл %2 не изменён.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 byte after the old record is overwritten. %2 itself is unchanged.</source>
        <translation>Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт: в копии для игры затёрт 1 байт после старой записи. Сам файл %2 не изменён.</translation>
    </message>
    <message>
        <source>The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 bytes after the old record are overwritten. %2 itself is unchanged.</source>
        <translation>Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт: в копии для игры затёрты %5 байт после старой записи. Сам файл %2 не изменён.</translation>
    </message>
    <message>
        <source>retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>retroarch есть в PATH, но ядра SNES для него нет в %1/*/libretro/: установите пакет Debian libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) или mednafen (apt-get install mednafen) либо укажите командную строку своего эмулятора.</translation>
    </message>
    <message>
        <source>No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the command line of yours.</source>
        <translation>В PATH не найден ни один эмулятор: установите пакет Debian mednafen (apt-get install mednafen) или укажите командную строку своего эмулятора.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line has a %1 that is not closed: %2</source>
        <translation>В командной строке эмулятора не закрыта кавычка %1: %2</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line is empty: give it in &quot;Emulator…&quot;, with %f where the file to play goes.</source>
        <translation>Командная строка эмулятора пуста: укажите её пунктом &quot;Эмулятор…&quot;, с %f на месте файла для игры.</translation>
    </message>
    <message>
        <source>Cannot make a folder for the copy to play in %1: %2.</source>
        <translation>Не удалось создать в %1 папку для копии для игры: %2.</translation>
    </message>
    <message>
        <source>Cannot start the emulator %1: %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Не удалось запустить эмулятор %1: %2. Его командная строка задаётся пунктом &quot;Эмулятор…&quot;.</translation>
    </message>
    <message>
        <source>Cannot start the emulator &quot;%1&quot; (looked for in the folders of the PATH): %2. Its command line is set in &quot;Emulator…&quot;.</source>
        <translation>Не удалось запустить эмулятор &quot;%1&quot; (его искали в папках PATH): %2. Его командная строка задаётся пунктом &quot;Эмулятор…&quot;.</translation>
    </message>
    <message>
        <source>programs are started only from the editor&apos;s window</source>
        <translation>программы запускаются только из окна редактора</translation>
    </message>
    <message>
        <source>x of point %1</source>
        <translation>x точки %1</translation>
    </message>
    <message>
        <source>y of point %1</source>
        <translation>y точки %1</translation>
    </message>
    <message>
        <source>point %1 in the letter</source>
        <translation>точка %1 в букве</translation>
    </message>
    <message>
        <source>place point %1 with a click on the preview</source>
        <translation>ставить точку %1 щелчком по просмотру</translation>
    </message>
    <message>
        <source>number of points, hexadecimal</source>
        <translation>число точек, шестнадцатеричное</translation>
    </message>
    <message>
        <source>number of polygons, hexadecimal</source>
        <translation>число полигонов, шестнадцатеричное</translation>
    </message>
    <message>
        <source>corners of polygon %1</source>
        <translation>углы полигона %1</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: point</source>
        <translation>угол %1 полигона %2: точка</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2: parameter</source>
        <translation>угол %1 полигона %2: параметр</translation>
    </message>
    <message>
        <source>corner %1 of polygon %2 in use</source>
        <translation>угол %1 полигона %2 используется</translation>
    </message>
    <message>
        <source>offset of the letter in the file, hexadecimal</source>
        <translation>смещение буквы в файле, шестнадцатеричное</translation>
    </message>
    <message>
        <source>the letter&apos;s record</source>
        <translation>запись буквы</translation>
    </message>
    <message>
        <source>PAUSE, letter %1</source>
        <translation>PAUSE, буква %1</translation>
    </message>
    <message>
        <source>GAME OVER, letter %1</source>
        <translation>GAME OVER, буква %1</translation>
    </message>
    <message>
        <source>next letter of the catalogue</source>
        <translation>следующая буква каталога</translation>
    </message>
    <message>
        <source>previous letter of the catalogue</source>
        <translation>предыдущая буква каталога</translation>
    </message>
    <message>
        <source>reload the letter from the file</source>
        <translation>перечитать букву из файла</translation>
    </message>
    <message>
        <source>clear the letter</source>
        <translation>очистить букву</translation>
    </message>
    <message>
        <source>read the words from the ROM image</source>
        <translation>прочитать слова из образа ROM</translation>
    </message>
    <message>
        <source>write the words into the ROM image</source>
        <translation>записать слова в образ ROM</translation>
    </message>
    <message>
        <source>ROM variant</source>
        <translation>вариант ROM</translation>
    </message>
    <message>
        <source>preview of the letter</source>
        <translation>просмотр буквы</translation>
    </message>
    <message>
        <source>point numbers and axes over the preview</source>
        <translation>номера точек и оси над просмотром</translation>
    </message>
    <message>
        <source>the drawing board&apos;s square</source>
        <translation>квадрат чертёжной доски</translation>
    </message>
    <message>
        <source>%1 on no point</source>
        <translation>%1 ни на одной точке</translation>
    </message>
    <message>
        <source>%1 on points %2</source>
        <translation>%1 на точках %2</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Нет точек.</translation>
    </message>
    <message>
        <source>Points (%1): %2.</source>
        <translation>Точки (%1): %2.</translation>
    </message>
    <message>
        <source>No polygons.</source>
        <translation>Нет полигонов.</translation>
    </message>
    <message>
        <source>Polygons (%1): %2.</source>
        <translation>Полигоны (%1): %2.</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Координаты:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Число точек</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Число полигонов</translation>
    </message>
    <message>
        <source>Total bytes: </source>
        <translation>Всего байт: </translation>
    </message>
    <message>
        <source>START!</source>
        <translation>ПУСК!</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Export letter to Rom</source>
        <translation>Экспорт буквы в Rom</translation>
    </message>
    <message>
        <source>Export letter to file</source>
        <translation>Экспорт буквы в файл</translation>
    </message>
    <message>
        <source>Convert to Translhextion</source>
        <translation>Экспорт в Translhextion</translation>
    </message>
    <message>
        <source>Display points</source>
        <translation>Отображать точки</translation>
    </message>
    <message>
        <source>Display axes</source>
        <translation>Отображать оси</translation>
    </message>
    <message>
        <source>Angles of %1 polygon</source>
        <translation>Число углов %1 полигона</translation>
    </message>
    <message>
        <source>vertex/parameters</source>
        <translation>вершины/параметры</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Эмулятор</translation>
    </message>
    <message>
        <source>The command line that starts your emulator. %f stands for the file to play: a copy of the open ROM image with the letter and the words as the fields hold them. Quotes &apos; and &quot; group words as in a shell. Left empty, the first of mednafen, snes9x, bsnes and retroarch on the PATH is used.</source>
        <translation>Командная строка, которая запускает ваш эмулятор. %f — файл для игры: копия открытого образа ROM с буквой и словами, как их показывают поля. Кавычки &apos; и &quot; объединяют слова, как в оболочке. Если строка пуста, берётся первый из mednafen, snes9x, bsnes и retroarch в PATH.</translation>
    </message>
    <message>
        <source>A polygon needs two corners or more.</source>
        <translation>Многоугольнику нужно не меньше двух углов.</translation>
    </message>
    <message>
        <source>pen: click to place the first corner</source>
        <translation>перо: щелчок ставит первый угол</translation>
    </message>
    <message>
        <source>pen: %1 corners, click closes the polygon</source>
        <translation>перо: углов %1, щелчок замыкает многоугольник</translation>
    </message>
    <message>
        <source>pen: %1 corners (Enter closes, Backspace takes the last back)</source>
        <translation>перо: углов %1 (Enter замыкает, Backspace убирает последний)</translation>
    </message>
    <message>
        <source>vertiloom-cli: warning: %1</source>
        <translation>vertiloom-cli: предупреждение: %1</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Missing arguments.</source>
        <translation>Не хватает аргументов.</translation>
    </message>
    <message>
        <source>Too many arguments: &quot;%1&quot;.</source>
        <translation>Лишние аргументы: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>An argument is empty: give the name of a file.</source>
        <translation>Один из аргументов пуст: укажите имя файла.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 принимает целое число от %2 до %3, а не &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--%1 is empty: give the name of the file to write.</source>
        <translation>Значение --%1 пусто: укажите имя файла, который нужно записать.</translation>
    </message>
    <message>
        <source>Print JSON instead of text.</source>
        <translation>Выводить JSON вместо текста.</translation>
    </message>
    <message>
        <source>%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than 2,000,000 bytes).%3</source>
        <translation>%1 — файл буквы размером %2 байт, а не образ ROM (образ ROM больше 2,000,000 байт).%3</translation>
    </message>
    <message>
        <source>Cannot encode the picture as PNG.</source>
        <translation>Не удалось закодировать картинку в PNG.</translation>
    </message>
    <message>
        <source>The font: an installed family with its style after a colon (&quot;DejaVu Sans:Bold&quot;), or a .ttf or .otf file.</source>
        <translation>Шрифт: установленное семейство с начертанием после двоеточия (&quot;DejaVu Sans:Bold&quot;) или файл .ttf или .otf.</translation>
    </message>
    <message>
        <source>pieces (convex polygons sharing their corner points, as the game&apos;s own letters are built; the default) or outline (one polygon per contour, holes included).</source>
        <translation>pieces (выпуклые полигоны с общими угловыми точками — так устроены буквы самой игры; по умолчанию) или outline (по одному полигону на контур, включая дыры).</translation>
    </message>
    <message>
        <source>The box the letter is fitted into, in units from -128 to 127: left, top, right and foot (y grows downwards). The letter keeps its aspect, is centred across and stands on the foot.</source>
        <translation>Рамка, в которую вписывается буква, в единицах от -128 до 127: левый край, верх, правый край и основание (y растёт вниз). Буква сохраняет пропорции, выравнивается по центру по горизонтали и стоит на основании.</translation>
    </message>
    <message>
        <source>--style takes pieces or outline, not &quot;%1&quot;.</source>
        <translation>--style принимает pieces или outline, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter&apos;s square (such as -60,-90,60,0), not &quot;%1&quot;.</source>
        <translation>--box принимает четыре целых числа X0,Y0,X1,Y1 от -128 до 127 в квадрате буквы (например, -60,-90,60,0), а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dump to read the image as, 1 to 5 in the order of the ROM panel (default: the best fitting one, else 1).</source>
        <translation>Дамп, которым читать образ: от 1 до 5 в порядке панели ROM (по умолчанию — лучше всего подходящий, иначе 1).</translation>
    </message>
    <message>
        <source>The catalogue letter: its label (&quot;A (57) 84&quot;) or its glyph (A).</source>
        <translation>Буква каталога: её подпись (&quot;A (57) 84&quot;) или её знак (A).</translation>
    </message>
    <message>
        <source>The letter record&apos;s file offset (hexadecimal).</source>
        <translation>Смещение записи буквы в файле (шестнадцатеричное).</translation>
    </message>
    <message>
        <source>Give --letter or --offset, not both.</source>
        <translation>Укажите --letter или --offset, но не оба сразу.</translation>
    </message>
    <message>
        <source>No catalogue letter is labelled &quot;%1&quot;.</source>
        <translation>В каталоге нет буквы с подписью &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--offset takes a hexadecimal file offset such as 476E2, not &quot;%1&quot;.</source>
        <translation>--offset принимает шестнадцатеричное смещение в файле, например 476E2, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 не открыт.</translation>
    </message>
    <message>
        <source>Fits letters into the game&apos;s limits (at most 20 points, 8 polygons, 11 corners each) without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, curves and strokes included; any other a picture, whose dark shape is traced), then one for each character of --chars in --font. Each letter is placed in the box (--box, else the default letter&apos;s), and its line says how close it came. OUT by its name: *.svg the letter&apos;s SVG drawing, *.png the letter as the preview draws it, a folder (one that exists, or a name ending in /) a letter file per letter and sheet.png, a contact sheet of them all with their figures; any other name a letter file. Several letters need a folder. When any letter can&apos;t be fitted, nothing is written.</source>
        <translation>Вписывает буквы в ограничения игры (не больше 20 точек, 8 полигонов, 11 углов у каждого), не трогая ни одного образа ROM: по одной из каждого SOURCE (файл *.svg — рисунок, включая кривые и штрихи; любой другой — картинка, тёмная фигура которой обводится), затем по одной на каждый символ --chars из шрифта --font. Каждая буква ставится в рамку (--box, иначе рамку буквы по умолчанию), а её строка говорит, насколько близко она вышла. OUT по имени: *.svg — рисунок SVG буквы, *.png — буква так, как её рисует просмотр, папка (существующая или имя, оканчивающееся на /) — по файлу буквы на каждую букву и sheet.png, обзорный лист всех букв с их показателями; любое другое имя — файл буквы. Нескольким буквам нужна папка. Если хоть одну букву вписать не удаётся, ничего не записывается.</translation>
    </message>
    <message>
        <source>A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number.</source>
        <translation>Рисунок (*.svg) или картинка (PNG, JPEG, BMP...), которые нужно вписать; сколько угодно.</translation>
    </message>
    <message>
        <source>The characters of --font to fit, a letter each (white space and repeats passed over).</source>
        <translation>Символы шрифта --font, которые нужно вписать, по букве на каждый (пробельные символы и повторы пропускаются).</translation>
    </message>
    <message>
        <source>The letter file, drawing (*.svg), picture (*.png) or folder (DIR/) to write.</source>
        <translation>Файл буквы, рисунок (*.svg), картинка (*.png) или папка (DIR/), которые нужно записать.</translation>
    </message>
    <message>
        <source>--font needs --chars: give the characters to fit.</source>
        <translation>Для --font нужен --chars: укажите символы, которые нужно вписать.</translation>
    </message>
    <message>
        <source>--chars needs --font: give the font to take the characters from.</source>
        <translation>Для --chars нужен --font: укажите шрифт, из которого брать символы.</translation>
    </message>
    <message>
        <source>Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture (*.png) or a folder (DIR/).</source>
        <translation>Укажите, что записать, через -o OUT: файл буквы, рисунок (*.svg), картинку (*.png) или папку (DIR/).</translation>
    </message>
    <message>
        <source>Give a drawing or picture to fit, or --font F with --chars TEXT.</source>
        <translation>Укажите рисунок или картинку, которые нужно вписать, или --font F с --chars TEXT.</translation>
    </message>
    <message>
        <source>%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that exists), where each letter gets its letter file, and sheet.png.</source>
        <translation>Букв: %1 — им нужна папка: укажите -o DIR/ (имя, оканчивающееся на /, или существующую папку), где каждая буква получит свой файл буквы, а также sheet.png.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be fitted.</source>
        <translation>Ничего не записано: не каждую букву удаётся вписать.</translation>
    </message>
    <message>
        <source>%1 points, %2 polygons</source>
        <translation>Точек: %1, полигонов: %2</translation>
    </message>
    <message>
        <source>IoU %1 %, distance ≤ %2</source>
        <translation>IoU %1 %, расстояние ≤ %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1. Nothing was written.</source>
        <translation>Не удалось создать папку %1. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 байт)</translation>
    </message>
    <message>
        <source>with a 512-byte header</source>
        <translation>с заголовком из 512 байт</translation>
    </message>
    <message>
        <source>no header</source>
        <translation>без заголовка</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Copier header:</source>
        <translation>Заголовок копировщика:</translation>
    </message>
    <message>
        <source>Cartridge:</source>
        <translation>Картридж:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Контрольная сумма:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Map mode:</source>
        <translation>Режим памяти:</translation>
    </message>
    <message>
        <source>ROM size:</source>
        <translation>Размер ROM:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Страна:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Dumps:</source>
        <translation>Дампы:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Слова:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>no header at 7FC0 or FFC0</source>
        <translation>заголовка нет ни по 7FC0, ни по FFC0</translation>
    </message>
    <message>
        <source>the image&apos;s own is %1 (the 16-bit sum of its bytes); no header holds one to compare</source>
        <translation>у самого образа %1 (16-битная сумма его байтов); заголовка, с которым её сравнить, нет</translation>
    </message>
    <message>
        <source>header at %1, the high place</source>
        <translation>заголовок по %1, на верхнем месте</translation>
    </message>
    <message>
        <source>header at %1, the low place</source>
        <translation>заголовок по %1, на нижнем месте</translation>
    </message>
    <message>
        <source>(file offset %1, after the copier header)</source>
        <translation>(смещение в файле %1, после заголовка копировщика)</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they match</source>
        <translation>записана %1, дополнение %2; у самого образа %3 (16-битная сумма его байтов): совпадают</translation>
    </message>
    <message>
        <source>stored %1, complement %2; the image&apos;s own is %3 (the 16-bit sum of its bytes): they do not match</source>
        <translation>записана %1, дополнение %2; у самого образа %3 (16-битная сумма его байтов): не совпадают</translation>
    </message>
    <message>
        <source>Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image without a copier header), whether it has a copier header, its cartridge header when it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether the stored checksum is the image&apos;s own), the known dumps whose letters all fit, and its PAUSE and GAME OVER words (read at the best fitting dump&apos;s offsets, else the first dump&apos;s).</source>
        <translation>Сообщает, что представляет собой образ ROM: его размер, CRC32, MD5 и SHA-1 (все три — образа без заголовка копировщика), есть ли у него заголовок копировщика, его заголовок картриджа, если он есть по 7FC0 или FFC0 (название, режим памяти, размер ROM, страна, версия и совпадает ли записанная контрольная сумма с суммой самого образа), известные дампы, все буквы которых подходят, и его слова PAUSE и GAME OVER (прочитанные по смещениям лучше всего подходящего дампа, иначе первого).</translation>
    </message>
    <message>
        <source>The ROM image.</source>
        <translation>Образ ROM.</translation>
    </message>
    <message>
        <source>a letter file, not a ROM image: it holds no words</source>
        <translation>файл буквы, а не образ ROM: слов в нём нет</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>none of the five known dumps fits</source>
        <translation>не подходит ни один из пяти известных дампов</translation>
    </message>
    <message>
        <source>%1, words known</source>
        <translation>%1, слова известны</translation>
    </message>
    <message>
        <source>Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the length the catalogue gives, and the record read there as a load reads it (its length, points and polygons), or why it can&apos;t be read.</source>
        <translation>Перечисляет 24 буквы каталога одного дампа в образе ROM: подпись, смещение в файле, длину по каталогу и запись, прочитанную там так, как её читает загрузка (её длину, точки и полигоны), или причину, по которой её не удаётся прочитать.</translation>
    </message>
    <message>
        <source>every letter fits</source>
        <translation>подходит каждая буква</translation>
    </message>
    <message>
        <source>not every letter fits</source>
        <translation>подходит не каждая буква</translation>
    </message>
    <message>
        <source>longer than the catalogue says</source>
        <translation>длиннее, чем говорит каталог</translation>
    </message>
    <message>
        <source>no record: %1</source>
        <translation>нет записи: %1</translation>
    </message>
    <message>
        <source>Compares the checksum and its complement in the image&apos;s cartridge header (at 7FC0 or FFC0, counted after a copier header) with the image&apos;s own checksum: the 16-bit sum of its bytes without the copier header, the remainder of a size that is no power of two repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 when they do not or no header is found. With --fix, writes the right checksum and complement, those 4 bytes and no other, with import&apos;s safeguards: the image is first copied to IMAGE.bak, and a write cut short is put back.</source>
        <translation>Сравнивает контрольную сумму и её дополнение в заголовке картриджа образа (по 7FC0 или FFC0, считая после заголовка копировщика) с контрольной суммой самого образа: 16-битной суммой его байтов без заголовка копировщика, где остаток размера, не равного степени двойки, повторяется так, как его видит приставка. Код выхода 0, если они совпадают (или --fix их записал), 1, если не совпадают или заголовок не найден. С --fix записывает правильные контрольную сумму и дополнение — эти 4 байта и никакие другие — с теми же предосторожностями, что и import: сначала образ копируется в IMAGE.bak, а прерванная запись откатывается.</translation>
    </message>
    <message>
        <source>Write the image&apos;s own checksum and its complement into the header.</source>
        <translation>Записать в заголовок контрольную сумму самого образа и её дополнение.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1</source>
        <translation>Заголовок картриджа не найден ни по 7FC0, ни по FFC0: сравнивать нечего.%1</translation>
    </message>
    <message>
        <source>Nothing to set: nothing was written.</source>
        <translation>Исправлять нечего: ничего не записано.</translation>
    </message>
    <message>
        <source>The header&apos;s checksum does not match the image&apos;s own (--fix sets it).</source>
        <translation>Контрольная сумма в заголовке не совпадает с суммой самого образа (её исправит --fix).</translation>
    </message>
    <message>
        <source>Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is in %5.</source>
        <translation>Контрольная сумма %1 и её дополнение %2 записаны по смещению %3 в %4; образ в прежнем виде — в %5.</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the IPS patch that turns ORIGINAL into MODIFIED (images of the same size); &quot;apply&quot; writes IMAGE with PATCH applied to the file given with -o, after checking the whole patch.</source>
        <translation>&quot;create&quot; записывает патч IPS, превращающий ORIGINAL в MODIFIED (образы одного размера); &quot;apply&quot; записывает IMAGE с применённым PATCH в файл, указанный через -o, предварительно проверив весь патч.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Что сделать.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image.</source>
        <translation>create: исходный образ; apply: образ.</translation>
    </message>
    <message>
        <source>create: the modified image; apply: the patch.</source>
        <translation>create: изменённый образ; apply: патч.</translation>
    </message>
    <message>
        <source>create: the patch to write; apply: the patched image to write.</source>
        <translation>create: патч, который нужно записать; apply: образ с патчем, который нужно записать.</translation>
    </message>
    <message>
        <source>The first argument is create or apply, not &quot;%1&quot;.</source>
        <translation>Первый аргумент — create или apply, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the file to write with -o FILE.</source>
        <translation>Укажите файл, который нужно записать, через -o FILE.</translation>
    </message>
    <message>
        <source>%1: %2 bytes (the images are the same)</source>
        <translation>%1: %2 байт (образы одинаковы)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 байт</translation>
    </message>
    <message>
        <source>%1: %2 bytes, %3 changed</source>
        <translation>%1: %2 байт, изменено: %3</translation>
    </message>
    <message>
        <source>All 24 catalogue letters.</source>
        <translation>Все 24 буквы каталога.</translation>
    </message>
    <message>
        <source>%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, --dump and --all are for a ROM image.</source>
        <translation>%1 — файл буквы (%2 байт): в нём одна буква, а --letter, --offset, --dump и --all — для образа ROM.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Не прочитано: %1</translation>
    </message>
    <message>
        <source>%1: no record</source>
        <translation>%1: нет записи</translation>
    </message>
    <message>
        <source>Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, six across, each labelled. An output named *.svg is the letter&apos;s SVG drawing instead, as &quot;Export letter to SVG&quot; writes it (--scale, --no-numbers, --no-axes and --all are for a PNG picture).</source>
        <translation>Рисует букву так, как её показывает просмотр после загрузки, пиксель в пиксель (255 x 255), и записывает картинкой PNG; с --all — 24 буквы каталога на одном листе, по шесть в ряд, каждую с подписью. Если имя вывода оканчивается на *.svg, вместо этого записывается рисунок SVG буквы, как его пишет &quot;Экспорт буквы в SVG&quot; (--scale, --no-numbers, --no-axes и --all — для картинки PNG).</translation>
    </message>
    <message>
        <source>A ROM image (the letter at --letter or --offset, else the first catalogue letter) or a letter file.</source>
        <translation>Образ ROM (буква по --letter или --offset, иначе первая буква каталога) или файл буквы.</translation>
    </message>
    <message>
        <source>Enlarge every pixel to N x N (1 to 16).</source>
        <translation>Увеличить каждый пиксель до N x N (от 1 до 16).</translation>
    </message>
    <message>
        <source>Without the point numbers.</source>
        <translation>Без номеров точек.</translation>
    </message>
    <message>
        <source>Without the axes.</source>
        <translation>Без осей.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Файл, который нужно записать.</translation>
    </message>
    <message>
        <source>Give --all, or one letter with --letter or --offset.</source>
        <translation>Укажите --all или одну букву через --letter или --offset.</translation>
    </message>
    <message>
        <source>Give the picture to write with -o FILE.</source>
        <translation>Укажите картинку, которую нужно записать, через -o FILE.</translation>
    </message>
    <message>
        <source>--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG drawing holds one letter at its units, with its point numbers.</source>
        <translation>--scale, --no-numbers, --no-axes и --all — для картинки PNG: рисунок SVG содержит одну букву в её единицах, с номерами точек.</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Не записано: %1</translation>
    </message>
    <message>
        <source>Writes a letter file of one letter of a ROM image, or with --all one letter file per catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as &quot;Export letter to file&quot; writes them after a load.</source>
        <translation>Записывает файл буквы одной буквы образа ROM или с --all по файлу буквы на каждую букву каталога в папку (с именами по знаку и смещению, например P_476E2.bin) — так, как их пишет &quot;Экспорт буквы в файл&quot; после загрузки.</translation>
    </message>
    <message>
        <source>The letter file to write; with --all, the folder.</source>
        <translation>Файл буквы, который нужно записать; с --all — папка.</translation>
    </message>
    <message>
        <source>Give one letter with --letter or --offset, or --all.</source>
        <translation>Укажите одну букву через --letter или --offset либо --all.</translation>
    </message>
    <message>
        <source>Give the folder to write into with -o DIR.</source>
        <translation>Укажите папку, в которую писать, через -o DIR.</translation>
    </message>
    <message>
        <source>Give the letter file to write with -o FILE.</source>
        <translation>Укажите файл буквы, который нужно записать, через -o FILE.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter can be read.</source>
        <translation>Ничего не записано: не каждую букву удаётся прочитать.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was written.</source>
        <translation>%1: %2 Ничего не записано.</translation>
    </message>
    <message>
        <source>Not written: %1 Nothing was written.</source>
        <translation>Не записано: %1 Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 is not a folder: with --all, give the folder of letter files that extract --all wrote. Nothing was written.</source>
        <translation>%1 — не папка: с --all укажите папку файлов букв, записанных extract --all. Ничего не записано.</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2. Nothing was written.</source>
        <translation>Не удалось прочитать папку %1: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1: a letter file&apos;s name must end in _ and its offset, as extract --all names them (P_476E2.bin). Nothing was written.</source>
        <translation>%1: имя файла буквы должно оканчиваться на _ и смещение, как их называет extract --all (P_476E2.bin). Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 holds no letter files (*.bin). Nothing was written.</source>
        <translation>В %1 нет файлов букв (*.bin). Ничего не записано.</translation>
    </message>
    <message>
        <source>a %1-byte record</source>
        <translation>запись из %1 байт</translation>
    </message>
    <message>
        <source>no letter record</source>
        <translation>нет записи буквы</translation>
    </message>
    <message>
        <source>%1 more point</source>
        <translation>точек больше на %1</translation>
    </message>
    <message>
        <source>%1 more points</source>
        <translation>точек больше на %1</translation>
    </message>
    <message>
        <source>%1 fewer point</source>
        <translation>точек меньше на %1</translation>
    </message>
    <message>
        <source>%1 fewer points</source>
        <translation>точек меньше на %1</translation>
    </message>
    <message>
        <source>%1 more polygon</source>
        <translation>полигонов больше на %1</translation>
    </message>
    <message>
        <source>%1 more polygons</source>
        <translation>полигонов больше на %1</translation>
    </message>
    <message>
        <source>%1 fewer polygon</source>
        <translation>полигонов меньше на %1</translation>
    </message>
    <message>
        <source>%1 fewer polygons</source>
        <translation>полигонов меньше на %1</translation>
    </message>
    <message>
        <source>%1 more corner</source>
        <translation>углов больше на %1</translation>
    </message>
    <message>
        <source>%1 more corners</source>
        <translation>углов больше на %1</translation>
    </message>
    <message>
        <source>%1 fewer corner</source>
        <translation>углов меньше на %1</translation>
    </message>
    <message>
        <source>%1 fewer corners</source>
        <translation>углов меньше на %1</translation>
    </message>
    <message>
        <source>The new record has %1 than the one there.</source>
        <translation>В новой записи по сравнению с прежней: %1.</translation>
    </message>
    <message>
        <source>Writes the letter of a letter file into a ROM image at a catalogue letter or an offset, as &quot;Export letter to Rom&quot; does: the record is checked first, a record longer than the one there is refused unless --allow-longer is given, an image of none of the known dumps is refused, and the image is first copied to IMAGE.bak. A file named *.svg is a drawing: its letter is read as &quot;Import letter from SVG&quot; reads it, the bytes a drawing can&apos;t show taken from the record at that offset. With --fit, the letter is fitted into the game&apos;s limits from a drawing (curves and strokes included) or a picture (its dark shape traced), and with --font and --char (and no LETTERFILE) from a font&apos;s character: in the box of the record there (--box to choose another), over that record. With --all, every letter file of a folder goes to the offset in its name (as extract --all names them), all checked before any is written, in one write and one backup.</source>
        <translation>Записывает букву из файла буквы в образ ROM на место буквы каталога или по смещению, как это делает &quot;Экспорт буквы в Rom&quot;: сначала запись проверяется, запись длиннее прежней отклоняется, если не указан --allow-longer, образ, не совпадающий ни с одним известным дампом, отклоняется, а сам образ сначала копируется в IMAGE.bak. Файл *.svg — рисунок: его буква читается так, как её читает &quot;Импорт буквы из SVG&quot;, а байты, которые рисунок не может показать, берутся из записи по этому смещению. С --fit буква вписывается в ограничения игры из рисунка (включая кривые и штрихи) или картинки (её тёмная фигура обводится), а с --font и --char (и без LETTERFILE) — из символа шрифта: в рамку записи на этом месте (--box задаёт другую), поверх этой записи. С --all каждый файл буквы из папки идёт по смещению из своего имени (как их называет extract --all); все проверяются до записи первого, запись одна и резервная копия одна.</translation>
    </message>
    <message>
        <source>The ROM image to write into.</source>
        <translation>Образ ROM, в который нужно записать.</translation>
    </message>
    <message>
        <source>The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, the folder of letter files; none with --font.</source>
        <translation>Файл буквы (или рисунок SVG; с --fit — рисунок или картинка), который нужно записать; с --all — папка файлов букв; с --font — ничего.</translation>
    </message>
    <message>
        <source>Write every letter file (*.bin) of the folder LETTERFILE at the offset in its name.</source>
        <translation>Записать каждый файл буквы (*.bin) из папки LETTERFILE по смещению из его имени.</translation>
    </message>
    <message>
        <source>Write a record longer than the one there, over the bytes after it.</source>
        <translation>Разрешить запись длиннее прежней: она ляжет поверх байтов после неё.</translation>
    </message>
    <message>
        <source>Say what would change (offset, old and new length) and write nothing.</source>
        <translation>Сказать, что изменилось бы (смещение, старая и новая длина), и ничего не записывать.</translation>
    </message>
    <message>
        <source>Fit the drawing or picture LETTERFILE into the game&apos;s limits, in the box of the record there.</source>
        <translation>Вписать рисунок или картинку LETTERFILE в ограничения игры, в рамку записи на этом месте.</translation>
    </message>
    <message>
        <source>The character of --font to fit in place of LETTERFILE.</source>
        <translation>Символ шрифта --font, который нужно вписать вместо LETTERFILE.</translation>
    </message>
    <message>
        <source>With --all, the offsets are in the letter files&apos; names: give no --letter or --offset.</source>
        <translation>С --all смещения берутся из имён файлов букв: не указывайте --letter или --offset.</translation>
    </message>
    <message>
        <source>Give the letter to replace with --letter or --offset.</source>
        <translation>Укажите букву, которую нужно заменить, через --letter или --offset.</translation>
    </message>
    <message>
        <source>--font needs --char: give the character to fit.</source>
        <translation>Для --font нужен --char: укажите символ, который нужно вписать.</translation>
    </message>
    <message>
        <source>--char needs --font: give the font to take the character from.</source>
        <translation>Для --char нужен --font: укажите шрифт, из которого брать символ.</translation>
    </message>
    <message>
        <source>With --font and --char the letter comes from the font: give no LETTERFILE.</source>
        <translation>С --font и --char буква берётся из шрифта: не указывайте LETTERFILE.</translation>
    </message>
    <message>
        <source>--fit, --font and --char fit one letter: not with --all.</source>
        <translation>--fit, --font и --char вписывают одну букву: не вместе с --all.</translation>
    </message>
    <message>
        <source>--style and --box are for a fitted letter: give --fit, or --font and --char.</source>
        <translation>--style и --box — для вписываемой буквы: укажите --fit или --font и --char.</translation>
    </message>
    <message>
        <source>--char takes one character, not &quot;%1&quot;.</source>
        <translation>--char принимает один символ, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(--allow-longer writes it)</source>
        <translation>(--allow-longer её запишет)</translation>
    </message>
    <message>
        <source>%1 is a ROM image, not a letter file. Nothing was written.</source>
        <translation>%1 — образ ROM, а не файл буквы. Ничего не записано.</translation>
    </message>
    <message>
        <source>%1 and %2: the records at offsets %3 and %4 overlap.</source>
        <translation>%1 и %2: записи по смещениям %3 и %4 перекрываются.</translation>
    </message>
    <message>
        <source>Nothing was written: not every letter file can be written.</source>
        <translation>Ничего не записано: не каждый файл буквы удаётся записать.</translation>
    </message>
    <message>
        <source>Dry run: the %1-byte record would be written at offset %2 of %3, where %4 stands; %5 bytes would change.%6</source>
        <translation>Пробный запуск: запись из %1 байт была бы записана по смещению %2 в %3, где сейчас %4; изменилось бы байт: %5.%6</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was is in %5.</source>
        <translation>Запись из %1 байт записана по смещению %2 в %3, где была %4; образ в прежнем виде — в %5.</translation>
    </message>
    <message>
        <source>Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).</source>
        <translation>Запись из %1 байт записана по смещению %2, где была %3 (изменено байт: %4).</translation>
    </message>
    <message>
        <source>Wrote %1 records into %2; the image as it was is in %3.</source>
        <translation>В %2 записано записей: %1; образ в прежнем виде — в %3.</translation>
    </message>
    <message>
        <source>What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words.</source>
        <translation>Что представляет собой образ: размер, CRC32, MD5, SHA-1, заголовки копировщика и картриджа, подходящие дампы, два слова.</translation>
    </message>
    <message>
        <source>The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads.</source>
        <translation>24 буквы каталога одного дампа: смещения, длины, количества и читается ли каждая.</translation>
    </message>
    <message>
        <source>A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing.</source>
        <translation>Буква так, как её рисует просмотр, или все 24 на одном листе — картинкой PNG; или буква рисунком SVG.</translation>
    </message>
    <message>
        <source>Letter files of one letter or all 24, as &quot;Export letter to file&quot; writes them.</source>
        <translation>Файлы букв одной буквы или всех 24, как их пишет &quot;Экспорт буквы в файл&quot;.</translation>
    </message>
    <message>
        <source>A letter file written into the image as &quot;Export letter to Rom&quot; does, an SVG drawing&apos;s letter, or one fitted from a drawing, picture or font.</source>
        <translation>Файл буквы, записанный в образ, как это делает &quot;Экспорт буквы в Rom&quot;, буква рисунка SVG или буква, вписанная из рисунка, картинки или шрифта.</translation>
    </message>
    <message>
        <source>Letters fitted from drawings, pictures or a font&apos;s characters into the game&apos;s limits, with a sheet.</source>
        <translation>Буквы, вписанные в ограничения игры из рисунков, картинок или символов шрифта, с обзорным листом.</translation>
    </message>
    <message>
        <source>The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file.</source>
        <translation>Слова PAUSE и GAME OVER: прочитать их или записать новые; коды плиток в виде файла таблицы.</translation>
    </message>
    <message>
        <source>An IPS patch between two images, or one applied to an image.</source>
        <translation>Патч IPS между двумя образами или применение патча к образу.</translation>
    </message>
    <message>
        <source>The cartridge header&apos;s checksum against the image&apos;s own; --fix sets it.</source>
        <translation>Контрольная сумма заголовка картриджа в сравнении с суммой самого образа; --fix её исправляет.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch between two images, one applied to an image, or what a patch holds.</source>
        <translation>Патч BPS или IPS между двумя образами, применение патча к образу или что содержит патч.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>Reads and writes the polygon letters of the game in ROM images and letter files, without a window.</source>
        <translation>Читает и записывает полигональные буквы игры в образах ROM и файлах букв, без окна.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>&quot;vertiloom-cli COMMAND --help&quot; describes a command. Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.</source>
        <translation>&quot;vertiloom-cli COMMAND --help&quot; описывает команду. Код выхода: 0 — выполнено, 1 — отказано или не удалось (ничего не записано), 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>vertiloom-cli: &quot;%1&quot; is not text in the system&apos;s encoding (UTF-8): a file of that name would be read or written under another name. Rename the file, or give another name.</source>
        <translation>vertiloom-cli: &quot;%1&quot; — не текст в кодировке системы (UTF-8): файл с таким именем был бы прочитан или записан под другим именем. Переименуйте файл или укажите другое имя.</translation>
    </message>
    <message>
        <source>vertiloom-cli: give a command.</source>
        <translation>vertiloom-cli: укажите команду.</translation>
    </message>
    <message>
        <source>vertiloom-cli: no command is called &quot;%1&quot;.</source>
        <translation>vertiloom-cli: команды &quot;%1&quot; нет.</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 action</source>
        <translation>%1 действие</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>действий: %1</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Записи:</translation>
    </message>
    <message>
        <source>Size after:</source>
        <translation>Размер после:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Метаданные:</translation>
    </message>
    <message>
        <source>vertiloom-cli patch: warning: %1</source>
        <translation>vertiloom-cli patch: предупреждение: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 (%2 RLE), writing %3</source>
        <translation>%1 (из них RLE: %2), записывают %3</translation>
    </message>
    <message>
        <source>%1 bytes, CRC32 %2</source>
        <translation>%1 байт, CRC32 %2</translation>
    </message>
    <message>
        <source>&quot;create&quot; writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as they stand); &quot;apply&quot; writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after checking the whole patch and the image&apos;s size and CRC32; &quot;info&quot; says what PATCH holds.</source>
        <translation>&quot;create&quot; записывает патч, превращающий ORIGINAL в MODIFIED, в формате, на который оканчивается имя, указанное через -o: .bps (образы любых размеров, заголовок копировщика не учитывается) или .ips (образы одного размера, как есть); &quot;apply&quot; записывает IMAGE с применённым PATCH (BPS или IPS) в файл, указанный через -o, предварительно проверив весь патч, а также размер и CRC32 образа; &quot;info&quot; сообщает, что содержит PATCH.</translation>
    </message>
    <message>
        <source>create: the original image; apply: the image; info: the patch.</source>
        <translation>create: исходный образ; apply: образ; info: патч.</translation>
    </message>
    <message>
        <source>create: the patch to write (.bps or .ips); apply: the patched image to write.</source>
        <translation>create: патч, который нужно записать (.bps или .ips); apply: образ с патчем, который нужно записать.</translation>
    </message>
    <message>
        <source>create, BPS: text the patch carries (its metadata), such as its author.</source>
        <translation>create, BPS: текст, который несёт патч (его метаданные), например его автор.</translation>
    </message>
    <message>
        <source>BPS: take the images as they stand, a copier header included.</source>
        <translation>BPS: брать образы как есть, вместе с заголовком копировщика.</translation>
    </message>
    <message>
        <source>apply, BPS: apply the patch to an image of another size or CRC32, and keep a result of another CRC32, with a warning.</source>
        <translation>apply, BPS: применить патч к образу другого размера или CRC32 и оставить результат с другим CRC32, с предупреждением.</translation>
    </message>
    <message>
        <source>--%1 is for %2.</source>
        <translation>--%1 — только для %2.</translation>
    </message>
    <message>
        <source>info takes one file, the patch.</source>
        <translation>info принимает один файл — патч.</translation>
    </message>
    <message>
        <source>create or apply</source>
        <translation>create или apply</translation>
    </message>
    <message>
        <source>The first argument is create, apply or info, not &quot;%1&quot;.</source>
        <translation>Первый аргумент — create, apply или info, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 takes two files.</source>
        <translation>%1 принимает два файла.</translation>
    </message>
    <message>
        <source>The patch&apos;s name ends in .bps or .ips, which says its format: &quot;%1&quot; ends in neither.</source>
        <translation>Имя патча оканчивается на .bps или .ips, что и задаёт его формат: &quot;%1&quot; не оканчивается ни на то, ни на другое.</translation>
    </message>
    <message>
        <source>a BPS patch</source>
        <translation>патча BPS</translation>
    </message>
    <message>
        <source>Reads the PAUSE and GAME OVER words of a ROM image (&quot;?&quot; stands for a byte that is no tile code), or writes new ones as the window does: one character per letter, from &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; writes as &quot;1&quot;, &quot;_&quot; as the blank), and the image is first copied to IMAGE.bak. With --table, no image: the tile codes as a table file that hex editors load to show and type the game&apos;s text (&quot;00=P&quot; ... &quot;19=R&quot;, one line each).</source>
        <translation>Читает слова PAUSE и GAME OVER образа ROM (&quot;?&quot; обозначает байт, который не является кодом плитки) или записывает новые, как это делает окно: по символу на букву из &quot;PAUSED!0123456789LCT GMOVR&quot; (&quot;I&quot; записывается как &quot;1&quot;, &quot;_&quot; — как пробел), а образ сначала копируется в IMAGE.bak. С --table образ не нужен: коды плиток выводятся файлом таблицы, который загружают шестнадцатеричные редакторы, чтобы показывать и набирать текст игры (&quot;00=P&quot; ... &quot;19=R&quot;, по строке на код).</translation>
    </message>
    <message>
        <source>The ROM image (none with --table).</source>
        <translation>Образ ROM (с --table не нужен).</translation>
    </message>
    <message>
        <source>The 5 letters of the PAUSE word.</source>
        <translation>5 букв слова PAUSE.</translation>
    </message>
    <message>
        <source>The 8 letters of the GAME OVER word.</source>
        <translation>8 букв слова GAME OVER.</translation>
    </message>
    <message>
        <source>Write the tile codes as a table file for hex editors (to -o FILE, else to the standard output).</source>
        <translation>Записать коды плиток файлом таблицы для шестнадцатеричных редакторов (в -o FILE, иначе на стандартный вывод).</translation>
    </message>
    <message>
        <source>With --table, the table file to write.</source>
        <translation>С --table — файл таблицы, который нужно записать.</translation>
    </message>
    <message>
        <source>--table writes the game&apos;s tile codes, the same for every image: give no IMAGE, --set-pause, --set-game-over or --dump with it.</source>
        <translation>--table записывает коды плиток игры, одинаковые для любого образа: не указывайте вместе с ним IMAGE, --set-pause, --set-game-over или --dump.</translation>
    </message>
    <message>
        <source>%1 (%2 tile codes)</source>
        <translation>%1 (кодов плиток: %2)</translation>
    </message>
    <message>
        <source>-o is for --table: the words are written into the image.</source>
        <translation>-o — только для --table: слова записываются в образ.</translation>
    </message>
    <message>
        <source>--%1 takes %2 characters, one per letter, not &quot;%3&quot;.</source>
        <translation>--%1 принимает %2 символов, по одному на букву, а не &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Written into %1; the image as it was is in %2.</source>
        <translation>Записано в %1; образ в прежнем виде — в %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::BoardCanvas</name>
    <message>
        <source>point %1 at x %2, y %3</source>
        <translation>точка %1: x %2, y %3</translation>
    </message>
    <message>
        <source>in polygons %1</source>
        <translation>в многоугольниках %1</translation>
    </message>
    <message>
        <source>point %1 selected</source>
        <translation>выбрана точка %1</translation>
    </message>
    <message>
        <source>%1 points selected</source>
        <translation>выбрано точек: %1</translation>
    </message>
    <message>
        <source>The clipboard holds no points of this editor and no SVG drawing.</source>
        <translation>В буфере обмена нет ни точек этого редактора, ни рисунка SVG.</translation>
    </message>
    <message>
        <source>No point is selected to delete.</source>
        <translation>Не выбрано ни одной точки для удаления.</translation>
    </message>
</context>
<context>
    <name>vertiloom::DrawingBoard</name>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Подложка</translation>
    </message>
    <message>
        <source>Picture: a drag moves the tracing picture, the wheel sizes it</source>
        <translation>Подложка: перетаскивание двигает её, колесо меняет размер</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip vertically</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Scale the selection by this percentage</source>
        <translation>Масштабировать выбранное на столько процентов</translation>
    </message>
    <message>
        <source>Scale by %1 %</source>
        <translation>Масштабировать на %1 %</translation>
    </message>
    <message>
        <source>Move the selection by dx, dy</source>
        <translation>Сдвинуть выбранное на dx, dy</translation>
    </message>
    <message>
        <source>Move by %1, %2</source>
        <translation>Сдвинуть на %1, %2</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Привязка</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Крупнее</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Мельче</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>По окну</translation>
    </message>
    <message>
        <source>Background…</source>
        <translation>Открыть подложку…</translation>
    </message>
    <message>
        <source>Fit picture</source>
        <translation>Подогнать подложку</translation>
    </message>
    <message>
        <source>Fit what the picture shows to the letter&apos;s box</source>
        <translation>Подогнать видимое на подложке к рамке букв</translation>
    </message>
    <message>
        <source>Clear background</source>
        <translation>Убрать подложку</translation>
    </message>
    <message>
        <source>Trace picture</source>
        <translation>Обвести подложку</translation>
    </message>
    <message>
        <source>Fit the picture&apos;s dark shape into a letter where it lies on the square</source>
        <translation>Вписать в букву тёмную фигуру подложки там, где она лежит</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Вписать рисунок…</translation>
    </message>
    <message>
        <source>Fit an SVG drawing or a picture into the letter&apos;s limits</source>
        <translation>Вписать рисунок SVG или картинку в пределы буквы</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Буква из шрифта…</translation>
    </message>
    <message>
        <source>Fit a character of an installed font into the letter&apos;s limits</source>
        <translation>Вписать символ установленного шрифта в пределы буквы</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Take the fitted letter (Enter)</source>
        <translation>Принять вписанную букву (Enter)</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>Drop the fitted letter (Esc)</source>
        <translation>Отбросить вписанную букву (Esc)</translation>
    </message>
    <message>
        <source>Delete points</source>
        <translation>Удалить точки</translation>
    </message>
    <message>
        <source>Take the selected points out of the letter and its polygons</source>
        <translation>Убрать выбранные точки из буквы и из многоугольников</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Tessarine Vertiloom — drawing board</source>
        <translation>Tessarine Vertiloom — чертёжная доска</translation>
    </message>
    <message>
        <source>Opacity of the background</source>
        <translation>Непрозрачность подложки</translation>
    </message>
    <message>
        <source>Size of the background (the wheel with the picture tool, T)</source>
        <translation>Размер подложки (колесо в режиме подложки, T)</translation>
    </message>
    <message>
        <source>Where the background stands, in units (a drag with the picture tool, T, moves it)</source>
        <translation>Положение подложки в единицах (её двигает перетаскивание в режиме подложки, T)</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Move by:</source>
        <translation>Сдвиг:</translation>
    </message>
    <message>
        <source>Percent to scale the selection by; Apply or K scales</source>
        <translation>Масштаб выбранного в процентах; применяют кнопка и K</translation>
    </message>
    <message>
        <source>Units to move the selection by, x (Tab: y); Apply or M moves</source>
        <translation>Сдвиг выбранного в единицах, x (Tab: y); применяют кнопка и M</translation>
    </message>
    <message>
        <source>Units to move the selection by, y; Apply or M moves</source>
        <translation>Сдвиг выбранного в единицах, y; применяют кнопка и M</translation>
    </message>
    <message>
        <source>x of the selected point, in units (Tab: y)</source>
        <translation>x выбранной точки в единицах (Tab: y)</translation>
    </message>
    <message>
        <source>y of the selected point, in units</source>
        <translation>y выбранной точки в единицах</translation>
    </message>
    <message>
        <source>Fitted letter:</source>
        <translation>Вписанная буква:</translation>
    </message>
    <message>
        <source>Convex pieces</source>
        <translation>Выпуклые части</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Контуры</translation>
    </message>
    <message>
        <source>Convex pieces sharing their corners, as the game&apos;s own letters are built, or one polygon per contour, holes included</source>
        <translation>Выпуклые части с общими вершинами, как построены буквы самой игры, или по многоугольнику на контур, с дырами</translation>
    </message>
    <message>
        <source>Box:</source>
        <translation>Рамка:</translation>
    </message>
    <message>
        <source>Left edge of the box, in units</source>
        <translation>Левый край рамки в единицах</translation>
    </message>
    <message>
        <source>Top edge of the box, in units</source>
        <translation>Верх рамки в единицах</translation>
    </message>
    <message>
        <source>Right edge of the box, in units</source>
        <translation>Правый край рамки в единицах</translation>
    </message>
    <message>
        <source>Foot of the box, in units: the letter stands on it</source>
        <translation>Низ рамки в единицах: на нём стоит буква</translation>
    </message>
    <message>
        <source>Point %1:</source>
        <translation>Точка %1:</translation>
    </message>
    <message>
        <source>Points %1 and %2:</source>
        <translation>Точки %1 и %2:</translation>
    </message>
    <message>
        <source>distance %1, angle %2°</source>
        <translation>расстояние %1, угол %2°</translation>
    </message>
    <message>
        <source>No tracing picture is placed to trace: open one with “Background…” (B) first.</source>
        <translation>Нет подложки, которую можно обвести: сначала откройте её кнопкой «Открыть подложку…» (B).</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Рисунки</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Не удалось прочитать рисунок %1: %2.</translation>
    </message>
</context>
<context>
    <name>vertiloom::FontWindow</name>
    <message>
        <source>Tessarine Vertiloom — font</source>
        <translation>Tessarine Vertiloom — шрифт</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Буква</translation>
    </message>
</context>
<context>
    <name>vertiloom::MainWindow</name>
    <message>
        <source>Export letter to SVG…</source>
        <translation>Экспорт буквы в SVG…</translation>
    </message>
    <message>
        <source>Import letter from SVG…</source>
        <translation>Импорт буквы из SVG…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Emulator…</source>
        <translation>Эмулятор…</translation>
    </message>
    <message>
        <source>Drawing board (F6)</source>
        <translation>Чертёжная доска (F6)</translation>
    </message>
    <message>
        <source>Font (F7)</source>
        <translation>Шрифт (F7)</translation>
    </message>
    <message>
        <source>Fit drawing…</source>
        <translation>Вписать рисунок…</translation>
    </message>
    <message>
        <source>Letter from font…</source>
        <translation>Буква из шрифта…</translation>
    </message>
    <message>
        <source>Make patch…</source>
        <translation>Сделать патч…</translation>
    </message>
</context>
</TS>
