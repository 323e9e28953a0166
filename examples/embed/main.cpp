// pinxel-embed [PICTURE]: the example host. With --check PICTURE OUTPUT it
// runs without showing anything: it prints the properties the form set and
// saves the control's picture to OUTPUT (the install test uses it).

#include "MainWindow.h"

#include "pinxel/Error.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    MainWindow window;

    if (arguments.value(0) == QLatin1String("--check")) {
        if (arguments.size() != 3) {
            std::fprintf(stderr, "usage: pinxel-embed --check PICTURE OUTPUT\n");
            return 2;
        }
        pinxel::Dabbler *dabbler = window.dabbler();
        try {
            dabbler->setPicturefilename(arguments.at(1));
            std::printf("WindowCaption=%s EditWidth=%d EditHeight=%d EditMenuFile=%d BorderStyle=%d Stretch=%d\n",
                        qPrintable(dabbler->WindowCaption()), dabbler->EditWidth(), dabbler->EditHeight(),
                        int(dabbler->EditMenuFile()), int(dabbler->BorderStyle()), int(dabbler->Stretch()));
            dabbler->SaveAs(arguments.at(2));
        } catch (const pinxel::Error &error) {
            std::fprintf(stderr, "pinxel-embed: %s\n", qPrintable(error.description()));
            return 1;
        }
        return 0;
    }

    if (!arguments.isEmpty())
        window.openPicture(arguments.at(0));
    window.show();
    return app.exec();
}
