// Dabbler: the nine properties, their change notices and their persistence.

#include "pinxel/DabblerWidget.h"

#include "control/FileMenuShown.h"
#include "control/ImageElement.h"
#include "control/VariantConversion.h"
#include "pinxel/Container.h"
#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "pinxel/PropertyBag.h"

namespace pinxel {

Flag FileMenuShown = FlagFalse;

namespace {
// Storage keys, in the order of the restore and the save.
const QString KeyAppearance = QStringLiteral("Appearance");
const QString KeyBorderStyle = QStringLiteral("BorderStyle");
const QString KeyStretch = QStringLiteral("Stretch");
const QString KeyWindowCaption = QStringLiteral("WindowCaption");
const QString KeyPictureFilename = QStringLiteral("PictureFilename");
const QString KeyEditWidth = QStringLiteral("EditWidth");
const QString KeyEditHeight = QStringLiteral("EditHeight");
const QString KeyEditMaximized = QStringLiteral("EditMaximized");
const QString KeyEditMenuFile = QStringLiteral("EditMenuFile");

constexpr std::int32_t DefaultEditSize = 10000;

QVariant int16Value(std::int16_t value) { return QVariant::fromValue(value); }
QVariant int32Value(std::int32_t value) { return QVariant::fromValue(value); }

// Runs a setter for the property system: a refused value is logged, never thrown.
template <typename Set> void writeGuarded(const char *property, Set &&set)
{
    try {
        set();
    } catch (const Error &error) {
        qWarning("Dabbler.%s: %s", property, qPrintable(error.description()));
    }
}
}  // namespace

void Dabbler::writeAppearance(int appearance)
{
    // A value beyond 16 bits overflows, as a restored one does.
    writeGuarded("Appearance", [&] { setAppearance(variantToInt16(appearance)); });
}

void Dabbler::writeBorderStyle(int style)
{
    writeGuarded("BorderStyle", [&] { setBorderStyle(variantToInt16(style)); });
}

void Dabbler::writePicturefilename(const QString &name)
{
    // As in the setter, the name stays stored when its picture cannot be loaded.
    writeGuarded("picturefilename", [&] { setPicturefilename(name); });
}

void Dabbler::notify(const QString &name)
{
    if (m_container)
        m_container->propertyChanged(name);
}

std::int16_t Dabbler::Appearance() const { return static_cast<std::int16_t>(m_image->Appearance()); }

void Dabbler::setAppearance(std::int16_t appearance)
{
    m_image->setAppearance(appearance);
    notify(KeyAppearance);
}

std::int16_t Dabbler::BorderStyle() const { return static_cast<std::int16_t>(m_image->BorderStyle()); }

void Dabbler::setBorderStyle(std::int16_t style)
{
    m_image->setBorderStyle(style);
    notify(KeyBorderStyle);
}

bool Dabbler::Stretch() const { return m_image->Stretch(); }

void Dabbler::setStretch(bool stretch)
{
    m_image->setStretch(stretch);
    notify(KeyStretch);
}

void Dabbler::setWindowCaption(const QString &caption)
{
    m_windowCaption = caption;
    notify(KeyWindowCaption);
}

QString Dabbler::picturefilename()
{
    const QString result = m_pictureFilename;
    loadPicture(result);
    return result;
}

void Dabbler::setPicturefilename(const QString &name)
{
    m_pictureFilename = name;
    notify(KeyPictureFilename);
    loadPicture(name);
}

void Dabbler::loadPicture(const QString &name)
{
    // A failure leaves Image1 with its former picture.
    std::optional<FileIdentity> source;
    const QImage picture = m_image->reloadPicture(name, &source);
    m_image->setPicture(picture, source);
    m_image->update();
    update();
}

void Dabbler::setEditWidth(std::int32_t width)
{
    m_editWidth = width;
    notify(KeyEditWidth);
}

void Dabbler::setEditHeight(std::int32_t height)
{
    m_editHeight = height;
    notify(KeyEditHeight);
}

void Dabbler::setEditMaximized(bool maximized)
{
    m_editMaximized = toFlag(maximized);
    notify(KeyEditMaximized);
}

void Dabbler::setEditMenuFile(bool shown)
{
    m_editMenuFile = toFlag(shown);
    FileMenuShown = m_editMenuFile;
    notify(KeyEditMenuFile);
}

void Dabbler::initProperties()
{
    // Appearance, BorderStyle and Stretch keep Image1's design values.
    m_windowCaption.clear();
    m_pictureFilename.clear();
    m_editWidth = DefaultEditSize;
    m_editHeight = DefaultEditSize;
    m_editMaximized = FlagFalse;
    m_editMenuFile = FlagFalse;
}

void Dabbler::readProperties(PropertyBag &bag)
{
    // A value that does not convert, or one Image1 refuses, ends the restore
    // here; what was restored before it stays.
    m_image->setAppearance(variantToInt16(bag.ReadProperty(KeyAppearance, int16Value(0))));
    m_image->setBorderStyle(variantToInt16(bag.ReadProperty(KeyBorderStyle, int16Value(1))));
    m_image->setStretch(variantToBool(bag.ReadProperty(KeyStretch, true)));
    m_windowCaption = variantToText(bag.ReadProperty(KeyWindowCaption, QString()));
    m_pictureFilename = variantToText(bag.ReadProperty(KeyPictureFilename, QString()));
    m_editWidth = variantToInt32(bag.ReadProperty(KeyEditWidth, int32Value(DefaultEditSize)));
    m_editHeight = variantToInt32(bag.ReadProperty(KeyEditHeight, int32Value(DefaultEditSize)));
    m_editMaximized = toFlag(variantToBool(bag.ReadProperty(KeyEditMaximized, int16Value(0))));
    m_editMenuFile = toFlag(variantToBool(bag.ReadProperty(KeyEditMenuFile, int16Value(0))));
    FileMenuShown = m_editMenuFile;

    // From here failures are ignored: a missing picture file shows an empty
    // control. The getter loads the file itself, so it is read twice.
    try {
        std::optional<FileIdentity> source;
        const QImage picture = m_image->reloadPicture(picturefilename(), &source);
        m_image->setPicture(picture, source);
    } catch (const Error &) {
    }
    m_image->update();
}

void Dabbler::writeProperties(PropertyBag &bag)
{
    bag.WriteProperty(KeyAppearance, int16Value(Appearance()), int16Value(0));
    bag.WriteProperty(KeyBorderStyle, int16Value(BorderStyle()), int16Value(1));
    bag.WriteProperty(KeyStretch, Stretch(), true);
    bag.WriteProperty(KeyWindowCaption, m_windowCaption, QString());
    bag.WriteProperty(KeyPictureFilename, m_pictureFilename, QString());
    bag.WriteProperty(KeyEditWidth, int32Value(m_editWidth), int16Value(DefaultEditSize));
    bag.WriteProperty(KeyEditHeight, int32Value(m_editHeight), int16Value(DefaultEditSize));
    bag.WriteProperty(KeyEditMaximized, EditMaximized(), int16Value(0));
    bag.WriteProperty(KeyEditMenuFile, EditMenuFile(), int16Value(0));
}

}  // namespace pinxel
