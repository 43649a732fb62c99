// The undo history; see history.h. QUndoStack keeps the order of the steps; each step holds the
// differences it made, so a thousand steps of typing, placing and nudging cost a few megabytes at
// most: a nudge changes a few hundred pixels, which compress to a few hundred bytes. A step that
// merges (typing into a field, a drag on the drawing board) compares its pixels only when it settles,
// not at every key or unit of the drag.
#include "commands/history.h"

#include "rom/catalogue.h"

#include <QList>
#include <QUndoCommand>
#include <cstring>
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

// Where the letter in the fields came from: the file open, what its dump was recognised as, the
// letter as it was loaded or last saved (whether it has changes: the star), and its place in the
// image. A load changes it and keeps it as a step; an export changes the saved letter outside any
// step, so a step puts the source back only when it changed it itself. Putting it back puts Addr,
// the catalogue position and its label back to the place of the load, so that the title, Reload
// and the font window's frame describe the letter the fields hold.
struct History::Source {
    QString currentRom;
    QString openedPath;
    bool openedRomImage = false;
    std::optional<Recognition> recognised;
    Editor::SavedLetter saved;
    Editor::LetterPlace place;
    friend bool operator==(const Source&, const Source&) = default;

    // The texts it holds; the saved letter's controls are shared with the editor's and the other
    // steps' (one copy for each load), counted once per step.
    qsizetype heldBytes() const
    {
        return (currentRom.size() + openedPath.size() + place.addr.size()) * 2
               + saved.controls.size() * qsizetype(sizeof(EditorForm::Control));
    }
};

