#include "InlineWindow.h"

#include <QAction>
#include <QTabWidget>
#include <QToolBar>

InlineWindow::InlineWindow() : m_tabs(new QTabWidget(this))
{
    setCentralWidget(m_tabs);
    // The host's toolbar drives whichever editor shows, through trigger().
    QToolBar *tools = addToolBar(QStringLiteral("Editing"));
    const struct {
        const char *text;
        const char *element;
    } commands[] = {
        {"Select", "optTools(0)"}, {"Pencil", "optTools(4)"}, {"Rectangle", "optTools(6)"},  {"Undo", "mnuUndo"},
        {"Redo", "mnuRedo"},       {"Blur", "mnuBlur"},       {"Grayscale", "mnuGrayscale"},
    };
    for (const auto &command : commands) {
        const QString element = QString::fromLatin1(command.element);
        tools->addAction(QString::fromLatin1(command.text), this, [this, element] { run(element); });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &InlineWindow::updateTitle);
    resize(900, 700);
}

InlineWindow::~InlineWindow()
{
    // The editors go before the documents they store into.
    delete m_tabs;
}

pinxel::EditorWidget *InlineWindow::addDocument(const QString &name, const QImage &picture)
{
    m_documents.push_back(std::make_unique<MemoryDocument>(picture));
    auto *editor = new pinxel::EditorWidget;
    editor->setPicture(picture);
    editor->setFileHandler(m_documents.back().get());
    editor->setObjectName(name);
    connect(editor, &pinxel::EditorWidget::pictureChanged, this, [this] { ++m_changes; });
    connect(editor, &pinxel::EditorWidget::modifiedChanged, this, &InlineWindow::updateTitle);
    m_tabs->addTab(editor, name);
    updateTitle();
    return editor;
}

pinxel::EditorWidget *InlineWindow::editor(int index) const
{
    return qobject_cast<pinxel::EditorWidget *>(m_tabs->widget(index));
}

pinxel::EditorWidget *InlineWindow::current() const { return editor(m_tabs->currentIndex()); }

bool InlineWindow::run(const QString &element)
{
    pinxel::EditorWidget *shown = current();
    return shown && shown->trigger(element);
}

void InlineWindow::updateTitle()
{
    // Each tab shows its own changes; the title shows the current one's.
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabText(i, editor(i)->objectName() + (editor(i)->isModified() ? QStringLiteral(" *") : QString()));
    pinxel::EditorWidget *shown = current();
    setWindowTitle(QStringLiteral("Inline editors - %1[*]").arg(shown ? shown->objectName() : QString()));
    setWindowModified(shown && shown->isModified());
}
