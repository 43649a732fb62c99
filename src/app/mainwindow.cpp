// The main window: controls from the layout table, the binding to the form, the command
// dispatcher and start-up; see mainwindow.h.
#include "app/mainwindow.h"

#include "app/accessibility.h"
#include "app/captions.h"
#include "app/drawingboard.h"
#include "app/emulator.h"
#include "app/fontwindow.h"
#include "app/language.h"
#include "app/glyphs.h"
#include "app/widgets.h"
#include "model/error.h"
#include "model/input.h"
#include "model/messages.h"
#include "record/writes.h"
#include "preview/interaction.h"
#include "commands/commands.h"
#include "commands/play.h"
#include "record/export.h"
#include "record/load.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <QApplication>
#include <QButtonGroup>
#include <algorithm>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QShortcut>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace vertiloom {

namespace {

// A compact sans at 8 points for every control, the memo included.
const char* const kFontFamily = "Liberation Sans";
constexpr int kFontPointSize = 8;

// The window's outer size and its place on the screen where it fits.
constexpr int kOuterWidth = 969;
constexpr int kOuterHeight = 684;
constexpr int kScreenLeft = 594;
constexpr int kScreenTop = 87;

const char* const kAutoSize = "autoSize";

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent, int language) : QWidget(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessarine Vertiloom"));
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSize(kFontPointSize);
    setFont(font);
    resize(kClientWidth, kClientHeight);
    placeOnScreen();

    // The form first (the captions of the language, the letter of the start-up drawn), so that
    // every control is made once, showing what it is to show.
    formCreate(language);
    createControls();
    connectCommands();
    showEditorState();
}

MainWindow::~MainWindow()
{
    // The controls write into the form until they are gone, so they go before the editor does.
    widgets_.clear();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::placeOnScreen()
{
    QRect where(kScreenLeft, kScreenTop, kOuterWidth, kOuterHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // A small screen keeps the whole window visible rather than the exact place.
        const QRect available = screen->availableGeometry();
        if (where.right() > available.right())
            where.moveRight(available.right());
        if (where.bottom() > available.bottom())
            where.moveBottom(available.bottom());
        where.moveLeft(std::max(where.left(), available.left()));
        where.moveTop(std::max(where.top(), available.top()));
    }
    move(where.topLeft());
}

void MainWindow::createControls()
{
    EditorForm& form = editor_.form;
    QHash<QString, QWidget*> panels;
    QButtonGroup* groups[3] = {};
    for (const ControlSpec& spec : layoutTable()) {
        QWidget* parent = spec.parent.isEmpty() ? this : panels.value(spec.parent);
        QWidget* widget = createControl(spec, parent);
        widget->setObjectName(spec.name);
        if (spec.geometry.width() > 0) {
            widget->setGeometry(spec.geometry);
        } else {
            widget->move(spec.geometry.topLeft());
            widget->setProperty(kAutoSize, true);
        }
        if (!spec.hint.isEmpty())
            widget->setToolTip(spec.hint);
        if (spec.bold) {
            QFont bold = widget->font();
            bold.setBold(true);
            widget->setFont(bold);
        }
        if (spec.hidden)
            widget->hide();
        if (spec.widget == Widget::Panel)
            panels.insert(spec.name, widget);
        if (spec.group != RadioGroup::None) {
            QButtonGroup*& group = groups[static_cast<int>(spec.group)];
            if (!group)
                group = new QButtonGroup(this);
            group->addButton(static_cast<QAbstractButton*>(widget));
        }
        if (spec.id) {
            // Design-time captions of controls whose caption the form does not already hold.
            if (!spec.caption.isEmpty() && form.text(*spec.id).isEmpty())
                form.setText(*spec.id, spec.caption);
            widgets_.insert(*spec.id, widget);
            bind(spec, widget);
        }
    }
    connect(&form, &EditorForm::changed, this, &MainWindow::refresh);
    panels.value(QStringLiteral("Panel1"))->installEventFilter(this);
    // Typing into a field is one step until the focus leaves it (its merge key is its name). Other
    // steps that merge, such as a drag on the drawing board, go on whatever the focus does.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
        if (old)
            history_.endMerge(old->objectName());
    });
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it)
        refresh(it.key());
    whenScreenReaderActive(this, [this] {
        nameControls(this, widgets_);
        describeLetter(editor_.form, {image1_, image2_}, board_ ? board_->canvas() : nullptr);
    });
}

