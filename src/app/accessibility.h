// What a screen reader hears of the main window: the accessible name of every control that has no
// caption telling it (a point's x field is "x of point 1", a corner's fields "corner 3 of polygon
// 2: point" and "…: parameter"), in the language shown, and the letter told in words on the views
// that picture it.
#pragma once

#include "model/form.h"

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>

class QObject;
class QWidget;

namespace vertiloom {

// The accessible name of a form control in the language installed; empty where the control's own
// caption tells what it is (START!, the labels, the two overlay switches, the ROM variants).
QString accessibleName(const FieldId& id);

// Gives each control of the window its name, and the panel and the preview's two layers theirs,
// which mirror no form control.
void nameControls(QWidget* window, const QHash<FieldId, QWidget*>& widgets);

// Whether a screen reader (any assistive technology) has been on since start-up, as Qt's
// accessibility bridge tells. Until one is, names and descriptions wait, so that a start-up without
// one costs nothing.
bool screenReaderActive();
// Runs work now when one is, else when one comes on (while owner lives).
void whenScreenReaderActive(QObject* owner, std::function<void()> work);

// The letter as the fields hold it, told in words, as the accessible description of each view that
// pictures it (the preview's layers, the drawing board's square; a null one is skipped); the square
// gets its name too. Only what changed is set, and nothing before screenReaderActive().
void describeLetter(const EditorForm& form, std::initializer_list<QWidget*> previewLayers, QWidget* boardSquare);

} // namespace vertiloom
