// Every picture that leaves the editor (a save, the control's copy, a
// recording's checksum) is the picture as the user will get it: no XOR
// preview of an open figure, whatever tool drew it, while the canvas keeps
// showing the preview and the figure stays open.

#include "support/EditorFixture.h"

namespace pinxel::test {
namespace {

class OutgoingPictureTest : public EditorFixture {};

TEST_F(OutgoingPictureTest, NoOpenFiguresPreviewLeavesTheEditor)
{
    struct Case {
        const char *what;
        QStringList lines;     // after the sample picture is loaded
        bool onCanvas = true;  // the text box lies over the canvas
    };
    const QString press = QStringLiteral("picPaint.MouseDown 1 0 %1 %2"),
                  move = QStringLiteral("picPaint.MouseMove 1 0 %1 %2");
    const auto tool = [](int index) {
        return QStringList{QStringLiteral("optTools(%1).MouseDown 1 0 0 0").arg(index),
                           QStringLiteral("optTools(%1).Click").arg(index)};
    };
    // A wide dashed pen and a hatched fill, so that every part of a preview counts.
    const QStringList pen{QStringLiteral("fraOptDot.MouseDown 1 0 350 420"), QStringLiteral("mnuBS(1).Click"),
                          QStringLiteral("fraOptFill.MouseDown 1 0 100 500"), QStringLiteral("mnuFS(6).Click")};
    const auto dragging = [&](int index) {
        return tool(index) + pen + QStringList{press.arg(40).arg(30), move.arg(300).arg(200)};
    };
    const Case cases[] = {
        {"a curve, placed by one click",
         tool(ToolCurve) << press.arg(250).arg(180) << QStringLiteral("picPaint.MouseUp 1 0 250 180")},
        {"a curve whose handle was dragged", tool(ToolCurve) << press.arg(250).arg(180)
                                                             << QStringLiteral("picPaint.MouseUp 1 0 250 180")
                                                             << QStringLiteral("imgBezier(1).MouseDown 1 0 2 2")
                                                             << QStringLiteral("imgBezier(1).MouseMove 1 0 60 40")},
        {"a line's rubber band", dragging(ToolLine)},
        {"an arrow's rubber band", dragging(ToolArrow)},
        {"a rectangle's rubber band", dragging(ToolRectangle)},
        {"an ellipse's rubber band", dragging(ToolEllipse)},
        {"a rounded rectangle's rubber band", dragging(ToolRoundedRectangle)},
        {"the select area's band", tool(ToolSelectArea) << press.arg(20).arg(20) << move.arg(200).arg(120)},
        {"an open polygon's edges", tool(ToolPolygon) + pen
                                        << press.arg(20).arg(20) << QStringLiteral("picPaint.MouseUp 1 0 20 20")
                                        << press.arg(200).arg(40) << QStringLiteral("picPaint.MouseUp 1 0 200 40")
                                        << move.arg(120).arg(300)},
        {"an open text box",
         tool(ToolText) << press.arg(30).arg(30) << QStringLiteral("picPaint.MouseUp 1 0 30 30")
                        << QStringLiteral("txtText.KeyDown 72 1") << QStringLiteral("txtText.KeyPress 72"),
         false},
    };
    open(true);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        run(QStringLiteral("load ") + resourcesDir() + QStringLiteral("/sample.bmp"));
        const QImage before = canvas();
        run(QStringLiteral("checksum"));
        for (const QString &line : c.lines)
            run(line);
        const QImage shown = canvas();
        const QString saved = path(QStringLiteral("saved.bmp"));
        run(QStringLiteral("save ") + saved);
        run(QStringLiteral("checksum"));

        EXPECT_TRUE(sameImage(before, host.LoadPicture(saved)));
        EXPECT_TRUE(sameImage(before, w().model().composedPicture()));  // the control's copies
        ASSERT_EQ(output.size(), 2);
        EXPECT_EQ(output[1], output[0]);
        EXPECT_EQ(!sameImage(before, shown), c.onCanvas);  // the user still sees the preview
        EXPECT_TRUE(sameImage(shown, canvas()));
        output.clear();
        for (const QString &line : tool(ToolPencil))
            run(line);  // finishes the figure before the next picture
    }
}

}  // namespace
}  // namespace pinxel::test
