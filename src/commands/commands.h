// One function per user action, each taking the editor (and the platform where it asks the user or
// touches the desktop). They compose the pieces of the rooms below: the fields and their rules,
// the record's bytes and files, the preview's drawing, the catalogue and the words.
#pragma once

#include "commands/editor.h"
#include "commands/platform.h"
#include "fit/fit.h"
#include "preview/geometry.h"
#include "preview/interaction.h"
#include "record/record.h"
#include "record/writes.h"
#include "rom/cartridge.h"

#include <QImage>
#include <QPoint>
#include <QTransform>
#include <functional>
#include <optional>

namespace vertiloom {

// --- START! and the view --------------------------------------------------------------------
// START!: refresh the switched-on overlays, set the memo to plain text and enable the two buttons
// that need it, clear the letter layer, draw the checked points, recount and draw the polygons,
// then compile. Throws Error when a coordinate it needs is not a two-digit upper-case hex text;
// what was done before stays done.
void start(Editor& editor);

// The window's first state after its captions: catalogue position 1, a black preview, an empty
// memo, and one START!.
void startUp(Editor& editor);

// "Display points" clicked: the overlay is redrawn with the numbers (or cleared of them).
void showPointNumbers(Editor& editor);
// "Display axes" clicked: the axes are drawn or erased.
void showAxes(Editor& editor);

// What the preview shows: the letter layer with the overlay over it.
QImage composedPreview(const Editor& editor);

// --- Changes that are in no file yet --------------------------------------------------------
// Whether anything an export would write (the letter's fields, the memo, the held tails) differs
// from what was last loaded or exported.
bool letterChanged(const Editor& editor);
// The letter as it stands now is in a file: it counts as unchanged.
void markSaved(Editor& editor);
// Asks before changes that are in no file yet are thrown away: true when there are none, or the
// user chose Discard.
bool mayDiscardChanges(Editor& editor, Platform& platform);
// "Tessarine Vertiloom — <file> — <catalogue label> *": the current file's name, the label of the
// letter whose offset Addr holds, and a star while the letter has changes.
QString windowTitle(const Editor& editor);
// Before the first write in this run into a ROM image: copies the image as it is to <image>.bak
// beside it. Throws Error, and nothing may be written, when the copy fails.
void backUpBeforeFirstWrite(Editor& editor, const QString& image);

// --- Recognising the image -----------------------------------------------------------------
// After a ROM image was chosen to open: recognises its dump (the ROM panel's tooltip says which).
// When the selected dump does not fit and another does, asks to switch to it (Yes selects it as a
// click would, and with a copier header the catalogue then adds its 512 bytes to every offset);
// when none fits, says so once.
void recogniseImage(Editor& editor, Platform& platform, const QString& path);
// The ROM panel's tooltip: the dump recognised in the image opened last, and the image's CRC32
// as it is now, with a line more when its cartridge header's checksum does not match the image;
// empty before a ROM image was opened.
QString romPanelHint(const Editor& editor);
// Before a write into an image that matched no known dump: asks once more; false when the user
// declines.
bool mayWriteInto(Editor& editor, Platform& platform, const QString& path);

// --- Loading --------------------------------------------------------------------------------
// "Open file": asks first when the letter has changes that are in no file yet; then asks for a
// file; cancelled, nothing happens. The accepted file becomes the current
// ROM image and the letter is loaded from it (at Addr in a ROM image, from the start of a letter
// file), its tails held, and START! runs. A failed load leaves the letter as it was.
void openLetter(Editor& editor, Platform& platform);

// A file dropped on the window: opened as if chosen in the open dialog, after the same question.
void openDroppedFile(Editor& editor, Platform& platform, const QString& path);

// Reload: loads again from the current ROM image, at the Addr that stands now. When the file was a
// ROM image when it was opened and is a letter file now, or the other way round, asks first; so it
// does when the letter has changes that are in no file yet.
void reloadLetter(Editor& editor, Platform& platform);

// Puts a record that has been read into the editor as a load does: the fields, the held tails,
// then START!.
void applyRecord(Editor& editor, const LetterRecord& record, bool reload);

// --- Exports --------------------------------------------------------------------------------
// "Export letter to file": writes the memo's record into a file chosen in a save dialog, asking
// first when that replaces a file (by name when it is a ROM image).
void exportLetterToFile(Editor& editor, Platform& platform);

// What the exports to a file of the user's choice share: the save dialog with that filter (cancelled:
// the beep), mayReplace's question before an existing file goes, the whole-file save, the letter
// counted as saved, the beep.
void saveLetterAs(Editor& editor, Platform& platform, const char* filter, const QByteArray& bytes,
                  const std::function<bool(const QString& path)>& mayReplace);

// The question of "Export letter to file" before it replaces a file that exists at path with the
// letter file bytes; false when declined. For a caller that writes several letter files at once.
bool mayWriteLetterFile(Platform& platform, const QString& path, const QByteArray& bytes);

// "Export letter to Rom": writes the memo's record into a chosen ROM image at Addr, in place,
// asking before it overwrites anything beyond the old record. The dialog starts on the ROM image
// that is open.
void exportLetterToRom(Editor& editor, Platform& platform);
// Its two halves, for a caller that writes several letters into one image at once. The first makes
// every check and asks every question of the export for the memo's record at Addr in the image at
// path, and gives the range it would write with the bytes there now; nothing when a question was
// declined. It writes nothing. The second writes ranges so planned: the question before a write
// into an image of no known dump (false when declined), the backup before the first write in this
// run, then one patch synced to the disk and put back whole if it fails.
std::optional<Patch> planLetterToRom(Editor& editor, Platform& platform, const QString& path);
bool writeIntoRom(Editor& editor, Platform& platform, const QString& path, const QList<Patch>& patches);
// The checks they share with Play, which writes the record into a copy: the record of length bytes must
// fit at offset of a file of size bytes (Error naming path, else), and what stands there now: old holds
// the bytes from offset on (up to kMaxRecordSize), read as a letter record; its length, or why it can't
// be read.
void checkRecordFits(qsizetype length, qint64 offset, qint64 size, const QString& path);
struct RecordThere {
    qsizetype length = 0;
    QString unreadable; // empty when a record was read
};
RecordThere recordThere(const QByteArray& old, qint64 offset);
// writeIntoRom's write without its question, for data at places that no dump's catalogue gives
// (the cartridge header): the lock, the patches' old bytes checked, the backup before the first write,
// one journaled patch. cantWrite is patchFile's first sentence of a failure, its two open placeholders
// the file and the system's cause.
void patchIntoRom(Editor& editor, const QString& path, const QList<Patch>& patches, const QString& cantWrite);

// The checksum of the cartridge header (rom/cartridge.h) in the image at path set to the image's own,
// with its complement: exactly those 4 bytes, written by patchIntoRom. The header is where it is in
// any image, so no image is asked about for being of no known dump. The image is read, summed and
// written under its WriteLock, so the checksum is that of the image as the write finds it. Returns
// the header as written; nothing when the checksum matched already and nothing was written. Throws
// Error when the image has no cartridge header. The editor changes these bytes only when asked to.
std::optional<CartridgeHeader> fixChecksum(Editor& editor, const QString& path);

// "Convert to Translhextion": rewrites the memo into the tagged form.
void convertToTranslhextion(Editor& editor);

// --- Drawings ------------------------------------------------------------------------------
// "Export letter to SVG…": the memo's record drawn as an SVG file (formats/svg.h) into a file chosen in
// a save dialog; cancelled, a beep and nothing else. Asks first when that replaces a file (by name when
// it is a ROM image), as "Export letter to file" does. The drawing holds every byte of the record: the
// letter then counts as saved.
void exportLetterToSvg(Editor& editor, Platform& platform);

// "Import letter from SVG…": the letter of an SVG file chosen in an open dialog, read over the memo's
// record (the bytes a drawing can't show come from it where the drawing has none; an empty record when
// the memo is none), put into the fields with the held tails, then START!. A refused drawing changes
// nothing. The letter is not taken as saved: it is in no ROM image or letter file yet.
void importLetterFromSvg(Editor& editor, Platform& platform);

// The letter of the SVG file at path, read over current (letterFromSvg). Throws Error.
LetterRecord readLetterSvg(const QString& path, const LetterRecord& current);

// --- Fitted letters --------------------------------------------------------------------------
// The memo's record, or an empty one when the memo holds none.
LetterRecord memoLetter(const Editor& editor);
// The box a letter fitted in place of record takes: the bounding box of its points; the default
// letter's when it has none, or they all stand on one unit.
FitBox letterBox(const LetterRecord& record);
// A fitted letter as a record over current: its points, and its polygons in the fit's order, each
// corner's parameter byte that of the corner at the same place in current (else 00), each polygon's
// tail that of current's polygon at the same place (else a new polygon's), current's letter tail
// (else 00 00 00), as the exact drawing reader keeps what a drawing can't show.
LetterRecord fittedRecord(const FittedLetter& letter, const LetterRecord& current);
// The filled shape of a source file: a drawing when its name ends in .svg, else a picture's dark
// shape (fit/sources.h). Throws Error naming the file.
QPainterPath shapeOfFile(const QString& path);
// Takes a fitted letter into the fields over the memo's record (fittedRecord), with the held tails,
// then START!, as "Import letter from SVG" does: it is not taken as saved.
void takeFittedLetter(Editor& editor, const FittedLetter& letter);
// The fit's report in a sentence of the user's language.
QString fitReportText(const FitReport& report);
// A letter fitted in place of current (in box, else in letterBox(current)) as a record over it
// (fittedRecord), with the fit's report. Throws Error as fitLetter does.
struct FitResult {
    LetterRecord record;
    FitReport report;
};
FitResult fitInPlaceOf(const QPainterPath& shape, FitStyle style, const std::optional<FitBox>& box,
                       const LetterRecord& current);

// What a letter is fitted from, as the user names it: a source file (shapeOfFile), or a character of
// a font ("FAMILY[:STYLE]" or a font file, shapeFromFont).
struct FitSource {
    QString file;
    QString font;
    char32_t character = 0;
};
// Its filled shape. Throws Error as shapeOfFile and shapeFromFont do.
QPainterPath shapeOf(const FitSource& source);
// How the user knows it: the file's name, or the character and its code ("Я (U+042F)"; the code
// alone for a character that shows nothing).
QString fitSourceName(const FitSource& source);
// The names of the letter files of fitted letters in one folder, in order: a character's is the
// character when it is a letter or a digit, then its code ("Я-U+042F.bin", "U+0021.bin"); a source
// file's is its base name, each character but a letter, a digit, '-' and '_' made '-' ("bowl.bin").
// None ends in '_' and hex digits as extract --all names a catalogue letter's file (import --all
// would take it for one): such a name gets "-fit". A name given before gets "-2", "-3"... (letters
// told apart only by case count as one, for a file system that does not tell them apart).
QStringList fitFileNames(const QList<FitSource>& sources);

// --- Fitted letters on the board -------------------------------------------------------------
// A fit shown over the letter before it is taken: the source's shape, the options it was fitted
// with, and the letter they give.
struct FitPreview {
    QPainterPath shape;
    FitOptions options;
    FittedLetter letter;
};
// The shape fitted as pieces into box, or into the box of the memo's letter (letterBox) when none is
// given. Throws Error as fitLetter does.
FitPreview previewFit(const Editor& editor, const QPainterPath& shape, std::optional<FitBox> box = std::nullopt);
// The preview's shape fitted again with other options; a refusal (Error) leaves the preview as it was.
void refit(FitPreview& preview, const FitOptions& options);
// The open dialog's filter of the drawings and pictures a letter is fitted from.
QString fitSourceFilter();
// "Fit drawing…": a drawing or a picture chosen in an open dialog, and its shape (shapeOfFile);
// nothing when the dialog was cancelled.
std::optional<QPainterPath> chooseFitDrawing(Platform& platform);
// "Letter from font…": a font and a character chosen by the user, and the character's outline
// (shapeFromFont); nothing when cancelled. Refused unless exactly one character was given.
std::optional<QPainterPath> chooseFontLetter(Platform& platform);
// "Trace picture": the dark shape of a tracing picture (shapeFromPicture) mapped by placement from
// the picture's pixels into units, where unit u spans u..u+1.
QPainterPath tracedPicture(const QImage& picture, const QTransform& placement);
// The units a shape in units covers, as a box of points: the first and last unit its bounding box
// reaches into, clamped to -128..127.
FitBox unitsCovered(const QPainterPath& shape);

// --- Patches ----------------------------------------------------------------------------------
// BPS (formats/bps.h) and IPS (record/ips.h), told apart by a patch file's ending (.bps, .ips, in any
// case; nothing for another ending) or by a patch's first bytes.
enum class PatchFormat { Bps, Ips };
std::optional<PatchFormat> patchFormatOf(const QString& path);
// The format of the patch's bytes (read from path); throws Error when they begin as neither does.
PatchFormat patchFormatOf(const QByteArray& patch, const QString& path);
inline constexpr const char* kPatchSaveFilter = "BPS|*.bps|IPS|*.ips";

// What making or applying a patch did, a sentence a line in the user's language: done, and warnings
// (checksums that did not hold, when they were not insisted on).
struct PatchReport {
    QStringList done;
    QStringList warnings;
};

// The patch that turns the image at original into the one at modified, written to output with the
// whole-file save. IPS keeps its own rules (images of one size, as they stand). BPS takes images of
// any sizes, with the metadata; each image without its copier header when its size says it has one
// (512 more than a multiple of 1,024, whatever its letters read as), as it stands with exact, and
// says which; refused when only one of the two has a header and exact is not given. Output may be
// neither input. Throws Error, and then nothing is written.
PatchReport makePatch(const QString& original, const QString& modified, const QString& output, PatchFormat format,
                      const QByteArray& metadata, bool exact);

// The image at image with the patch at patch applied (BPS or IPS, by its first bytes), written to
// output with the whole-file save; output may be neither. A BPS patch is applied to the image without
// its copier header (by its size, unless exact), which is then put back in front of the result; every
// check holds first (applyBps): with ignoreChecksum the image's size and CRC32 and the result's CRC32
// are not insisted on, and a warning says which did not hold. A result larger than the editor reads
// (kLargestFile, the header counted) is refused.
PatchReport applyPatch(const QString& image, const QString& patch, const QString& output, bool ignoreChecksum,
                       bool exact);

// "Make patch…": the clean original image chosen in an open dialog, then the patch's name in a save
// dialog (BPS, or IPS by the name's ending), and the patch between that original and the current ROM
// image written (makePatch); cancelled, a beep and nothing else. Refused when no ROM image is open.
void makePatchOfCurrentImage(Editor& editor, Platform& platform);

// --- The catalogue --------------------------------------------------------------------------
// After the user selected a variant: Addr shows the offset of the current catalogue entry in that
// dump. The position and Label34 stay as they are; a hand-typed Addr is replaced.
void chooseVariant(Editor& editor);
// The catalogue entry at a position (1..24) is shown: writes Addr and Label34.
void goToLetter(Editor& editor, int position);
// The file offset of the catalogue letter at a position in the current image: its offset in the
// selected dump, moved on by the image's header when the editor reads it with one; as Addr shows it.
QString offsetInImage(const Editor& editor, int position);
// The catalogue position (1..24) of the letter whose offset Addr holds, or 0.
int letterAtAddr(const Editor& editor);
// ">": the next catalogue entry (24 is followed by 1); writes Addr and Label34.
void nextLetter(Editor& editor);
// "<": the previous catalogue entry (1 is preceded by 24); writes Addr and Label34.
void previousLetter(Editor& editor);

// --- The words ------------------------------------------------------------------------------
// Fills Edit2..Edit14 from the current ROM image at the selected variant's word offsets. All
// thirteen bytes are read before any field changes; each byte is remembered with the text shown
// for it, so that a byte that is no tile code (shown empty) survives a later write into the same
// image and variant.
void readWords(Editor& editor);

// Writes Edit2..Edit14 into the current ROM image at the selected variant's word offsets: exactly
// 5 + 8 bytes change, in place. A field that still holds the text last read (or written) for it in
// this image and variant writes that same byte again; any other field is encoded from its
// character. Everything is checked before the file is opened for writing; an image that matched no
// known dump is written only after the user agrees once more.
void writeWords(Editor& editor, Platform& platform);
// The bytes writeWords writes for the two words of the variant (PAUSE first), from the fields as it
// reads them. Throws Error naming a letter the game can't show.
std::array<QByteArray, 2> wordBytesToWrite(const Editor& editor, const RomVariant& variant);

// --- Editing on the preview -----------------------------------------------------------------
void placePoint(Editor& editor, QPoint pixel);
void showReadout(Editor& editor, QPoint pixel);
// Moves every checked point one unit, then runs START!, also when no point moved.
void nudge(Editor& editor, Nudge direction);
void clearLetter(Editor& editor);
// Item n of the vertex menu: the focused edit field receives point n's reference; START! runs.
void pickVertex(Editor& editor, std::optional<FieldId> focusedEdit, int n);

// --- The font -------------------------------------------------------------------------------
// A catalogue letter of the current image as the font shows it: the letter layer its record draws
// after a load, or why it can't be read (the message of a failed load).
struct FontLetter {
    int position = 0;
    QImage picture; // null when the record does not read
    QString failure;
};
// The letter layer that START! draws for a record loaded into the fields.
QImage letterPicture(const LetterRecord& record);
// The 24 catalogue letters of the current ROM image under the selected dump, each read with the
// loader's reader at its offset in the image; or, when no ROM image is open, none and why.
struct Font {
    QList<FontLetter> letters;
    QString missing;
};
Font readFont(const Editor& editor);
// A click on a letter of the font: the question before unsaved changes go; then the catalogue
// steps to the letter as ">" and "<" would, and the letter is loaded as Reload loads it.
void openCatalogueLetter(Editor& editor, Platform& platform, int position);

// --- The drawing board ----------------------------------------------------------------------
// Puts each point at its units (its x and y fields), then START!.
void movePoints(Editor& editor, const QList<UnitPoint>& points);
// Transforms the points with these numbers (every checked point when there are none), then START!.
// Refused whole when any point would leave -128..127: the message names the first one and the value
// it would have had, and nothing changes.
void transformPoints(Editor& editor, const QList<int>& numbers, const Transform& transform);
// The pen. A polygon may start only while a polygon slot is free (Degree "FF"); a click may add a
// corner only while the polygon has fewer than 11 (checkCornerCount of the count it would make).
// Each throws Error naming the limit.
void checkPenCanStart(const Editor& editor);
void checkCornerCount(int corners);
// A new point at unit in the first unchecked slot, checked, then START!; its number. Error when all
// 20 are in use.
int addPoint(Editor& editor, QPoint unit);
// A new polygon of these corners (point numbers, in order) in the first absent polygon slot, its
// corners checked with parameter 00, then START!.
void addPolygon(Editor& editor, const QList<int>& corners);
// Points' fields put back as they were (their x and y texts and check boxes), then START!: what an
// unfinished pen leaves when it is dropped.
struct PointFields {
    int n = 0;
    QString x;
    QString y;
    bool checked = false;
};
PointFields pointFields(const Editor& editor, int n);
void putPointFields(Editor& editor, const QList<PointFields>& points);
// Delete: takes the points with these numbers (those of them in the letter) out of the letter and out
// of every polygon: a polygon's corners on them go, and the corners before and after close up, the
// others keeping their parameters and order; a polygon left without a corner becomes absent (Degree
// "FF", its corners cleared, its slot free) and the tails of the polygons after it stay theirs. A
// polygon left with one or two corners stays, as the game draws it. The points above each deleted
// one move down into the gap and the corners follow them, so the letter's points stay numbered 1, 2,
// 3... as the record stores them. Then START!.
void deletePoints(Editor& editor, const QList<int>& numbers);

// --- Copy and paste on the drawing board ----------------------------------------------------
// What the clipboard holds of the board's points: the editor's own form (the points' units, and each
// copied polygon's corners by copied point, with their parameters and the polygon's tail, as the
// editor holds them: versioned text), and the same as an SVG drawing, as "Export letter to SVG"
// draws a letter of just these points and polygons.
inline constexpr const char* kPointsMimeType = "application/x-vertiloom-points";
inline constexpr const char* kSvgMimeType = "image/svg+xml";
struct CopiedPoints {
    QByteArray points; // kPointsMimeType
    QByteArray svg;    // kSvgMimeType
};
// A part of a letter as copy takes it and paste puts it: points by their units, and polygons whose
// corners are indices into those points, each with its parameter text and the polygon's tail text.
struct LetterPart {
    struct Polygon {
        QList<int> corners;
        QStringList parameters; // two hex digits a corner
        QString tail;           // sixteen hex digits
        friend bool operator==(const Polygon&, const Polygon&) = default;
    };
    QList<QPoint> points;
    QList<Polygon> polygons;
    friend bool operator==(const LetterPart&, const LetterPart&) = default;
};
LetterPart copiedPart(const Editor& editor, const QList<int>& numbers);
QList<int> pastePart(Editor& editor, const LetterPart& part);
// Copy: the points with these numbers (those of them in the letter, in number order) and every polygon
// whose checked corners all stand on them. Throws Error when none of them is in the letter.
CopiedPoints copyPoints(const Editor& editor, const QList<int>& numbers);
// Paste: the copied points into the letter's free point slots (unchecked, in number order), checked,
// and the copied polygons into its free polygon slots (absent, in number order) on the new points,
// with their parameters and tails; then START!. Refused whole, naming the limit, when the points or
// the polygons don't fit (20 and 8), and when the text is not the editor's own form; nothing changes
// then. Gives the numbers of the new points.
QList<int> pastePoints(Editor& editor, const QByteArray& points);
// Paste of an SVG drawing (from this editor or a vector editor): what letterFromSvg reads of it (a
// polygon without tail bytes of its own gets the tail of a new polygon), pasted as pastePoints does.
QList<int> pasteSvg(Editor& editor, const QByteArray& svg);

} // namespace vertiloom
