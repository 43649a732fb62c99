// Letter export; see export.h. Everything is checked before a byte is written: the memo must be
// one letter record, Addr an offset inside the image, and a longer record is written only when
// the user agrees to overwrite what follows the old one.
#include "record/export.h"

#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "record/record.h"
#include "record/writes.h"

#include <QFileInfo>

namespace vertiloom {

namespace {

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

QString shown(QChar c)
{
    if (c == u'\t')
        return QStringLiteral("a tab");
    if (c.unicode() < 32)
        return QStringLiteral("character %1").arg(c.unicode());
    return QStringLiteral("'%1'").arg(c);
}

QByteArray plainBytes(const QString& memo)
{
    QString digits;
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QChar c = memo[i];
        if (c.isSpace())
            continue;
        if (!isHex(c))
            throw Error(QStringLiteral("The memo is not a letter record: %1 at position %2 is not a "
                                       "hexadecimal digit.")
                            .arg(shown(c))
                            .arg(i + 1));
        digits += c;
    }
    if (digits.size() % 2 != 0)
        throw Error(QStringLiteral("The memo is not a letter record: it holds %1 hexadecimal digits, an "
                                   "odd number, so its last byte is incomplete.")
                        .arg(digits.size()));
    return HexToBytes(digits);
}

QByteArray taggedBytes(const QString& memo)
{
    QByteArray bytes;
    qsizetype i = 0;
    while (i < memo.size()) {
        if (memo[i].isSpace()) {
            ++i;
            continue;
        }
        const QString tag = memo.mid(i, 7);
        const bool wellFormed = tag.size() == 7 && tag.startsWith(QLatin1String("<bh:")) &&
                                isHex(tag[4]) && isHex(tag[5]) && tag[6] == u'>';
        if (!wellFormed)
            throw Error(QStringLiteral("The memo is not a letter record: the tag at position %1 should read "
                                       "<bh:xx> with two hexadecimal digits.")
                            .arg(i + 1));
        bytes.append(HexToBytes(tag.mid(4, 2)));
        i += 7;
    }
    return bytes;
}


} // namespace

QByteArray memoBytes(const QString& memo)
{
    const QString trimmed = memo.trimmed();
    return trimmed.startsWith(u'<') ? taggedBytes(memo) : plainBytes(memo);
}

QByteArray memoRecord(const QString& memo)
{
    const QByteArray bytes = memoBytes(memo);
    if (bytes.isEmpty())
        throw Error(QStringLiteral("The memo is empty: press START! to compile the letter first."));
    qsizetype length = 0;
    try {
        parseRecord(bytes, 0, 0, &length);
    } catch (const Error& error) {
        if (error.message() == QLatin1String("Read beyond end of file"))
            throw Error(QStringLiteral("The memo is not a letter record: its %1 bytes end before the record "
                                       "that its counts describe does.")
                            .arg(bytes.size()));
        throw Error(QStringLiteral("The memo is not a letter record: %1")
                        .arg(QString(error.message()).replace(QLatin1String(" at offset 0"), QString())));
    }
    if (length != bytes.size())
        throw Error(QStringLiteral("The memo is not a letter record: its counts describe a record of %1 "
                                   "bytes, but it holds %2 bytes.")
                        .arg(length)
                        .arg(bytes.size()));
    return bytes;
}

void exportLetterToFile(Editor& editor, Platform& platform)
{
    const QByteArray bytes = memoRecord(editor.form.text(FieldId::memo()));
    // The dialog does not ask before overwriting: the question below names what would be lost.
    const QString path = platform.saveFileName(QLatin1String(kLetterFileFilter), false);
    if (path.isEmpty()) {
        platform.beep();
        return;
    }
    const QFileInfo target(path);
    if (target.exists() && target.isFile()) {
        const bool romImage = isRomImage(target.size()) || target.suffix().compare(QLatin1String("smc"), Qt::CaseInsensitive) == 0;
        const QString question =
            romImage ? QStringLiteral("%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte "
                                      "letter file?")
                           .arg(shownPath(path), groupedNumber(target.size()), groupedNumber(bytes.size()))
                     : QStringLiteral("%1 already exists. Replace it with this %2-byte letter file?")
                           .arg(shownPath(path), groupedNumber(bytes.size()));
        if (!platform.confirm(question))
            return;
    }
    saveWholeFile(path, bytes);
    platform.beep();
}

void exportLetterToRom(Editor& editor, Platform& platform)
{
    const QByteArray bytes = memoRecord(editor.form.text(FieldId::memo()));
    const qint64 offset = offsetFromAddr(editor.form.text(FieldId::addr()));
    const QString path = platform.saveFileName(QLatin1String(kRomFilter), false);
    if (path.isEmpty()) {
        platform.beep();
        return;
    }

    QFile file;
    openOrThrow(file, path, QIODevice::ReadWrite);
    const qint64 size = file.size();
    const QString where = QStringLiteral("offset %1 of %2").arg(IntToHexText(offset), shownPath(path));
    if (offset >= size || bytes.size() > size - offset)
        throw Error(QStringLiteral("The record of %1 bytes does not fit at %2: the file is only %3 bytes long. "
                                   "Nothing was written.")
                        .arg(bytes.size())
                        .arg(where)
                        .arg(size));

    QByteArray old;
    if (file.seek(offset))
        old = file.read(kMaxRecordSize);
    if (old.size() < bytes.size())
        throw Error(QStringLiteral("Cannot read %1: %2. Nothing was written.")
                        .arg(where, file.error() != QFileDevice::NoError ? file.errorString()
                                                                       : QStringLiteral("the file ended early")));
    QString question;
    try {
        qsizetype oldLength = 0;
        parseRecord(old, 0, offset, &oldLength);
        if (bytes.size() > oldLength) {
            const qsizetype over = bytes.size() - oldLength;
            question = QStringLiteral("The record at %1 is %2 bytes long; the new one is %3 bytes, so the %4 "
                                      "after the old record will be overwritten. Write it anyway?")
                           .arg(where)
                           .arg(oldLength)
                           .arg(bytes.size())
                           .arg(over == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(over));
        }
    } catch (const Error& error) {
        question = QStringLiteral("No letter record can be read at %1 (%2). Writing the new record overwrites "
                                  "the %3 bytes there. Write it anyway?")
                       .arg(where, error.message())
                       .arg(bytes.size());
    }
    if (!question.isEmpty() && !platform.confirm(question))
        return;

    patchFile(file, path, {Patch{offset, bytes, old.left(bytes.size())}},
              QStringLiteral("the record at offset %1").arg(IntToHexText(offset)));
    platform.beep();
}

void convertToTranslhextion(Editor& editor)
{
    EditorForm& form = editor.form;
    form.setMemoForm(MemoForm::Translhextion);
    const QString copy = form.text(FieldId::memo());
    if (!copy.isEmpty()) {
        form.setText(FieldId::edit(1), copy);
        form.setText(FieldId::memo(), QString());
        QString tags;
        // Every second character closes a byte; a blank there drops the pair.
        for (qsizetype i = 1; i < copy.size(); i += 2) {
            if (copy[i] == u' ')
                continue;
            tags += QStringLiteral("<bh:") + copy[i - 1].toLower() + copy[i].toLower() + u'>';
        }
        form.setText(FieldId::memo(), tags + QStringLiteral("\r\n"));
    }
    form.setEnabled(FieldId::button(3), false);
    form.setEnabled(FieldId::button(7), false);
}

} // namespace vertiloom
