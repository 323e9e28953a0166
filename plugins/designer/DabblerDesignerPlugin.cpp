#include "DabblerDesignerPlugin.h"

#include "DabblerTaskMenu.h"
#include "DesignContainer.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/EditorWidget.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMetaClassInfo>
#include <QSize>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace {
// The widget box's entry for a widget: its class at a size, and what a form
// file says of the class beside (Designer's <customwidgets> part).
QString widgetBoxXml(const QString &className, const QString &objectName, QSize size, const QString &customWidgets)
{
    return QStringLiteral(R"(<ui language="c++" displayname="%1">
 <widget class="%2" name="%3">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>%4</width><height>%5</height></rect>
  </property>
 </widget>
%6</ui>
)")
        .arg(className.section(QStringLiteral("::"), -1), className, objectName)
        .arg(size.width())
        .arg(size.height())
        .arg(customWidgets);
}
}  // namespace

PinxelDesignerPlugins::PinxelDesignerPlugins(QObject *parent) : QObject(parent)
{
    m_widgets = {new DabblerDesignerPlugin(this), new EditorWidgetDesignerPlugin(this)};
}

// ---------------------------------------------------------------- EditorWidget

QString EditorWidgetDesignerPlugin::toolTip() const
{
    return QCoreApplication::translate("DabblerDesignerPlugin",
                                       "EditorWidget: the whole paint editor inside your window");
}

QString EditorWidgetDesignerPlugin::whatsThis() const
{
    return QCoreApplication::translate(
        "DabblerDesignerPlugin",
        "A non-modal paint editor with its menus, tools, palette and canvas. The host hands it "
        "pictures with setPicture(), takes them with picture(), hears pictureChanged() and "
        "modifiedChanged(), and can own Open and Save with setFileHandler().");
}

QIcon EditorWidgetDesignerPlugin::icon() const { return QIcon(QStringLiteral(":/pinxel/dabbler.png")); }

QWidget *EditorWidgetDesignerPlugin::createWidget(QWidget *parent) { return new pinxel::EditorWidget(parent); }

QString EditorWidgetDesignerPlugin::domXml() const
{
    return widgetBoxXml(name(), QStringLiteral("editorWidget"), QSize(640, 480), QString());
}

// ---------------------------------------------------------------- Dabbler

DabblerDesignerPlugin::DabblerDesignerPlugin(QObject *parent) : QObject(parent) {}

QString DabblerDesignerPlugin::name() const { return QStringLiteral("pinxel::Dabbler"); }

QString DabblerDesignerPlugin::group() const { return QStringLiteral("Pinxel"); }

QString DabblerDesignerPlugin::toolTip() const
{
    return QCoreApplication::translate("DabblerDesignerPlugin",
                                       "Dabbler: shows a picture file and opens a paint editor on it");
}

QString DabblerDesignerPlugin::whatsThis() const
{
    return QCoreApplication::translate(
        "DabblerDesignerPlugin", "Shows the picture named by picturefilename. Calling Dabbler() at run time opens a "
                                 "modal paint editor on it; the edited picture shows in the control.");
}

QString DabblerDesignerPlugin::includeFile() const { return QStringLiteral("pinxel/DabblerWidget.h"); }

QIcon DabblerDesignerPlugin::icon() const { return QIcon(QStringLiteral(":/pinxel/dabbler.png")); }

QWidget *DabblerDesignerPlugin::createWidget(QWidget *parent)
{
    auto *control = new pinxel::Dabbler(parent);
    control->setContainer(&DesignContainer::instance());
    return control;
}

void DabblerDesignerPlugin::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    QExtensionManager *manager = core->extensionManager();
    manager->registerExtensions(new DabblerTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
    m_initialized = true;
}

QString DabblerDesignerPlugin::domXml() const
{
    // The descriptions the control gives every host become the tooltips of
    // Designer's property editor; a file name is no text to translate.
    QString tooltips;
    const QMetaObject &meta = pinxel::Dabbler::staticMetaObject;
    for (int i = meta.classInfoOffset(); i < meta.classInfoCount(); ++i) {
        const QString key = QString::fromLatin1(meta.classInfo(i).name());
        const QString property = key.section(QLatin1Char(':'), 1);
        if (key.startsWith(QLatin1String("Description:")) && meta.indexOfProperty(qPrintable(property)) >= 0)
            tooltips += QStringLiteral("    <tooltip name=\"%1\" value=\"%2\"/>\n")
                            .arg(property, QString::fromUtf8(meta.classInfo(i).value()).toHtmlEscaped());
    }
    return widgetBoxXml(name(), QStringLiteral("dabbler"), QSize(160, 120),
                        QStringLiteral(R"( <customwidgets>
  <customwidget>
   <class>pinxel::Dabbler</class>
   <propertyspecifications>
%1    <stringpropertyspecification name="picturefilename" notr="true" type="singleline"/>
   </propertyspecifications>
  </customwidget>
 </customwidgets>
)")
                            .arg(tooltips));
}
