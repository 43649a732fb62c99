// Fuzz target: a BPS patch read (readBps) and applied (applyBps) to a small source, 00..3F. The first
// byte chooses: bit 0 closes the rest with its right CRC32 (so that the actions are reached, not only
// the checksum's refusal), bit 1 applies without insisting on the source. Reading and applying must
// either throw the editor's Error or agree: the actions write the whole target, the target applied is
// that long, and a patch made from the source to it gives it back.
#include "formats/bps.h"
#include "model/error.h"
#include "rom/recognition.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vertiloom;
    if (size == 0)
        return 0;
    QByteArray source;
    for (int i = 0; i < 64; ++i)
        source.append(static_cast<char>(i));
    QByteArray patch(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    if ((data[0] & 1) != 0 && patch.size() >= 4) {
        const quint32 crc = crc32Of(QByteArrayView(patch).first(patch.size() - 4));
        for (int i = 0; i < 4; ++i)
            patch[patch.size() - 4 + i] = static_cast<char>(crc >> (8 * i));
    }
    const SourceCheck check = (data[0] & 2) != 0 ? SourceCheck::Ignore : SourceCheck::Require;
    try {
        const BpsPatch info = readBps(patch);
        if (info.bytes[0] + info.bytes[1] + info.bytes[2] + info.bytes[3] != info.targetSize)
            std::abort();
        // A few bytes can ask for a target of 64 MiB: reading it is enough.
        if (info.targetSize > (1 << 20))
            return 0;
    } catch (const Error&) {
    }
    try {
        const QByteArray target = applyBps(source, patch, check);
        if (target.size() != readBps(patch).targetSize || applyBps(source, createBps(source, target)) != target)
            std::abort();
    } catch (const Error&) {
    }
    return 0;
}
