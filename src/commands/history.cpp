// The undo history; see history.h. QUndoStack keeps the order of the steps and merges typing; each
// step holds the differences it made, so a thousand steps of typing, placing and nudging cost a few
// megabytes at most: a nudge changes a few hundred pixels, which compress to a few hundred bytes.
#include "commands/history.h"

#include <QList>
#include <QUndoCommand>
#include <utility>

namespace vertiloom {

// Everything a step may change besides the form's controls and the pixels.
struct History::Extras {
    MemoForm memoForm = MemoForm::Plain;
    QStringList letterTail;
    std::array<QString, kPolygons> polygonTails;
    std::array<int, kWordFields> wordBytesRead{};
    std::array<QString, kWordFields> wordTextsRead;
    QString wordBytesPath;
    int wordBytesVariant = 0;
    // Opening an image may switch to a headered reading along with the dump (its radio buttons and
    // Addr are controls): undoing the open takes both back.
    qint64 catalogueHeader = 0;
    Canvas::Pen letterPen;
    Canvas::Pen overlayPen;
    friend bool operator==(const Extras&, const Extras&) = default;

    // What the extras hold beyond their own size (strings count whole, even where shared).
    qsizetype heldBytes() const
    {
        qsizetype n = 0;
        for (const QString& s : letterTail)
            n += s.size() * 2;
        for (const QString& s : polygonTails)
            n += s.size() * 2;
        for (const QString& s : wordTextsRead)
            n += s.size() * 2;
        return n;
    }
};

namespace {

// Compressed for keeping: qCompress leaves room for the worst case, which a step would otherwise
// hold on to (a quarter of a megabyte for a few hundred bytes).
QByteArray packed(const QByteArray& raw)
{
    QByteArray out = qCompress(raw, 1);
    out.squeeze();
    return out;
}

// The bytes of b XOR a, compressed; empty when the two images are the same.
QByteArray difference(const QImage& a, const QImage& b)
{
    if (a.cacheKey() == b.cacheKey() || a == b)
        return {};
    QByteArray out(a.sizeInBytes(), Qt::Uninitialized);
    const uchar* pa = a.constBits();
    const uchar* pb = b.constBits();
    char* po = out.data();
    for (qsizetype i = 0; i < out.size(); ++i)
        po[i] = static_cast<char>(pa[i] ^ pb[i]);
    return packed(out);
}

QImage applied(const QImage& image, const QByteArray& difference)
{
    if (difference.isEmpty())
        return image;
    const QByteArray raw = qUncompress(difference);
    QImage out = image.copy();
    uchar* bits = out.bits();
    const uchar* flips = reinterpret_cast<const uchar*>(raw.constData());
    for (qsizetype i = 0; i < raw.size() && i < out.sizeInBytes(); ++i)
        bits[i] ^= flips[i];
    return out;
}

// Two differences made one: (a XOR b) compressed.
QByteArray combined(const QByteArray& first, const QByteArray& second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    QByteArray a = qUncompress(first);
    const QByteArray b = qUncompress(second);
    char* pa = a.data();
    const char* pb = b.constData();
    bool any = false;
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i) {
        pa[i] = static_cast<char>(pa[i] ^ pb[i]);
        any = any || pa[i] != 0;
    }
    return any ? packed(a) : QByteArray();
}

struct ControlChange {
    FieldId id;
    EditorForm::Control before;
    EditorForm::Control after;
};

} // namespace

class History::Step : public QUndoCommand {
public:
    Step(History& history, QString mergeKey) : history_(history), mergeKey_(std::move(mergeKey)) {}

    QList<ControlChange> controls;
    Extras before;
    Extras after;
    QByteArray letterDifference;
    QByteArray overlayDifference;

    bool empty() const
    {
        return controls.isEmpty() && before == after && letterDifference.isEmpty() && overlayDifference.isEmpty();
    }

    qsizetype bytes() const
    {
        qsizetype n = sizeof(Step) + before.heldBytes() + after.heldBytes() + letterDifference.capacity() +
                      overlayDifference.capacity() + mergeKey_.size() * 2;
        for (const ControlChange& change : controls)
            n += sizeof(ControlChange) + (change.before.text.size() + change.after.text.size()) * 2;
        return n;
    }

