#!/usr/bin/python3
"""The example host in Python: a main window with the control Dabbler and a
Picture menu, as examples/embed builds it in C++ from MainWindow.ui.

    PYTHONPATH=build/default/python /usr/bin/python3 examples/python/embed.py [PICTURE]

With --check PICTURE OUTPUT it shows nothing: it prints the properties the
window set and saves the control's picture to OUTPUT.
"""

import sys

from PyQt6.QtGui import QAction
from PyQt6.QtWidgets import QApplication, QFileDialog, QMainWindow, QMessageBox, QVBoxLayout, QWidget

import pinxel


class MainWindow(QMainWindow):
    def __init__(self, parent=None):
        super().__init__(parent)
        self.setWindowTitle("Pinxel embedded")
        self.resize(480, 360)
        central = QWidget(self)
        layout = QVBoxLayout(central)
        self.dabbler = pinxel.Dabbler(central)
        # The properties the C++ example's form sets.
        self.dabbler.setBorderStyle(0)
        self.dabbler.setWindowCaption("Embedded picture")
        self.dabbler.setEditWidth(12000)
        self.dabbler.setEditHeight(9000)
        self.dabbler.setEditMenuFile(True)
        layout.addWidget(self.dabbler)
        self.setCentralWidget(central)

        menu = self.menuBar().addMenu("&Picture")
        self.actions = {}
        for name, text, slot in [
            ("open", "&Open...", self.choosePicture),
            ("edit", "&Edit...", self.editPicture),
            ("saveAs", "Save &As...", self.savePictureAs),
            ("print", "&Print...", self.dabbler.PicturePrint),  # shows its own dialogs and messages
            (None, None, None),
            ("quit", "&Quit", self.close),
        ]:
            if name is None:
                menu.addSeparator()
                continue
            action = QAction(text, self)
            action.triggered.connect(slot)
            menu.addAction(action)
            self.actions[name] = action

    def openPicture(self, path):
        """Names the picture the control shows; False with a message when it cannot be loaded."""
        try:
            self.dabbler.setPicturefilename(path)
            return True
        except pinxel.Error as error:
            QMessageBox.warning(self, self.windowTitle(), error.description)
            return False

    def choosePicture(self):
        path, _ = QFileDialog.getOpenFileName(self, "Open Picture")
        if path:
            self.openPicture(path)

    def editPicture(self):
        # The method Dabbler opens the modal editor on the picture file.
        self.dabbler.Dabbler()

    def savePictureAs(self):
        path, _ = QFileDialog.getSaveFileName(self, "Save Picture As", "", "Bitmaps (*.bmp)")
        if not path:
            return
        try:
            self.dabbler.SaveAs(path)
        except pinxel.Error as error:
            QMessageBox.warning(self, self.windowTitle(), error.description)


def check(window, picture, output):
    dabbler = window.dabbler
    try:
        dabbler.setPicturefilename(picture)
        print(f"WindowCaption={dabbler.WindowCaption()} EditWidth={dabbler.EditWidth()} "
              f"EditHeight={dabbler.EditHeight()} EditMenuFile={int(dabbler.EditMenuFile())} "
              f"BorderStyle={dabbler.BorderStyle()} Stretch={int(dabbler.Stretch())}")
        dabbler.SaveAs(output)
    except pinxel.Error as error:
        print(f"embed.py: {error}", file=sys.stderr)
        return 1
    return 0


def main(arguments):
    app = QApplication(sys.argv[:1])
    window = MainWindow()
    if arguments[:1] == ["--check"]:
        if len(arguments) != 3:
            print("usage: embed.py --check PICTURE OUTPUT", file=sys.stderr)
            return 2
        return check(window, arguments[1], arguments[2])
    if arguments:
        window.openPicture(arguments[0])
    window.show()
    return app.exec()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
