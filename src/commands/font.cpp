// The font: the 24 catalogue letters of the current image, each read with the loader's reader and
// drawn with START!'s own drawing, for the font window.
#include "commands/commands.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/load.h"
#include "rom/catalogue.h"

#include <QFileInfo>

namespace vertiloom {

QImage letterPicture(const LetterRecord& record)
{
    EditorForm form;
    putRecord(form, record, false);
    Canvas layer(kPreviewSize, kPreviewSize);
    drawLetter(form, layer);
    return layer.image();
}

Font readFont(const Editor& editor)
{
    Font font;
    if (editor.currentRom.isEmpty()) {
        font.missing = tr("No ROM image is open yet. Open a ROM image with \"Open file\" first: the font shows its 24 "
                          "letters.");
        return font;
    }
    if (!isRomImage(QFileInfo(editor.currentRom).size())) {
        font.missing = tr("%1 is a letter file, not a ROM image: the font shows the 24 letters of a ROM image.")
                           .arg(shownPath(editor.currentRom));
        return font;
    }
    for (int position = 1; position <= kCatalogueSize; ++position) {
        FontLetter letter{position, {}, {}};
        try {
            letter.picture = letterPicture(readLetterFile(editor.currentRom, offsetInImage(editor, position)));
        } catch (const Error& error) {
            letter.failure = error.message();
        }
        font.letters << letter;
    }
    return font;
}

} // namespace vertiloom
