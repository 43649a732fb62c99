// Fuzz target: the letter record reader on arbitrary bytes. It must either return a record that
// writes back to exactly the bytes it consumed, or throw the editor's Error.
#include "model/error.h"
#include "record/record.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        qsizetype length = 0;
        const vertiloom::LetterRecord record = vertiloom::parseRecord(bytes, 0, 0, &length);
        if (record.toBytes() != bytes.left(length) || length > vertiloom::kMaxRecordSize)
            std::abort();
    } catch (const vertiloom::Error&) {
    }
    return 0;
}
