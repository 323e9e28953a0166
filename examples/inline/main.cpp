// pinxel-inline [PICTURE...]: two editors inside the host's window, each on a
// picture the host loads into memory. With --check PICTURE it runs without
// showing anything: it edits through the toolbar's commands, saves into the
// host's storage and prints what it saw (the install test uses it).

#include "InlineWindow.h"

#include "pinxel/Error.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>

namespace {
// A picture of the host's own, drawn in memory.
QImage drawnPicture()
{
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setBrush(Qt::blue);
    painter.drawEllipse(60, 40, 200, 160);
    return picture;
}
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool check = arguments.value(0) == QLatin1String("--check");
    if (check)
        arguments.removeFirst();
    InlineWindow window;
    try {
        window.addDocument(QStringLiteral("First"), arguments.isEmpty() ? drawnPicture() : QImage(arguments.at(0)));
        window.addDocument(QStringLiteral("Second"), arguments.size() < 2 ? drawnPicture() : QImage(arguments.at(1)));
    } catch (const pinxel::Error &error) {
        std::fprintf(stderr, "pinxel-inline: %s\n", qPrintable(error.description()));
        return 1;
    }
    if (!check) {
        window.show();
        return app.exec();
    }

    // The toolbar's commands on the first editor; the second stays as it was.
    const bool ran = window.run(QStringLiteral("mnuGrayscale")) && window.run(QStringLiteral("mnuBlur"))
                     && window.run(QStringLiteral("mnuUndo")) && !window.run(QStringLiteral("mnuPaste"));
    const bool titled = window.isWindowModified() && window.windowTitle().contains(QStringLiteral("[*]"));
    pinxel::EditorWidget *first = window.editor(0);
    const bool saved = first->trigger(QStringLiteral("mnuSave")) && !first->isModified();
    std::printf("ran=%d changes=%d title-marked=%d saved=%d stored=%dx%d gray=%d second-modified=%d\n", int(ran),
                window.changes(), int(titled), int(saved && window.document(0).saves() == 1),
                window.document(0).picture().width(), window.document(0).picture().height(),
                int(window.document(0).picture().allGray()), int(window.editor(1)->isModified()));
    return ran && saved ? 0 : 1;
}
