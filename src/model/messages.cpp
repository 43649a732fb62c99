// The core's messages in the user's language, and their Russian texts; see messages.h.
#include "model/messages.h"

#include <QCoreApplication>
#include <QHash>

namespace vertiloom {

namespace {

struct Translation {
    const char* english;
    const char* russian;
};

// Numbers keep the English grouping the messages give them ("2,000,000"); a count of bytes is
// written "%1 байт" whatever the number, as the window's own "Всего байт" does.
constexpr Translation kRussian[] = {
    // Opening files and the offset in Addr
    {"Invalid filename", "Недопустимое имя файла"},
    {"File not found: %1", "Файл не найден: %1"},
    {"%1 is a folder, not a file.", "%1 — это папка, а не файл."},
    {"Cannot open %1: File access denied", "Не удалось открыть %1: доступ к файлу запрещён"},
    {"Cannot open %1: %2", "Не удалось открыть %1: %2"},
    {"%1 is not a regular file.", "%1 не является обычным файлом."},
    {"Addr is empty: enter the offset of the letter record in the ROM image as a hexadecimal number, "
     "such as 476E2.",
     "Поле Addr пусто: введите смещение записи буквы в образе ROM шестнадцатеричным числом, например "
     "476E2."},
    {"The offset in Addr, \"%1\", is not a hexadecimal number (only the digits 0-9 and A-F, such as "
     "476E2).",
     "Смещение в Addr, \"%1\", не является шестнадцатеричным числом (допустимы только цифры 0-9 и A-F, "
     "например 476E2)."},

    // Reading a letter record
    {"Read beyond end of file", "Чтение за концом файла"},
    {"Read beyond end of file: %1", "Чтение за концом файла: %1"},
    {"%1 is empty: a letter file holds one letter record.", "Файл %1 пуст: файл буквы содержит одну запись буквы."},
    {"%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files of at most 64 MiB (%3 "
     "bytes).",
     "Размер %1 — %2 байт: таких больших образов ROM у игры нет, а редактор читает файлы не больше 64 МиБ (%3 "
     "байт)."},
    {"Cannot read %1: %2", "Не удалось прочитать %1: %2"},
    {"%1 is the file being read: write the output elsewhere.", "%1 — это читаемый файл: запишите результат в другой."},
    {"The letter at offset %1 has %2 points; the editor holds at most %3.",
     "В букве по смещению %1 точек: %2; редактор вмещает не больше %3."},
    {"The letter at offset %1 has %2 polygons; the editor holds at most %3.",
     "В букве по смещению %1 полигонов: %2; редактор вмещает не больше %3."},
    {"Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.",
     "В полигоне %1 буквы по смещению %2 углов: %3; редактор вмещает не больше %4."},
    {"%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units from "
     "the source's.",
     "Точек: %1, многоугольников: %2; общая с источником закрашенная площадь %3 %, края не дальше %4 единиц от "
     "краёв источника."},
    {"The letter has %1 points; the editor holds at most %2.", "В букве точек: %1; редактор вмещает не больше %2."},
    {"The letter has %1 polygons; the editor holds at most %2.",
     "В букве полигонов: %1; редактор вмещает не больше %2."},
    {"Polygon %1 of the letter has %2 corners; the editor holds at most %3.",
     "В полигоне %1 буквы углов: %2; редактор вмещает не больше %3."},

    // The memo
    {"The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.",
     "Текстовое поле не содержит записи буквы: символ табуляции в позиции %1 не является "
     "шестнадцатеричной цифрой."},
    {"The memo is not a letter record: character %1 at position %2 is not a hexadecimal digit.",
     "Текстовое поле не содержит записи буквы: символ с кодом %1 в позиции %2 не является "
     "шестнадцатеричной цифрой."},
    {"The memo is not a letter record: '%1' at position %2 is not a hexadecimal digit.",
     "Текстовое поле не содержит записи буквы: '%1' в позиции %2 не является шестнадцатеричной цифрой."},
    {"The memo is not a letter record: it holds %1 hexadecimal digits, an odd number, so its last byte "
     "is incomplete.",
     "Текстовое поле не содержит записи буквы: шестнадцатеричных цифр в нём %1, нечётное число, "
     "поэтому последний байт неполон."},
    {"The memo is not a letter record: the tag at position %1 should read <bh:xx> with two hexadecimal "
     "digits.",
     "Текстовое поле не содержит записи буквы: тег в позиции %1 должен иметь вид <bh:xx> с двумя "
     "шестнадцатеричными цифрами."},
    {"The memo is empty: press START! to compile the letter first.",
     "Текстовое поле пусто: чтобы собрать букву, сначала нажмите ПУСК!"},
    {"The memo is not a letter record: its %1 bytes end before the record that its counts describe "
     "does.",
     "Текстовое поле не содержит записи буквы: его %1 байт заканчиваются раньше, чем запись, которую "
     "описывают его счётчики."},
    {"The memo is not a letter record: %1", "Текстовое поле не содержит записи буквы: %1"},
    {"The memo is not a letter record: its counts describe a record of %1 bytes, but it holds %2 "
     "bytes.",
     "Текстовое поле не содержит записи буквы: по его счётчикам в записи %1 байт, а в нём %2 байт."},

    // Safe writes
    {"%1 is not a regular file: it was left as it was.", "%1 не является обычным файлом: он оставлен как был."},
    {"%1 was left as it was.", "Файл %1 оставлен как был."},
    {"%1 None of the %2 files was written.", "%1 Ни один из %2 файлов не записан."},
    {"%1 These files were written before it: %2.", "%1 До него были записаны эти файлы: %2."},
    {"%1 was not created.", "Файл %1 не создан."},
    {"Cannot write %1: %2. %3", "Не удалось записать %1: %2. %3"},
    {"The disk is full: %1", "Диск заполнен: %1"},
    {"%1 Nothing was written.", "%1 Ничего не записано."},
    {"%1 The bytes that were there before were put back: the file is as it was.",
     "%1 Прежние байты возвращены на место: файл остался как был."},
    {"%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their old bytes are "
     "kept beside it, and the editor puts them back the next time it opens the file.",
     "%1 Вернуть прежние байты тоже не удалось (%2): в %4 могли измениться байты по смещениям %3. Прежние байты "
     "сохранены рядом с ним, и редактор вернёт их на место, когда в следующий раз откроет файл."},
    {"%1 is a symbolic link, and the editor writes this file only as a file of its own. %2",
     "%1 — символическая ссылка, а этот файл редактор записывает только как отдельный файл. %2"},
    {"%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was written. Give the "
     "output another name.",
     "%1 — образ ROM размером %2 байт, а вывод команды никогда не заменяет образ ROM: ничего не записано. Дайте "
     "выводу другое имя."},
    {"%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing was written. "
     "Give the output another name.",
     "%1 ведёт к %2 — образу ROM размером %3 байт, а вывод команды никогда не заменяет образ ROM: ничего не "
     "записано. Дайте выводу другое имя."},
    {"%1 was written, but its folder could not be synced to the disk: %2. After a power loss the old file may "
     "be back.",
     "Файл %1 записан, но его папку не удалось сбросить на диск: %2. После отключения питания может вернуться "
     "прежний файл."},
    {"its journal %1 could not be written beside it: %2", "не удалось записать рядом с ним его журнал %1: %2"},
    {"%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was written; try "
     "again.",
     "Файл %1 изменился по смещению %2 после проверки: в него записала другая программа. Ничего не записано; "
     "попробуйте ещё раз."},
    {"Cannot lock %1 for writing: %2. Nothing was written.",
     "Не удалось заблокировать %1 для записи: %2. Ничего не записано."},
    {"%1 is being written by another program (pid %2). Nothing was written: try again when it is done.",
     "В файл %1 сейчас пишет другая программа (pid %2). Ничего не записано: попробуйте снова, когда она "
     "закончит."},
    {"%1 is being written by another program. Nothing was written: try again when it is done.",
     "В файл %1 сейчас пишет другая программа. Ничего не записано: попробуйте снова, когда она закончит."},
    {"A write into %1 was cut short (the program that made it ended before it was done), and its old bytes "
     "can't be put back: %2. They are kept in %3 beside it, and the editor tries again the next time it opens "
     "the file.",
     "Запись в %1 была прервана (записывавшая программа завершилась, не закончив её), и прежние байты не "
     "удаётся вернуть: %2. Они сохранены рядом в %3, и редактор попробует снова, когда в следующий раз "
     "откроет файл."},
    {"%1 held the journal of a write that was cut short, but the file has changed since (or the journal was "
     "damaged): the journal was removed and %2 was left as it is.",
     "В %1 был журнал прерванной записи, но файл с тех пор изменился (или журнал повреждён): журнал удалён, "
     "а %2 оставлен как есть."},
    {"The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had "
     "been changing (%2) were put back, so the file is as it was before that write.",
     "Последняя запись в %1 была прервана: записывавшая программа завершилась, не закончив её. Байты, которые "
     "она меняла (%2), возвращены на место: файл такой же, каким был до этой записи."},
    {"The last write into %1 was cut short: the program that made it ended before it was done. The bytes it had "
     "been changing (%2) were put back, so the file is as it was before that write, but its journal %3 could not "
     "be removed: %4.",
     "Последняя запись в %1 была прервана: записывавшая программа завершилась, не закончив её. Байты, которые "
     "она меняла (%2), возвращены на место: файл такой же, каким был до этой записи, но его журнал %3 удалить "
     "не удалось: %4."},
    {"The last write into %1 was cut short before it changed any byte (the program that made it ended before it "
     "was done): the file is as it was before that write.",
     "Последняя запись в %1 была прервана до того, как изменила хоть один байт (записывавшая программа "
     "завершилась, не закончив её): файл такой же, каким был до этой записи."},
    {"%1 beside %2 is the journal of a write that was cut short. Every byte it names already holds its old value, "
     "so nothing was written, but the journal could not be removed: %3.",
     "%1 рядом с файлом %2 — журнал прерванной записи. Все байты, которые он называет, уже хранят прежние "
     "значения, поэтому ничего не записано, но удалить журнал не удалось: %3."},
    {"%1 beside %2 is the journal of a write that was cut short, but the file has changed since (or the journal is "
     "damaged): it was passed over and %2 was left as it is, but the journal could not be removed: %3.",
     "%1 рядом с файлом %2 — журнал прерванной записи, но файл с тех пор изменился (или журнал повреждён): "
     "журнал пропущен, а %2 оставлен как есть, но удалить журнал не удалось: %3."},
    {"%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. Nothing was written "
     "into %2, and it is read as it is.",
     "%1 рядом с файлом %2 может быть журналом прерванной записи, но он оставлен как есть: %3. В %2 ничего не "
     "записано, и он читается как есть."},
    {"it is a symbolic link", "это символическая ссылка"},
    {"it can't be read: %1", "его не удаётся прочитать: %1"},
    {"it is not a regular file", "это не обычный файл"},
    {"it belongs to another user (uid %1)", "он принадлежит другому пользователю (uid %1)"},
    {"users other than its owner may write into it", "писать в него может не только его владелец"},
    {"it has more than one name (hard links)", "у него больше одного имени (жёсткие ссылки)"},
    {"%1 belongs to another user (uid %2)", "%1 принадлежит другому пользователю (uid %2)"},
    {"it is the journal of another file", "это журнал другого файла"},
    {"There is not enough memory for this: nothing was written.", "Для этого не хватает памяти: ничего не записано."},
    {"%1 to %2", "с %1 по %2"},
    {"%1 ranges from %2 to %3", "%1 участков с %2 по %3"},
    {"offsets %1", "смещения %1"},
    {"%1 and %2", "%1 и %2"},

    // The font window
    {"No ROM image is open yet. Open a ROM image with \"Open file\" first: the font shows its 24 letters.",
     "Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой \"Открыть файл\": шрифт показывает его 24 "
     "буквы."},

    {"%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.",
     "%1 — файл буквы, а не образ ROM: шрифт показывает 24 буквы образа ROM."},

    // The drawing board
    {"There is no checked point to transform.", "Нет отмеченных точек для преобразования."},
    {"Point %1 would go to %2 = %3, outside -128..127: nothing was changed.",
     "Точка %1 оказалась бы в %2 = %3, за пределами -128..127: ничего не изменено."},
    {"The letter already has 8 polygons, as many as a letter can hold.",
     "В букве уже 8 полигонов — больше буква вместить не может."},
    {"The letter already has 20 points, as many as a letter can hold.",
     "В букве уже 20 точек — больше буква вместить не может."},
    {"A polygon has at most 11 corners.", "В полигоне не больше 11 углов."},
    {"No point of the letter is selected: there is nothing to copy.",
     "Не выбрано ни одной точки буквы: копировать нечего."},
    {"The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at most 20. Nothing was "
     "pasted.",
     "Точек в букве: %1; со вставленными (%2) их стало бы %3, а буква вмещает не больше 20. Ничего не вставлено."},
    {"The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at most 8. Nothing was "
     "pasted.",
     "Полигонов в букве: %1; со вставленными (%2) их стало бы %3, а буква вмещает не больше 8. Ничего не "
     "вставлено."},
    {"The copied text holds no points of this editor: it does not begin with \"vertiloom-points\". Nothing was "
     "pasted.",
     "Скопированный текст не содержит точек этого редактора: он не начинается с \"vertiloom-points\". Ничего не "
     "вставлено."},
    {"The copied points are in form %1 of a newer version of this editor; this one reads form %2. Nothing was "
     "pasted.",
     "Скопированные точки записаны в форме %1 более новой версии редактора; эта версия читает форму %2. Ничего не "
     "вставлено."},
    {"The copied points can't be pasted: line %1 (\"%2\") is not as this editor writes them. Nothing was pasted.",
     "Скопированные точки нельзя вставить: строка %1 (\"%2\") записана не так, как их пишет этот редактор. Ничего "
     "не вставлено."},
    {"The copied text of this editor holds no point. Nothing was pasted.",
     "В скопированном тексте этого редактора нет ни одной точки. Ничего не вставлено."},

    // SVG drawings of the letter
    {"%1st", "%1-й"},
    {"%1nd", "%1-й"},
    {"%1rd", "%1-й"},
    {"%1th", "%1-й"},
    {"The %1 <%2>", "%1 элемент <%2>"},
    {"The <%1> \"%2\"", "Элемент <%1> \"%2\""},
    {"The <%1> drawn by the <use> \"%2\"", "Элемент <%1> (нарисованный через элемент <use> \"%2\")"},
    {"The <%1> drawn by the %2 <use>", "Элемент <%1> (нарисованный через %2 элемент <use>)"},
    {"The <%1> at line %2, column %3", "Элемент <%1> в строке %2, столбце %3"},
    {"%1 lies %2 levels deep; a drawing is read at most %3 levels deep.",
     "%1 находится на глубине %2 уровней; рисунок читается не глубже %3 уровней."},
    {"Nothing in the drawing is drawn: its root <svg> is hidden (display none, opacity 0 or a condition that fails).",
     "В рисунке ничего не рисуется: его корневой элемент <svg> скрыт (display none, opacity 0 или невыполненное "
     "условие)."},
    {"Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.",
     "В рисунке ничего не рисуется: каждая фигура в нём скрыта, прозрачна или не имеет ни заливки, ни обводки."},
    {"%1 refers to \"%2\", which is no element of this drawing: only the drawing's own elements are drawn through "
     "<use>.",
     "%1 ссылается на \"%2\", а это не элемент этого рисунка: через <use> рисуются только собственные элементы "
     "рисунка."},
    {"%1 draws \"%2\", which holds it: a <use> can't draw itself or an element around it.",
     "%1 рисует \"%2\", который содержит его самого: элемент <use> не может рисовать себя или элемент, в котором "
     "находится."},
    {"%1 would draw more than %2 elements through <use>, the most a drawing may.",
     "%1 нарисовал бы через <use> больше %2 элементов — больше, чем допускается в рисунке."},
    {"The file is not well-formed SVG: %1 (line %2, column %3).",
     "Файл не является правильно построенным SVG: %1 (строка %2, столбец %3)."},
    {"The file is not an SVG drawing: its root element is <%1>.",
     "Файл не является рисунком SVG: его корневой элемент — <%1>."},
    {"The drawing's viewBox \"%1\" is not four numbers with a positive width and height.",
     "Атрибут viewBox рисунка, \"%1\", — не четыре числа с положительными шириной и высотой."},
    {"%1 can't be read: its %2 attribute is not valid at character %3.",
     "%1 не удаётся прочитать: его атрибут %2 неверен в символе %3."},
    {"%1 is a curve: straighten the curves first; only straight lines are read.",
     "%1 — кривая: сначала спрямите кривые; читаются только прямые линии."},
    {"%1 has a curve (command %2): straighten the curves first; only straight lines are read.",
     "%1 содержит кривую (команда %2): сначала спрямите кривые; читаются только прямые линии."},
    {"%1 has rounded corners, which are curves: straighten the curves first; only straight lines are read.",
     "%1 имеет скруглённые углы, а это кривые: сначала спрямите кривые; читаются только прямые линии."},
    {"%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon of two corners.",
     "%1 — штрих шириной %2 единиц: читается только линия шириной не больше 1 единицы, как полигон из двух углов."},
    {"Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter's limits.",
     "Или пусть vertiloom-cli import IMAGE DRAWING --letter L --fit спрямит рисунок в пределы буквы."},
    {"%1 is not closed: its last point is not its first.", "%1 не замкнут: его последняя точка не совпадает с первой."},
    {"%1 has a part that is not closed: end it with Z, or where it began.",
     "%1 содержит незамкнутую часть: завершите её командой Z или в точке, где она началась."},
    {"%1 has a point outside the drawing's square (at %2, %3 in the letter's units, which run from -128 to 127).",
     "%1 имеет точку за пределами квадрата рисунка (в %2, %3 в единицах буквы, которые идут от -128 до 127)."},
    {"%1 would be polygon %2 of the letter; a letter holds at most %3.",
     "%1 стал бы полигоном %2 буквы; буква вмещает не больше %3."},
    {"%1 has %2 corners; a polygon holds at most %3.", "%1: углов — %2; полигон вмещает не больше %3."},
    {"%1 brings the letter to %2 points; a letter holds at most %3.",
     "%1 доводит число точек буквы до %2; буква вмещает не больше %3."},
    {"%1 keeps the reference byte %2, which names no point of the drawing but would name point %3 of the letter "
     "read from it: take it out of data-vertiloom-corners.",
     "%1 хранит байт ссылки %2, который не называет ни одной точки рисунка, но назвал бы точку %3 прочитанной из "
     "него буквы: уберите его из data-vertiloom-corners."},
    {"The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.",
     "Рисунок пуст: в нём нет ни многоугольника, ни замкнутой ломаной, ни прямоугольника, ни контура из прямых "
     "линий."},
    {"%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?",
     "%1 — образ ROM размером %2 байт. Заменить весь образ этим рисунком SVG размером %3 байт?"},
    {"%1 already exists. Replace it with this %2-byte SVG drawing?",
     "%1 уже существует. Заменить его этим рисунком SVG размером %2 байт?"},

    // Fitting a drawing into the letter's limits
    {"The box %1,%2,%3,%4 reaches outside the letter's square: every coordinate of a letter is within -128..127.",
     "Рамка %1,%2,%3,%4 выходит за квадрат буквы: каждая координата буквы лежит в пределах -128..127."},
    {"The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to stand in.",
     "Рамка %1,%2,%3,%4 — это одна единица: букве нужна рамка, у которой есть ширина или высота."},
    {"There is nothing to fit: the drawing fills no area (its contours enclose nothing).",
     "Вписывать нечего: рисунок не закрашивает никакой площади (его контуры ничего не охватывают)."},

    // The sources of a fitted letter: drawings with curves, fonts and pictures
    {"%1: %2", "%1: %2"},
    {"The drawing fills nothing: it holds no shape with an area (a <line> or an open path needs a stroke to be "
     "drawn).",
     "Рисунок ничего не заливает: в нём нет фигуры с площадью (элементу <line> или незамкнутому контуру нужна "
     "обводка, чтобы он был нарисован)."},
    {"No font \"%1\" is installed: name an installed font's family, such as \"DejaVu Sans\" (with its style after a "
     "colon, such as \"DejaVu Sans:Bold\"), or a .ttf or .otf file.",
     "Шрифт \"%1\" не установлен: укажите семейство установленного шрифта, например \"DejaVu Sans\" (с начертанием "
     "после двоеточия, например \"DejaVu Sans:Bold\"), или файл .ttf или .otf."},
    {"The font \"%1\" has no style \"%2\"; its styles are: %3.",
     "У шрифта \"%1\" нет начертания \"%2\"; его начертания: %3."},
    {"%1 can't be read as a font: it is no TrueType or OpenType file Qt can read.",
     "%1 не удаётся прочитать как шрифт: это не файл TrueType или OpenType, который может прочитать Qt."},
    {"The font \"%1\" has no character %2 (%3).", "В шрифте \"%1\" нет символа %2 (%3)."},
    {"The character %1 (%2) of the font \"%3\" draws nothing: it has no outline to fit.",
     "Символ %1 (%2) шрифта \"%3\" ничего не рисует: у него нет контура, который можно вписать."},
    {"The picture is empty: it has no pixels.", "Картинка пуста: в ней нет ни одного пикселя."},
    {"The picture has nothing dark to trace: it is all one shade.",
     "На картинке нечего обводить: она вся одного тона."},
    {"The picture has nothing dark to trace: its shades differ too little to tell a shape from its ground.",
     "На картинке нечего обводить: её тона различаются слишком мало, чтобы отличить фигуру от фона."},
    {"%1 can't be read as a picture: %2.", "%1 не удаётся прочитать как картинку: %2."},

    // A fitted letter on the drawing board: its sources asked for in dialogs
    {"Drawings and pictures", "Рисунки и картинки"},
    {"All files", "Все файлы"},
    {"Letter from font", "Буква из шрифта"},
    {"Font:", "Шрифт:"},
    {"Style:", "Начертание:"},
    {"Character:", "Символ:"},
    {"Give one character to draw from the font \"%1\", not \"%2\".",
     "Укажите один символ, который нужно взять из шрифта \"%1\", а не \"%2\"."},

    // The PAUSE and GAME OVER words
    {"No ROM image is open yet. Open a ROM image with \"Open file\" first, then read the words.",
     "Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой \"Открыть файл\", затем прочитайте "
     "слова."},
    {"No ROM image is open yet. Open a ROM image with \"Open file\" first, then write the words.",
     "Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой \"Открыть файл\", затем запишите "
     "слова."},
    {"The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; a ROM image is larger "
     "than 2,000,000 bytes). Open a ROM image with \"Open file\" first, then read the words.",
     "Последний открытый файл, \"%1\", — файл буквы, а не образ ROM (%2 байт; образ ROM больше "
     "2,000,000 байт). Сначала откройте образ ROM кнопкой \"Открыть файл\", затем прочитайте слова."},
    {"The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; a ROM image is larger "
     "than 2,000,000 bytes). Open a ROM image with \"Open file\" first, then write the words.",
     "Последний открытый файл, \"%1\", — файл буквы, а не образ ROM (%2 байт; образ ROM больше "
     "2,000,000 байт). Сначала откройте образ ROM кнопкой \"Открыть файл\", затем запишите слова."},
    {"Cannot read the %1 word from \"%2\": %3.", "Не удалось прочитать слово %1 из \"%2\": %3."},
    {"Cannot read the %1 word from \"%2\": %3. Nothing was written.",
     "Не удалось прочитать слово %1 из \"%2\": %3. Ничего не записано."},
    {"the file ended early", "файл закончился раньше времени"},
    {"\"%1\" is too short for the words of the %2 dump: the %3 word lies at offset %4, but the file "
     "ends after %5 bytes.",
     "Файл \"%1\" слишком короток для слов дампа %2: слово %3 лежит по смещению %4, а файл "
     "заканчивается после %5 байт."},
    {"Letter %1 of %2: '%3' is %4 characters, but each letter of the word is one character.",
     "Буква %1 слова %2: '%3' состоит из нескольких символов (%4), а каждая буква слова — один символ."},
    {"Letter %1 of %2: '%3' is not a character the game can show.",
     "Буква %1 слова %2: символ '%3' игра показать не может."},
    {"Cannot write the words into %1: %2.", "Не удалось записать слова в %1: %2."},

    // The preview
    {"'' is not a valid integer value", "'' — недопустимое целое значение"},

    // Opening, reloading and exporting the letter
    {"No file has been opened yet: choose a ROM image with \"Open file\" first.",
     "Ещё не открыт ни один файл: сначала выберите образ ROM кнопкой \"Открыть файл\"."},
    {"%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?",
     "Размер %1 теперь %2 байт: файл будет прочитан как образ ROM, по смещению из Addr. Загрузить его?"},
    {"%1 is now %2 bytes: it will be read as a letter file from its start. Load it?",
     "Размер %1 теперь %2 байт: файл будет прочитан как файл буквы, с самого начала. Загрузить его?"},
    {"%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte letter file?",
     "%1 — образ ROM размером %2 байт. Заменить весь образ этим файлом буквы размером %3 байт?"},
    {"%1 already exists. Replace it with this %2-byte letter file?",
     "%1 уже существует. Заменить его этим файлом буквы размером %2 байт?"},
    {"The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. Nothing "
     "was written.",
     "Запись размером %1 байт не помещается по смещению %2 в %3: длина файла всего %4 байт. Ничего не "
     "записано."},
    {"Cannot read offset %1 of %2: %3. Nothing was written.",
     "Не удалось прочитать данные по смещению %1 в %2: %3. Ничего не записано."},
    {"The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the 1 byte after the "
     "old record will be overwritten. Write it anyway?",
     "Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт, поэтому 1 байт после старой "
     "записи будет затёрт. Всё равно записать?"},
    {"The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, so the %5 bytes after "
     "the old record will be overwritten. Write it anyway?",
     "Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт, поэтому будут затёрты %5 байт "
     "после старой записи. Всё равно записать?"},
    {"No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites the %4 "
     "bytes there. Write it anyway?",
     "По смещению %1 в %2 не удаётся прочитать запись буквы (%3). Новая запись затрёт %4 байт по "
     "этому смещению. Всё равно записать?"},
    {"Cannot write the %1 records into %2: %3.", "Не удалось записать %1 записей в %2: %3."},
    {"Cannot write the record at offset %1 into %2: %3.", "Не удалось сохранить запись буквы по смещению %1 в %2: %3."},

    // Play: a copy of the image in the user's emulator
    {"No ROM image is open yet. Open a ROM image with \"Open file\" first, then play it.",
     "Образ ROM ещё не открыт. Сначала откройте образ ROM кнопкой \"Открыть файл\", затем запускайте игру."},
    {"The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; a ROM image is larger than "
     "2,000,000 bytes). Open a ROM image with \"Open file\" first, then play it.",
     "Последний открытый файл, \"%1\", — файл буквы, а не образ ROM (%2 байт; образ ROM больше 2,000,000 "
     "байт). Сначала откройте образ ROM кнопкой \"Открыть файл\", затем запускайте игру."},
    {"No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new record is written "
     "over the %4 bytes there. %2 itself is unchanged.",
     "По смещению %1 в %2 не удаётся прочитать запись буквы (%3): в копии для игры новая запись записана поверх "
     "%4 байт по этому смещению. Сам файл %2 не изменён."},
    {"The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the 1 "
     "byte after the old record is overwritten. %2 itself is unchanged.",
     "Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт: в копии для игры затёрт 1 байт после "
     "старой записи. Сам файл %2 не изменён."},
    {"The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the copy being played, the %5 "
     "bytes after the old record are overwritten. %2 itself is unchanged.",
     "Запись по смещению %1 в %2 занимает %3 байт, а новая — %4 байт: в копии для игры затёрты %5 байт после "
     "старой записи. Сам файл %2 не изменён."},
    {"retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian package "
     "libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or mednafen (apt-get "
     "install mednafen), or give the command line of yours.",
     "retroarch есть в PATH, но ядра SNES для него нет в %1/*/libretro/: установите пакет Debian "
     "libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) или mednafen (apt-get "
     "install mednafen) либо укажите командную строку своего эмулятора."},
    {"No emulator found on the PATH: install the Debian package mednafen (apt-get install mednafen), or give the "
     "command line of yours.",
     "В PATH не найден ни один эмулятор: установите пакет Debian mednafen (apt-get install mednafen) или "
     "укажите командную строку своего эмулятора."},
    {"The emulator's command line is empty: give it in \"Emulator…\", with %f where the file to play goes.",
     "Командная строка эмулятора пуста: укажите её пунктом \"Эмулятор…\", с %f на месте файла для игры."},
    {"The emulator's command line has a %1 that is not closed: %2",
     "В командной строке эмулятора не закрыта кавычка %1: %2"},
    {"Cannot start the emulator %1: %2. Its command line is set in \"Emulator…\".",
     "Не удалось запустить эмулятор %1: %2. Его командная строка задаётся пунктом \"Эмулятор…\"."},
    {"Cannot start the emulator \"%1\" (looked for in the folders of the PATH): %2. Its command line is set in "
     "\"Emulator…\".",
     "Не удалось запустить эмулятор \"%1\" (его искали в папках PATH): %2. Его командная строка задаётся "
     "пунктом \"Эмулятор…\"."},
    {"Cannot make a folder for the copy to play in %1: %2.", "Не удалось создать в %1 папку для копии для игры: %2."},
    {"programs are started only from the editor's window", "программы запускаются только из окна редактора"},

    // What keeps the user's work
    {"The letter has changes that are in no file yet. Discard them?",
     "В букве есть изменения, которые ещё не сохранены ни в одном файле. Отбросить их?"},
    {"Nothing was written into %1. Before the first write into an image the editor keeps a copy of it, "
     "and the copy %2 could not be made: %3",
     "В %1 ничего не записано. Перед первой записью в образ редактор сохраняет его копию, а создать "
     "копию %2 не удалось: %3"},

    // Recognising the image
    {"This image does not match any of the five known dumps: the catalogue offsets may point at other data.",
     "Этот образ не похож ни на один из пяти известных дампов: смещения каталога могут указывать на другие "
     "данные."},
    {"This image looks like %1 (with a 512-byte header). Switch to it?",
     "Этот образ похож на %1 (с заголовком 512 байт). Переключиться на него?"},
    {"Not one of the five known dumps\nCRC32 %1", "Ни один из пяти известных дампов\nCRC32 %1"},
    {"%1 (with a 512-byte header)\nCRC32 %2", "%1 (с заголовком 512 байт)\nCRC32 %2"},
    {"The header's checksum no longer matches: vertiloom-cli checksum --fix sets it",
     "Контрольная сумма в заголовке больше не совпадает: её исправит vertiloom-cli checksum --fix"},
    {"This image looks like %1. Switch to it?", "Этот образ похож на %1. Переключиться на него?"},
    {"%1 does not match any of the five known dumps: the catalogue offsets may point at other data. Write "
     "into it anyway?",
     "%1 не похож ни на один из пяти известных дампов: смещения каталога могут указывать на другие данные. "
     "Всё равно записать в него?"},

    // The cartridge header's checksum
    {"%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.",
     "В %1 нет заголовка картриджа ни по смещению 7FC0, ни по смещению FFC0: контрольную сумму некуда "
     "записать. Ничего не записано."},
    {"Cannot write the header's checksum into %1: %2.", "Не удалось записать контрольную сумму заголовка в %1: %2."},

    // IPS patches
    {"The original image is %1 bytes and the modified one %2 bytes: a patch is made only between images of "
     "the same size, since an IPS patch cannot shorten an image and this program never lengthens one.",
     "Исходный образ занимает %1 байт, а изменённый — %2 байт: патч создаётся только для образов одного "
     "размера, так как патч IPS не может укоротить образ, а эта программа никогда его не удлиняет."},
    {"The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot reach offsets from "
     "0x1000000 on.",
     "Образы различаются по смещению 0x%1, за пределами первых 16 МиБ: патч IPS не достаёт до смещений "
     "начиная с 0x1000000."},
    {"This is not an IPS patch: it does not begin with \"PATCH\".", "Это не патч IPS: он не начинается с \"PATCH\"."},
    {"The patch is cut short: it ends at byte %1 without its \"EOF\" marker.",
     "Патч обрезан: он заканчивается на байте %1 без метки \"EOF\"."},
    {"The patch is cut short: record %1 at byte %2 ends after the patch does.",
     "Патч обрезан: запись %1 на байте %2 заканчивается дальше, чем сам патч."},
    {"Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.",
     "Запись %1 на байте %2 патча повреждена: она повторяет байт 0 раз."},
    {"Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first 16 MiB that an IPS "
     "patch can reach.",
     "Запись %1 на байте %2 патча пишет по смещениям с 0x%3 по 0x%4, за пределами первых 16 МиБ, доступных "
     "патчу IPS."},
    {"Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the image (%5 bytes): "
     "applying a patch never makes an image longer.",
     "Запись %1 на байте %2 патча пишет по смещениям с 0x%3 по 0x%4, за концом образа (%5 байт): применение "
     "патча никогда не удлиняет образ."},
    {"The patch asks for an image of %1 bytes after its \"EOF\" marker, but the image is %2 bytes: applying a "
     "patch never changes an image's size.",
     "После метки \"EOF\" патч требует образ размером %1 байт, а образ занимает %2 байт: применение патча "
     "никогда не меняет размер образа."},
    {"The patch goes on after its \"EOF\" marker at byte %1 and ends at byte %2; only a 3-byte size may "
     "follow the marker.",
     "Патч продолжается после метки \"EOF\" на байте %1 и заканчивается на байте %2; после метки может "
     "следовать только размер из 3 байт."},

    // BPS patches
    {"One of the patch's images is %1 bytes: no ROM image of the game is that large, and the editor reads and "
     "writes files of at most 64 MiB (%2 bytes).",
     "Один из образов патча занимает %1 байт: таких больших образов ROM у игры нет, а редактор читает и пишет "
     "файлы не больше 64 МиБ (%2 байт)."},
    {"The patch is cut short: its head ends after its checksums begin at byte %1.",
     "Патч обрезан: его заголовок заканчивается дальше байта %1, где начинаются контрольные суммы."},
    {"The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.",
     "Патч обрезан: действие %1 на байте %2 заканчивается дальше байта %3, где начинаются контрольные суммы."},
    {"The patch's head holds a number beyond any file's size at byte %1.",
     "В заголовке патча на байте %1 записано число больше размера любого файла."},
    {"Action %1 at byte %2 of the patch holds a number beyond any file's size.",
     "В действии %1 на байте %2 патча записано число больше размера любого файла."},
    {"This is not a BPS patch: it does not begin with \"BPS1\".", "Это не патч BPS: он не начинается с \"BPS1\"."},
    {"The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS patch (%2 "
     "bytes at least).",
     "Патч обрезан: в его %1 байт не помещаются заголовок и три контрольные суммы патча BPS (нужно не меньше "
     "%2 байт)."},
    {"The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.",
     "Патч повреждён: CRC32 его байтов — %1, а его последние четыре байта говорят %2."},
    {"The patch is cut short: its actions end at byte %1 with %2 of the target's %3 bytes written.",
     "Патч обрезан: его действия заканчиваются на байте %1, когда записано %2 из %3 байт результата."},
    {"Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of the target (%6 "
     "bytes).",
     "Действие %1 на байте %2 патча (%3) пишет %4 байт по смещению 0x%5, за концом результата (%6 байт)."},
    {"Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, outside its %6 bytes.",
     "Действие %1 на байте %2 патча (%3) читает %4 байт со смещения %5 исходного образа, за пределами его %6 "
     "байт."},
    {"Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only the bytes before "
     "offset 0x%5 are written.",
     "Действие %1 на байте %2 патча (%3) копирует со смещения %4 результата, а записаны только байты до "
     "смещения 0x%5."},
    {"The patch goes on after its target is whole: its actions end at byte %1, but its checksums begin at byte "
     "%2.",
     "Патч продолжается после того, как результат готов: его действия заканчиваются на байте %1, а контрольные "
     "суммы начинаются на байте %2."},
    {"This patch was made for an image of %1 bytes; this image has %2 bytes.",
     "Этот патч сделан для образа размером %1 байт; в этом образе %2 байт."},
    {"This patch was made for an image with CRC32 %1; this image has %2.",
     "Этот патч сделан для образа с CRC32 %1; у этого образа %2."},
    {"The patched image has the CRC32 %1, but the patch says its result has %2.",
     "У образа после патча CRC32 %1, а патч говорит, что у его результата %2."},
    {"The patch made does not turn the original image into the modified one: this is a fault of the editor, "
     "and nothing was written.",
     "Сделанный патч не превращает исходный образ в изменённый: это ошибка редактора, ничего не записано."},

    // Making and applying patches
    {"%1 is taken as it stands, its %2-byte copier header included.",
     "%1 берётся как есть, вместе с его заголовком копировщика из %2 байт."},
    {"%1 has a %2-byte copier header: the patch is made without it.",
     "У %1 есть заголовок копировщика из %2 байт: патч делается без него."},
    {"%1 has a %2-byte copier header: the patch is applied without it, and the header put back in front of %3.",
     "У %1 есть заголовок копировщика из %2 байт: патч применяется без него, а заголовок ставится обратно в "
     "начало %3."},
    {"%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of 1,024), and %3 has "
     "none (%4 bytes): a patch between them would carry the header as part of the game. Give both images with "
     "a header or both without, or make the patch between the files as they stand with vertiloom-cli patch "
     "create --exact. Nothing was written.",
     "У %1 по размеру есть заголовок копировщика из 512 байт (%2 байт, на 512 больше кратного 1,024), а у %3 "
     "его нет (%4 байт): патч между ними нёс бы заголовок как часть игры. Дайте оба образа с заголовком или оба "
     "без него либо сделайте патч между файлами как есть командой vertiloom-cli patch create --exact. Ничего "
     "не записано."},
    {"%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the patch's target of "
     "%4 bytes): the editor reads and writes files of at most 64 MiB (%5 bytes). Nothing was written.",
     "Образ %1 после патча занял бы %2 байт (его заголовок копировщика из %3 байт перед результатом патча "
     "из %4 байт): редактор читает и записывает файлы не больше 64 МиБ (%5 байт). Ничего не записано."},
    {"Wrote %1: %2 bytes.", "Записан %1: %2 байт."},
    {"%1 is no patch this editor knows: a BPS patch begins with \"BPS1\", an IPS patch with \"PATCH\".",
     "%1 — не патч, известный редактору: патч BPS начинается с \"BPS1\", патч IPS — с \"PATCH\"."},
    {"The patch was applied all the same, as asked: its checksums were not insisted on.",
     "Патч всё равно применён, как и просили: его контрольные суммы не проверялись строго."},
    {"No ROM image is open: open the modified image first, then make the patch between a clean original and it.",
     "Образ ROM не открыт: сначала откройте изменённый образ, затем сделайте патч между чистым исходным образом "
     "и ним."},
};

const QHash<QString, QString>& russianTable()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> out;
        for (const Translation& t : kRussian)
            out.insert(QString::fromUtf8(t.english), QString::fromUtf8(t.russian));
        return out;
    }();
    return table;
}

} // namespace

QString tr(const char* english) { return QCoreApplication::translate(kMessageContext, english); }

QString outOfMemory() { return tr("There is not enough memory for this: nothing was written."); }

QString RussianMessages::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText || qstrcmp(context, kMessageContext) != 0)
        return {};
    return russianTable().value(QString::fromUtf8(sourceText));
}

bool RussianMessages::isEmpty() const { return false; }

int RussianMessages::size() { return static_cast<int>(russianTable().size()); }

QTranslator* russianMessages()
{
    static RussianMessages messages;
    return &messages;
}

} // namespace vertiloom
