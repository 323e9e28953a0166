// The control's face and methods: Image1 fills the control, the mouse and
// click relays, the method Dabbler without an editor, SaveAs and PicturePrint.

#include "ControlFixture.h"

#include "control/EditorLauncher.h"
#include "editor/frmPaint.h"

#include "control/ImageElement.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>
#include <QMouseEvent>

namespace pinxel::test {
namespace {

using DabblerDisplay = ControlFixture;

void sendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(DabblerDisplay, Image1FillsTheControlWheneverItsSizeChanges)
{
    control->resize(200, 120);
    EXPECT_EQ(control->Image1()->geometry(), QRect(0, 0, 200, 120));
    EXPECT_DOUBLE_EQ(control->Image1()->Width(), 3000.0);
    EXPECT_DOUBLE_EQ(control->Image1()->Height(), 1800.0);
    control->resize(31, 47);
    EXPECT_EQ(control->Image1()->geometry(), QRect(0, 0, 31, 47));
}

TEST_F(DabblerDisplay, StretchScalesThePictureElseItSitsTopLeft)
{
    control->resize(40, 40);
    control->Image1()->setPicture(filledImage(10, 10, 0x0000FF));
    control->setBorderStyle(0);
    control->setAutoFillBackground(false);

    const auto render = [&] {
        QImage shot(40, 40, QImage::Format_RGB32);
        shot.fill(Qt::white);
        control->Image1()->render(&shot);
        return shot;
    };
    QImage shot = render();
    EXPECT_EQ(fromQRgb(shot.pixel(35, 35)), 0x0000FF) << "stretched to the whole element";

    control->setStretch(false);
    shot = render();
    EXPECT_EQ(fromQRgb(shot.pixel(9, 9)), 0x0000FF);
    EXPECT_NE(fromQRgb(shot.pixel(10, 10)), 0x0000FF) << "own size from the top left corner";
    EXPECT_NE(fromQRgb(shot.pixel(35, 35)), 0x0000FF);

    // A flat fixed single border is a one-pixel black line around the picture.
    control->setBorderStyle(1);
    shot = render();
    EXPECT_EQ(fromQRgb(shot.pixel(0, 20)), 0x000000);
    EXPECT_EQ(fromQRgb(shot.pixel(1, 1)), 0x0000FF) << "the picture starts inside the border";
}

TEST_F(DabblerDisplay, MouseEventsAreRelayedWithMasksAndTwips)
{
    control->resize(100, 100);
    std::vector<QString> signalled;
    QObject::connect(control.get(), &Dabbler::MouseDown, [&](std::int16_t b, std::int16_t s, float x, float y) {
        signalled.push_back(QStringLiteral("down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
    });
    QObject::connect(control.get(), &Dabbler::Click, [&] { signalled.push_back(QStringLiteral("click")); });

    QWidget *image = control->Image1();
    sendMouse(image, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(image, QEvent::MouseMove, {11, 21}, Qt::NoButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseButtonRelease, {12, 22}, Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    sendMouse(image, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    sendMouse(image, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    sendMouse(image, QEvent::MouseButtonPress, {5, 5}, Qt::MiddleButton, Qt::MiddleButton);
    sendMouse(image, QEvent::MouseButtonRelease, {5, 5}, Qt::MiddleButton, Qt::NoButton);

    ASSERT_EQ(container.events.size(), 9u);
    const auto &e = container.events;
    EXPECT_EQ(e[0].name, QStringLiteral("MouseDown"));
    EXPECT_EQ(e[0].arguments, (QVariantList{QVariant::fromValue<std::int16_t>(1), QVariant::fromValue<std::int16_t>(1),
                                            QVariant::fromValue(150.0f), QVariant::fromValue(300.0f)}));
    EXPECT_EQ(e[1].name, QStringLiteral("MouseMove"));
    EXPECT_EQ(e[1].arguments[0], QVariant::fromValue<std::int16_t>(1)) << "buttons held while moving";
    EXPECT_EQ(e[2].name, QStringLiteral("MouseUp"));
    EXPECT_EQ(e[2].arguments[1], QVariant::fromValue<std::int16_t>(2)) << "Ctrl";
    EXPECT_EQ(e[3].name, QStringLiteral("Click"));
    EXPECT_TRUE(e[3].arguments.isEmpty());
    EXPECT_EQ(e[4].arguments[0], QVariant::fromValue<std::int16_t>(2)) << "right button";
    EXPECT_EQ(e[5].name, QStringLiteral("MouseUp"));
    EXPECT_EQ(e[6].name, QStringLiteral("Click")) << "an image is clicked with the left or right button";
    EXPECT_EQ(e[7].arguments[0], QVariant::fromValue<std::int16_t>(4)) << "middle button";
    EXPECT_EQ(e[8].name, QStringLiteral("MouseUp")) << "but not with the middle one";
    EXPECT_EQ(signalled,
              (std::vector<QString>{"down 1 1 150 300", "click", "down 2 0 75 75", "click", "down 4 0 75 75"}));
}

TEST_F(DabblerDisplay, ADoubleClickRaisesNoDblClickAndNoSecondClick)
{
    control->resize(50, 50);
    int dblClicks = 0;
    QObject::connect(control.get(), &Dabbler::DblClick, [&] { ++dblClicks; });
    QWidget *image = control->Image1();
    sendMouse(image, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    sendMouse(image, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    QStringList names;
    for (const auto &event : container.events)
        names << event.name;
    EXPECT_EQ(names, (QStringList{"MouseDown", "MouseUp", "Click", "MouseUp"}));
    EXPECT_EQ(dblClicks, 0);
}

class FakeLauncher : public EditorLauncher {
public:
    void openEditor(Dabbler &control) override { opened.push_back(&control); }
    void printPicture(Dabbler &) override {}
    std::vector<Dabbler *> opened;
};

TEST_F(DabblerDisplay, MethodDabblerDoesNothingInTheDesignerAndNeedsAnEditorAtRunTime)
{
    DabblerInterface &c = *control;
    container.userMode = false;
    EXPECT_EQ(c.Dabbler(), QString());
    EXPECT_TRUE(host.shown().empty());

    // Without an editor linked in, the method says so.
    container.userMode = true;
    struct Restore {
        EditorLauncher *editor = EditorLauncher::installed();
        ~Restore() { EditorLauncher::install(editor); }
    } restore;
    EditorLauncher::install(nullptr);
    host.answerMsgBox(AnswerOk);
    const QString result = c.Dabbler();
    EXPECT_EQ(result, QString());
    ASSERT_EQ(host.shown().size(), 1u);
    EXPECT_EQ(host.shown()[0].text, QStringLiteral("The picture editor is not available."));
    EXPECT_EQ(host.shown()[0].style, MsgCritical);

    FakeLauncher launcher;
    EditorLauncher::install(&launcher);
    c.Dabbler();
    EXPECT_EQ(launcher.opened, std::vector<Dabbler *>{control.get()});
    EXPECT_EQ(host.shown().size(), 1u);
}

TEST_F(DabblerDisplay, SaveAsWritesThePictureShownAndKeepsTheProperty)
{
    const QString source = pictureFile("source.bmp", randomImage(7, 5, 11));
    control->setPicturefilename(source);
    control->Image1()->setPicture(randomImage(6, 4, 12));  // as mirrored from the editor
    const QString target = path("copy.bmp");
    control->SaveAs(target);
    EXPECT_TRUE(sameImage(randomImage(6, 4, 12), host.LoadPicture(target)));
    EXPECT_EQ(control->picturefilename(), source);

    control->setPicturefilename(QString());
    try {
        control->SaveAs(path("empty.bmp"));
        FAIL() << "an empty picture was saved";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrInvalidPicture);
    }
    EXPECT_THROW(control->SaveAs(path("no/such/folder/x.bmp")), Error);
}

TEST_F(DabblerDisplay, PicturePrintSendsThePictureWithTheChosenCopies)
{
    control->Image1()->setPicture(randomImage(8, 6, 3));
    host.answerPrinter(3);
    control->PicturePrint();
    ASSERT_EQ(host.printer().painted().size(), 1u);
    EXPECT_TRUE(sameImage(randomImage(8, 6, 3), host.printer().painted()[0].picture));
    EXPECT_EQ(host.printer().painted()[0].x, 0);
    EXPECT_EQ(host.printer().painted()[0].copies, 3);
    EXPECT_EQ(host.printer().documents(), std::vector<int>{3});
    EXPECT_TRUE(host.messages().isEmpty());
}

TEST_F(DabblerDisplay, PicturePrintGoesThroughTheEditorCanvasAndLeavesTempBmpAlone)
{
    // A user's own temp.bmp in the current folder must survive printing.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QFileInfo(path(QStringLiteral("x"))).absolutePath());
    const QByteArray mine("not a picture, but mine");
    {
        QFile own(QStringLiteral("temp.bmp"));
        ASSERT_TRUE(own.open(QIODevice::WriteOnly));
        own.write(mine);
    }
    control->Image1()->setPicture(randomImage(8, 6, 4));
    host.answerPrinter(2);
    control->PicturePrint();
    QFile own(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), mine);
    QDir::setCurrent(previous);
    ASSERT_EQ(host.printer().painted().size(), 1u);
    EXPECT_EQ(host.printer().painted()[0].copies, 2);
    // The editor's canvas now holds the printed picture.
    ASSERT_TRUE(frmPaint::exists());
    EXPECT_TRUE(sameImage(randomImage(8, 6, 4), frmPaint::instance().model().picPaint.Image()));
    frmPaint::instance().close();
}

TEST_F(DabblerDisplay, PicturePrintCancelledIsSilentAndFailuresShowMessageTwo)
{
    control->Image1()->setPicture(randomImage(8, 6, 3));
    host.cancelPrinter();
    control->PicturePrint();
    EXPECT_TRUE(host.printer().painted().empty());
    EXPECT_TRUE(host.messages().isEmpty());

    // Nothing to print: the method reports and returns normally.
    control->Image1()->setPicture(QImage());
    host.answerPrinter(1);
    host.answerMsgBox(AnswerOk);
    control->PicturePrint();
    EXPECT_TRUE(host.printer().painted().empty());
    EXPECT_EQ(host.messages(), QStringList{"Cannot print the file.\r\n\r\nMake sure the print is ready."});
}

}  // namespace
}  // namespace pinxel::test