namespace {

// The bytes of b XOR a from the first that differs to the last, compressed, after the offset of the
// first (8 bytes); empty when the two images are the same. A step changes a few lines of a layer,
// so the span is short and compresses to little; qCompress's room for the worst case is given back,
// or a step would hold on to it.
QByteArray difference(const QImage& a, const QImage& b)
{
    if (a.cacheKey() == b.cacheKey() || a == b)
        return {};
    const uchar* pa = a.constBits();
    const uchar* pb = b.constBits();
    const qsizetype size = a.sizeInBytes();
    qsizetype first = 0;
    while (first < size && pa[first] == pb[first])
        ++first;
    qsizetype last = size - 1;
    while (last > first && pa[last] == pb[last])
        --last;
    QByteArray span(last - first + 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < span.size(); ++i)
        span[i] = static_cast<char>(pa[first + i] ^ pb[first + i]);
    QByteArray out(sizeof(qint64), Qt::Uninitialized);
    const qint64 offset = first;
    std::memcpy(out.data(), &offset, sizeof offset);
    out += qCompress(span, 1);
    out.squeeze();
    return out;
}

QImage applied(const QImage& image, const QByteArray& difference)
{
    if (difference.isEmpty())
        return image;
    qint64 offset = 0;
    std::memcpy(&offset, difference.constData(), sizeof offset);
    const QByteArray span = qUncompress(difference.mid(sizeof offset));
    QImage out = image.copy();
    uchar* bits = out.bits();
    const uchar* flips = reinterpret_cast<const uchar*>(span.constData());
    for (qsizetype i = 0; i < span.size() && offset + i < out.sizeInBytes(); ++i)
        bits[offset + i] ^= flips[i];
    return out;
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
    // Set only when the step changed where the letter came from.
    std::optional<Source> sourceBefore;
    std::optional<Source> sourceAfter;

    bool empty() const
    {
        return controls.isEmpty() && before == after && letterDifference.isEmpty() && overlayDifference.isEmpty()
               && !sourceBefore;
    }

    qsizetype bytes() const
    {
        qsizetype n = sizeof(Step) + before.heldBytes() + after.heldBytes() + letterDifference.capacity()
                      + overlayDifference.capacity() + mergeKey_.size() * 2;
        for (const ControlChange& change : controls)
            n += sizeof(ControlChange) + (change.before.text.size() + change.after.text.size()) * 2;
        if (sourceBefore)
            n += sourceBefore->heldBytes() + sourceAfter->heldBytes();
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
    // The open step takes the changes of a command that merges into it.
    void absorb(const QList<ControlChange>& changes, const Extras& now)
    {
        for (const ControlChange& change : changes) {
            auto it = std::find_if(controls.begin(), controls.end(),
                                   [&change](const ControlChange& c) { return c.id == change.id; });
            if (it == controls.end())
                controls << change;
            else
                it->after = change.after;
        }
        after = now;
    }
    // The source before and after a command, when it changed it.
    void noteSource(const Source& was, const Source& now)
    {
        if (!sourceBefore) {
            if (now == was)
                return;
            sourceBefore = was;
        }
        sourceAfter = now;
        if (*sourceAfter == *sourceBefore) {
            sourceBefore.reset();
            sourceAfter.reset();
        }
    }

    // The stack drops a step by merging an empty one into it (the only merge it does): a merging step
    // that came back to where it began is no step.
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        if (!static_cast<const Step*>(other)->dropper_)
            return false;
        setObsolete(true);
        return true;
    }
    static Step* dropper(History& history)
    {
        auto* step = new Step(history, QString());
        step->dropper_ = true;
        return step;
    }

private:
    History& history_;
    QString mergeKey_;
    bool pushed_ = false;
    bool dropper_ = false;
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

History::Source History::source() const
{
    return {editor_.currentRom, editor_.openedAs.path, editor_.openedAs.romImage,
            editor_.recognised, editor_.savedLetter,   editor_.loadedFrom};
}

void History::put(const Source& s)
{
    editor_.currentRom = s.currentRom;
    editor_.openedAs = {s.openedPath, s.openedRomImage};
    editor_.recognised = s.recognised;
    editor_.savedLetter = s.saved;
    editor_.loadedFrom = s.place;
    editor_.cataloguePosition = s.place.position;
    editor_.form.setText(FieldId::addr(), s.place.addr);
    editor_.form.setText(FieldId::label(34), QString::fromLatin1(catalogueEntry(s.place.position).label));
}

void History::run(const QString& mergeKey, const std::function<void()>& command)
{
    const bool continuing = open_ != nullptr && !mergeKey.isEmpty() && mergeKey == openMergeKey_;
    if (!continuing)
        close();
    if (letterTip_.isNull()) {
        letterTip_ = editor_.letterLayer.image();
        overlayTip_ = editor_.overlayLayer.image();
    }
    const EditorForm::Controls before = editor_.form.controls();
    const Extras extrasBefore = extras();
    const Source sourceBefore = source();

    const auto record = [&] {
        QList<ControlChange> changes;
        const EditorForm::Controls& after = editor_.form.controls();
        for (int slot = 0; slot < after.size(); ++slot) {
            if (!(before.at(slot) == after.at(slot)))
                changes << ControlChange{fieldAtSlot(slot), before.at(slot), after.at(slot)};
        }
        if (continuing) {
            open_->absorb(changes, extras());
            open_->noteSource(sourceBefore, source());
            openSettled_ = false;
            return;
        }
        auto step = std::make_unique<Step>(*this, mergeKey);
        step->controls = changes;
        step->before = extrasBefore;
        step->after = extras();
        step->noteSource(sourceBefore, source());
        const QImage& letter = editor_.letterLayer.image();
        const QImage& overlay = editor_.overlayLayer.image();
        if (mergeKey.isEmpty()) {
            step->letterDifference = difference(letterTip_, letter);
            step->overlayDifference = difference(overlayTip_, overlay);
            if (step->empty())
                return;
            letterTip_ = letter;
            overlayTip_ = overlay;
            stack_.push(step.release());
            return;
        }
        // A step that may merge: open, its pixels compared when it settles.
        const bool samePixels =
            letter.cacheKey() == letterTip_.cacheKey() && overlay.cacheKey() == overlayTip_.cacheKey();
        if (step->empty() && samePixels)
            return;
        open_ = step.get();
        openLetterStart_ = letterTip_;
        openOverlayStart_ = overlayTip_;
        openSettled_ = false;
        stack_.push(step.release());
        openMergeKey_ = mergeKey;
    };
    try {
        command();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void History::settle()
{
    if (!open_ || openSettled_)
        return;
    openSettled_ = true;
    letterTip_ = editor_.letterLayer.image();
    overlayTip_ = editor_.overlayLayer.image();
    open_->letterDifference = difference(openLetterStart_, letterTip_);
    open_->overlayDifference = difference(openOverlayStart_, overlayTip_);
    open_->controls.removeIf([](const ControlChange& c) { return c.before == c.after; });
    if (open_->empty()) {
        // Back where it began (a drag put back with Escape, a field typed back to its old text).
        stack_.push(Step::dropper(*this));
        open_ = nullptr;
        openMergeKey_.clear();
    }
}

void History::close()
{
    settle();
    open_ = nullptr;
    openMergeKey_.clear();
    openLetterStart_ = QImage();
    openOverlayStart_ = QImage();
}

void History::endMerge() { close(); }

void History::endMerge(const QString& mergeKey)
{
    if (openMergeKey_ == mergeKey)
        close();
}

bool History::canUndo()
{
    settle();
    return stack_.canUndo();
}

bool History::canRedo()
{
    settle();
    return stack_.canRedo();
}

int History::count()
{
    settle();
    return stack_.count();
}

int History::position()
{
    settle();
    return stack_.index();
}

void History::undo()
{
    close();
    stack_.undo();
}

void History::redo()
{
    close();
    stack_.redo();
}

void History::apply(const Step& step, bool forward)
{
    for (const ControlChange& change : step.controls)
        editor_.form.restore(change.id, forward ? change.after : change.before);
    put(forward ? step.after : step.before);
    if (step.sourceBefore)
        put(forward ? *step.sourceAfter : *step.sourceBefore);
    letterTip_ = applied(letterTip_, step.letterDifference);
    overlayTip_ = applied(overlayTip_, step.overlayDifference);
    editor_.letterLayer.image() = letterTip_;
    editor_.overlayLayer.image() = overlayTip_;
}

qsizetype History::memoryBytes()
{
    settle();
    qsizetype n = 0;
    for (int i = 0; i < stack_.count(); ++i)
        n += static_cast<const Step*>(stack_.command(i))->bytes();
    return n;
}

} // namespace vertiloom
