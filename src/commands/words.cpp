// Reading and writing the PAUSE and GAME OVER words of the current ROM image, with the bytes that
// were read remembered for the image and variant they came from.
#include "commands/commands.h"

#include "record/writes.h"
#include "rom/catalogue.h"
#include "rom/words.h"

namespace vertiloom {

namespace {

// The byte remembered for word field i, or -1 when none is: nothing was read, it was read from
// another image or variant, or the field no longer shows what was read.
int rememberedByte(const Editor& editor, int index, const RomVariant& variant)
{
    const size_t i = static_cast<size_t>(index);
    const bool sameSource =
        editor.wordBytesSource.path == editor.currentRom && editor.wordBytesSource.variant == variant.radioButton;
    if (!sameSource || editor.form.text(wordField(index)) != editor.wordTextsRead[i])
        return -1;
    return editor.wordBytesRead[i];
}

} // namespace

void readWords(Editor& editor)
{
    const RomVariant& variant = selectedVariant(editor.form);
    const WordBytes bytes = readWordBytes(editor.currentRom, variant, WordAction::Read, editor.catalogueHeader);
    editor.wordBytesSource = {editor.currentRom, variant.radioButton};
    for (int index = 0; index < kWordFields; ++index) {
        const size_t i = static_cast<size_t>(index);
        const QString text = tileCharacter(bytes[i]);
        editor.wordBytesRead[i] = bytes[i];
        editor.wordTextsRead[i] = text;
        editor.form.setText(wordField(index), text);
    }
}

std::array<QByteArray, 2> wordBytesToWrite(const Editor& editor, const RomVariant& variant)
{
    std::array<QByteArray, 2> bytes;
    const auto words = wordPlaces(variant, editor.catalogueHeader);
    for (size_t w = 0; w < words.size(); ++w) {
        for (int place = 0; place < words[w].length; ++place) {
            const int index = words[w].firstIndex + place;
            bytes[w].append(
                wordByte(editor.form.text(wordField(index)), rememberedByte(editor, index, variant), words[w], place));
        }
    }
    return bytes;
}

void writeWords(Editor& editor, Platform& platform)
{
    const RomVariant& variant = selectedVariant(editor.form);
    // The file must be a ROM image that holds both words before the fields are judged.
    readWordBytes(editor.currentRom, variant, WordAction::Write, editor.catalogueHeader);
    const auto words = wordPlaces(variant, editor.catalogueHeader);
    const std::array<QByteArray, 2> bytes = wordBytesToWrite(editor, variant);
    if (!mayWriteInto(editor, platform, editor.currentRom))
        return;
    const WriteLock lock(editor.currentRom);
    backUpBeforeFirstWrite(editor, editor.currentRom);
    writeWordBytes(editor.currentRom, variant, bytes, editor.catalogueHeader);

    // The file now holds these bytes for these texts.
    editor.wordBytesSource = {editor.currentRom, variant.radioButton};
    for (size_t w = 0; w < words.size(); ++w) {
        for (int place = 0; place < words[w].length; ++place) {
            const int index = words[w].firstIndex + place;
            editor.wordBytesRead[static_cast<size_t>(index)] = static_cast<unsigned char>(bytes[w][place]);
            editor.wordTextsRead[static_cast<size_t>(index)] = editor.form.text(wordField(index));
        }
    }
}

} // namespace vertiloom
