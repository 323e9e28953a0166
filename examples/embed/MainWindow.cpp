#include "MainWindow.h"

#include "pinxel/Error.h"

#include <QFileDialog>
#include <QMessageBox>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.actionOpen, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open Picture"));
        if (!path.isEmpty())
            openPicture(path);
    });
    connect(m_ui.actionEdit, &QAction::triggered, this, &MainWindow::editPicture);
    connect(m_ui.actionSaveAs, &QAction::triggered, this, &MainWindow::savePictureAs);
    // PicturePrint shows its own dialogs and messages.
    connect(m_ui.actionPrint, &QAction::triggered, this, [this] { m_ui.dabbler->PicturePrint(); });
    connect(m_ui.actionQuit, &QAction::triggered, this, &QWidget::close);
}

bool MainWindow::openPicture(const QString &path)
{
    try {
        m_ui.dabbler->setPicturefilename(path);
        return true;
    } catch (const pinxel::Error &error) {
        QMessageBox::warning(this, windowTitle(), error.description());
        return false;
    }
}

void MainWindow::editPicture()
{
    // The method Dabbler shares the class's name: it is called through the interface.
    m_ui.dabbler->DabblerInterface::Dabbler();
}

void MainWindow::savePictureAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Picture As"), QString(), tr("Bitmaps (*.bmp)"));
    if (path.isEmpty())
        return;
    try {
        m_ui.dabbler->SaveAs(path);
    } catch (const pinxel::Error &error) {
        QMessageBox::warning(this, windowTitle(), error.description());
    }
}
