// Which of the five known dumps a ROM image is: every dump is tried where it keeps its 24 letters,
// without a copier header and, when the image's size says it has one, with it; a dump fits when a
// record the editor can hold, no longer than the catalogue says, starts at each of its letters.
// Also the image's CRC32, MD5 and SHA-1, without the header, as people quote them for a dump.
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace vertiloom {

struct RomVariant;

// A copier's header: 512 bytes in front of the dump, which makes the size 512 more than a multiple
// of 1,024.
inline constexpr qint64 kCopierHeaderSize = 512;

bool hasCopierHeader(qint64 imageSize);

// One dump read at its offsets moved on by header (0 or kCopierHeaderSize) bytes.
struct DumpMatch {
    const RomVariant* variant; // an element of kRomVariants
    qint64 header;
    // Each of the 13 bytes at the PAUSE and GAME OVER offsets is a tile code (00..19).
    bool wordsKnown;
    friend bool operator==(const DumpMatch&, const DumpMatch&) = default;
};

struct Recognition {
    qint64 size = 0;
    bool hasHeader = false;
    QString crc32; // eight upper-case hex digits, over the image without its header
    // Every dump that fits, one per distinct set of file offsets (letters and both words): a
    // headered image of one dump can put everything where a headerless image of another does, and
    // then only one of them is listed, the headered one when the image has a header. Those with
    // known words come first; otherwise in the order of the ROM panel, the headered reading first
    // when there is a header. Empty when nothing fits.
    QList<DumpMatch> fitting;
    friend bool operator==(const Recognition&, const Recognition&) = default;
};

// The record length in bytes that a catalogue position (1..24) allows: the last number of its
// label ("P (59) 86" allows 86).
int catalogueLength(int position);

// Whether the variant's 24 letters, moved on by header bytes, all parse within the editor's limits
// (parseRecord), each no longer than its catalogue length. An offset past the end does not fit.
bool fits(const QByteArray& image, const RomVariant& variant, qint64 header);

// Whether the 13 bytes at the variant's word offsets, moved on by header bytes, are tile codes.
bool wordsKnown(const QByteArray& image, const RomVariant& variant, qint64 header);

// zlib's CRC32 of the image without its copier header (when its size says it has one), as eight
// upper-case hex digits: how lists of dumps name them.
QString dumpCrc32(const QByteArray& image);

// Another digest of the image without its copier header (QCryptographicHash::Md5 or Sha1), in
// lower-case hex digits as md5sum and sha1sum print them.
QString dumpDigest(const QByteArray& image, QCryptographicHash::Algorithm algorithm);

// zlib's CRC32 of the bytes, and a CRC32 as eight upper-case hex digits.
quint32 crc32Of(QByteArrayView bytes);
QString crc32Text(quint32 crc);

// Tries the five dumps (ten with a header) and, with Crc::Take, takes the CRC32 (dumpCrc32). Never
// throws. The CRC32 is most of the time (zlib's table-driven CRC runs at a seventh of the speed of
// copying the image), so opening an image leaves it out and the tooltip takes it when it is shown.
enum class Crc { Skip, Take };
Recognition recognise(const QByteArray& image, Crc crc);

// The fitting entry that puts every letter and both words at the same file offsets as the variant
// read with that header, whatever its name; nullptr when there is none.
const DumpMatch* matchFor(const Recognition& recognition, const RomVariant& variant, qint64 header = 0);

// Whether the selected dump, read as the image stands (the editor adds no header to the catalogue
// offsets, so header 0), fits and is not outranked: its letters fit, and its words are known or no
// fitting dump's words are. The two revisions that share a displacement differ only here.
bool fitsAsSelected(const Recognition& recognition, const RomVariant& variant, qint64 header = 0);

// A tooltip for the image: the first fitting dump's caption, " (with a 512-byte header)" when it
// is read with one, and on a second line "CRC32 XXXXXXXX"; "Not one of the five known dumps" in
// place of the caption when nothing fits.
QString recognitionText(const Recognition& recognition);

} // namespace vertiloom
