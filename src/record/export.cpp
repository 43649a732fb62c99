// The memo's bytes and its tagged form; see export.h.
#include "record/export.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/record.h"

namespace vertiloom {

namespace {

bool isHex(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

// The refusal of a character that is no hexadecimal digit, the character shown the way it can be
// seen: a tab by name, another control character by its code, anything else in quotes.
Error notHexDigit(QChar c, qsizetype i)
{
    const QString position = QString::number(i + 1);
    if (c == u'\t')
        return Error(
            tr("The memo is not a letter record: a tab at position %1 is not a hexadecimal digit.").arg(position));
    if (c.unicode() < 32)
        return Error(tr("The memo is not a letter record: character %1 at position %2 is not a "
                        "hexadecimal digit.")
                         .arg(QString::number(c.unicode()), position));
    return Error(tr("The memo is not a letter record: '%1' at position %2 is not a hexadecimal digit.")
                     .arg(QString(c), position));
}

QByteArray plainBytes(const QString& memo)
{
    QString digits;
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QChar c = memo[i];
        if (c.isSpace())
            continue;
        if (!isHex(c))
            throw notHexDigit(c, i);
        digits += c;
    }
    if (digits.size() % 2 != 0)
        throw Error(tr("The memo is not a letter record: it holds %1 hexadecimal digits, an "
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
        const bool wellFormed = tag.size() == 7 && tag.startsWith(QLatin1String("<bh:")) && isHex(tag[4])
                                && isHex(tag[5]) && tag[6] == u'>';
        if (!wellFormed)
            throw Error(tr("The memo is not a letter record: the tag at position %1 should read "
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
        throw Error(tr("The memo is empty: press START! to compile the letter first."));
    qsizetype length = 0;
    try {
        // The memo's record is in no file: its messages name no offset.
        parseRecord(bytes, 0, -1, &length);
    } catch (const Error& error) {
        if (error.message() == tr("Read beyond end of file"))
            throw Error(tr("The memo is not a letter record: its %1 bytes end before the record "
                           "that its counts describe does.")
                            .arg(bytes.size()));
        throw Error(tr("The memo is not a letter record: %1").arg(error.message()));
    }
    if (length != bytes.size())
        throw Error(tr("The memo is not a letter record: its counts describe a record of %1 "
                       "bytes, but it holds %2 bytes.")
                        .arg(QString::number(length), QString::number(bytes.size())));
    return bytes;
}

void convertToTranslhextion(EditorForm& form)
{
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
