// Editor: the form plus the state that outlives a command (held tails, current ROM image,
// catalogue position, language, the two preview layers). Every command takes an Editor.
#pragma once

#include "model/form.h"
#include "preview/canvas.h"
#include "preview/draw.h"
#include "rom/recognition.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vertiloom {

struct Editor {
    EditorForm form;

    // Tails of the last loaded record: three two-digit texts (empty before any load) and one
    // sixteen-digit text per polygon position (empty where none was loaded).
    QStringList letterTail;
    std::array<QString, kPolygons> polygonTails;

    // The file last accepted in the open dialog; empty until then.
    QString currentRom;
    // What that file was when it was opened: a ROM image (larger than 2,000,000 bytes) or a letter
    // file. A reload asks before it reads the file the other way.
    struct {
        QString path;
        bool romImage = false;
    } openedAs;

    // The bytes last read for the thirteen word fields (Edit2..Edit14) and the texts they were shown
    // as, so that a field the user has not changed writes its byte back as it was. -1: none read.
    std::array<int, kWordFields> wordBytesRead{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<QString, kWordFields> wordTextsRead;
    // The image and the variant (its radio button) those bytes belong to: in any other they are
    // forgotten.
    struct {
        QString path;
        int variant = 0;
    } wordBytesSource;

    // The letter as it stood after the last load or export (or start-up): while what an export
    // would write (the letter's fields, the memo, the held tails) differs from it, the letter has
    // changes that are in no file yet.
    struct SavedLetter {
        EditorForm::Controls controls;
        QStringList letterTail;
        std::array<QString, kPolygons> polygonTails;
        friend bool operator==(const SavedLetter&, const SavedLetter&) = default;
    } savedLetter;

    // Where the letter in the fields was read from in the current file: Addr and the catalogue
    // position at that load (at start-up, the first ones). Stepping through the catalogue moves Addr
    // on, not this: undoing a load puts it back, so that Addr, the title and the font window name
    // the letter the fields hold again.
    struct LetterPlace {
        QString addr;
        int position = 1;
        friend bool operator==(const LetterPlace&, const LetterPlace&) = default;
    } loadedFrom;

    // The ROM images backed up to <image>.bak in this run, before the first write into each.
    QSet<QString> backedUp;

    // Bytes in front of the dump in the current image (a copier's header, 512) that the catalogue
    // adds to every offset it writes into Addr, and to the words' offsets: Addr is always a file
    // offset. 0 unless the user switched to a headered reading of an image.
    qint64 catalogueHeader = 0;

    // What the editor recognised in the ROM image it opened last (the ROM panel's tooltip says it in
    // the window's language), and the images that match none of the known dumps and have not yet
    // been written into after a second question.
    std::optional<Recognition> recognised;
    QSet<QString> unrecognised;

    // Position in the letter catalogue, 1 to 24.
    int cataloguePosition = 1;

    // 1 Russian, 2 English.
    int language = 1;

    // The letter layer (Image1) and the overlay layer above it (Image2), on which black is
    // transparent.
    // Each keeps its pen between commands.
    Canvas letterLayer{kPreviewSize, kPreviewSize};
    Canvas overlayLayer{kPreviewSize, kPreviewSize};
};

} // namespace vertiloom
