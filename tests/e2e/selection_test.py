"""The licence and selection pages by mouse, with a small and a large package."""
import os
import subprocess
import time
import unittest

from e2e_support import (ACCEPT, ARTIFACTS, ENTER, EXE, NEXT, TRANSITION_SECONDS, grid_row_box,
                          make_package, remove_package, wizard_driver)

SELECTION_ARTIFACTS = os.path.join(ARTIFACTS, "selection")


def crop_pixels(path, x, y, width, height):
    """The raw RGB bytes of an area of a screenshot."""
    return subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                           "rgb:-"], capture_output=True, check=True).stdout


class SelectionTest(unittest.TestCase):
    def package(self, count):
        folder = make_package(count)
        self.addCleanup(remove_package, folder)
        return folder

    def shot(self, wizard, window, name):
        return wizard.screenshot(os.path.join(SELECTION_ARTIFACTS, name + ".png"), window)

    def open_selection(self, wizard, window, name):
        time.sleep(TRANSITION_SECONDS)
        wizard.click(window, *ENTER)
        time.sleep(TRANSITION_SECONDS)
        wizard.click(window, *NEXT)
        time.sleep(TRANSITION_SECONDS)
        declined = self.shot(wizard, window, name + "-licence-declined")
        wizard.click(window, *NEXT)  # disabled while declined
        time.sleep(TRANSITION_SECONDS)
        self.assertEqual(crop_pixels(declined, 380, 330, 130, 60),
                         crop_pixels(self.shot(wizard, window, name + "-licence-still"), 380, 330, 130, 60))
        wizard.click(window, *ACCEPT)
        time.sleep(0.3)
        self.shot(wizard, window, name + "-licence-accepted")
        wizard.click(window, *NEXT)
        time.sleep(TRANSITION_SECONDS)
        return self.shot(wizard, window, name + "-selection")

    def test_untick_and_retick_a_row_by_mouse(self):
        with wizard_driver.Wizard(EXE, self.package(0)) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            ticked = self.open_selection(wizard, window, "12-fonts")
            labels = (430, 95, 210, 135)
            wizard.click(window, *grid_row_box(3))
            time.sleep(0.3)
            unticked = self.shot(wizard, window, "12-fonts-row3-unticked")
            self.assertNotEqual(crop_pixels(ticked, 16, 56 + 3 * 28, 20, 28),
                                crop_pixels(unticked, 16, 56 + 3 * 28, 20, 28))
            self.assertNotEqual(crop_pixels(ticked, *labels), crop_pixels(unticked, *labels),
                                "the count and space texts follow the boxes")
            wizard.click(window, *grid_row_box(3))
            time.sleep(0.3)
            again = self.shot(wizard, window, "12-fonts-row3-ticked-again")
            self.assertEqual(crop_pixels(ticked, *labels), crop_pixels(again, *labels))

    def test_forty_fonts_show_a_vertical_scroll_bar_six_do_not(self):
        bar = (400, 80, 14, 200)
        shots = {}
        for count in (40, 6):
            with wizard_driver.Wizard(EXE, self.package(count)) as wizard:
                window = wizard.find_window(wizard_driver.CAPTION)
                shots[count] = self.open_selection(wizard, window, "%d-fonts" % count)
        # Six rows fit the grid, so its right edge shows the empty grid there.
        self.assertNotEqual(crop_pixels(shots[40], *bar), crop_pixels(shots[6], *bar))


if __name__ == "__main__":
    unittest.main()
