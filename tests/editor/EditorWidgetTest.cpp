// The editor as a host's widget: pictures in and out of memory without
// copies, the change signals, trigger, a host's file handler with the save
// question, the desktop's clipboard and drops.

#include "pinxel/EditorWidget.h"

#include "editor/frmPaint.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"
#include "tools/ToolTable.h"

#include <QApplication>
#include <QDockWidget>
#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>

namespace pinxel::test {
namespace {

// A host's storage: pictures kept in memory, answers queued by the test.
class MemoryFiles : public FileHandler {
public:
    std::deque<std::optional<QImage>> opens;
    std::vector<std::pair<QImage, bool>> saved;  // the picture and saveAs
    bool refuse = false, fail = false;

    std::optional<QImage> open() override
    {
        std::optional<QImage> next = opens.front();
        opens.pop_front();
        return next;
    }
    bool save(const QImage &picture, bool saveAs) override
    {
        if (fail)
            throw std::runtime_error("the server is gone");
        if (refuse)
            return false;
        saved.emplace_back(picture, saveAs);
        return true;
    }
};

class EditorWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostServices::setCurrent(&host);
        editor = std::make_unique<EditorWidget>();
        QObject::connect(editor.get(), &EditorWidget::pictureChanged, [this] { ++changes; });
        QObject::connect(editor.get(), &EditorWidget::modifiedChanged, [this](bool m) { modified.push_back(m); });
        QObject::connect(editor.get(), &EditorWidget::undoAvailable, [this](bool a) { undo = a; });
    }
    void TearDown() override
    {
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(host.pendingAnswers(), 0);
        HostServices::setCurrent(nullptr);
    }

    frmPaint &window() { return *editor->findChild<frmPaint *>(); }
    EditorModel &model() { return window().model(); }
    void raise(const char *name, ElementEvents::Args args = {})
    {
        model().events().raise(QString::fromLatin1(name), args);
    }
    void stroke(int x, int y)
    {
        raise("picPaint.MouseDown", {1, 0, double(x), double(y)});
        raise("picPaint.MouseUp", {1, 0, double(x), double(y)});
    }
    // A drop on the editor as Qt delivers it.
    void drop(QMimeData *data)
    {
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject &>(window()).event(&event);
        delete data;
        QCoreApplication::processEvents();  // the drop's work runs after it has returned
    }

    ScriptedHostServices host;
    std::unique_ptr<EditorWidget> editor;
    int changes = 0;
    std::vector<bool> modified;
    bool undo = false;
};

TEST_F(EditorWidgetTest, TakesAndGivesPicturesInMemoryWithoutCopyingThem)
{
    const QImage handed = randomImage(400, 300, 7);
    editor->setPicture(handed);
    EXPECT_EQ(editor->picture().constBits(), handed.constBits());  // shared, not copied
    EXPECT_FALSE(editor->isModified());
    EXPECT_FALSE(editor->trigger(QStringLiteral("mnuUndo")));  // a new history

    stroke(5, 5);
    EXPECT_TRUE(editor->isModified());
    EXPECT_NE(fromQRgb(handed.pixel(5, 5)), 0) << "the host's picture is its own";
    EXPECT_EQ(fromQRgb(editor->picture().pixel(5, 5)), 0);
    EXPECT_TRUE(editor->trigger(QStringLiteral("mnuUndo")));
    EXPECT_TRUE(sameImage(handed, editor->picture()));

    // Another editor in the same process is untouched by all of it.
    EditorWidget other;
    EXPECT_FALSE(other.isModified());
    EXPECT_FALSE(other.trigger(QStringLiteral("mnuUndo")));

    // Refused pictures change nothing; the check needs none of the pixels.
    static uchar pixel[4];
    const QImage refused[] = {QImage(), QImage(0, 0, QImage::Format_RGB32),
                              QImage(pixel, 10001, 10001, QImage::Format_RGB32),
                              QImage(pixel, 40000, 1, QImage::Format_RGB32)};
    for (const QImage &picture : refused) {
        EXPECT_EQ(errorOf([&] { editor->setPicture(picture); }), ErrInvalidPicture) << picture.size().width();
        EXPECT_TRUE(sameImage(handed, editor->picture()));
    }
}

TEST_F(EditorWidgetTest, TellsEveryChangeOfThePictureAndOfTheModifiedFlag)
{
    editor->setPicture(filledImage(60, 40, 0xFFFFFF));
    changes = 0;
    struct Step {
        const char *what;
        std::function<void()> run;
        int changes;
    };
    const Step steps[] = {
        {"a stroke", [this] { stroke(3, 3); }, 1},
        {"a filter", [this] { EXPECT_TRUE(editor->trigger(QStringLiteral("mnuBlur"))); }, 1},
        {"undo", [this] { EXPECT_TRUE(editor->trigger(QStringLiteral("mnuUndo"))); }, 1},
        {"redo", [this] { EXPECT_TRUE(editor->trigger(QStringLiteral("mnuRedo"))); }, 1},
        {"a pointer move with no button",
         [this] {
             raise("picPaint.MouseMove", {0, 0, 9, 9});
         },
         0},
        {"a new picture handed in", [this] { editor->setPicture(filledImage(10, 10, 0xFF)); }, 1},
    };
    for (const Step &step : steps) {
        const int before = changes;
        step.run();
        EXPECT_EQ(changes - before, step.changes) << step.what;
    }
    EXPECT_EQ(modified, (std::vector<bool>{true, false}));
    EXPECT_FALSE(undo);
    editor->setModified(true);
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(modified.back(), true);
}

