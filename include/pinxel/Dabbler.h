#pragma once
// The control Dabbler as a host sees it.
//
// A host creates the control through the component runtime (ComponentRuntime.h)
// and gets a QWidget; qobject_cast<pinxel::DabblerInterface *>(widget) gives
// this interface. It is pure virtual and carries only Qt types, so that a host
// talks to the control without linking the library. Failures are
// pinxel::Error (Error.h), returned to the caller, except in PicturePrint,
// which reports its own.
//
// The events MouseDown, MouseMove, MouseUp, Click and DblClick arrive both as
// Qt signals of the widget and through Container::raiseEvent; the signals
// pictureEdited() and editorClosed(bool changed) only as Qt signals.
//
// The descriptions a property browser shows are the widget's class info
// "Description:NAME" (Appearance, BorderStyle, Stretch and the four raised
// events; the other members carry none).

#include <QImage>
#include <QString>
#include <QtPlugin>

#include <cstdint>

class QWidget;

namespace pinxel {

class Container;
class PropertyBag;

// Class identifiers and readable names under which the library registers its classes.
inline constexpr const char *DabblerClassId = "{B6FB87A8-7CCA-4F1D-9617-172BBC573E5A}";
inline constexpr const char *DabblerProgId = "Pinxel.Dabbler";
inline constexpr const char *EditPropertiesClassId = "{72A43563-E7B3-40DD-B68A-CE1108503172}";
inline constexpr const char *EditPropertiesProgId = "Pinxel.EditProperties";

class DabblerInterface {
public:
    virtual ~DabblerInterface() = default;

    virtual QWidget *widget() = 0;

    // --- Container side. The container stays the host's; nullptr unsites the control.
    virtual void setContainer(Container *container) = 0;
    // A new instance on its first placement.
    virtual void initProperties() = 0;
    // Restores the nine properties; a value that does not convert ends the
    // restore with the failure, the properties before it keep their new values.
    virtual void readProperties(PropertyBag &bag) = 0;
    // Writes the nine properties in their fixed order.
    virtual void writeProperties(PropertyBag &bag) = 0;

    // --- Members, in dispatch order.
    // The method Dabbler: opens the picture editor at run time, does nothing
    // in the host's designer; returns an empty string. (The implementing class
    // carries the control's own name, so it implements openEditor.)
    QString Dabbler() { return openEditor(); }

    virtual std::int16_t Appearance() const = 0;  // 0 flat, 1 three-dimensional
    virtual void setAppearance(std::int16_t appearance) = 0;
    virtual std::int16_t BorderStyle() const = 0;  // 0 none, 1 fixed single
    virtual void setBorderStyle(std::int16_t style) = 0;
    virtual bool Stretch() const = 0;
    virtual void setStretch(bool stretch) = 0;
    virtual QString WindowCaption() const = 0;
    virtual void setWindowCaption(const QString &caption) = 0;
    // Every read reloads the picture from the file.
    virtual QString picturefilename() = 0;
    // Stores the name, notifies, then loads the picture; a load failure leaves the name stored.
    virtual void setPicturefilename(const QString &name) = 0;
    // Writes the control's picture to a file; the property picturefilename stays as it is.
    virtual void SaveAs(const QString &picturefilename) = 0;
    virtual std::int32_t EditWidth() const = 0;  // twips
    virtual void setEditWidth(std::int32_t width) = 0;
    virtual std::int32_t EditHeight() const = 0;  // twips
    virtual void setEditHeight(std::int32_t height) = 0;
    virtual bool EditMaximized() const = 0;
    virtual void setEditMaximized(bool maximized) = 0;
    virtual bool EditMenuFile() const = 0;
    virtual void setEditMenuFile(bool shown) = 0;
    // Prints the control's picture; reports its own failures and returns normally.
    virtual void PicturePrint() = 0;

    // --- The picture in memory.
    // The picture Image1 shows: the file's, the one handed in, or the
    // editor's last copy of its canvas.
    virtual QImage picture() const = 0;
    // Image1 shows the picture; picturefilename and its reloads stay as
    // they are, so the editor still opens on the file. A null or oversized
    // picture is refused with 481 and Image1 keeps its own.
    virtual void setPicture(const QImage &picture) = 0;

protected:
    virtual QString openEditor() = 0;
};

}  // namespace pinxel

Q_DECLARE_INTERFACE(pinxel::DabblerInterface, "org.pinxel.DabblerInterface/1.0")
