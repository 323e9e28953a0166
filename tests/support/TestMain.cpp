// The main of every test program: headless Qt, then GoogleTest. Every undo
// snapshot is checked against its picture, so a drawing path that changes
// pixels without marking them fails the test that took it.
#include "document/UndoRing.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No test leaves journals in the user's folder; those that test them name their own.
    setenv("PINXEL_RECOVERY_DIR", "off", 1);
    // The texts the tests compare are the English ones, whatever the
    // machine's locale; a test that wants German installs it itself, and one
    // that starts a program with the machine's locale says so.
    if (!std::getenv("PINXEL_TEST_KEEP_LOCALE")) {
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("PINXEL_TRANSLATE", "off", 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    pinxel::UndoRing::setMismatchCheck([](const QString &what) { ADD_FAILURE() << what.toStdString(); });
    return RUN_ALL_TESTS();
}