TEST_F(EditorWidgetTest, TriggerRunsWhatAUserCouldReachAndNothingElse)
{
    const struct {
        const char *element;
        bool runs;
    } cases[] = {
        {"optTools(6)", true},    {"optTools(99)", false}, {"optTools(99999999999)", false},
        {"mnuNoSuchItem", false}, {"mnuPaste", false},     {"mnuCut", false},
        {"mnuNew", false},        {"mnuBS(2)", true},      {"mnuGrayscale", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(editor->trigger(QString::fromLatin1(c.element)), c.runs) << c.element;
    EXPECT_EQ(model().pressedTool(), 6);
    EXPECT_TRUE(model().item(QStringLiteral("mnuBS(2)")).checked);
    // The host's own menus drive an editor whose menu bar is hidden.
    editor->setMenuBarVisible(false);
    EXPECT_FALSE(editor->isMenuBarVisible());
    EXPECT_TRUE(editor->trigger(QStringLiteral("optTools(0)")));
    editor->setEnabled(false);
    EXPECT_FALSE(editor->trigger(QStringLiteral("optTools(1)")));
}

TEST_F(EditorWidgetTest, TwoEditorsInOneWindowEachTakeTheirKeysWhileTheyHaveTheFocus)
{
    QWidget hostWindow;
    auto *layout = new QHBoxLayout(&hostWindow);
    auto *other = new EditorWidget;
    layout->addWidget(editor.get());
    layout->addWidget(other);
    hostWindow.show();
    QApplication::setActiveWindow(&hostWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hostWindow));
    for (EditorWidget *each : {editor.get(), other})
        each->setPicture(filledImage(40, 30, 0xFFFFFF));
    stroke(4, 4);
    frmPaint &second = *other->findChild<frmPaint *>();
    second.model().events().raise(QStringLiteral("picPaint.MouseDown"), {1, 0, 6, 6});
    second.model().events().raise(QStringLiteral("picPaint.MouseUp"), {1, 0, 6, 6});

    window().picPaintView->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(model().item(QStringLiteral("mnuUndo")).enabled) << "the focused editor undid its stroke";
    EXPECT_TRUE(second.model().item(QStringLiteral("mnuUndo")).enabled) << "the other kept its own";
    // With its menu bar hidden the editor leaves the keys to the host.
    other->setMenuBarVisible(false);
    second.picPaintView->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(second.model().item(QStringLiteral("mnuUndo")).enabled);
    layout->removeWidget(editor.get());
    editor->setParent(nullptr);
}

TEST_F(EditorWidgetTest, AFileHandlerOwnsOpenAndSaveAndTheSaveQuestion)
{
    MemoryFiles files;
    editor->setFileHandler(&files);
    EXPECT_TRUE(model().item(QStringLiteral("mnuFile")).visible);
    stroke(4, 4);

    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuSave")));
    ASSERT_EQ(files.saved.size(), 1u);
    EXPECT_FALSE(files.saved[0].second);
    EXPECT_EQ(fromQRgb(files.saved[0].first.pixel(4, 4)), 0);
    EXPECT_FALSE(editor->isModified());

    // A host that refuses or throws keeps the picture modified; a throw is reported.
    stroke(6, 6);
    files.refuse = true;
    editor->trigger(QStringLiteral("mnuSaveAs"));
    EXPECT_TRUE(editor->isModified());
    files.refuse = false;
    files.fail = true;
    host.answerMsgBox(AnswerOk);
    editor->trigger(QStringLiteral("mnuSave"));
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(host.messages().last().contains(QStringLiteral("could not be saved: the server is gone")));
    files.fail = false;

    // Open asks first; Cancel keeps everything, a cancelled open too.
    host.answerMsgBox(AnswerCancel);
    editor->trigger(QStringLiteral("mnuOpen"));
    EXPECT_TRUE(files.opens.empty());
    host.answerMsgBox(AnswerNo);
    files.opens.push_back(std::nullopt);
    editor->trigger(QStringLiteral("mnuOpen"));
    EXPECT_TRUE(editor->isModified());
    // Yes saves through the host, then opens its picture.
    const QImage opened = randomImage(30, 20, 9);
    host.answerMsgBox(AnswerYes);
    files.opens.push_back(opened);
    editor->trigger(QStringLiteral("mnuOpen"));
    EXPECT_EQ(files.saved.size(), 2u);
    EXPECT_TRUE(sameImage(opened, editor->picture()));
    EXPECT_FALSE(editor->isModified());
    // A null picture from the host is an open error; the editor keeps its own.
    files.opens.push_back(QImage());
    host.answerMsgBox(AnswerOk);
    editor->trigger(QStringLiteral("mnuOpen"));
    EXPECT_TRUE(sameImage(opened, editor->picture()));

    // Closing the host's window asks; Cancel keeps it open, No closes it.
    QWidget hostWindow;
    auto *layout = new QVBoxLayout(&hostWindow);
    layout->addWidget(editor.get());
    hostWindow.show();
    ASSERT_TRUE(editor->trigger(QStringLiteral("optTools(4)")));  // the Pencil (Open chose the Zoom)
    stroke(2, 2);
    host.answerMsgBox(AnswerCancel);
    EXPECT_FALSE(hostWindow.close());
    host.answerMsgBox(AnswerNo);
    EXPECT_TRUE(hostWindow.close());
    layout->removeWidget(editor.get());
    editor->setParent(nullptr);

    // In a floating dock the host's main window is the one that closes.
    QMainWindow main;
    auto *dock = new QDockWidget(&main);
    main.addDockWidget(Qt::LeftDockWidgetArea, dock);
    dock->setWidget(editor.get());
    main.show();
    dock->setFloating(true);
    stroke(3, 3);
    EXPECT_TRUE(dock->close());  // a dock only hides: nothing asked
    host.answerMsgBox(AnswerCancel);
    EXPECT_FALSE(main.close());
    dock->setWidget(nullptr);
    editor->setParent(nullptr);
    editor->setFileHandler(nullptr);
    EXPECT_FALSE(model().item(QStringLiteral("mnuFile")).visible);
}

TEST_F(EditorWidgetTest, PasteTakesTheNewerOfTheDesktopsPictureAndTheOwnCopy)
{
    editor->setPicture(filledImage(80, 60, 0xFFFFFF));
    EXPECT_FALSE(model().item(QStringLiteral("mnuPaste")).enabled);
    // Another program copies a half-transparent red picture.
    QImage theirs(10, 8, QImage::Format_ARGB32);
    theirs.fill(qRgba(255, 0, 0, 128));
    host.SetClipboardPicture(theirs);
    EXPECT_TRUE(model().item(QStringLiteral("mnuPaste")).enabled);
    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuPaste")));
    ASSERT_TRUE(model().selection().shown());
    EXPECT_EQ(model().picSelect.Image().size(), theirs.size());
    const QRgb laid = model().picSelect.Image().pixel(0, 0);
    EXPECT_EQ(qRed(laid), 255);
    EXPECT_NEAR(qGreen(laid), 127, 1);  // laid over the white background

    // The editor's own copy is newer now: Paste takes it.
    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuDelete")));
    raise("optTools(0).MouseDown", {1, 0, 0, 0});
    raise("optTools(0).Click");
    raise("picPaint.MouseDown", {1, 0, 0, 0});
    raise("picPaint.MouseMove", {1, 0, 20, 20});
    raise("picPaint.MouseUp", {1, 0, 20, 20});
    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuCopy")));
    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuPaste")));
    EXPECT_EQ(model().picSelect.Image().size(), QSize(19, 19));
    // Another program copies again: its picture is the newer.
    host.SetClipboardPicture(filledImage(5, 5, 0xFF00));
    ASSERT_TRUE(editor->trigger(QStringLiteral("mnuPaste")));
    EXPECT_EQ(model().picSelect.Image().size(), QSize(5, 5));
}

TEST_F(EditorWidgetTest, DropsOpenPictureFilesAndPastePictureData)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dropped.bmp"));
    host.SavePicture(randomImage(33, 22, 5), file);
    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    QFile out(garbage);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("BM not a picture");
    out.close();
    const auto files = [](const QString &path) {
        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(path)});
        return data;
    };
    MemoryFiles storage;
    editor->setFileHandler(&storage);  // files open where the File menu shows
    editor->setPicture(filledImage(50, 50, 0xFFFFFF));
    stroke(1, 1);
    const QImage before = editor->picture().copy();

    drop(files(garbage));  // read first: nothing asked, nothing changed
    EXPECT_TRUE(sameImage(before, editor->picture()));
    EXPECT_TRUE(model().statusText(1).contains(QStringLiteral("garbage.bmp")));
    host.answerMsgBox(AnswerNo);
    drop(files(file));
    EXPECT_EQ(editor->picture().size(), QSize(33, 22));
    EXPECT_TRUE(model().CurrentFileName.isEmpty()) << "the host names the pictures it stores";

    auto *data = new QMimeData;
    data->setImageData(filledImage(7, 6, 0xFF));
    drop(data);
    ASSERT_TRUE(model().selection().shown());
    EXPECT_EQ(model().picSelect.Image().size(), QSize(7, 6));
    auto *text = new QMimeData;
    text->setImageData(QImage());
    drop(text);
    EXPECT_TRUE(model().statusText(1).contains(QStringLiteral("no picture")));
    EXPECT_EQ(model().picSelect.Image().size(), QSize(7, 6));
}

}  // namespace
}  // namespace pinxel::test
