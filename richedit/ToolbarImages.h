// The toolbar pictures, drawn in code: 14 images of 16 x 16 pixels in one image list; and the window icon.
#pragma once
#include <windows.h>
#include <commctrl.h>

const int kToolbarImageCount = 14;
const int kToolbarImageSize = 16;

// The caller owns the list (ImageList_Destroy).
HIMAGELIST CreateToolbarImages();
// The window's icon: a letter page with a quill. The caller owns it (DestroyIcon).
HICON CreateEditorIcon();
// Draws picture index at x, y of dc (16 x 16, background left as it is).
void DrawToolbarImage(HDC dc, int index, int x, int y);
