# The control Dabbler from Python: a widget in PyQt6 layouts, its properties
# and picture, a Container written in Python, the modal editor, and the
# failures as pinxel.Error or TypeError.

import pytest
from PyQt6.QtCore import QCoreApplication, QEvent, QPoint, Qt
from PyQt6.QtGui import QImage
from PyQt6.QtTest import QTest
from PyQt6.QtWidgets import QVBoxLayout, QWidget

import pinxel
from conftest import dispose, SAMPLE, rgb, solid


class Site(pinxel.Container):
    """Records what the control tells its host; can be in design mode."""

    def __init__(self, user_mode=True):
        super().__init__()
        self.user_mode = user_mode
        self.changed = []
        self.events = []

    def ambientUserMode(self):
        return self.user_mode

    def propertyChanged(self, name):
        self.changed.append(name)

    def raiseEvent(self, name, arguments):
        self.events.append((name, list(arguments)))
        if name == "MouseDown":
            arguments[0] = 99  # the event's arguments are the host's to change


@pytest.fixture
def control():
    host = QWidget()
    layout = QVBoxLayout(host)
    dabbler = pinxel.Dabbler()
    layout.addWidget(dabbler)
    host.resize(200, 150)
    host.show()
    yield dabbler
    dispose(host)


@pytest.mark.parametrize(
    "name, value",
    [("Stretch", False), ("WindowCaption", "Holiday"), ("EditWidth", 12000), ("EditHeight", 9000),
     ("EditMaximized", True), ("EditMenuFile", True), ("BorderStyle", 0), ("Appearance", 1)],
)
def test_properties_set_through_setters_read_back_through_qt(control, name, value):
    getattr(control, "set" + name)(value)
    assert getattr(control, name)() == value
    assert control.property(name) == value


def test_picture_from_a_file_and_from_memory(control, tmp_path):
    assert isinstance(control, QWidget) and control.parentWidget() is not None
    control.setPicturefilename(str(SAMPLE))
    assert control.picture().size().width() == 480
    assert control.property("picturefilename") == str(SAMPLE)

    control.setPicture(solid(30, 20, 0x123456))
    assert rgb(control.picture(), 29, 19) == 0x123456
    saved = tmp_path / "saved.bmp"
    control.SaveAs(str(saved))
    assert rgb(QImage(str(saved)), 5, 5) == 0x123456
    assert control.picturefilename() == str(SAMPLE), "SaveAs keeps the property"


@pytest.mark.parametrize(
    "call, error, number",
    [
        (lambda c: c.setPicture(QImage()), pinxel.Error, 481),
        (lambda c: c.setPicture(QImage(40000, 1, QImage.Format.Format_RGB32)), pinxel.Error, 481),
        (lambda c: c.setPicture(None), TypeError, None),
        (lambda c: c.setPicture("picture.bmp"), TypeError, None),
        (lambda c: c.setPicturefilename("/no/such/picture.bmp"), pinxel.Error, 53),
        (lambda c: c.SaveAs("/no/such/folder/picture.bmp"), pinxel.Error, 76),
        (lambda c: c.setAppearance(5), pinxel.Error, 380),
        (lambda c: c.setEditWidth("wide"), TypeError, None),
        (lambda c: c.setEditWidth(2**40), OverflowError, None),
        (lambda c: c.setContainer(object()), TypeError, None),
    ],
)
def test_bad_values_raise_and_change_nothing(control, call, error, number):
    control.setPicture(solid(8, 8, 0xABCDEF))
    with pytest.raises(error) as raised:
        call(control)
    if number is not None:
        assert raised.value.number == number
        assert str(raised.value) == raised.value.description != ""
    assert rgb(control.picture(), 0, 0) == 0xABCDEF
    assert control.Appearance() in (0, 1)


def test_python_container_hears_properties_and_events(control):
    site = Site()
    control.setContainer(site)
    del site  # the control keeps it while it is set
    control.setEditWidth(5000)
    signalled = []
    control.MouseDown.connect(lambda *arguments: signalled.append(arguments))
    image = control.findChild(QWidget)
    QTest.mouseClick(image, Qt.MouseButton.LeftButton, Qt.KeyboardModifier.ShiftModifier, QPoint(4, 4))

    site = control.container()
    assert "EditWidth" in site.changed
    assert [name for name, _ in site.events] == ["MouseDown", "MouseUp", "Click"]
    assert site.events[0][1][:2] == [1, 1]
    assert signalled and signalled[0][:2] == (1, 1)
    control.setContainer(None)
    assert control.container() is None


def test_an_exception_in_the_container_is_reported_and_ignored(control, capfd):
    class Broken(pinxel.Container):
        def propertyChanged(self, name):
            raise ValueError("the host broke")

    control.setContainer(Broken())
    control.setEditHeight(7000)
    assert control.EditHeight() == 7000
    assert "the host broke" in capfd.readouterr().err


def test_method_dabbler_opens_the_modal_editor_only_at_run_time(control, close_modal):
    control.setPicturefilename(str(SAMPLE))
    closed = []
    control.editorClosed.connect(closed.append)
    control.setContainer(Site(user_mode=False))
    assert control.Dabbler() == ""
    assert closed == [], "nothing opens in the host's designer"

    control.setContainer(Site(user_mode=True))
    shown = close_modal()
    assert control.Dabbler() == ""
    QCoreApplication.sendPostedEvents(None, QEvent.Type.DeferredDelete.value)  # the closed editor
    assert len(shown) == 1 and closed == [False]
