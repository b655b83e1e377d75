#include "ToolbarImages.h"

namespace {

const COLORREF kMaskColor = RGB(255, 0, 255);
const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kSilver = RGB(192, 192, 192);
const COLORREF kFolder = RGB(240, 200, 64);
const COLORREF kBlue = RGB(0, 0, 160);

// Drawing on one picture cell; every pen and brush is selected out and deleted again.
struct TPainter {
    HDC dc;
    int ox, oy;

    void Box(int x, int y, int w, int h, COLORREF fill, COLORREF border) {
        HBRUSH b = CreateSolidBrush(fill);
        HPEN p = CreatePen(PS_SOLID, 1, border);
        HGDIOBJ ob = SelectObject(dc, b);
        HGDIOBJ op = SelectObject(dc, p);
        Rectangle(dc, ox + x, oy + y, ox + x + w, oy + y + h);
        SelectObject(dc, op);
        SelectObject(dc, ob);
        DeleteObject(p);
        DeleteObject(b);
    }
    void Line(int x1, int y1, int x2, int y2, COLORREF color, int width = 1) {
        HPEN p = CreatePen(PS_SOLID, width, color);
        HGDIOBJ op = SelectObject(dc, p);
        MoveToEx(dc, ox + x1, oy + y1, nullptr);
        LineTo(dc, ox + x2, oy + y2);
        SelectObject(dc, op);
        DeleteObject(p);
    }
    void Shape(const POINT* pts, int n, COLORREF fill, COLORREF border) {
        POINT moved[16];
        for (int i = 0; i < n && i < 16; ++i)
            moved[i] = {ox + pts[i].x, oy + pts[i].y};
        HBRUSH b = CreateSolidBrush(fill);
        HPEN p = CreatePen(PS_SOLID, 1, border);
        HGDIOBJ ob = SelectObject(dc, b);
        HGDIOBJ op = SelectObject(dc, p);
        Polygon(dc, moved, n);
        SelectObject(dc, op);
        SelectObject(dc, ob);
        DeleteObject(p);
        DeleteObject(b);
    }
    void Ring(int x, int y, int d, COLORREF color) {
        HPEN p = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ op = SelectObject(dc, p);
        HGDIOBJ ob = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, ox + x, oy + y, ox + x + d, oy + y + d);
        SelectObject(dc, ob);
        SelectObject(dc, op);
        DeleteObject(p);
    }
    void Letter(const wchar_t* ch, int weight, bool italic, bool underline) {
        HFONT f = CreateFontW(-14, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Times New Roman");
        HGDIOBJ of = SelectObject(dc, f);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kInk);
        RECT rc = {ox, oy, ox + 16, oy + 16};
        DrawTextW(dc, ch, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, of);
        DeleteObject(f);
    }
    void Page(int x, int y, int w, int h) {
        Box(x, y, w, h, kPaper, kInk);
        for (int ly = y + 3; ly < y + h - 2; ly += 2)
            Line(x + 2, ly, x + w - 2, ly, kGrey);
    }
    // Text lines of an alignment picture: pattern of widths placed left, centre or right.
    void Lines(int align) {
        static const int widths[] = {12, 8, 12, 6, 12};
        for (int i = 0; i < 5; ++i) {
            int w = widths[i];
            int x = align == 0 ? 2 : align == 1 ? (16 - w) / 2 : 14 - w;
            int y = 2 + i * 3;
            Line(x, y, x + w, y, kInk);
        }
    }
};

}  // namespace