QWidget* MainWindow::createControl(const ControlSpec& spec, QWidget* parent)
{
    switch (spec.widget) {
    case Widget::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Widget::Edit:
        return new FieldEdit(editor_.form, *spec.id, parent);
    case Widget::CheckBox:
        return new QCheckBox(parent);
    case Widget::Radio:
        return new QRadioButton(parent);
    case Widget::Button:
        return new QPushButton(parent);
    case Widget::BitBtn: {
        auto* button = new QPushButton(parent);
        button->setIcon(bitBtnGlyph(spec.id->a));
        button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        return button;
    }
    case Widget::Image: {
        // Image1 shows the letter layer; Image2, created later and so lying over it, the overlay.
        const bool overlay = spec.name == QLatin1String("Image2");
        auto* image =
            new PreviewImage(overlay ? editor_.overlayLayer.image() : editor_.letterLayer.image(), overlay, parent);
        (overlay ? image2_ : image1_) = image;
        image->setMouseTracking(overlay);
        return image;
    }
    case Widget::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // The record has no use for a tab character: Tab goes on to the next control.
        memo->setTabChangesFocus(true);
        return memo;
    }
    case Widget::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    }
    return nullptr;
}

void MainWindow::bind(const ControlSpec& spec, QWidget* widget)
{
    // What the user does goes into the form; the form's notification brings the widget back in line.
    EditorForm& form = editor_.form;
    const FieldId id = *spec.id;
    const QString key = id.objectName();
    if (auto* edit = qobject_cast<FieldEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, &form, id, key](const QString& text) { step([&] { form.setText(id, text); }, key); });
        // A text set from outside the keyboard and the mouse (a screen reader's editable text) comes
        // after no textEdited: it is judged whole as a paste is, and a refused one gives the field the
        // form's text back.
        connect(edit, &QLineEdit::textChanged, this, [this, &form, id, key, edit] {
            const QString text = edit->text();
            if (text == form.text(id))
                return;
            const int limit = form.maxLength(id);
            if (textAccepted(id, text) && (limit < 0 || text.size() <= limit)) {
                step([&] { form.setText(id, text); }, key);
            } else {
                platform_.beep();
                QMetaObject::invokeMethod(
                    this, [this, id] { refresh(id); }, Qt::QueuedConnection);
            }
        });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->setUndoRedoEnabled(false);
        memo->installEventFilter(this);
        connect(memo, &QPlainTextEdit::textChanged, this,
                [this, &form, id, key, memo] { step([&] { form.setText(id, memo->toPlainText()); }, key); });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        // The two overlay switches are a view setting, not a change to the letter.
        const bool view = id == FieldId::checkBox(21) || id == FieldId::checkBox(22);
        connect(box, &QCheckBox::clicked, this, [this, &form, id, view](bool checked) {
            if (view)
                form.setChecked(id, checked);
            else
                step([&] { form.setChecked(id, checked); });
        });
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        // Choosing a radio button deselects the others of its group.
        if (spec.group == RadioGroup::Points) {
            connect(radio, &QRadioButton::clicked, this, [&form, id] { form.selectPoint(id.a); });
        } else {
            connect(radio, &QRadioButton::clicked, this, [&form, id] { selectVariant(form, id.a); });
        }
    }
}