    void undo() override { history_.apply(*this, false); }
    void redo() override
    {
        // The first redo is the push: the command has already run.
        if (pushed_)
            history_.apply(*this, true);
        pushed_ = true;
    }
    int id() const override { return mergeKey_.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->mergeKey_ != mergeKey_ || history_.openMergeKey_ != mergeKey_)
            return false;
        for (const ControlChange& change : next->controls) {
            auto it = std::find_if(controls.begin(), controls.end(),
                                   [&change](const ControlChange& c) { return c.id == change.id; });
            if (it == controls.end())
                controls << change;
            else
                it->after = change.after;
        }
        after = next->after;
        letterDifference = combined(letterDifference, next->letterDifference);
        overlayDifference = combined(overlayDifference, next->overlayDifference);
        // A step that has come back to where it began (a drag put back with Escape, a field typed
        // back to its old text) is no step: the stack drops it.
        controls.removeIf([](const ControlChange& c) { return c.before == c.after; });
        setObsolete(empty());
        return true;
    }

private:
    History& history_;
    QString mergeKey_;
    bool pushed_ = false;
};

History::History(Editor& editor) : editor_(editor) {}

History::~History() = default;

History::Extras History::extras() const
{
    Extras e;
    e.memoForm = editor_.form.memoForm();
    e.letterTail = editor_.letterTail;
    e.polygonTails = editor_.polygonTails;
    e.wordBytesRead = editor_.wordBytesRead;
    e.wordTextsRead = editor_.wordTextsRead;
    e.wordBytesPath = editor_.wordBytesSource.path;
    e.wordBytesVariant = editor_.wordBytesSource.variant;
    e.catalogueHeader = editor_.catalogueHeader;
    e.letterPen = editor_.letterLayer.pen();
    e.overlayPen = editor_.overlayLayer.pen();
    return e;
}

void History::put(const Extras& e)
{
    editor_.form.setMemoForm(e.memoForm);
    editor_.letterTail = e.letterTail;
    editor_.polygonTails = e.polygonTails;
    editor_.wordBytesRead = e.wordBytesRead;
    editor_.wordTextsRead = e.wordTextsRead;
    editor_.wordBytesSource = {e.wordBytesPath, e.wordBytesVariant};
    editor_.catalogueHeader = e.catalogueHeader;
    editor_.letterLayer.setPen(e.letterPen);
    editor_.overlayLayer.setPen(e.overlayPen);
}

void History::run(const QString& mergeKey, const std::function<void()>& command)
{
    if (mergeKey.isEmpty() || mergeKey != openMergeKey_)
        openMergeKey_.clear();
    if (letterTip_.isNull()) {
        letterTip_ = editor_.letterLayer.image();
        overlayTip_ = editor_.overlayLayer.image();
    }
    const EditorForm::Controls before = editor_.form.controls();
    auto step = std::make_unique<Step>(*this, mergeKey);
    step->before = extras();

    const auto record = [&] {
        const EditorForm::Controls& after = editor_.form.controls();
        for (int slot = 0; slot < after.size(); ++slot) {
            if (!(before.at(slot) == after.at(slot)))
                step->controls << ControlChange{fieldAtSlot(slot), before.at(slot), after.at(slot)};
        }
        step->after = extras();
        step->letterDifference = difference(letterTip_, editor_.letterLayer.image());
        step->overlayDifference = difference(overlayTip_, editor_.overlayLayer.image());
        if (step->empty())
            return;
        letterTip_ = editor_.letterLayer.image();
        overlayTip_ = editor_.overlayLayer.image();
        const int position = stack_.index();
        stack_.push(step.release());
        // A merged step that came back to where it began is gone (the position fell back): what
        // follows starts anew rather than merge into the step before it.
        openMergeKey_ = stack_.index() < position ? QString() : mergeKey;
    };
    try {
        command();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void History::endMerge() { openMergeKey_.clear(); }

void History::endMerge(const QString& mergeKey)
{
    if (openMergeKey_ == mergeKey)
        openMergeKey_.clear();
}

void History::undo()
{
    openMergeKey_.clear();
    stack_.undo();
}

void History::redo()
{
    openMergeKey_.clear();
    stack_.redo();
}

void History::apply(const Step& step, bool forward)
{
    for (const ControlChange& change : step.controls)
        editor_.form.restore(change.id, forward ? change.after : change.before);
    put(forward ? step.after : step.before);
    letterTip_ = applied(letterTip_, step.letterDifference);
    overlayTip_ = applied(overlayTip_, step.overlayDifference);
    editor_.letterLayer.image() = letterTip_;
    editor_.overlayLayer.image() = overlayTip_;
}

qsizetype History::memoryBytes() const
{
    qsizetype n = 0;
    for (int i = 0; i < stack_.count(); ++i)
        n += static_cast<const Step*>(stack_.command(i))->bytes();
    return n;
}

} // namespace vertiloom
