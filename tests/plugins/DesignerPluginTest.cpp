// The Qt Designer plugin, loaded from the build as Designer loads it: what the
// widget box shows, the control in design mode, and "Edit Properties...".

#include "control/EditProperties.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/EditorWidget.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLineEdit>
#include <QMetaClassInfo>
#include <QPluginLoader>
#include <QPushButton>
#include <QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace pinxel::test {
namespace {

// A form editor core with an extension manager, as Designer gives plugins.
// The plugin stays loaded and initialised once, so the core lives as long.
class FormEditorCore : public QDesignerFormEditorInterface {
public:
    FormEditorCore() { setExtensionManager(new QExtensionManager(this)); }
};

FormEditorCore &core()
{
    static FormEditorCore *core = new FormEditorCore;
    return *core;
}

class DesignerPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        loader.setFileName(QStringLiteral(PINXEL_BINARY_DIR "/plugins/designer/libpinxel_designer.so"));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        ASSERT_TRUE(collection) << qPrintable(loader.errorString());
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
            widgets[widget->name()] = widget;
        plugin = widgets[QStringLiteral("pinxel::Dabbler")];
        ASSERT_TRUE(plugin);
        plugin->initialize(&core());
        control.reset(qobject_cast<Dabbler *>(plugin->createWidget(nullptr)));
        ASSERT_TRUE(control);
    }

    QPluginLoader loader;
    QDesignerCustomWidgetInterface *plugin = nullptr;
    std::map<QString, QDesignerCustomWidgetInterface *> widgets;
    std::unique_ptr<Dabbler> control;
};

TEST_F(DesignerPlugin, OffersTheControlInItsGroupWithTheHostDescriptions)
{
    EXPECT_EQ(plugin->name(), QStringLiteral("pinxel::Dabbler"));
    EXPECT_EQ(plugin->group(), QStringLiteral("Pinxel"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("pinxel/DabblerWidget.h"));
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_FALSE(plugin->toolTip().isEmpty());
    EXPECT_TRUE(plugin->isInitialized());

    QDomDocument dom;
    ASSERT_TRUE(dom.setContent(plugin->domXml()));
    EXPECT_EQ(dom.documentElement().attribute(QStringLiteral("displayname")), QStringLiteral("Dabbler"));
    EXPECT_EQ(dom.elementsByTagName(QStringLiteral("widget")).at(0).toElement().attribute(QStringLiteral("class")),
              plugin->name());
    // Designer's tooltips are the descriptions the control gives every host.
    const QDomNodeList tooltips = dom.elementsByTagName(QStringLiteral("tooltip"));
    ASSERT_EQ(tooltips.size(), 3);
    for (int i = 0; i < tooltips.size(); ++i) {
        const QDomElement tip = tooltips.at(i).toElement();
        const QByteArray key = "Description:" + tip.attribute(QStringLiteral("name")).toLatin1();
        const int index = Dabbler::staticMetaObject.indexOfClassInfo(key.constData());
        ASSERT_GE(index, 0) << key.constData();
        EXPECT_EQ(tip.attribute(QStringLiteral("value")),
                  QString::fromLatin1(Dabbler::staticMetaObject.classInfo(index).value()));
    }
}

TEST_F(DesignerPlugin, OffersTheEditorWidgetBesideTheControl)
{
    QDesignerCustomWidgetInterface *editor = widgets[QStringLiteral("pinxel::EditorWidget")];
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->group(), QStringLiteral("Pinxel"));
    EXPECT_EQ(editor->includeFile(), QStringLiteral("pinxel/EditorWidget.h"));
    QDomDocument dom;
    ASSERT_TRUE(dom.setContent(editor->domXml()));
    EXPECT_EQ(dom.elementsByTagName(QStringLiteral("widget")).at(0).toElement().attribute(QStringLiteral("class")),
              editor->name());
    editor->initialize(&core());
    std::unique_ptr<QWidget> made(editor->createWidget(nullptr));
    ASSERT_TRUE(qobject_cast<EditorWidget *>(made.get()));
    EXPECT_TRUE(made->property("menuBarVisible").toBool());
}

TEST_F(DesignerPlugin, TheControlIsInDesignModeSoDabblerOpensNothing)
{
    EXPECT_FALSE(control->ambientUserMode());
    const int windows = QApplication::topLevelWidgets().size();
    EXPECT_EQ(control->DabblerInterface::Dabbler(), QString());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}

TEST_F(DesignerPlugin, EditPropertiesAppliesThePageToTheControl)
{
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(core().extensionManager(), control.get());
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->taskActions().size(), 1);
    QAction *edit = menu->taskActions().front();
    EXPECT_EQ(edit->text(), QStringLiteral("Edit Properties..."));
    EXPECT_EQ(menu->preferredEditAction(), edit);

    // The dialog is modal: the test works it from inside its loop, and closes
    // whatever is still open after a while so that nothing can hang.
    bool sawPage = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        auto *page = dialog ? dialog->findChild<EditProperties *>() : nullptr;
        if (!page)
            return;
        sawPage = true;
        EXPECT_EQ(page->txtEditWidth->text(), QStringLiteral("10000"));
        page->txtWindowCaption->setText(QStringLiteral("From Designer"));
        page->txtEditWidth->setText(QStringLiteral("7000"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QPushButton *apply = buttons->button(QDialogButtonBox::Apply);
        EXPECT_TRUE(apply->isEnabled());
        apply->click();
        EXPECT_FALSE(apply->isEnabled());
        EXPECT_EQ(control->WindowCaption(), QStringLiteral("From Designer"));
        page->txtEditHeight->setText(QStringLiteral("5000"));
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    QTimer::singleShot(10000, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    edit->trigger();
    EXPECT_TRUE(sawPage);
    EXPECT_EQ(control->EditWidth(), 7000);
    EXPECT_EQ(control->EditHeight(), 5000);
}

}  // namespace
}  // namespace pinxel::test
