#include "HostWindow.h"

#include "FormArea.h"
#include "platform/component/PropertyDialog.h"

#include "pinxel/ComponentRuntime.h"
#include "pinxel/Dabbler.h"
#include "pinxel/Error.h"
#include "platform/files/IniDocument.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>

using pinxel::ComponentRuntime;
using pinxel::Error;

namespace {
const QString ControlName = QStringLiteral("Dabbler1");
const QString FormSection = QStringLiteral("Form");
constexpr int MaxLogLines = 1000;
}  // namespace

HostWindow::HostWindow(const Options &options) : m_options(options), m_design(options.design)
{
    setWindowTitle(QStringLiteral("Pinxel Host - %1").arg(QFileInfo(options.formPath).fileName()));
    buildUi();
    loadForm();
}

HostWindow::~HostWindow() { destroyControl(); }

void HostWindow::buildUi()
{
    m_form = new FormArea;
    m_log = new QListWidget;
    m_log->setObjectName(QStringLiteral("eventLog"));
    m_log->setUniformItemSizes(true);

    auto *logPane = new QWidget;
    auto *logLayout = new QVBoxLayout(logPane);
    logLayout->setContentsMargins(6, 2, 6, 6);
    logLayout->addWidget(new QLabel(QStringLiteral("Events")));
    logLayout->addWidget(m_log);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_form);
    splitter->addWidget(logPane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    auto *saveForm = new QAction(QStringLiteral("&Save form"), this);
    saveForm->setShortcut(QKeySequence::Save);
    connect(saveForm, &QAction::triggered, this, &HostWindow::saveForm);
    auto *exit = new QAction(QStringLiteral("E&xit"), this);
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_designAction = new QAction(QStringLiteral("&Design mode"), this);
    m_designAction->setCheckable(true);
    m_designAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_designAction, &QAction::toggled, this, &HostWindow::setDesignMode);
    m_propertiesAction = new QAction(QStringLiteral("&Properties..."), this);
    m_propertiesAction->setShortcut(QKeySequence(Qt::Key_F4));
    connect(m_propertiesAction, &QAction::triggered, this, &HostWindow::showProperties);
    m_editAction = new QAction(QStringLiteral("&Edit picture"), this);
    m_editAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(m_editAction, &QAction::triggered, this, &HostWindow::editPicture);
    m_saveAsAction = new QAction(QStringLiteral("Save picture &as..."), this);
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_saveAsAction, &QAction::triggered, this, &HostWindow::savePictureAs);
    m_printAction = new QAction(QStringLiteral("&Print..."), this);
    m_printAction->setShortcut(QKeySequence::Print);
    connect(m_printAction, &QAction::triggered, this, &HostWindow::printPicture);
    auto *clearLog = new QAction(QStringLiteral("&Clear event log"), this);
    connect(clearLog, &QAction::triggered, m_log, &QListWidget::clear);

    QMenu *formMenu = menuBar()->addMenu(QStringLiteral("&Form"));
    formMenu->addAction(saveForm);
    formMenu->addSeparator();
    formMenu->addAction(exit);
    QMenu *modeMenu = menuBar()->addMenu(QStringLiteral("&Mode"));
    modeMenu->addAction(m_designAction);
    QMenu *controlMenu = menuBar()->addMenu(QStringLiteral("&Control"));
    controlMenu->addAction(m_propertiesAction);
    controlMenu->addSeparator();
    controlMenu->addAction(m_editAction);
    controlMenu->addAction(m_saveAsAction);
    controlMenu->addAction(m_printAction);
    controlMenu->addSeparator();
    controlMenu->addAction(clearLog);

    QToolBar *tools = addToolBar(QStringLiteral("Control"));
    tools->setObjectName(QStringLiteral("controlToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(m_designAction);
    tools->addAction(m_propertiesAction);
    tools->addSeparator();
    tools->addAction(m_editAction);
    tools->addAction(m_saveAsAction);
    tools->addAction(m_printAction);

    m_modeLabel = new QLabel;
    statusBar()->addPermanentWidget(m_modeLabel);
    statusBar()->showMessage(QDir::toNativeSeparators(m_options.formPath));

    connect(m_form, &FormArea::controlDoubleClicked, this, &HostWindow::showProperties);
    m_designAction->setChecked(m_design);
    updateActions();
}

void HostWindow::loadForm()
{
    m_formFile = std::make_unique<pinxel::ContainerForm>(m_options.formPath, ControlName);
    if (!m_formFile->loadError().isEmpty())
        showMessage(
            QStringLiteral("The form file %1 cannot be read: %2\nThe form starts empty; the file is kept as it is.")
                .arg(m_options.formPath, m_formFile->loadError()));
    const pinxel::IniDocument &document = m_formFile->document();
    const int width = document.value(FormSection, QStringLiteral("Width")).value_or(QString()).toInt();
    const int height = document.value(FormSection, QStringLiteral("Height")).value_or(QString()).toInt();
    if (width >= 320 && width <= 8000 && height >= 240 && height <= 8000)
        resize(width, height);
    else
        resize(760, 560);
}

bool HostWindow::start()
{
    const QString name = QLatin1String(pinxel::DabblerProgId);
    try {
        ComponentRuntime::findClass(name);
    } catch (const Error &) {
        // Not registered yet: register the library installed beside the host, as its installer would.
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/libpinxel.so");
        if (QFileInfo::exists(beside)) {
            try {
                if (ComponentRuntime::registerLibrary(QFileInfo(beside).canonicalFilePath()) == PINXEL_S_OK)
                    log(QStringLiteral("Registered %1 from %2").arg(name, QFileInfo(beside).canonicalFilePath()));
            } catch (const Error &error) {
                log(error.description());
            }
        }
    }
    if (!createControl())
        return false;
    restoreControl();
    return true;
}

bool HostWindow::createControl()
{
    try {
        m_controlWidget = ComponentRuntime::createInstance(QLatin1String(pinxel::DabblerProgId), m_form);
    } catch (const Error &error) {
        showMessage(
            QStringLiteral("%1\n\nRegister the control with 'pinxel register' (or scripts/run) and start again.")
                .arg(error.description()));
        return false;
    }
    m_control = qobject_cast<pinxel::DabblerInterface *>(m_controlWidget);
    if (!m_control) {
        delete m_controlWidget;
        m_controlWidget = nullptr;
        showMessage(
            QStringLiteral("The class registered as %1 is not the Dabbler control.").arg(pinxel::DabblerProgId));
        return false;
    }
    m_controlWidget->setObjectName(ControlName);
    m_control->setContainer(this);
    // By name: the host knows the control only through its interface.
    connect(m_controlWidget, SIGNAL(editorClosed(bool)), this, SLOT(keepEditedPicture(bool)));
    m_form->setControl(m_controlWidget);
    m_form->setDesignMode(m_design);
    updateActions();
    return true;
}

void HostWindow::restoreControl()
{
    // A control placed for the first time shows the sample picture.
    const QString message = m_formFile->restore(*m_control, m_options.samplePicture);
    if (!message.isEmpty())
        showMessage(message);
}

void HostWindow::destroyControl()
{
    if (!m_controlWidget)
        return;
    m_control->setContainer(nullptr);
    m_form->setControl(nullptr);
    delete m_controlWidget;
    m_controlWidget = nullptr;
    m_control = nullptr;
}

void HostWindow::setDesignMode(bool design)
{
    if (design == m_design)
        return;
    // As a designer does: the instance of one mode saves its properties and
    // goes; the instance of the other mode is created and restores them.
    if (m_control) {
        m_formFile->keep(*m_control);
        destroyControl();
    }
    m_design = design;
    m_designAction->setChecked(design);
    log(design ? QStringLiteral("Design mode") : QStringLiteral("Run mode"));
    if (createControl())
        restoreControl();
    updateActions();
}

void HostWindow::updateActions()
{
    const bool haveControl = m_control != nullptr;
    m_propertiesAction->setEnabled(haveControl && m_design);
    m_editAction->setEnabled(haveControl && !m_design);
    m_saveAsAction->setEnabled(haveControl && !m_design);
    m_printAction->setEnabled(haveControl && !m_design);
    m_modeLabel->setText(m_design ? QStringLiteral("Design mode") : QStringLiteral("Run mode"));
}

void HostWindow::showProperties()
{
    if (!m_control || !m_design)
        return;
    try {
        const pinxel::ComponentClass entry = ComponentRuntime::findClass(QLatin1String(pinxel::DabblerProgId));
        if (entry.propertyPages.isEmpty()) {
            showMessage(QStringLiteral("The control names no property page."));
            return;
        }
        pinxel::PropertyDialog dialog(m_controlWidget, entry.propertyPages.front(),
                                      QStringLiteral("%1 Properties").arg(ControlName), this);
        dialog.exec();
    } catch (const Error &error) {
        showMessage(error.description());
        return;
    }
    if (m_dirty)
        saveForm();
}

void HostWindow::editPicture()
{
    if (!m_control)
        return;
    try {
        m_control->Dabbler();
    } catch (const Error &error) {
        showMessage(error.description());
    }
}

void HostWindow::savePictureAs() { askAndSavePicture(); }

bool HostWindow::askAndSavePicture()
{
    if (!m_control)
        return false;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save picture as"),
                                                      QDir::homePath() + QStringLiteral("/picture.bmp"),
                                                      QStringLiteral("Bitmap files (*.bmp);;All files (*)"));
    return !path.isEmpty() && writePicture(path);
}

