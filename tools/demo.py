#!/usr/bin/python3
"""Starts the wizard on the demo package under Wine: on the user's display
when DISPLAY is set (the wizard stays until the user ends it), otherwise on a
virtual display of its own, where it saves a screenshot and prints its path."""
import os
import shutil
import subprocess
import time

import wizard_driver

ROOT = wizard_driver.ROOT
EXE = os.path.join(ROOT, "build", "win32", "zarnikfonts_setup_win_1000.exe")
PACKAGE = os.path.join(ROOT, "build", "demo", "package")
PREFIX = os.path.join(ROOT, "build", "demo", "wineprefix")
SCREENSHOT = os.path.join(ROOT, "build", "demo", "welcome.png")


def make_package():
    shutil.rmtree(PACKAGE, ignore_errors=True)
    subprocess.run(["bash", os.path.join(ROOT, "tools", "fontpack_dist.sh"), "package", PACKAGE], check=True)


def run_on_screen():
    # A prefix of the demo's own, kept between runs, so fonts installed in the
    # demo stay out of the tests' prefix.
    with wizard_driver.Wizard(EXE, PACKAGE, prefix=PREFIX) as wizard:
        print("demo: the wizard is running on %s; end it to finish" % os.environ["DISPLAY"])
        wizard.wait_exit(timeout=None)


def run_headless():
    with wizard_driver.VirtualDisplay() as display:
        with wizard_driver.Wizard(EXE, PACKAGE, display=display.display) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            time.sleep(1.5)
            wizard.screenshot(SCREENSHOT, window)
    print("demo: no display set; the wizard ran on a virtual display")
    print("demo: screenshot of the welcome page: %s" % SCREENSHOT)


def main():
    make_package()
    if os.environ.get("DISPLAY"):
        run_on_screen()
    else:
        run_headless()


if __name__ == "__main__":
    main()
