// Fuzz target: the SVG drawing reader on arbitrary text. It must either throw the editor's Error or
// give a letter the editor can hold, which its own SVG drawing gives back exactly.
#include "formats/svg.h"
#include "model/error.h"
#include "record/record.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray svg(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const vertiloom::LetterRecord record = vertiloom::letterFromSvg(svg, {});
        if (record.points.size() > 20 || record.polygons.size() > 8)
            std::abort();
        if (vertiloom::letterFromSvg(vertiloom::letterToSvg(record), {}) != record)
            std::abort();
    } catch (const vertiloom::Error&) {
    }
    return 0;
}
