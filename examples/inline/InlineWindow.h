#pragma once
// The example's window: two editors in tabs, each over a picture the host
// keeps in memory, driven by the host's own toolbar.

#include "pinxel/EditorWidget.h"
#include "pinxel/FileHandler.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QTabWidget;

// The host's storage: one picture in memory per document. Open gives it
// back, Save keeps the picture the editor hands over.
class MemoryDocument : public pinxel::FileHandler {
public:
    explicit MemoryDocument(QImage picture) : m_picture(std::move(picture)) {}
    std::optional<QImage> open() override { return m_picture; }
    bool save(const QImage &picture, bool) override
    {
        m_picture = picture;
        ++m_saves;
        return true;
    }
    const QImage &picture() const { return m_picture; }
    int saves() const { return m_saves; }

private:
    QImage m_picture;
    int m_saves = 0;
};

class InlineWindow : public QMainWindow {
    Q_OBJECT
public:
    InlineWindow();
    ~InlineWindow() override;

    // A tab with an editor on the picture, stored in a document of its own.
    pinxel::EditorWidget *addDocument(const QString &name, const QImage &picture);
    pinxel::EditorWidget *editor(int index) const;
    MemoryDocument &document(int index) const { return *m_documents.at(size_t(index)); }
    pinxel::EditorWidget *current() const;
    // Runs a command on the current editor, as the toolbar does.
    bool run(const QString &element);
    int changes() const { return m_changes; }

private:
    void updateTitle();

    QTabWidget *m_tabs;
    std::vector<std::unique_ptr<MemoryDocument>> m_documents;
    int m_changes = 0;
};
