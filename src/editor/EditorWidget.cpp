// The editor as a widget of the host's: an editor window (frmPaint) made as
// a part of this widget, with its own model; the members forward to the
// model, whose signals become the widget's.

#include "pinxel/EditorWidget.h"

#include "document/mdlGeneral.h"
#include "editor/RecoveryJournal.h"
#include "editor/frmPaint.h"
#include "tools/ToolTable.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace pinxel {

EditorWidget::EditorWidget(QWidget *parent) : QWidget(parent), m_editor(new frmPaint(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    m_editor->Form_Load();
    EditorModel &model = m_editor->model();
    model.setFileMenuShown(false);  // the host owns the picture until it gives a file handler
    connect(&model, &EditorModel::pictureChanged, this, &EditorWidget::pictureChanged);
    connect(&model, &EditorModel::modifiedChanged, this, &EditorWidget::modifiedChanged);
    connect(&model, &EditorModel::undoAvailable, this, &EditorWidget::undoAvailable);
    connect(&model, &EditorModel::redoAvailable, this, &EditorWidget::redoAvailable);
    startJournal();
}

EditorWidget::~EditorWidget()
{
    m_journal.reset();  // it hears the editor
    // Nothing the editor does as it goes may reach this half-destroyed widget's signals.
    m_editor->model().disconnect(this);
    delete m_editor;
}

void EditorWidget::startJournal()
{
    m_journal.reset();
    RecoveryJournal::Opening opening;
    opening.editor = QStringLiteral("widget");
    // A crashed session's journal is offered when the host hands the same picture in again.
    opening.picture = picture();
    opening.name = !objectName().isEmpty() ? objectName() : QCoreApplication::translate("EditorWidget", "the picture");
    m_journal = RecoveryJournal::openSession(*m_editor, opening);
}

void EditorWidget::setPicture(const QImage &picture)
{
    EditorModel::checkHandedPicture(picture);
    EditorModel &model = m_editor->model();
    model.showPicture(picture, UndoRing::HistoryStart::SharesPicture);
    model.CurrentFileName.clear();
    model.UpdateCaption();
    model.setModified(false);
    startJournal();
}

QImage EditorWidget::picture() const { return m_editor->model().composedPicture(); }

bool EditorWidget::isModified() const { return m_editor->model().isModified(); }
void EditorWidget::setModified(bool modified) { m_editor->model().setModified(modified); }

bool EditorWidget::trigger(const QString &element)
{
    if (!isEnabled())
        return false;
    EditorModel &model = m_editor->model();
    ElementEvents &events = model.events();
    static const QRegularExpression toolButton(QStringLiteral("^optTools\\((\\d+)\\)$"));
    if (const QRegularExpressionMatch tool = toolButton.match(element); tool.hasMatch()) {
        bool converted = false;
        const int index = tool.captured(1).toInt(&converted);
        if (!converted || index >= ToolCount)
            return false;
        // A user's click on a tool button: the press, then the click.
        events.raise(ElementEvents::indexed("optTools", index, "MouseDown"), {1, 0, 0, 0});
        events.raise(ElementEvents::indexed("optTools", index, "Click"));
        return true;
    }
    const QString click = element + QStringLiteral(".Click");
    if (!model.reachable(element) || !events.find(click))
        return false;
    events.raise(click);
    return true;
}

void EditorWidget::setMenuBarVisible(bool visible) { m_editor->setMenuBarVisible(visible); }
bool EditorWidget::isMenuBarVisible() const { return m_editor->isMenuBarVisible(); }

void EditorWidget::setFileHandler(FileHandler *handler)
{
    EditorModel &model = m_editor->model();
    model.setFileHandler(handler);
    if (!handler)
        model.setFileMenuShown(false);
}

FileHandler *EditorWidget::fileHandler() const { return m_editor->model().fileHandler(); }

QSize EditorWidget::sizeHint() const { return QSize(640, 480); }

void EditorWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    watchWindow();
}

bool EditorWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        watchWindow();
    return QWidget::event(event);
}

void EditorWidget::watchWindow()
{
    // The window the editor is in, wherever the host put it by now: its
    // close asks the editor's save question. A floating dock or tool window
    // only hides; the host's own window above it is the one that closes.
    QWidget *shownIn = window();
    while (shownIn->parentWidget())
        shownIn = shownIn->parentWidget()->window();
    if (shownIn == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = shownIn;
    m_watchedWindow->installEventFilter(this);
}

bool EditorWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Close && event->isAccepted()) {
        // Yes that saves, or No, lets the window close; Cancel or a failed
        // save keeps it open, as does a failure of the question itself.
        bool keepOpen = true;
        try {
            keepOpen = m_editor->model().queryUnload();
        } catch (const Error &error) {
            ReportError(ReportDescription, error.description());
        }
        if (keepOpen) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pinxel
