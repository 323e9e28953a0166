// The status bar's three panels: the hint, the pointer position and the drag size.

#include "support/EditorFixture.h"

#include "view/StatusBar.h"

#include <QMenu>

namespace pinxel::test {
namespace {

using StatusBarTest = EditorFixture;

QStringList panels(frmPaint &w) { return {w.sta->panelText(1), w.sta->panelText(2), w.sta->panelText(3)}; }

TEST_F(StatusBarTest, ASelectDragShowsItsSignedSizeAndKeepsThePositionOfBeforeThePress)
{
    open(true);
    selectTool(ToolSelectArea);
    w().picPaint_MouseMove(0, 0, 10, 10);
    w().picPaint_MouseDown(1, 0, 10, 10);
    w().picPaint_MouseMove(1, 0, 4, 30);
    EXPECT_EQ(panels(w()), (QStringList{QStringLiteral("Press and hold down SHIFT to select a square part"),
                                        QStringLiteral("10,10"), QStringLiteral("-6x20")}));
    w().picPaint_MouseUp(1, 0, 4, 30);
    // A fresh selection: the Ctrl hint, also while the next drag goes on.
    EXPECT_EQ(panels(w()),
              (QStringList{QStringLiteral("Press and hold down CTRL before moving the selection to copy it"),
                           QStringLiteral("0,0"), QString()}));
    w().picSelect_MouseDown(2, 0, 1, 1);
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Press and hold down CTRL before moving the selection to copy it"));
}

TEST_F(StatusBarTest, TheSwatchKindsEmptyThePositionAndTheMenusEmptyEverything)
{
    open(true);
    w().picPaint_MouseMove(0, 0, 12.5, 34);
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("12.5,34"));
    w().model().UpdateStatusBar(1, 0, 0, 0, FlagFalse);
    EXPECT_EQ(panels(w()), (QStringList{QStringLiteral("Click to set the foreground color; Right-click to set the "
                                                       "background color"),
                                        QString(), QString()}));
    w().model().UpdateStatusBar(3, 0, 0, 0, FlagFalse);
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Double-click to set the background color with custom color"));
    w().model().UpdateStatusBar(9, 0, 0, 0, FlagFalse);
    EXPECT_EQ(panels(w()), (QStringList{QString(), QString(), QString()}));

    for (const char *name : {"mnuFile", "mnuEdit", "mnuEffect", "mnuFilter"}) {
        w().picPaint_MouseMove(0, 0, 5, 6);
        ASSERT_FALSE(w().sta->panelText(1).isEmpty());
        emit w().menu(QString::fromLatin1(name))->aboutToShow();
        EXPECT_EQ(panels(w()), (QStringList{QString(), QString(), QString()})) << name;
    }
}

}  // namespace
}  // namespace pinxel::test