bool HostWindow::writePicture(const QString &path)
{
    try {
        m_control->SaveAs(path);
        log(QStringLiteral("Saved the picture to %1").arg(path));
        return true;
    } catch (const Error &error) {
        showMessage(error.description());
        return false;
    }
}

void HostWindow::keepEditedPicture(bool changed)
{
    if (!m_control || !changed || m_control->EditMenuFile() || m_control->picture().isNull())
        return;
    if (m_options.headless) {
        log(QStringLiteral("The editor closed with changes that were not saved"));
        return;
    }
    const QString file = m_controlWidget->property("picturefilename").toString();
    QMessageBox question(QMessageBox::Question, QStringLiteral("Pinxel Host"),
                         file.isEmpty() ? QStringLiteral("The picture was changed in the editor. Save it?")
                                        : QStringLiteral("The picture was changed in the editor. Save the changes "
                                                         "to %1?\n\nThe editor opens on the file again next time.")
                                              .arg(QFileInfo(file).fileName()),
                         QMessageBox::NoButton, this);
    QPushButton *save = file.isEmpty() ? nullptr : question.addButton(QMessageBox::Save);
    QPushButton *saveAs = question.addButton(QStringLiteral("Save &As..."), QMessageBox::AcceptRole);
    question.addButton(QMessageBox::Discard);
    question.setDefaultButton(save ? save : saveAs);
    // A failed write or a cancelled Save As asks again, so the edits are
    // not lost to a full disk, a read-only file or a slip of the hand.
    for (;;) {
        question.exec();
        if (save && question.clickedButton() == save) {
            if (writePicture(file))
                return;
        } else if (question.clickedButton() == saveAs) {
            if (askAndSavePicture())
                return;
        } else {
            return;
        }
    }
}

