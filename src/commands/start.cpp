// START!, the overlay switches, the first state and the editing commands on the preview: the
// drawing and the form's rules below, put together in the order the editor runs them.
#include "commands/commands.h"

#include "record/compiler.h"
#include "record/export.h"

namespace vertiloom {

void start(Editor& editor)
{
    EditorForm& form = editor.form;
    refreshOverlays(form, editor.overlayLayer);
    form.setMemoForm(MemoForm::Plain);
    form.setEnabled(FieldId::button(3), true);
    form.setEnabled(FieldId::button(7), true);
    drawLetter(form, editor.letterLayer);
    compileLetter(form, editor.letterTail, editor.polygonTails);
}

void startUp(Editor& editor)
{
    editor.cataloguePosition = 1;
    clearLayer(editor.letterLayer);
    editor.form.setText(FieldId::memo(), QString());
    start(editor);
    markSaved(editor);
    editor.loadedFrom = {editor.form.text(FieldId::addr()), editor.cataloguePosition};
}

void showPointNumbers(Editor& editor) { drawPointNumbers(editor.form, editor.overlayLayer); }

void showAxes(Editor& editor) { drawAxes(editor.form, editor.overlayLayer); }

QImage composedPreview(const Editor& editor)
{
    return composedPreview(editor.letterLayer.image(), editor.overlayLayer.image());
}

void convertToTranslhextion(Editor& editor) { convertToTranslhextion(editor.form); }

void placePoint(Editor& editor, QPoint pixel) { placePoint(editor.form, pixel); }

void showReadout(Editor& editor, QPoint pixel) { showReadout(editor.form, pixel); }

void nudge(Editor& editor, Nudge direction)
{
    nudgePoints(editor.form, direction);
    start(editor);
}

void clearLetter(Editor& editor) { clearLetter(editor.form); }

void pickVertex(Editor& editor, std::optional<FieldId> focusedEdit, int n)
{
    writeVertexReference(editor.form, focusedEdit, n);
    start(editor);
}

} // namespace vertiloom
