#pragma once
/// \file
/// \brief pinxel::DabblerInterface: the control Dabbler as a host sees it.
///
/// A host creates the control through the component runtime (ComponentRuntime.h)
/// and gets a QWidget; qobject_cast<pinxel::DabblerInterface *>(widget) gives
/// this interface. It is pure virtual and carries only Qt types, so that a host
/// talks to the control without linking the library. Failures are
/// pinxel::Error (Error.h), returned to the caller, except in PicturePrint,
/// which reports its own.
///
/// The events MouseDown, MouseMove, MouseUp, Click and DblClick arrive both as
/// Qt signals of the widget and through Container::raiseEvent; the signals
/// pictureEdited() and editorClosed(bool changed) only as Qt signals.
///
/// The descriptions a property browser shows are the widget's class info
/// "Description:NAME" (Appearance, BorderStyle, Stretch and the four raised
/// events; the other members carry none).
///
/// See \ref by_name for a host that works this way.

#include <QImage>
#include <QString>
#include <QtPlugin>

#include <cstdint>

class QWidget;

namespace pinxel {

class Container;
class PropertyBag;

/// \name Class identifiers and readable names under which the library registers its classes.
/// ComponentRuntime::createInstance() takes either form.
///@{

/// The class identifier of the control Dabbler.
inline constexpr const char *DabblerClassId = "{B6FB87A8-7CCA-4F1D-9617-172BBC573E5A}";
/// The readable name of the control Dabbler.
inline constexpr const char *DabblerProgId = "Pinxel.Dabbler";
/// The class identifier of the control's property page EditProperties.
inline constexpr const char *EditPropertiesClassId = "{72A43563-E7B3-40DD-B68A-CE1108503172}";
/// The readable name of the control's property page.
inline constexpr const char *EditPropertiesProgId = "Pinxel.EditProperties";
///@}

/// The control Dabbler's members as a host reaches them without linking the
/// library: its properties, its methods Dabbler, SaveAs and PicturePrint,
/// and its life in a container.
///
/// The widget behind it is a pinxel::Dabbler (DabblerWidget.h), whose signals
/// carry the events. Every member is called on the GUI thread. Failures are
/// pinxel::Error, thrown to the caller; no member shows a message, except
/// PicturePrint and Dabbler when the editor is missing.
///
/// The properties, their storage names and defaults:
///
/// | Property | Storage key | Default |
/// |---|---|---|
/// | Appearance | "Appearance" | 0 (flat) |
/// | BorderStyle | "BorderStyle" | 1 (fixed single) |
/// | Stretch | "Stretch" | true |
/// | WindowCaption | "WindowCaption" | empty |
/// | picturefilename | "PictureFilename" | empty |
/// | EditWidth | "EditWidth" | 10000 |
/// | EditHeight | "EditHeight" | 10000 |
/// | EditMaximized | "EditMaximized" | false |
/// | EditMenuFile | "EditMenuFile" | false |
///
/// Each setter stores the value, then tells the container by the storage
/// name (Container::propertyChanged()); a value refused is not stored and
/// not told.
class DabblerInterface {
public:
    virtual ~DabblerInterface() = default;

    /// The control as a widget, to place in a layout or to delete.
    virtual QWidget *widget() = 0;

    /// \name Container side
    /// The calls of the host's control container.
    ///@{

    /// Sites the control in a container. The container stays the host's;
    /// nullptr unsites the control. Without a container the control is in
    /// user mode and tells nobody of its changes.
    virtual void setContainer(Container *container) = 0;
    /// A new instance on its first placement: WindowCaption and
    /// picturefilename empty, EditWidth and EditHeight 10000, EditMaximized
    /// and EditMenuFile false. Appearance, BorderStyle and Stretch keep their
    /// design values (0, 1, true). Sends no notices.
    virtual void initProperties() = 0;
    /// Restores the nine properties; a value that does not convert ends the
    /// restore with the failure, the properties before it keep their new values.
    ///
    /// Reads the keys of the table above in its order, each with its default,
    /// and then loads the picture file; a picture that cannot be loaded is
    /// ignored (the control stays empty). Sends no notices.
    /// \throws Error 13 for a value that is no number or boolean where one
    /// is needed, 6 for a number out of its type's range, 380 for an
    /// Appearance or BorderStyle other than 0 or 1, or the bag's own failure.
    virtual void readProperties(PropertyBag &bag) = 0;
    /// Writes the nine properties in their fixed order (the table above),
    /// each with its default.
    /// \throws Error the bag's failure, which ends the save.
    virtual void writeProperties(PropertyBag &bag) = 0;
    ///@}

    /// \name Members, in dispatch order
    ///@{

