// The toolbar pictures, drawn in code: 14 images of 16 x 16 pixels in one image list.
#pragma once
#include <windows.h>
#include <commctrl.h>

const int kToolbarImageCount = 14;
const int kToolbarImageSize = 16;

// The caller owns the list (ImageList_Destroy).
HIMAGELIST CreateToolbarImages();
// Draws picture index at x, y of dc (16 x 16, background left as it is).
void DrawToolbarImage(HDC dc, int index, int x, int y);
