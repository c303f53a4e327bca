"""What the end-to-end tests share: the wizard and its artefact folder, the
places of the controls they click, and packages made from Debian's fonts."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import wizard_driver  # noqa: E402,F401

EXE = os.environ["WIZARD_EXE"]
ARTIFACTS = os.environ["E2E_ARTIFACTS"]

# Centres of the buttons in client coordinates, from the window layout.
ENTER = (504 + 52, 240 + 22)
EXIT = (504 + 52, 296 + 22)
BACK = (256 + 52, 340 + 22)
NEXT = (392 + 52, 340 + 22)  # also Finish, on the last page
CANCEL = (528 + 52, 340 + 22)
ACCEPT = (60, 310)

# A page transition and a little more.
TRANSITION_SECONDS = 0.9


def grid_row_box(row):
    """A point in the check-box cell of a grid row (rows of 28 pixels)."""
    return (16 + 10, 56 + row * 28 + 14)


def make_package(count=0):
    """A package folder made from Debian's fonts; the caller removes it."""
    folder = tempfile.mkdtemp(prefix="wizard-package-")
    command = [sys.executable, os.path.join(wizard_driver.ROOT, "tools", "make_demo_package.py"), folder]
    subprocess.run(command + (["--count", str(count)] if count else []), check=True)
    return folder


def remove_package(folder):
    shutil.rmtree(folder, ignore_errors=True)