    /// The method Dabbler: opens the picture editor at run time, does nothing
    /// in the host's designer; returns an empty string. (The implementing class
    /// carries the control's own name, so it implements openEditor.)
    ///
    /// The modal editor opens on the picture file (read again), with the
    /// caption WindowCaption (empty: "Limnery"), EditWidth × EditHeight twips
    /// (0 is set to 10000 first), maximized when EditMaximized is set, and
    /// its File menu when EditMenuFile is set. The call returns when the
    /// editor closes; meanwhile the control shows the canvas, copied once a
    /// second (pinxel::Dabbler::pictureEdited()). Changes the editor did not
    /// save are not kept in the file: see pinxel::Dabbler::editorClosed().
    ///
    /// On a pinxel::Dabbler, call it as `dabbler->DabblerInterface::Dabbler()`:
    /// the constructor's name hides it.
    /// \throws Error a failure to load the picture file (53 missing, 70 not
    /// readable, 57 a read error, 481 not a picture, 7 out of memory): the
    /// editor does not open.
    QString Dabbler() { return openEditor(); }

    /// 0 flat, 1 three-dimensional border (when BorderStyle is 1).
    virtual std::int16_t Appearance() const = 0;
    /// Sets Appearance and redraws.
    /// \throws Error 380 for a value other than 0 or 1.
    virtual void setAppearance(std::int16_t appearance) = 0;
    /// 0 none, 1 fixed single.
    virtual std::int16_t BorderStyle() const = 0;
    /// Sets BorderStyle and redraws.
    /// \throws Error 380 for a value other than 0 or 1.
    virtual void setBorderStyle(std::int16_t style) = 0;
    /// Whether the picture is stretched to the control (else shown at its
    /// own size from the top left corner).
    virtual bool Stretch() const = 0;
    /// Sets Stretch and redraws.
    virtual void setStretch(bool stretch) = 0;
    /// The editor's caption; empty: "Limnery".
    virtual QString WindowCaption() const = 0;
    /// Sets WindowCaption, used by the next Dabbler().
    virtual void setWindowCaption(const QString &caption) = 0;
    /// The picture file's name.
    ///
    /// Every read reloads the picture from the file; an empty name empties
    /// the control. A file unchanged since it was last loaded is not decoded again.
    /// \throws Error 53 (missing, a folder), 70 (not readable), 57 (a read
    /// error), 481 (not a picture, corrupt or too large) or 7: the control
    /// keeps its former picture and no name is returned.
    virtual QString picturefilename() = 0;
    /// Stores the name, notifies, then loads the picture; a load failure leaves the name stored.
    /// \throws Error as picturefilename(), after the name was stored and told.
    virtual void setPicturefilename(const QString &name) = 0;
    /// Writes the control's picture to a file; the property picturefilename stays as it is.
    ///
    /// The file is a 24-bit BMP whatever its extension, written atomically:
    /// a failed save leaves the old file as it was.
    /// \throws Error 481 (no picture, or one too large), 76 (no name, or a
    /// folder that does not exist), 70 (a read-only file or folder), 61 (disk
    /// full), 57 (a write error), 7.
    virtual void SaveAs(const QString &picturefilename) = 0;
    /// The editor window's outer width, in twips.
    virtual std::int32_t EditWidth() const = 0;  // twips
    /// Sets EditWidth; 0 stands for 10000 when the editor opens.
    virtual void setEditWidth(std::int32_t width) = 0;
    /// The editor window's outer height, in twips.
    virtual std::int32_t EditHeight() const = 0;  // twips
    /// Sets EditHeight; 0 stands for 10000 when the editor opens.
    virtual void setEditHeight(std::int32_t height) = 0;
    /// Whether the editor opens maximized.
    virtual bool EditMaximized() const = 0;
    /// Sets EditMaximized.
    virtual void setEditMaximized(bool maximized) = 0;
    /// Whether the editor shows its File menu, and with it its questions
    /// whether to save the changes.
    virtual bool EditMenuFile() const = 0;
    /// Sets EditMenuFile, for the next Dabbler().
    virtual void setEditMenuFile(bool shown) = 0;
    /// Prints the control's picture; reports its own failures and returns normally.
    ///
    /// Shows the printer dialog; the copies chosen there apply. A cancel
    /// ends it silently; any other failure (no picture, a printer error
    /// 482) shows "Cannot print the file." in a message box.
    virtual void PicturePrint() = 0;
    ///@}

    /// \name The picture in memory
    ///@{

    /// The picture Image1 shows: the file's, the one handed in, or the
    /// editor's last copy of its canvas.
    virtual QImage picture() const = 0;
    /// Image1 shows the picture; picturefilename and its reloads stay as
    /// they are, so the editor still opens on the file. A null or oversized
    /// picture is refused with 481 and Image1 keeps its own.
    /// \throws Error 481 for a null picture or one beyond 32768 pixels a
    /// side or 100 million in all.
    virtual void setPicture(const QImage &picture) = 0;
    ///@}

protected:
    /// The work of the method Dabbler(), implemented by the control (whose
    /// class name hides a member named Dabbler). Returns an empty string.
    virtual QString openEditor() = 0;
};

}  // namespace pinxel

Q_DECLARE_INTERFACE(pinxel::DabblerInterface, "org.pinxel.DabblerInterface/1.0")
