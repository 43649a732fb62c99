// Fuzz target: reading the memo (plain hex or tags) into a checked letter record. It must either
// give bytes that read back as one whole record, or throw the editor's Error.
#include "model/error.h"
#include "record/export.h"
#include "record/record.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString memo = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QByteArray record = vertiloom::memoRecord(memo);
        qsizetype length = 0;
        vertiloom::parseRecord(record, 0, 0, &length);
        if (length != record.size())
            std::abort();
    } catch (const vertiloom::Error&) {
    }
    return 0;
}