void HostWindow::printPicture()
{
    // The control reports its own printing failures.
    if (m_control)
        m_control->PicturePrint();
}

void HostWindow::propertyChanged(const QString &name)
{
    m_dirty = true;
    log(QStringLiteral("PropertyChanged  %1").arg(name));
}

void HostWindow::raiseEvent(const QString &name, QVariantList &arguments)
{
    QString line = name;
    if (arguments.size() == 4)
        line += QStringLiteral("  Button=%1 Shift=%2 X=%3 Y=%4")
                    .arg(arguments[0].toInt())
                    .arg(arguments[1].toInt())
                    .arg(arguments[2].toDouble())
                    .arg(arguments[3].toDouble());
    log(line, name == QLatin1String("MouseMove"));
}

void HostWindow::log(const QString &line, bool replaceMove)
{
    // A run of moves shows as one line, the latest.
    QListWidgetItem *last = m_log->count() ? m_log->item(m_log->count() - 1) : nullptr;
    if (replaceMove && last && last->data(Qt::UserRole).toBool()) {
        last->setText(line);
        return;
    }
    auto *item = new QListWidgetItem(line);
    item->setData(Qt::UserRole, replaceMove);
    m_log->addItem(item);
    while (m_log->count() > MaxLogLines)
        delete m_log->takeItem(0);
    m_log->scrollToBottom();
}

void HostWindow::showMessage(const QString &text)
{
    log(text.section(u'\n', 0, 0));
    if (m_options.headless)
        std::fprintf(stderr, "pinxel-host: %s\n", qPrintable(text));
    else
        QMessageBox::warning(isVisible() ? this : nullptr, QStringLiteral("Pinxel Host"), text);
}

bool HostWindow::saveFormIfChanged() { return m_dirty ? saveForm() : true; }

bool HostWindow::saveForm()
{
    if (!m_control)
        return false;
    try {
        m_formFile->document().setValue(FormSection, QStringLiteral("Width"), QString::number(width()));
        m_formFile->document().setValue(FormSection, QStringLiteral("Height"), QString::number(height()));
        const QString backup = m_formFile->save(*m_control);
        if (!backup.isEmpty())
            log(QStringLiteral("The former form file was kept as %1").arg(backup));
    } catch (const Error &error) {
        showMessage(
            QStringLiteral("The form file %1 could not be saved: %2").arg(m_options.formPath, error.description()));
        return false;
    }
    m_dirty = false;
    log(QStringLiteral("Saved the form to %1").arg(m_options.formPath));
    return true;
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    if (!m_options.headless)
        saveFormIfChanged();
    event->accept();
}
