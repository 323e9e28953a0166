#pragma once
/// \file
/// \brief pinxel::Dabbler: the control the library offers to hosts, as a widget.
///
/// Its face is one image element, Image1, that fills it; Appearance,
/// BorderStyle and Stretch are Image1's own, the six editor settings are
/// members of the control.
///
/// A host that links the library (find_package(Pinxel), a .ui file from Qt
/// Designer) creates the widget itself; one that creates it by name through the
/// component runtime reaches it through DabblerInterface (pinxel/Dabbler.h).
/// The method Dabbler shares the class's name, so call it through the
/// interface: `dabbler->DabblerInterface::Dabbler()`.
//
// The class lives in two files: DabblerProperties.cpp holds the properties
// and their persistence, Dabbler.cpp the display, the event relays and the
// methods.

#include "pinxel/Dabbler.h"
#include "pinxel/Numeric.h"

#include <QTimer>
#include <QVariantList>
#include <QWidget>

namespace pinxel {

class Container;
class ImageElement;

/// The control Dabbler as a widget, for a host that links the library.
///
/// Its face is one image element, Image1, that fills it; Appearance,
/// BorderStyle and Stretch are Image1's own, the six editor settings are
/// members of the control. The members are those of DabblerInterface (see
/// there for each one's failures); this class adds the Qt signals of the
/// control's events, its properties in Qt's property system (for Qt
/// Designer, .ui files and QObject::setProperty()) and the picture file
/// name as stored.
///
/// \code
/// #include "pinxel/DabblerWidget.h"
/// auto *dabbler = new pinxel::Dabbler(this);
/// dabbler->setPicturefilename("picture.bmp");   // throws pinxel::Error when it cannot be loaded
/// dabbler->setEditMenuFile(true);
/// dabbler->DabblerInterface::Dabbler();          // the method shares the class's name
/// \endcode
///
/// A widget of the GUI thread: make it and call it there only, after the
/// QApplication exists. See \ref linked.
class Dabbler : public QWidget, public DabblerInterface {
    Q_OBJECT
    Q_INTERFACES(pinxel::DabblerInterface)
    // What a host's property browser shows for the members that carry a description.
    Q_CLASSINFO("Description:Appearance",
                "Returns/sets whether or not an object is painted at run time with 3-D effects.")
    Q_CLASSINFO("Description:BorderStyle", "Returns/sets the border style for an object.")
    Q_CLASSINFO("Description:Stretch",
                "Returns/sets a value that determines whether a graphic resizes to fit the size of an Image control.")
    Q_CLASSINFO("Description:MouseDown", "Occurs when the user presses the mouse button while an object has the focus.")
    Q_CLASSINFO("Description:MouseMove", "Occurs when the user moves the mouse.")
    Q_CLASSINFO("Description:MouseUp", "Occurs when the user releases the mouse button while an object has the focus.")
    Q_CLASSINFO("Description:Click", "Occurs when the user presses and then releases a mouse button over an object.")
    // The nine properties in Qt's property system, for Qt Designer and
    // QObject::setProperty; every write goes through the control's setters.
    // Appearance, BorderStyle and picturefilename, which can fail, are written
    // through guards, because no exception may cross Qt's property code: a
    // refused value or a picture that does not load is logged, as the restore
    // from a property bag ignores it. Designer marks these three stdset="0" in
    // a .ui file, so uic's code sets them through the guards too; the other
    // six it sets by their setters. picturefilename reads the stored name here
    // without reloading the file, as property browsers read every property on
    // each refresh.
    /// Appearance() in Qt's property system; a value other than 0 or 1 is
    /// logged and refused instead of thrown.
    Q_PROPERTY(int Appearance READ Appearance WRITE writeAppearance)
    /// BorderStyle() in Qt's property system; a value other than 0 or 1 is
    /// logged and refused instead of thrown.
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE writeBorderStyle)
    /// Stretch() in Qt's property system.
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    /// WindowCaption() in Qt's property system.
    Q_PROPERTY(QString WindowCaption READ WindowCaption WRITE setWindowCaption)
    /// The picture file in Qt's property system: reads storedPictureFilename()
    /// (no reload); a write goes through setPicturefilename(), a picture that
    /// does not load being logged instead of thrown (the name stays stored).
    Q_PROPERTY(QString picturefilename READ storedPictureFilename WRITE writePicturefilename)
    /// EditWidth() in Qt's property system, in twips.
    Q_PROPERTY(int EditWidth READ EditWidth WRITE setEditWidth)
    /// EditHeight() in Qt's property system, in twips.
    Q_PROPERTY(int EditHeight READ EditHeight WRITE setEditHeight)
    /// EditMaximized() in Qt's property system.
    Q_PROPERTY(bool EditMaximized READ EditMaximized WRITE setEditMaximized)
    /// EditMenuFile() in Qt's property system.
    Q_PROPERTY(bool EditMenuFile READ EditMenuFile WRITE setEditMenuFile)
public:
    /// A new control with the design values (Appearance 0, BorderStyle 1,
    /// Stretch true, EditWidth and EditHeight 10000), no picture and no
    /// container. Needs the QApplication.
    explicit Dabbler(QWidget *parent = nullptr);
    ~Dabbler() override;

