# examples/python/embed.py starts offscreen: its window hosts a Dabbler with
# the properties of the C++ example's form and saves the picture it shows.

import runpy
import types

from PyQt6.QtGui import QImage

from conftest import SAMPLE, SOURCE_DIR, dispose


def test_the_python_example_hosts_the_control(tmp_path, capsys):
    # Run as a module of its own name, so that its main does not start.
    embed = types.SimpleNamespace(**runpy.run_path(str(SOURCE_DIR / "examples" / "python" / "embed.py"), run_name="embed"))
    window = embed.MainWindow()
    window.show()
    assert [action.text() for action in window.menuBar().actions()[0].menu().actions() if action.text()] == [
        "&Open...", "&Edit...", "Save &As...", "&Print...", "&Quit"]
    output = tmp_path / "saved.bmp"
    assert embed.check(window, str(SAMPLE), str(output)) == 0
    assert "WindowCaption=Embedded picture EditWidth=12000 EditHeight=9000 EditMenuFile=1 BorderStyle=0 Stretch=1" \
        in capsys.readouterr().out
    assert QImage(str(output)).size() == QImage(str(SAMPLE)).size()
    window.close()
    dispose(window)
