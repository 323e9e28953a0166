// make-cursors DIR: draws the editor's pointer files into DIR. Run by the
// build, so the "Cursors" folder beside the library always matches this code.
// Each pointer is 32 x 32: black outlines on white, so it shows on any picture.

#include "pinxel/Error.h"
#include "platform/files/CursorFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace pinxel;

namespace {

QImage draw(const std::function<void(QPainter &)> &paint)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    paint(p);
    return image;
}

// A long tool held diagonally with its tip at the bottom left.
void diagonalTool(QPainter &p, const QColor &tip, bool bristles)
{
    p.translate(3, 28);
    p.rotate(-45);
    p.drawRect(9, -3, 22, 6);  // the handle
    p.setBrush(tip);
    if (bristles) {
        p.drawRect(2, -3, 7, 6);
        p.drawLine(0, -2, 2, -2);
        p.drawLine(0, 0, 2, 0);
        p.drawLine(0, 2, 2, 2);
    } else {
        const QPointF cone[] = {{0, 0}, {9, -3}, {9, 3}};
        p.drawPolygon(cone, 3);
    }
}

struct Pointer {
    const char *file;
    QPoint hotSpot;
    std::function<void(QPainter &)> paint;
};

}  // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-cursors DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    const auto hand = [](bool grab) {
        return [grab](QPainter &p) {
            p.drawRoundedRect(8, 13, 16, 14, 4, 4);  // the palm
            for (int i = 0; i < 4; ++i) {
                const int top = grab ? 10 : 3 + (i == 0 || i == 3 ? 3 : 0);
                p.drawRoundedRect(8 + 4 * i, top, 4, 16 - top, 2, 2);
            }
            if (!grab)
                p.drawRoundedRect(3, 14, 7, 4, 2, 2);  // the thumb
        };
    };
    const Pointer pointers[] = {
        {"cross.cur",
         {15, 15},
         [](QPainter &p) {
             p.setPen(QPen(Qt::white, 3));
             p.drawLine(15, 2, 15, 28);
             p.drawLine(2, 15, 28, 15);
             p.setPen(QPen(Qt::black, 1));
             p.drawLine(15, 2, 15, 28);
             p.drawLine(2, 15, 28, 15);
         }},
        {"pencil.cur", {1, 30}, [](QPainter &p) { diagonalTool(p, QColor(255, 220, 150), false); }},
        {"brush.cur", {1, 30}, [](QPainter &p) { diagonalTool(p, Qt::black, true); }},
        {"filter.cur",
         {1, 30},
         [](QPainter &p) {
             diagonalTool(p, QColor(120, 200, 255), true);
             p.resetTransform();
             p.drawLine(22, 2, 22, 10);
             p.drawLine(18, 6, 26, 6);
         }},
        {"pick.cur",
         {1, 30},
         [](QPainter &p) {
             p.translate(2, 29);
             p.rotate(-45);
             p.drawRect(2, -2, 16, 4);  // the glass tube
             p.setBrush(Qt::black);
             p.drawRect(18, -4, 9, 8);  // the rubber bulb
             p.drawLine(0, 0, 2, 0);
         }},
        {"eraser.cur", {15, 15}, [](QPainter &p) { p.drawRect(8, 8, 15, 15); }},
        {"text.cur",
         {15, 15},
         [](QPainter &p) {
             p.setPen(QPen(Qt::white, 3));
             p.drawLine(15, 5, 15, 25);
             p.setPen(QPen(Qt::black, 1));
             p.drawLine(15, 5, 15, 25);
             p.drawLine(11, 4, 19, 4);
             p.drawLine(11, 26, 19, 26);
         }},
        {"fill.cur",
         {3, 28},
         [](QPainter &p) {
             const QPointF bucket[] = {{8, 12}, {18, 4}, {28, 14}, {18, 24}};
             p.drawPolygon(bucket, 4);
             p.setBrush(Qt::black);
             p.drawRect(3, 14, 3, 14);  // the paint running out
         }},
        {"airbrush.cur",
         {2, 2},
         [](QPainter &p) {
             p.drawRoundedRect(14, 8, 10, 20, 3, 3);  // the can
             p.drawRect(16, 4, 6, 4);                 // the nozzle
             p.setPen(Qt::black);
             for (const QPoint dot : {QPoint(2, 2), QPoint(6, 4), QPoint(4, 8), QPoint(9, 3), QPoint(10, 7)})
                 p.drawPoint(dot);
         }},
        {"zoom.cur",
         {12, 12},
         [](QPainter &p) {
             p.setBrush(QColor(220, 240, 255));
             p.drawEllipse(QPoint(12, 12), 9, 9);
             p.setPen(QPen(Qt::black, 3));
             p.drawLine(19, 19, 28, 28);
         }},
        {"handflat.cur", {15, 15}, hand(false)},
        {"handgrab.cur", {15, 15}, hand(true)},
    };
    try {
        for (const Pointer &pointer : pointers)
            writeCursorFile(dir + QLatin1Char('/') + QString::fromLatin1(pointer.file), draw(pointer.paint),
                            pointer.hotSpot);
    } catch (const Error &error) {
        std::fprintf(stderr, "make-cursors: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
