// The undo history: every user action that changes the letter or the words runs through run() and
// becomes one step that undo() takes back and redo() puts again. A step keeps only what it changed:
// the controls whose values differ, the held tails and remembered word bytes when they differ, the
// preview's pixels as a compressed difference, and, for a load, where the letter came from before
// and after (the open file, Addr and the catalogue position of the load, the letter as loaded).
#pragma once

#include "commands/editor.h"

#include <QImage>
#include <QString>
#include <QUndoStack>
#include <functional>

namespace vertiloom {

class History {
public:
    explicit History(Editor& editor);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Runs the command as one step. Steps with the same non-empty merge key that follow each other
    // (typing into one field, the moves of one drag) become one, until endMerge(); such a step
    // compares the preview's pixels once, when it settles (before anything asks the history or
    // another step begins), not at every command that merges into it. A command that changes nothing
    // leaves no step, and neither do merged commands that come back to where they began; one that
    // fails keeps what it had changed as a step, then the failure goes on.
    void run(const QString& mergeKey, const std::function<void()>& command);
    // The next step starts a new one whatever its key.
    void endMerge();
    // The same, when the steps merging now are those of this key (the focus left its field).
    void endMerge(const QString& mergeKey);

    bool canUndo();
    bool canRedo();
    // Everything back as it was just after the step before the last one; the preview's pixels too.
    void undo();
    void redo();

    int count();
    int position();
    // The memory the steps hold, in bytes (what they keep, not the containers' slack).
    qsizetype memoryBytes();

private:
    class Step;
    struct Extras;
    struct Source;
    Extras extras() const;
    void put(const Extras& extras);
    Source source() const;
    void put(const Source& source);
    void apply(const Step& step, bool forward);

    // The step still merging: its pixels are compared with those before it when it settles.
    void settle();
    // Settles it, and the next step starts anew.
    void close();

    Editor& editor_;
    QUndoStack stack_;
    QString openMergeKey_;
    Step* open_ = nullptr; // the top of the stack while it merges
    QImage openLetterStart_;
    QImage openOverlayStart_;
    bool openSettled_ = true;
    // The preview's two layers as the history last left them: just after the step at position().
    QImage letterTip_;
    QImage overlayTip_;
};

} // namespace vertiloom
