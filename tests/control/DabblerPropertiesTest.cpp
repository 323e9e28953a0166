// The control's nine properties: defaults, setters and notices, the picture
// file name's reload on every read, and the restore and save algorithms.

#include "ControlFixture.h"

#include "control/FileMenuShown.h"
#include "control/ImageElement.h"
#include "control/VariantConversion.h"
#include "platform/component/MemoryPropertyBag.h"

#include <QMetaClassInfo>
#include <QMetaProperty>

namespace pinxel::test {
namespace {

using DabblerProperties = ControlFixture;

void expectNewInstanceValues(Dabbler &c)
{
    EXPECT_EQ(c.WindowCaption(), QString());
    EXPECT_EQ(c.picturefilename(), QString());
    EXPECT_EQ(c.EditWidth(), 10000);
    EXPECT_EQ(c.EditHeight(), 10000);
    EXPECT_FALSE(c.EditMaximized());
    EXPECT_FALSE(c.EditMenuFile());
    EXPECT_EQ(c.Appearance(), 0);
    EXPECT_EQ(c.BorderStyle(), 1);
    EXPECT_TRUE(c.Stretch());
}

TEST_F(DabblerProperties, NewInstanceAndEmptyBagRestoreGiveTheDefaults)
{
    control->initProperties();
    expectNewInstanceValues(*control);

    // A control that held other values comes back to the defaults from an empty bag.
    Dabbler restored;
    restored.setEditWidth(1);
    restored.setWindowCaption(QStringLiteral("x"));
    restored.setStretch(false);
    restored.setAppearance(1);
    MemoryPropertyBag empty;
    restored.readProperties(empty);
    expectNewInstanceValues(restored);
    EXPECT_EQ(empty.reads(), (QStringList{"Appearance", "BorderStyle", "Stretch", "WindowCaption", "PictureFilename",
                                          "EditWidth", "EditHeight", "EditMaximized", "EditMenuFile"}));
    EXPECT_TRUE(container.notices.isEmpty()) << "a restore sends no change notices";
}

// A host's property browser finds the descriptions through the widget alone.
TEST_F(DabblerProperties, DescriptionsAreTheWidgetsClassInfo)
{
    const QMetaObject *meta = static_cast<QWidget *>(control.get())->metaObject();
    const auto description = [meta](const char *name) {
        const int index = meta->indexOfClassInfo(QByteArray("Description:").append(name).constData());
        return index < 0 ? QString() : QString::fromLatin1(meta->classInfo(index).value());
    };
    EXPECT_EQ(description("BorderStyle"), QStringLiteral("Returns/sets the border style for an object."));
    EXPECT_EQ(description("Click"),
              QStringLiteral("Occurs when the user presses and then releases a mouse button over an object."));
    EXPECT_TRUE(description("WindowCaption").isEmpty());
    EXPECT_TRUE(description("DblClick").isEmpty());
}

TEST_F(DabblerProperties, SavingWritesExactlyTheNineKeysInOrderWithTheirDefaults)
{
    control->setWindowCaption(QStringLiteral("Caption"));
    control->setEditWidth(123456);
    control->setEditMaximized(true);
    MemoryPropertyBag bag;
    control->writeProperties(bag);

    const auto &w = bag.writes();
    ASSERT_EQ(w.size(), 9);
    const QStringList keys{"Appearance", "BorderStyle", "Stretch",       "WindowCaption", "PictureFilename",
                           "EditWidth",  "EditHeight",  "EditMaximized", "EditMenuFile"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(w[i].key, keys[i]) << "write " << i;

    // Value types and the defaults passed.
    EXPECT_EQ(w[0].value.typeId(), QMetaType::Short);
    EXPECT_EQ(w[0].defaultValue, QVariant::fromValue<std::int16_t>(0));
    EXPECT_EQ(w[1].value, QVariant::fromValue<std::int16_t>(1));
    EXPECT_EQ(w[1].defaultValue, QVariant::fromValue<std::int16_t>(1));
    EXPECT_EQ(w[2].value, QVariant(true));
    EXPECT_EQ(w[2].defaultValue, QVariant(true));
    EXPECT_EQ(w[3].value, QVariant(QStringLiteral("Caption")));
    EXPECT_EQ(w[5].value, QVariant::fromValue<std::int32_t>(123456));
    EXPECT_EQ(w[5].defaultValue, QVariant::fromValue<std::int16_t>(10000));
    EXPECT_EQ(w[6].defaultValue, QVariant::fromValue<std::int16_t>(10000));
    EXPECT_EQ(w[7].value, QVariant(true));
    EXPECT_EQ(w[7].defaultValue, QVariant::fromValue<std::int16_t>(0));
    EXPECT_EQ(w[8].value, QVariant(false));
}

TEST_F(DabblerProperties, SaveAndRestoreCarryEveryValueAcross)
{
    const QString picture = pictureFile("p.bmp", filledImage(4, 3, 0x0000FF));
    control->setAppearance(1);
    control->setBorderStyle(0);
    control->setStretch(false);
    control->setWindowCaption(QStringLiteral("My picture"));
    control->setPicturefilename(picture);
    control->setEditWidth(7000);
    control->setEditHeight(-5);
    control->setEditMaximized(true);
    control->setEditMenuFile(true);
    MemoryPropertyBag bag;
    control->writeProperties(bag);

    Dabbler copy;
    copy.readProperties(bag);
    EXPECT_EQ(copy.Appearance(), 1);
    EXPECT_EQ(copy.BorderStyle(), 0);
    EXPECT_FALSE(copy.Stretch());
    EXPECT_EQ(copy.WindowCaption(), QStringLiteral("My picture"));
    EXPECT_EQ(copy.EditWidth(), 7000);
    EXPECT_EQ(copy.EditHeight(), -5);
    EXPECT_TRUE(copy.EditMaximized());
    EXPECT_TRUE(copy.EditMenuFile());
    EXPECT_TRUE(sameImage(filledImage(4, 3, 0x0000FF), copy.Image1()->Picture()));
    EXPECT_EQ(copy.picturefilename(), picture);
}

TEST_F(DabblerProperties, SettersStoreAndSendTheirNoticesByStorageName)
{
    control->setAppearance(1);
    control->setBorderStyle(0);
    control->setStretch(false);
    control->setWindowCaption(QStringLiteral("c"));
    control->setPicturefilename(QString());
    control->setEditWidth(1);
    control->setEditHeight(2);
    control->setEditMaximized(true);
    control->setEditMenuFile(true);
    EXPECT_EQ(container.notices,
              (QStringList{"Appearance", "BorderStyle", "Stretch", "WindowCaption", "PictureFilename", "EditWidth",
                           "EditHeight", "EditMaximized", "EditMenuFile"}));
    EXPECT_EQ(control->Image1()->Appearance(), 1);
    EXPECT_EQ(control->Image1()->BorderStyle(), 0);
    EXPECT_FALSE(control->Image1()->Stretch());
}

TEST_F(DabblerProperties, AValueImage1RefusesFailsTheSetWithoutANotice)
{
    try {
        control->setBorderStyle(2);
        FAIL() << "BorderStyle 2 was accepted";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrPropertyNotFound);
    }
    EXPECT_THROW(control->setAppearance(-1), Error);
    EXPECT_EQ(control->BorderStyle(), 1);
    EXPECT_EQ(control->Appearance(), 0);
    EXPECT_TRUE(container.notices.isEmpty());
}

TEST_F(DabblerProperties, QtPropertiesWriteThroughTheSettersAndRefuseWithoutThrowing)
{
    // Designer and QObject::setProperty see the nine members under their own names.
    const QMetaObject &meta = Dabbler::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << QString::fromLatin1(meta.property(i).name());
    EXPECT_EQ(names, (QStringList{"Appearance", "BorderStyle", "Stretch", "WindowCaption", "picturefilename",
                                  "EditWidth", "EditHeight", "EditMaximized", "EditMenuFile"}));

    const QString file = pictureFile("q.bmp", filledImage(4, 4, 0x0000FF));
    struct Case {
        const char *property;
        QVariant value;
        QVariant readBack;  // what the property holds afterwards
        QStringList notices;
    };
    const Case cases[] = {
        {"Appearance", 1, 1, {"Appearance"}},
        {"Appearance", 2, 1, {}},  // refused: logged, not thrown, no notice
        {"BorderStyle", 70000, 1, {}},
        {"BorderStyle", 0, 0, {"BorderStyle"}},
        {"EditWidth", 1234, 1234, {"EditWidth"}},
        {"EditMenuFile", true, true, {"EditMenuFile"}},
        {"picturefilename", file, file, {"PictureFilename"}},
        // A missing file keeps its name, as the setter does.
        {"picturefilename", path("none.bmp"), path("none.bmp"), {"PictureFilename"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.property);
        container.notices.clear();
        EXPECT_NO_THROW(control->setProperty(c.property, c.value));
        EXPECT_EQ(control->property(c.property), c.readBack);
        EXPECT_EQ(container.notices, c.notices);
    }
    EXPECT_EQ(FileMenuShown, FlagTrue);
    FileMenuShown = FlagFalse;
    // Reading the property does not reload: Image1 keeps the last picture it loaded.
    EXPECT_TRUE(sameImage(filledImage(4, 4, 0x0000FF), control->Image1()->Picture()));
}

TEST_F(DabblerProperties, EditMenuFileIsCopiedToFileMenuShownBySetterAndRestore)
{
    FileMenuShown = FlagFalse;
    control->setEditMenuFile(true);
    EXPECT_EQ(FileMenuShown, FlagTrue);
    control->setEditMenuFile(false);
    EXPECT_EQ(FileMenuShown, FlagFalse);

    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("EditMenuFile"), QStringLiteral("True"));
    Dabbler restored;
    restored.readProperties(bag);
    EXPECT_EQ(FileMenuShown, FlagTrue) << "restoring true must arm the editor's save prompts";
    FileMenuShown = FlagFalse;
}

TEST_F(DabblerProperties, EveryReadOfThePictureFileNameReloadsThePicture)
{
    const QString file = pictureFile("p.bmp", filledImage(5, 5, 0x00FF00));
    control->setPicturefilename(file);
    // Something else shows in Image1 (as the mirror timer does) ...
    control->Image1()->setPicture(filledImage(2, 2, 0xFF0000));
    // ... until the name is read again.
    EXPECT_EQ(control->picturefilename(), file);
    EXPECT_TRUE(sameImage(filledImage(5, 5, 0x00FF00), control->Image1()->Picture()));

    // An empty name empties Image1.
    control->setPicturefilename(QString());
    control->Image1()->setPicture(filledImage(2, 2, 0xFF0000));
    EXPECT_EQ(control->picturefilename(), QString());
    EXPECT_TRUE(control->Image1()->Picture().isNull());
}

TEST_F(DabblerProperties, SettingAMissingFileFailsYetKeepsTheNameAndItsNotice)
{
    const QString shown = pictureFile("shown.bmp", filledImage(3, 3, 0x123456));
    control->setPicturefilename(shown);
    container.notices.clear();
    const QString missing = path("missing.bmp");
    try {
        control->setPicturefilename(missing);
        FAIL() << "a missing file loaded";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrFileNotFound);
    }
    EXPECT_EQ(container.notices, QStringList{"PictureFilename"});
    EXPECT_TRUE(sameImage(filledImage(3, 3, 0x123456), control->Image1()->Picture())) << "Image1 keeps its picture";
    // The name is stored: the save writes it, and a read fails again when it reloads.
    MemoryPropertyBag bag;
    control->writeProperties(bag);
    EXPECT_EQ(bag.value(QStringLiteral("PictureFilename")).toString(), missing);
    EXPECT_THROW(control->picturefilename(), Error);
}

TEST_F(DabblerProperties, RestoringAMissingPictureFileSucceedsWithAnEmptyImage)
{
    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("PictureFilename"), path("gone.bmp"));
    bag.setValue(QStringLiteral("WindowCaption"), QStringLiteral("kept"));
    control->readProperties(bag);
    EXPECT_TRUE(control->Image1()->Picture().isNull());
    EXPECT_EQ(control->WindowCaption(), QStringLiteral("kept"));
    EXPECT_THROW(control->picturefilename(), Error);
}

