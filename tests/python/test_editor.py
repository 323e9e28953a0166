# The EditorWidget from Python: pictures in and out of memory, commands
# through trigger, and a FileHandler written in Python behind File > Open
# and Save, its exceptions reported as the editor reports a host's failures.

import pytest
from PyQt6.QtGui import QImage

import pinxel
from conftest import hosted, rgb, solid


class Store(pinxel.FileHandler):
    def __init__(self, opens=(), failure=None):
        super().__init__()
        self.opens = list(opens)
        self.failure = failure
        self.saved = []

    def open(self):
        if self.failure:
            raise self.failure
        return self.opens.pop(0)

    def save(self, picture, saveAs):
        if self.failure:
            raise self.failure
        self.saved.append((picture.copy(), saveAs))
        return True


@pytest.fixture
def editor():
    yield from hosted(pinxel.EditorWidget())


# A 4 x 2 picture: red on the left half, blue on the right.
def halves():
    picture = solid(4, 2, 0xFF0000)
    for y in range(2):
        for x in (2, 3):
            picture.setPixel(x, y, 0xFF0000FF)
    return picture


@pytest.mark.parametrize(
    "command, left, right",
    [("mnuInvertColors", 0x00FFFF, 0xFFFF00), ("mnuFlipHorizontal", 0x0000FF, 0xFF0000),
     ("mnuGrayscale", None, None)],
)
def test_commands_change_the_picture_and_undo_restores_it(editor, command, left, right):
    editor.setPicture(halves())
    changes = []
    editor.pictureChanged.connect(lambda: changes.append(1))
    assert editor.trigger(command)
    picture = editor.picture()
    if left is None:  # gray: the three channels agree
        value = picture.pixel(0, 0)
        assert (value >> 16) & 0xFF == (value >> 8) & 0xFF == value & 0xFF
    else:
        assert (rgb(picture, 0, 0), rgb(picture, 3, 1)) == (left, right)
    assert editor.isModified() and changes
    assert editor.trigger("mnuUndo")
    assert (rgb(editor.picture(), 0, 0), rgb(editor.picture(), 3, 1)) == (0xFF0000, 0x0000FF)
    assert not editor.trigger("mnuNoSuchItem")


def test_a_python_file_handler_saves_and_opens(editor):
    store = Store(opens=[solid(6, 5, 0x00FF00), None])
    editor.setFileHandler(store)
    del store  # the editor keeps it while it is set
    editor.setPicture(halves())
    editor.setModified(True)
    assert editor.trigger("mnuSave")
    store = editor.fileHandler()
    assert [(rgb(picture, 3, 0), save_as) for picture, save_as in store.saved] == [(0x0000FF, False)]
    assert not editor.isModified()

    assert editor.trigger("mnuOpen")
    assert editor.picture().width() == 6 and rgb(editor.picture(), 0, 0) == 0x00FF00
    assert editor.trigger("mnuOpen")  # None: the user cancelled
    assert editor.picture().width() == 6


@pytest.mark.parametrize(
    "store, command, message",
    [(Store(failure=RuntimeError("the server is gone")), "mnuSave", "the server is gone"),
     (Store(failure=pinxel.Error(70, "Permission denied")), "mnuSave", "Permission denied"),
     (Store(failure=KeyError("no such picture")), "mnuOpen", "Cannot open the file."),
     (Store(opens=["not a picture"]), "mnuOpen", "Cannot open the file.")],
)
def test_a_failing_file_handler_is_reported_and_loses_nothing(editor, close_modal, store, command, message):
    editor.setFileHandler(store)
    editor.setPicture(halves())
    saving = command == "mnuSave"
    editor.setModified(saving)  # an open of a modified picture would ask to save it first
    shown = close_modal()
    assert editor.trigger(command)
    assert len(shown) == 1 and message in shown[0][1]
    assert editor.isModified() == saving and rgb(editor.picture(), 0, 0) == 0xFF0000
    editor.setFileHandler(None)
    assert editor.fileHandler() is None


@pytest.mark.parametrize(
    "call, error",
    [(lambda e: e.setPicture(QImage()), pinxel.Error), (lambda e: e.setPicture(None), TypeError),
     (lambda e: e.setFileHandler("files"), TypeError), (lambda e: e.trigger(42), TypeError)],
)
def test_bad_values_raise(editor, call, error):
    editor.setPicture(halves())
    with pytest.raises(error):
        call(editor)
    assert rgb(editor.picture(), 0, 0) == 0xFF0000


def test_error_is_a_python_exception_with_number_and_description():
    error = pinxel.Error(481, "Invalid picture")
    assert isinstance(error, Exception)
    assert (error.number, error.description, str(error)) == (481, "Invalid picture", "Invalid picture")


def test_translations_switch_off_with_one_call():
    pinxel.setTranslationsEnabled(False)
    assert pinxel.translationsActive() is False
    with pytest.raises(TypeError):
        pinxel.setTranslationsEnabled("off")
