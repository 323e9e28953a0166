#pragma once
// The example host's window: a Dabbler from MainWindow.ui and a Picture menu.

#include "ui_MainWindow.h"

#include <QMainWindow>

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    pinxel::Dabbler *dabbler() const { return m_ui.dabbler; }
    // Names the picture the control shows; false with a message when it cannot be loaded.
    bool openPicture(const QString &path);

private:
    void editPicture();
    void savePictureAs();

    Ui::MainWindow m_ui;
};