TEST_F(DabblerProperties, ABadStoredValueEndsTheRestoreAtItsStep)
{
    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("Appearance"), QStringLiteral("1"));
    bag.setValue(QStringLiteral("WindowCaption"), QStringLiteral("before"));
    bag.setValue(QStringLiteral("EditWidth"), QStringLiteral("wide"));
    bag.setValue(QStringLiteral("EditHeight"), QStringLiteral("5000"));
    bag.setValue(QStringLiteral("EditMenuFile"), QStringLiteral("True"));
    try {
        control->readProperties(bag);
        FAIL() << "\"wide\" converted to a number";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrTypeMismatch);
    }
    EXPECT_EQ(control->Appearance(), 1);
    EXPECT_EQ(control->WindowCaption(), QStringLiteral("before"));
    EXPECT_EQ(control->EditHeight(), 10000) << "steps after the failure are not done";
    EXPECT_FALSE(control->EditMenuFile());

    // A stored value Image1 refuses fails the restore too.
    MemoryPropertyBag refused;
    refused.setValue(QStringLiteral("BorderStyle"), QStringLiteral("3"));
    EXPECT_THROW(control->readProperties(refused), Error);
}

TEST(VariantConversion, FollowsThePlatformRules)
{
    EXPECT_EQ(variantToInt16(QStringLiteral(" 2.5 ")), 2);
    EXPECT_EQ(variantToInt16(QStringLiteral("3.5")), 4);
    EXPECT_EQ(variantToInt16(QStringLiteral("&H1F")), 31);
    EXPECT_EQ(variantToInt16(QStringLiteral("True")), -1);
    EXPECT_EQ(variantToInt16(QVariant()), 0);
    EXPECT_EQ(variantToInt32(QStringLiteral("-70000")), -70000);
    EXPECT_EQ(variantToInt32(QVariant::fromValue<std::int16_t>(12)), 12);
    EXPECT_TRUE(variantToBool(QStringLiteral("true")));
    EXPECT_TRUE(variantToBool(QStringLiteral("-1")));
    EXPECT_FALSE(variantToBool(QStringLiteral("0")));
    EXPECT_FALSE(variantToBool(QVariant::fromValue<std::int16_t>(0)));
    EXPECT_EQ(variantToText(true), QStringLiteral("True"));
    EXPECT_EQ(variantToText(QVariant::fromValue<std::int32_t>(-3)), QStringLiteral("-3"));

    const auto number = [](auto convert, const QVariant &value) {
        try {
            convert(value);
        } catch (const Error &error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(number(variantToInt16, QStringLiteral("40000")), ErrOverflow);
    EXPECT_EQ(number(variantToInt32, QStringLiteral("3000000000")), ErrOverflow);
    EXPECT_EQ(number(variantToInt32, QStringLiteral("abc")), ErrTypeMismatch);
    EXPECT_EQ(number(variantToInt32, QString()), ErrTypeMismatch);
    EXPECT_EQ(number(variantToInt32, QStringLiteral("inf")), ErrTypeMismatch);
    EXPECT_EQ(number(variantToBool, QStringLiteral("yes")), ErrTypeMismatch);
}

}  // namespace
}  // namespace pinxel::test