void DrawToolbarImage(HDC dc, int index, int x, int y) {
    TPainter p = {dc, x, y};
    switch (index) {
        case 0: {  // open: a folder with its flap open
            POINT back[] = {{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}};
            p.Shape(back, 6, kFolder, kInk);
            POINT flap[] = {{3, 8}, {15, 8}, {13, 13}, {1, 13}};
            p.Shape(flap, 4, RGB(255, 230, 120), kInk);
            break;
        }
        case 1:  // save: a diskette
            p.Box(1, 1, 14, 14, kBlue, kInk);
            p.Box(4, 1, 8, 5, kPaper, kInk);
            p.Box(4, 9, 8, 6, kSilver, kInk);
            break;
        case 2:  // print: paper in a printer
            p.Box(4, 1, 8, 6, kPaper, kInk);
            p.Box(1, 6, 14, 6, kSilver, kInk);
            p.Box(4, 10, 8, 5, kPaper, kInk);
            p.Line(11, 8, 13, 8, RGB(0, 160, 0));
            break;
        case 3: {  // undo: an arrow bending back to the left
            p.Line(4, 6, 10, 6, kBlue, 2);
            p.Line(10, 6, 13, 9, kBlue, 2);
            p.Line(13, 9, 13, 13, kBlue, 2);
            POINT head[] = {{1, 6}, {5, 2}, {5, 10}};
            p.Shape(head, 3, kBlue, kBlue);
            break;
        }
        case 4:  // cut: scissors
            p.Line(5, 1, 10, 10, kInk);
            p.Line(10, 1, 5, 10, kInk);
            p.Ring(2, 9, 5, kBlue);
            p.Ring(9, 9, 5, kBlue);
            break;
        case 5:  // copy: two pages
            p.Page(1, 1, 9, 11);
            p.Page(6, 4, 9, 11);
            break;
        case 6:  // paste: a page on a clipboard
            p.Box(1, 2, 11, 13, RGB(160, 110, 40), kInk);
            p.Box(4, 1, 5, 3, kSilver, kInk);
            p.Page(6, 5, 9, 10);
            break;
        case 7:
            p.Letter(L"B", FW_BOLD, false, false);
            break;
        case 8:
            p.Letter(L"I", FW_BOLD, true, false);
            break;
        case 9:
            p.Letter(L"U", FW_BOLD, false, true);
            break;
        case 10:
            p.Lines(0);
            break;
        case 11:
            p.Lines(1);
            break;
        case 12:
            p.Lines(2);
            break;
        case 13:  // bullets: dots before lines
            for (int i = 0; i < 3; ++i) {
                p.Box(2, 3 + i * 4, 3, 3, kInk, kInk);
                p.Line(7, 4 + i * 4, 14, 4 + i * 4, kInk);
            }
            break;
    }
}

HIMAGELIST CreateToolbarImages() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, kToolbarImageSize * kToolbarImageCount, kToolbarImageSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    RECT all = {0, 0, kToolbarImageSize * kToolbarImageCount, kToolbarImageSize};
    HBRUSH mask = CreateSolidBrush(kMaskColor);
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    for (int i = 0; i < kToolbarImageCount; ++i)
        DrawToolbarImage(dc, i, i * kToolbarImageSize, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    HIMAGELIST list =
        ImageList_Create(kToolbarImageSize, kToolbarImageSize, ILC_COLOR24 | ILC_MASK, kToolbarImageCount, 0);
    if (list != nullptr)
        ImageList_AddMasked(list, strip, kMaskColor);
    DeleteObject(strip);
    return list;
}

HICON CreateEditorIcon() {
    const int size = 32;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    TPainter p = {dc, 0, 0};
    p.Box(5, 2, 20, 28, kPaper, kInk);
    for (int y = 8; y < 26; y += 4)
        p.Line(8, y, 21, y, kGrey);
    POINT quill[] = {{29, 1}, {31, 3}, {17, 22}, {14, 24}, {15, 20}};
    p.Shape(quill, 5, RGB(200, 40, 40), kInk);
    // Mask: white (transparent) where the colour bitmap stayed black.
    HDC mdc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(mdc, mask);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            SetPixel(mdc, x, y, GetPixel(dc, x, y) == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    SelectObject(mdc, oldMask);
    DeleteDC(mdc);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO ii = {};
    ii.fIcon = TRUE;
    ii.hbmMask = mask;
    ii.hbmColor = color;
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}
