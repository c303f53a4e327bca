"""The shipped wizard opens its one window and closes the way a user closes it."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import wizard_driver  # noqa: E402

EXE = os.environ["WIZARD_EXE"]
ARTIFACTS = os.environ["E2E_ARTIFACTS"]


def make_package(directory):
    subprocess.run([sys.executable, os.path.join(wizard_driver.ROOT, "tools", "make_demo_package.py"),
                    directory], check=True)


class WindowTest(unittest.TestCase):
    def setUp(self):
        self.package = tempfile.mkdtemp(prefix="wizard-package-")
        make_package(self.package)

    def tearDown(self):
        shutil.rmtree(self.package, ignore_errors=True)

    def test_opens_fixed_window_and_alt_f4_confirmed_ends_with_zero(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            self.assertEqual(wizard.geometry(window)[2:], (650, 400))
            wizard.screenshot(os.path.join(ARTIFACTS, "window.png"), window)

            wizard.key(window, "alt+F4")
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Escape")
            self.assertTrue(wizard.window_gone(wizard_driver.BOX_CAPTION))
            self.assertTrue(wizard.running(), "Esc in the confirmation must keep the wizard open")

            wizard.key(window, "alt+F4")
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
