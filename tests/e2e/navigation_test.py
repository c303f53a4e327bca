"""Walking the wizard's pages by mouse, and closing it with Cancel."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import wizard_driver  # noqa: E402

EXE = os.environ["WIZARD_EXE"]
ARTIFACTS = os.environ["E2E_ARTIFACTS"]

# Button centres in client coordinates, from the window layout.
ENTER = (504 + 52, 240 + 22)
EXIT = (504 + 52, 296 + 22)
BACK = (256 + 52, 340 + 22)
NEXT = (392 + 52, 340 + 22)
CANCEL = (528 + 52, 340 + 22)
TRANSITION_SECONDS = 0.9


def pixel(path, x, y):
    out = subprocess.run(["convert", path, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                         capture_output=True, text=True, check=True).stdout
    return out.strip()


class NavigationTest(unittest.TestCase):
    def setUp(self):
        self.package = tempfile.mkdtemp(prefix="wizard-package-")
        subprocess.run([sys.executable, os.path.join(wizard_driver.ROOT, "tools", "make_demo_package.py"),
                        self.package], check=True)

    def tearDown(self):
        shutil.rmtree(self.package, ignore_errors=True)

    def shot(self, wizard, window, name):
        return wizard.screenshot(os.path.join(ARTIFACTS, "navigation", name + ".png"), window)

    def test_walk_forward_and_back_then_cancel(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            time.sleep(TRANSITION_SECONDS)
            welcome = self.shot(wizard, window, "page0")

            wizard.click(window, *ENTER)
            time.sleep(0.15)
            self.shot(wizard, window, "page0-to-1-transition")
            time.sleep(TRANSITION_SECONDS)
            introduction = self.shot(wizard, window, "page1")
            self.assertNotEqual(pixel(welcome, 100, 200), pixel(introduction, 100, 200),
                                "the introduction page must show its own background")

            wizard.click(window, *NEXT)
            time.sleep(TRANSITION_SECONDS)
            self.shot(wizard, window, "page2")

            wizard.click(window, *BACK)
            time.sleep(TRANSITION_SECONDS)
            wizard.click(window, *BACK)
            time.sleep(TRANSITION_SECONDS)
            again = self.shot(wizard, window, "page0-again")
            self.assertEqual(pixel(welcome, 100, 200), pixel(again, 100, 200))

            wizard.click(window, *EXIT)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            self.shot(wizard, None, "close-confirmation")
            wizard.key(box, "Escape")
            self.assertTrue(wizard.window_gone(wizard_driver.BOX_CAPTION))
            self.assertTrue(wizard.running())

            wizard.click(window, *ENTER)
            time.sleep(TRANSITION_SECONDS)
            wizard.click(window, *CANCEL)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
