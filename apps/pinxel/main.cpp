// pinxel: the command line tool.
#include <QApplication>
#include <cstdio>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::puts("pinxel");
    return 0;
}