    /// The control itself.
    QWidget *widget() override { return this; }

    void setContainer(Container *container) override { m_container = container; }
    /// The container set with setContainer(), or nullptr.
    Container *container() const { return m_container; }
    /// The container's ambient user mode; true without a container.
    bool ambientUserMode() const;

    void initProperties() override;
    void readProperties(PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) override;

    std::int16_t Appearance() const override;
    void setAppearance(std::int16_t appearance) override;
    std::int16_t BorderStyle() const override;
    void setBorderStyle(std::int16_t style) override;
    bool Stretch() const override;
    void setStretch(bool stretch) override;
    QString WindowCaption() const override { return m_windowCaption; }
    void setWindowCaption(const QString &caption) override;
    QString picturefilename() override;
    void setPicturefilename(const QString &name) override;
    void SaveAs(const QString &picturefilename) override;
    std::int32_t EditWidth() const override { return m_editWidth; }
    void setEditWidth(std::int32_t width) override;
    std::int32_t EditHeight() const override { return m_editHeight; }
    void setEditHeight(std::int32_t height) override;
    bool EditMaximized() const override { return isSet(m_editMaximized); }
    void setEditMaximized(bool maximized) override;
    bool EditMenuFile() const override { return isSet(m_editMenuFile); }
    void setEditMenuFile(bool shown) override;
    void PicturePrint() override;
    QImage picture() const override;
    void setPicture(const QImage &picture) override;

    /// The picture file name as stored, without the getter's reload.
    QString storedPictureFilename() const { return m_pictureFilename; }

    /// The image element Image1 that shows the picture and reports the
    /// pointer. Its class is internal to the library; a host has no use for
    /// it beyond its identity.
    ImageElement *Image1() const { return m_image; }
    /// The one-second mirror of the editor's canvas into Image1; it runs only
    /// while Dabbler waits for the modal editor.
    QTimer *Timer1() const { return m_timer1; }

    /// The Resize behaviour: Image1 takes the control's inner size.
    /// resizeEvent() calls it; a host need not.
    void resizeImage();

signals:
    /// A button went down over the picture. Button and Shift are masks
    /// (button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt), X
    /// and Y the position in twips. Also raised through the container.
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    /// The pointer moved over the picture; the arguments as MouseDown().
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    /// A button went up over the picture; the arguments as MouseDown().
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    /// The picture was clicked (left or right button). Also raised through the container.
    void Click();
    /// Declared for hosts; the control never raises it.
    void DblClick();
    /// A copy of the open editor's canvas changed Image1 (the once-a-second
    /// mirror, and the last copy as the editor closes).
    void pictureEdited();
    /// The modal editor closed; changed: the picture had changes the editor
    /// did not save. The editor opens on the file each time, so a host that
    /// keeps those changes takes picture() here and saves it.
    void editorClosed(bool changed);

protected:
    QString openEditor() override;
    /// Keeps Image1 filling the control (resizeImage()).
    void resizeEvent(QResizeEvent *event) override;

private:
    // The property system's writers for the setters that can refuse a value.
    void writeAppearance(int appearance);
    void writeBorderStyle(int style);
    void writePicturefilename(const QString &name);

    // Tells the container that a property changed, by its storage name.
    void notify(const QString &name);
    // Loads a picture file into Image1 and redraws; an empty name empties it.
    void loadPicture(const QString &name);
    void relayMouse(const QString &event, std::int16_t button, std::int16_t shift, float x, float y);
    void relayClick();

    ImageElement *m_image;
    QTimer *m_timer1;
    Container *m_container = nullptr;

    QString m_windowCaption;
    QString m_pictureFilename;
    std::int32_t m_editWidth = 10000;
    std::int32_t m_editHeight = 10000;
    Flag m_editMaximized = FlagFalse;
    Flag m_editMenuFile = FlagFalse;
};

}  // namespace pinxel
