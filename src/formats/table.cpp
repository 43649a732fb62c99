// The tile codes as a table file; see table.h.
#include "formats/table.h"

#include "model/hex.h"
#include "rom/words.h"

namespace vertiloom {

QByteArray tileTable()
{
    QString text;
    for (int code = 0; code <= 0xFF; ++code) {
        const QString character = tileCharacter(code);
        if (!character.isEmpty())
            text += TwoDigitHex(code) + u'=' + character + u'\n';
    }
    return text.toUtf8();
}

} // namespace vertiloom
