#pragma once
// The host's main window: a form holding one Dabbler created through the
// component runtime, restored from a form file at start and saved back. It is
// the control's container: it answers the ambient user mode (false in design
// mode), takes the property-changed notices and logs the events the control
// raises.

#include "pinxel/Container.h"
#include "platform/component/ContainerForm.h"

#include <QMainWindow>

#include <memory>

class FormArea;
class QAction;
class QListWidget;
class QLabel;

namespace pinxel {
class DabblerInterface;
}

class HostWindow : public QMainWindow, public pinxel::Container {
    Q_OBJECT
public:
    struct Options {
        QString formPath;
        QString samplePicture;  // picturefilename of a control placed for the first time
        bool design = false;
        bool headless = false;  // never show a modal window; messages go to stderr
    };

    explicit HostWindow(const Options &options);
    ~HostWindow() override;

    // Creates and restores the control; false when it cannot be created at all.
    bool start();
    bool isDesignMode() const { return m_design; }

    bool ambientUserMode() const override { return !m_design; }
    void propertyChanged(const QString &name) override;
    void raiseEvent(const QString &name, QVariantList &arguments) override;

    // Saves the form file when the control's properties changed; false on failure.
    bool saveFormIfChanged();
    bool saveForm();

public slots:
    void setDesignMode(bool design);
    void showProperties();
    void editPicture();
    void savePictureAs();
    void printPicture();
    // The editor closed: with changes it did not save (its File menu hidden),
    // asks whether to save the edited picture to its file or elsewhere, as
    // the editor opens on the file again next time.
    void keepEditedPicture(bool changed);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void loadForm();
    bool createControl();
    void restoreControl();
    void destroyControl();
    void updateActions();
    void log(const QString &line, bool replaceMove = false);
    void showMessage(const QString &text);
    bool writePicture(const QString &path);
    // The save dialog, then the write; false when cancelled or failed.
    bool askAndSavePicture();

    Options m_options;
    bool m_design;
    std::unique_ptr<pinxel::ContainerForm> m_formFile;
    bool m_dirty = false;

    FormArea *m_form = nullptr;
    QWidget *m_controlWidget = nullptr;
    pinxel::DabblerInterface *m_control = nullptr;
    QListWidget *m_log = nullptr;
    QLabel *m_modeLabel = nullptr;
    QAction *m_designAction = nullptr;
    QAction *m_propertiesAction = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_printAction = nullptr;
};