void MainWindow::refresh(const FieldId& id)
{
    QWidget* widget = widgets_.value(id);
    if (!widget)
        return;
    const EditorForm& form = editor_.form;
    const QString text = form.text(id);
    widget->setEnabled(form.enabled(id));
    if (auto* edit = qobject_cast<FieldEdit*>(widget)) {
        if (edit->text() != text)
            edit->setText(text);
        // Fields without a colour of their own keep the ordinary one.
        QPalette palette;
        const QColor color = form.color(id);
        if (color.isValid())
            palette.setColor(QPalette::Base, color);
        if (edit->palette().color(QPalette::Base) != palette.color(QPalette::Base))
            edit->setPalette(palette);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (memo->toPlainText() != text) {
            // The form already holds the text; the widget only shows it.
            const QSignalBlocker quiet(memo);
            memo->setPlainText(text);
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        if (label->property(kAutoSize).toBool())
            label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        if (button->isCheckable())
            button->setChecked(form.checked(id));
    }
}

bool MainWindow::run(const std::function<void()>& command) { return run(command, Refusal()); }

bool MainWindow::run(const std::function<void()>& command, const Refusal& refused)
{
    bool done = false;
    try {
        command();
        done = true;
    } catch (const Error& error) {
        showNotices();
        if (refused) {
            platform_.beep();
            refused(error.message());
        } else {
            platform_.showError(error.message());
        }
    } catch (const std::bad_alloc&) {
        platform_.showError(outOfMemory());
    }
    showNotices();
    showEditorState();
    return done;
}

void MainWindow::showNotices()
{
    for (const QString& notice : takeNotices())
        platform_.showWarning(notice);
}

void MainWindow::showEditorState()
{
    image1_->update();
    image2_->update();
    setWindowTitle(vertiloom::windowTitle(editor_));
    describeLetter(editor_.form, {image1_, image2_}, board_ ? board_->canvas() : nullptr);
    if (board_)
        board_->refresh();
    if (font_ && font_->isVisible())
        font_->refresh();
}

bool MainWindow::step(const std::function<void()>& command, const QString& mergeKey, const Refusal& refused)
{
    return run([&] { history_.run(mergeKey, command); }, refused);
}

void MainWindow::endMerge() { history_.endMerge(); }

namespace {

// A view window over the main window's editor, made when it is first asked for (so that the start-up
// makes none), a window of its own that goes with the main window; shown in front.
template <class View>
View* shownView(View*& view, MainWindow& main, Editor& editor, Platform& platform)
{
    if (!view) {
        view = new View(main, editor, platform);
        view->setParent(&main, view->windowFlags() | Qt::Window);
    }
    view->refresh();
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}

} // namespace

void MainWindow::openDrawingBoard()
{
    shownView(board_, *this, editor_, platform_);
    describeLetter(editor_.form, {}, board_->canvas());
}

void MainWindow::addSvgActions(QMenu* menu)
{
    QAction* out = menu->addAction(tr("Export letter to SVG\u2026"));
    out->setObjectName(QStringLiteral("ExportLetterToSvg"));
    connect(out, &QAction::triggered, this, [this] { run([this] { exportLetterToSvg(editor_, platform_); }); });
    QAction* in = menu->addAction(tr("Import letter from SVG\u2026"));
    in->setObjectName(QStringLiteral("ImportLetterFromSvg"));
    connect(in, &QAction::triggered, this, [this] { step([this] { importLetterFromSvg(editor_, platform_); }); });
}

void MainWindow::openFontWindow() { shownView(font_, *this, editor_, platform_); }

void MainWindow::addPlayActions(QMenu* menu, QWidget* keysIn)
{
    QAction* play = menu->addAction(QString());
    play->setObjectName(QStringLiteral("Play"));
    connect(play, &QAction::triggered, this, [this] { this->play(); });
    QAction* emulator = menu->addAction(QString());
    emulator->setObjectName(QStringLiteral("Emulator"));
    connect(emulator, &QAction::triggered, this, [this] { chooseEmulator(); });
    if (keysIn) {
        play->setShortcut(QKeySequence(Qt::Key_F9));
        play->setShortcutContext(Qt::WindowShortcut);
        keysIn->addAction(play);
    }
    const auto texts = [play, emulator, keysIn] {
        const QString words = tr("Play");
        const QString withKey = words + QStringLiteral(" (F9)");
        // A menu that shows the action's own key says it once.
        play->setText(keysIn ? words : withKey);
        play->setToolTip(withKey);
        emulator->setText(tr("Emulator\u2026"));
    };
    texts();
    connect(menu, &QMenu::aboutToShow, play, texts);
}

void MainWindow::play()
{
    QString commandLine = savedEmulator();
    if (commandLine.isEmpty()) {
        // Looked for only now, the first time it is needed: never at start-up.
        const EmulatorSearch found = findEmulator();
        commandLine = found.commandLine;
        if (commandLine.isEmpty()) {
            QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
            commandLine = askEmulator(parent, QString(), found.failure).value_or(QString());
            if (commandLine.isEmpty())
                return;
        }
        saveEmulator(commandLine);
    }
    run([this, &commandLine] { vertiloom::play(editor_, platform_, commandLine); });
}

void MainWindow::chooseEmulator()
{
    QString commandLine = savedEmulator();
    QString note;
    if (commandLine.isEmpty()) {
        const EmulatorSearch found = findEmulator();
        commandLine = found.commandLine;
        note = found.failure;
    }
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    if (const std::optional<QString> chosen = askEmulator(parent, commandLine, note))
        saveEmulator(*chosen);
}

void MainWindow::undo()
{
    run([this] { history_.undo(); });
}

void MainWindow::redo()
{
    run([this] { history_.redo(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (mayDiscardChanges(editor_, platform_))
        event->accept();
    else
        event->ignore();
}

namespace {

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    step([this, path] { openDroppedFile(editor_, platform_, path); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The ROM panel says what the editor recognised in the image opened last, when it is asked to.
    if (event->type() == QEvent::ToolTip && watched->objectName() == QLatin1String("Panel1")) {
        static_cast<QWidget*>(watched)->setToolTip(romPanelHint(editor_));
        return false;
    }
    // The memo: the undo and redo keys reach the editor's history, and a dropped file the window.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (const int key = historyKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                key < 0 ? undo() : redo();
            return true;
        }
    }
    if ((event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)
        && !droppedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
        event->type() == QEvent::DragEnter ? dragEnterEvent(static_cast<QDragEnterEvent*>(event))
                                           : dropEvent(static_cast<QDropEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::onClicked(const FieldId& id, std::function<void()> command, bool isStep)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    // Connected after the binding, so a check box's new state is in the form when the command runs.
    connect(button, &QAbstractButton::clicked, this,
            [this, isStep, command = std::move(command)] { isStep ? step(command) : run(command); });
}

void MainWindow::connectCommands()
{
    // Every command the window runs is connected here, each through run().
    Editor& e = editor_;
    Platform& platform = platform_;
    // Steps change the letter or the words; the others are navigation, view settings and writes
    // to files, which the history leaves alone.
    const bool isStep = true;
    onClicked(
        FieldId::button(1), [&e] { start(e); }, isStep);
    onClicked(FieldId::checkBox(21), [&e] { showPointNumbers(e); });
    onClicked(FieldId::checkBox(22), [&e] { showAxes(e); });

    onClicked(
        FieldId::button(2), [&e, &platform] { openLetter(e, platform); }, isStep);
    onClicked(
        FieldId::bitBtn(1), [&e, &platform] { reloadLetter(e, platform); }, isStep);
    onClicked(FieldId::button(6), [&e, &platform] { exportLetterToFile(e, platform); });
    onClicked(FieldId::button(7), [&e, &platform] { exportLetterToRom(e, platform); });
    onClicked(
        FieldId::button(3), [&e] { convertToTranslhextion(e); }, isStep);

    onClicked(FieldId::button(4), [&e] { nextLetter(e); });
    onClicked(FieldId::button(5), [&e] { previousLetter(e); });
    for (const RomVariant& variant : kRomVariants)
        onClicked(FieldId::radio(variant.radioButton), [&e] { chooseVariant(e); });
    onClicked(
        FieldId::bitBtn(3), [&e] { readWords(e); }, isStep);
    onClicked(FieldId::bitBtn(4), [&e, &platform] { writeWords(e, platform); });

    onClicked(
        FieldId::button(8), [&e] { nudge(e, Nudge::Left); }, isStep);
    onClicked(
        FieldId::button(9), [&e] { nudge(e, Nudge::Up); }, isStep);
    onClicked(
        FieldId::button(10), [&e] { nudge(e, Nudge::Down); }, isStep);
    onClicked(
        FieldId::button(11), [&e] { nudge(e, Nudge::Right); }, isStep);
    onClicked(
        FieldId::bitBtn(2), [&e] { clearLetter(e); }, isStep);

    // The keys of a desktop editor. In a field or the memo, the undo and redo keys reach the same
    // history through the field (a line edit would otherwise take them for its own undo).
    const auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Undo, [this] { undo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O),
             [this] { static_cast<QAbstractButton*>(widget(FieldId::button(2)))->click(); });
    shortcut(QKeySequence(Qt::Key_F5), [this] { static_cast<QAbstractButton*>(widget(FieldId::button(1)))->click(); });
    shortcut(QKeySequence(Qt::Key_F6), [this] { openDrawingBoard(); });
    shortcut(QKeySequence(Qt::Key_F7), [this] { openFontWindow(); });
    shortcut(QKeySequence(Qt::Key_F9), [this] { play(); });
    widget(FieldId::button(2))->setToolTip(QStringLiteral("Ctrl+O"));
    widget(FieldId::button(1))->setToolTip(QStringLiteral("F5"));
    setAcceptDrops(true);

    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it) {
        auto* edit = qobject_cast<FieldEdit*>(it.value());
        if (!edit)
            continue;
        const FieldId id = it.key();
        edit->setKeyFilter({
            [&e, id] { beforeKey(e.form, id); },
            [id](const QString& text) { return textAccepted(id, text); },
            [this] { platform_.beep(); },
        });
        edit->setHistory({
            [this] { undo(); },
            [this] { redo(); },
            [this] { return history_.canUndo(); },
            [this] { return history_.canRedo(); },
        });
        if (id.kind == Kind::Pol)
            connect(edit, &FieldEdit::doubleClicked, this, [this, id] { openVertexMenu(id.a); });
    }

    vertexMenu_ = new QMenu(this);
    vertexMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    for (int n = 1; n <= kPoints; ++n) {
        QAction* item = vertexMenu_->addAction(QString::number(n));
        item->setObjectName(QStringLiteral("N%11").arg(n));
        connect(item, &QAction::triggered, this, [this, n] {
            auto* focused = qobject_cast<FieldEdit*>(focusWidget());
            const std::optional<FieldId> field = focused ? std::optional(focused->id()) : std::nullopt;
            step([this, field, n] { pickVertex(editor_, field, n); });
        });
    }

    for (PreviewImage* image : {image1_, image2_}) {
        connect(image, &PreviewImage::clicked, this,
                [this](QPoint pixel) { step([this, pixel] { placePoint(editor_, pixel); }); });
        connect(image, &PreviewImage::doubleClicked, this, [this] { step([this] { start(editor_); }); });
    }
    connect(image2_, &PreviewImage::mouseMoved, this,
            [this](QPoint pixel) { run([this, pixel] { showReadout(editor_, pixel); }); });
}

void MainWindow::openVertexMenu(int polygon)
{
    const QWidget* first = widget(FieldId::pol(polygon, 1));
    const QPoint topLeft = first->pos() - QPoint(0, vertexMenuRaise(polygon));
    vertexMenu_->popup(mapToGlobal(topLeft));
}

void MainWindow::setLanguage(int language)
{
    // The translations first: the captions of a language other than Russian and English are theirs.
    editor_.language = language;
    installTranslations(language);
    writeCaptions(editor_.form, language);
    if (screenReaderActive())
        nameControls(this, widgets_);
    if (board_)
        board_->setLanguage(language);
    if (font_)
        font_->setLanguage(language);
    showEditorState();
}

void MainWindow::openAtStartUp(const QString& path, int position, const QString& offset)
{
    if (position > 0)
        run([this, position] { goToLetter(editor_, position); });
    if (!offset.isEmpty())
        editor_.form.setText(FieldId::addr(), offset);
    step([this, path] { openDroppedFile(editor_, platform_, path); });
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // Only on the window itself or a panel: the controls keep their own menus, or none.
    const QWidget* at = childAt(event->pos());
    if (at && at->metaObject() != &QFrame::staticMetaObject) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Every language there is, each in its own name.
    for (const Language& language : kLanguages) {
        QAction* action = menu->addAction(QString::fromUtf8(language.name));
        action->setObjectName(QStringLiteral("Language_%1").arg(QLatin1String(language.code)));
        action->setCheckable(true);
        action->setChecked(editor_.language == language.number);
        connect(action, &QAction::triggered, this, [this, number = language.number] {
            setLanguage(number);
            saveLanguage(number);
        });
    }
    menu->addSeparator();
    QAction* board = menu->addAction(tr("Drawing board (F6)"));
    board->setObjectName(QStringLiteral("OpenDrawingBoard"));
    connect(board, &QAction::triggered, this, [this] { openDrawingBoard(); });
    QAction* font = menu->addAction(tr("Font (F7)"));
    font->setObjectName(QStringLiteral("OpenFontWindow"));
    connect(font, &QAction::triggered, this, [this] { openFontWindow(); });
    menu->addSeparator();
    addSvgActions(menu);
    // A fitted letter shows on the drawing board, which opens for it.
    const auto fitAction = [this, menu](const char* name, const QString& text, auto fit) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, fit] {
            openDrawingBoard();
            fit(*board_);
        });
    };
    fitAction("FitDrawing", tr("Fit drawing\u2026"), [](DrawingBoard& board) { board.fitDrawing(); });
    fitAction("LetterFromFont", tr("Letter from font\u2026"), [](DrawingBoard& board) { board.letterFromFont(); });
    QAction* patch = menu->addAction(tr("Make patch\u2026"));
    patch->setObjectName(QStringLiteral("MakePatch"));
    connect(patch, &QAction::triggered, this, [this] { run([this] { makePatchOfCurrentImage(editor_, platform_); }); });
    menu->addSeparator();
    addPlayActions(menu);
    menu->popup(event->globalPos());
}

void MainWindow::formCreate(int language)
{
    editor_.language = language;
    installTranslations(language);
    writeCaptions(editor_.form, language);
    try {
        startUp(editor_);
    } catch (const Error& error) {
        platform_.showError(error.message());
    }
}

} // namespace vertiloom
