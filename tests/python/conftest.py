# The shared setup of the Python bindings' tests: one QApplication for the
# session (ctest runs them offscreen), pictures made in memory, and a way
# to answer the modal windows the library opens.

import pathlib

import pytest
from PyQt6.QtCore import QCoreApplication, QEvent, QTimer
from PyQt6.QtGui import QColor, QImage
from PyQt6.QtWidgets import QApplication, QMessageBox

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]
SAMPLE = SOURCE_DIR / "resources" / "sample.bmp"


@pytest.fixture(scope="session", autouse=True)
def app():
    return QApplication.instance() or QApplication([])


def dispose(widget):
    """Deletes a test's widgets now: a window left for a later deferred delete
    could become the parent of the next test's message box and die under it."""
    widget.deleteLater()
    QCoreApplication.sendPostedEvents(None, QEvent.Type.DeferredDelete.value)


def solid(width, height, rgb):
    """A picture of one colour, as a host would hand one in."""
    picture = QImage(width, height, QImage.Format.Format_RGB32)
    picture.fill(QColor(rgb))
    return picture


def rgb(picture, x, y):
    return picture.pixel(x, y) & 0xFFFFFF


@pytest.fixture
def close_modal():
    """Closes the next modal window once its event loop runs (the modal
    editor, a message box) and records its title and text: call it before
    the call that opens the window."""
    closed = []

    def close_when_shown():
        window = QApplication.activeModalWidget()
        if window is None:
            QTimer.singleShot(0, close_when_shown)
            return
        text = window.text() if isinstance(window, QMessageBox) else ""
        closed.append((window.windowTitle(), text))
        window.close()

    def arm():
        QTimer.singleShot(0, close_when_shown)
        return closed

    return arm
