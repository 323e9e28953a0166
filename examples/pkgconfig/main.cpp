// pinxel-pkgconfig: a host built with nothing but pkg-config, as in
//   c++ -std=c++17 main.cpp $(pkg-config --cflags --libs pinxel)
// An inline editor on a picture in memory, one command, the picture read back;
// the install test builds and runs it.
#include "pinxel/EditorWidget.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y)
        picture.setPixel(0, y, qRgb(0, 0, 0));
    pinxel::EditorWidget editor;
    editor.setPicture(picture);
    const bool ran = editor.trigger(QStringLiteral("mnuFlipHorizontal"));
    const QImage flipped = editor.picture();
    std::printf("ran=%d flipped=%d\n", ran,
                flipped.pixel(7, 0) == qRgb(0, 0, 0) && flipped.pixel(0, 0) == qRgb(255, 255, 255));
    return 0;
}
