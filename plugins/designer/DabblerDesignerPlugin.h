#pragma once
// The Qt Designer plugin: offers Dabbler in the widget box under "Pinxel".
// Designer's property editor shows and stores the control's nine Qt
// properties; the task menu's "Edit Properties..." opens the control's own
// property page. Controls made here are in design mode: the method Dabbler
// does nothing in Designer or in its preview.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class DabblerDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
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
