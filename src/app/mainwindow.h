// MainWindow ("Form1"): every control of the editor, built from the layout table and bound to the
// editor's form, and the one place where control events run core commands.
#pragma once

#include "app/layout.h"
#include "commands/editor.h"
#include "commands/history.h"
#include "commands/platform.h"

#include <QHash>
#include <QMenu>
#include <QWidget>
#include <functional>

namespace vertiloom {

class DrawingBoard;
class FontWindow;

class PreviewImage;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // language: the language that start-up writes the captions in, a number of kLanguages
    // (model/messages.h); 1, Russian, is the program's own setting.
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr, int language = 1);
    ~MainWindow() override;

    Editor& editor() { return editor_; }
    History& history() { return history_; }

    // The widget that shows this form control, or nullptr.
    QWidget* widget(const FieldId& id) const { return widgets_.value(id); }

    // Runs one core command for a control event. A failure stops the command where it was; its
    // message goes to the user and what the command had done stays. The preview shows the layers
    // as the command left them.
    // True when the command ran to its end.
    bool run(const std::function<void()>& command);
    // The same for a view that shows routine refusals itself (the drawing board's status line): the
    // failure's message goes to refused, with a beep, instead of a box.
    using Refusal = std::function<void(const QString& message)>;
    bool run(const std::function<void()>& command, const Refusal& refused);
    // What the commands had to say that is no failure (a write cut short, put back on opening).
    void showNotices();
    // Runs a command that changes the letter or the words as one step of the undo history; steps
    // with the same merge key that follow each other are one (typing into one field).
    bool step(const std::function<void()>& command, const QString& mergeKey = QString(),
              const Refusal& refused = Refusal());
    // The next step starts anew whatever its merge key.
    void endMerge();
    void undo();
    void redo();

    // F6: the drawing board, made when it is first asked for; it shows the same editor.
    void openDrawingBoard();
    DrawingBoard* drawingBoard() const { return board_; }
    // F7: the font window, made when it is first asked for.
    void openFontWindow();
    FontWindow* fontWindow() const { return font_; }
    // "Export letter to SVG…" and "Import letter from SVG…", added to a menu (the free area's, the
    // font window's) in the window's language.
    void addSvgActions(QMenu* menu);
    // "Play (F9)" and "Emulator…", added to a menu (the free area's, the board's) with texts in the
    // window's language as the menu opens. With keysIn, the actions are also that window's, F9 theirs.
    void addPlayActions(QMenu* menu, QWidget* keysIn = nullptr);
    // F9: the copy of the open image in the emulator; the emulator found on the PATH first when none is
    // set yet, or asked for in the "Emulator…" dialog when none is found.
    void play();
    // "Emulator…": the dialog with the emulator's command line (the one found on the PATH when none is
    // set), remembered when accepted.
    void chooseEmulator();

    // Switches every caption, Qt's own texts, the editor's messages and the views' texts to the
    // language (a number of kLanguages) at once.
    void setLanguage(int language);

    // A file named on the command line, opened as through "Open file": at the catalogue letter at
    // position (1..24) or at offset when one is given, else at Addr as it stands.
    void openAtStartUp(const QString& path, int position, const QString& offset);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A right click on a free area of the window offers every language there is, the views and the
    // letter's actions.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const ControlSpec& spec, QWidget* parent);
    void bind(const ControlSpec& spec, QWidget* widget);
    // Makes the widget of this form control show the form's values.
    void refresh(const FieldId& id);
    void connectCommands();
    // What the form does not hold: the preview's repaint, the title, the ROM panel's tooltip.
    void showEditorState();
    void onClicked(const FieldId& id, std::function<void()> command, bool isStep = false);
    // The start-up of the form before any control is made: the captions of the language, START!.
    void formCreate(int language);
    void placeOnScreen();
    // Opens the vertex menu over the first corner field of the polygon (higher for the lower row).
    void openVertexMenu(int polygon);

    Platform& platform_;
    Editor editor_;
    History history_{editor_};
    QHash<FieldId, QWidget*> widgets_;
    PreviewImage* image1_ = nullptr;
    PreviewImage* image2_ = nullptr;
    QMenu* vertexMenu_ = nullptr;
    DrawingBoard* board_ = nullptr;
    FontWindow* font_ = nullptr;
};

} // namespace vertiloom
