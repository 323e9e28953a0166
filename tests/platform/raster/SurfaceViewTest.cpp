// The view of a surface: partial repaints, geometry and event units.

#include "pinxel/SurfaceView.h"
#include "pinxel/Screen.h"
#include "support/TestSupport.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pinxel {
namespace {

// Records the regions a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
            ++paints;
        }
        return false;
    }
};

TEST(SurfaceView, RefreshRepaintsOnlyWhatChanged)
{
    QWidget window;
    window.resize(900, 700);
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.ContainerScaleMode = ScalePixels;
    surface.Move(0, 0, 800, 600);
    SurfaceView view(&surface, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    view.installEventFilter(&recorder);
    surface.DrawMode = DrawModeXorPen;
    surface.Line(100, 100, 700, 500, 0xFFFFFF, LineForm::Box);
    surface.Refresh();
    EXPECT_EQ(recorder.paints, 1);
    EXPECT_TRUE(recorder.painted.contains(QPoint(100, 100)));
    EXPECT_FALSE(recorder.painted.contains(QPoint(400, 300)));  // not the inside of the box
    EXPECT_FALSE(recorder.painted.contains(QPoint(750, 550)));
}

// A repaint of many rectangles, some of them tall, shows the surface's own
// pixels in each of them inside the sunken frame.
TEST(SurfaceView, ARepaintOfManyRectanglesShowsTheSurfacesPixels)
{
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.ContainerScaleMode = ScalePixels;
    surface.setBorderStyle(1);
    surface.setAppearance(1);
    test::holdPicture(surface, test::randomImage(300, 200, 5));
    SurfaceView view(&surface);
    const int border = surface.borderPixels();
    ASSERT_EQ(view.size(), QSize(300 + 2 * border, 200 + 2 * border));
    QRegion region(QRect(0, 0, 7, 150));
    for (int i = 0; i < 40; ++i)
        region += QRect((i * 37) % 290, (i * 23) % 190, 3 + i % 11, 2 + i % 5);
    constexpr QRgb Unpainted = 0xFF123456;
    QImage shown(view.size(), QImage::Format_RGB32);
    shown.fill(Unpainted);
    view.render(&shown, QPoint(), region);
    for (const QRect &rect : region)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QPoint pixel(x - border, y - border);
                if (surface.Image().rect().contains(pixel))
                    ASSERT_EQ(shown.pixel(x, y), surface.Image().pixel(pixel)) << x << "," << y;
                else
                    ASSERT_NE(shown.pixel(x, y), Unpainted) << "the frame at " << x << "," << y;
            }
    const QPoint corner(view.width() - 1, view.height() - 1);
    ASSERT_FALSE(region.contains(corner));
    EXPECT_EQ(shown.pixel(corner), Unpainted) << "outside the region";
}

TEST(SurfaceView, FollowsTheSurfacesPlaceInTwipsAndReportsScaleUnits)
{
    setTwipsPerPixelOverride(15);
    QWidget window;
    window.resize(400, 300);
    PictureSurface surface;
    surface.Move(150, 300, 1500, 1500);  // twips: 10, 20, 100 x 100 pixels
    surface.setScaleMode(ScalePixels);
    SurfaceView view(&surface, &window);
    EXPECT_EQ(view.geometry(), QRect(10, 20, 100, 100));
    surface.setVisible(false);
    EXPECT_TRUE(view.isHidden());
    surface.setVisible(true);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy downs(&view, &SurfaceView::MouseDown);
    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), 1);
    EXPECT_EQ(downs.at(0).at(1).toInt(), 1);
    EXPECT_EQ(downs.at(0).at(2).toDouble(), 7.0);
    EXPECT_EQ(downs.at(0).at(3).toDouble(), 9.0);

    surface.setScaleMode(ScaleTwips);
    QTest::mousePress(&view, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(2, 3));
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.at(1).at(0).toInt(), 2);
    EXPECT_EQ(downs.at(1).at(1).toInt(), 6);
    EXPECT_EQ(downs.at(1).at(2).toDouble(), 30.0);
    EXPECT_EQ(downs.at(1).at(3).toDouble(), 45.0);
    setTwipsPerPixelOverride(0);
}

TEST(SurfaceView, KeyCodesAreThePlatformsCodes)
{
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_Return), 13);
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_Enter), 13);
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_A), 65);
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_Delete), 46);
    EXPECT_EQ(SurfaceView::keyCode(Qt::Key_F1), 112);
}

}  // namespace
}  // namespace pinxel
