#include "DabblerDesignerPlugin.h"

#include "DabblerTaskMenu.h"
#include "DesignContainer.h"
#include "pinxel/DabblerWidget.h"

#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

DabblerDesignerPlugin::DabblerDesignerPlugin(QObject *parent) : QObject(parent) {}

QString DabblerDesignerPlugin::name() const { return QStringLiteral("pinxel::Dabbler"); }

QString DabblerDesignerPlugin::group() const { return QStringLiteral("Pinxel"); }

QString DabblerDesignerPlugin::toolTip() const
{
    return QStringLiteral("Dabbler: shows a picture file and opens a paint editor on it");
}

QString DabblerDesignerPlugin::whatsThis() const
{
    return QStringLiteral("Shows the picture named by picturefilename. Calling Dabbler() at run time opens a "
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
    // The descriptions the control gives hosts, as tooltips in Designer's
    // property editor; a file name is no text to translate.
    return QStringLiteral(R"(<ui language="c++" displayname="Dabbler">
 <widget class="pinxel::Dabbler" name="dabbler">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>160</width><height>120</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>pinxel::Dabbler</class>
   <propertyspecifications>
    <tooltip name="Appearance" value="Returns/sets whether or not an object is painted at run time with 3-D effects."/>
    <tooltip name="BorderStyle" value="Returns/sets the border style for an object."/>
    <tooltip name="Stretch" value="Returns/sets a value that determines whether a graphic resizes to fit the size of an Image control."/>
    <stringpropertyspecification name="picturefilename" notr="true" type="singleline"/>
   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)");
}
