#pragma once
// Draws a window and everything on it into a DC, without the screen: the
// transitions need the picture of a page that is not shown yet.
#include "imaging/picture.h"

#include <windows.h>

// Prints `window`'s client area into dc at its origin, then each visible
// child, bottom of the Z order first, each at its own position.
void printWindowTree(HWND window, HDC dc);

// The client area of `window`, as printWindowTree draws it.
imaging::Picture captureWindow(HWND window);
