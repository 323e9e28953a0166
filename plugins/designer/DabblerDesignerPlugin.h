#pragma once
// The Qt Designer plugin: offers Dabbler and EditorWidget in the widget box
// under "Pinxel". Designer's property editor shows and stores the control's
// nine Qt properties; the task menu's "Edit Properties..." opens the
// control's own property page. Controls made here are in design mode: the
// method Dabbler does nothing in Designer or in its preview. EditorWidget
// shows the whole editor; a form sets its menu bar shown or hidden.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// The library's widgets, as Designer loads them from this one plugin.
class PinxelDesignerPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit PinxelDesignerPlugins(QObject *parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

class EditorWidgetDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    explicit EditorWidgetDesignerPlugin(QObject *parent = nullptr) : QObject(parent) {}

    QString name() const override { return QStringLiteral("pinxel::EditorWidget"); }
    QString group() const override { return QStringLiteral("Pinxel"); }
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override { return QStringLiteral("pinxel/EditorWidget.h"); }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *) override { m_initialized = true; }
    QString domXml() const override;

private:
    bool m_initialized = false;
};

class DabblerDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    explicit DabblerDesignerPlugin(QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    bool m_initialized = false;
};
