// The editing window's computations, without a window: ruler arithmetic, status texts, size input.
#include "EditorLogic.h"
#include "QForm.h"
#include "ToolbarImages.h"
#include <gtest/gtest.h>

TEST(QuilletRuler, MarkerPositionsFromIndents) {
    struct Case {
        const char* name;
        int first, left, right, rulerWidth;
        int firstAt, leftAt, rightAt;
    } cases[] = {
        {"no indents", 0, 0, 0, 630, 2, 2, 630 - 14},
        {"first 10", 10, 0, 0, 630, 15, 15, 616},
        {"first 10, left 20", 10, 20, 0, 630, 15, 42, 616},
        {"hanging: first 30, left -30", 30, -30, 0, 630, 42, 2, 616},
        {"right 15", 0, 0, 15, 630, 2, 2, 630 - 6 - 28},
        {"truncation: first 1 (1.33 px)", 1, 0, 0, 400, 3, 3, 386},
        {"negative first truncates toward zero", -1, 0, 0, 400, 1, 1, 386},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.firstAt, FirstIndMarkerLeft(c.first)) << c.name;
        EXPECT_EQ(c.leftAt, LeftIndMarkerLeft(c.left, c.first)) << c.name;
        EXPECT_EQ(c.rightAt, RightIndMarkerLeft(c.right, c.rulerWidth)) << c.name;
    }
}

TEST(QuilletRuler, IndentsFromMarkerPositions) {
    EXPECT_EQ(5, GrabOffsetFor(10));
    EXPECT_EQ(4, GrabOffsetFor(9));
    // Left marker with left + grab offset at 46 and a first indent of 10: trunc(40 * 0.75) - 10.
    EXPECT_EQ(20, LeftIndentFromMarker(41, 5, 10));
    EXPECT_EQ(10, FirstIndentFromMarker(15, 5));
    EXPECT_EQ(0, FirstIndentFromMarker(2, 5)) << "0.75 truncates to 0";
    EXPECT_EQ(-3, FirstIndentFromMarker(-3, 5)) << "truncation toward zero, not floor";
    EXPECT_EQ(15, RightIndentFromMarker(630, 630 - 34, 4));
}

TEST(QuilletRuler, MarkersAtRestGiveBackTheirIndents) {
    // Dropping a marker where it stands must not change the paragraph.
    for (int first : {0, 5, 10, 36, 72}) {
        for (int left : {0, 7, 20, -first}) {
            int firstAt = FirstIndMarkerLeft(first);
            int leftAt = LeftIndMarkerLeft(left, first);
            int newFirst = FirstIndentFromMarker(firstAt, GrabOffsetFor(10));
            EXPECT_EQ(first, newFirst) << "first " << first;
            EXPECT_EQ(left, LeftIndentFromMarker(leftAt, GrabOffsetFor(10), newFirst))
                << "first " << first << " left " << left;
        }
    }
    for (int right : {0, 6, 15, 30}) {
        int at = RightIndMarkerLeft(right, 630);
        EXPECT_EQ(right, RightIndentFromMarker(630, at, GrabOffsetFor(9))) << "right " << right;
    }
}

TEST(QuilletRuler, CaptionAndLine) {
    std::wstring caption = RulerCaption();
    ASSERT_EQ(200u, caption.size());
    for (size_t i = 0; i < caption.size(); ++i)
        ASSERT_EQ(i % 2 == 0 ? L'\t' : L'|', caption[i]) << "at " << i;
    EXPECT_EQ(622, RulerLineWidth(630, 4));
}

TEST(QuilletStatus, Texts) {
    EXPECT_EQ(L"Line:   1   Col:   1", StatusPositionText(0, 0));
    EXPECT_EQ(L"Line:  12   Col: 100", StatusPositionText(11, 99));
    EXPECT_EQ(L"Line: 1000   Col:   1", StatusPositionText(999, 0)) << "wide numbers are not cut";
    EXPECT_EQ(L"Modified", ModifiedText(true));
    EXPECT_EQ(L"", ModifiedText(false));
}

TEST(QuilletInput, WholeNumbers) {
    struct Case {
        const wchar_t* text;
        bool ok;
        int value;
    } cases[] = {
        {L"12", true, 12},  {L"0", true, 0},    {L"-4", true, -4},          {L"+7", true, 7},
        {L"", false, 0},    {L"abc", false, 0}, {L"12pt", false, 0},        {L" 12", false, 0},
        {L"1.5", false, 0}, {L"-", false, 0},   {L"99999999999", false, 0},
    };
    for (const Case& c : cases) {
        int v = -999;
        EXPECT_EQ(c.ok, ParseWholeNumber(c.text, &v)) << "'" << std::string(c.text, c.text + wcslen(c.text)) << "'";
        if (c.ok) {
            EXPECT_EQ(c.value, v);
        }
    }
    EXPECT_EQ(L"'abc' is not a valid integer value", InvalidIntegerMessage(L"abc"));
}

TEST(QuilletInput, DialogFilterAndPath) {
    std::wstring f = DialogFilter(L"Text Dateien (*.TXT)|*.TXT|Alle Dateien|*.*");
    EXPECT_EQ(std::wstring(L"Text Dateien (*.TXT)\0*.TXT\0Alle Dateien\0*.*\0\0", 45), f);
    EXPECT_EQ(L"C:\\brief.rtf", AnsiToWide("C:\\brief.rtf"));
    EXPECT_EQ(L"", AnsiToWide(nullptr));
}

TEST(QuilletForm, ShortCuts) {
    struct Case {
        const char* text;
        bool ok;
        BYTE virt;
        WORD key;
    } cases[] = {
        {"Ctrl+O", true, FVIRTKEY | FCONTROL, 'O'},
        {"Alt+X", true, FVIRTKEY | FALT, 'X'},
        {"Ctrl+Shift+F2", true, FVIRTKEY | FCONTROL | FSHIFT, VK_F2},
        {"Meta+X", false, 0, 0},
        {"", false, 0, 0},
        {"Ctrl+", false, 0, 0},
    };
    for (const Case& c : cases) {
        BYTE virt = 0;
        WORD key = 0;
        EXPECT_EQ(c.ok, ParseShortCut(c.text, &virt, &key)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.virt, virt) << c.text;
            EXPECT_EQ(c.key, key) << c.text;
        }
    }
}

TEST(QuilletImages, FourteenDistinctPictures) {
    HIMAGELIST list = CreateToolbarImages();
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(kToolbarImageCount, ImageList_GetImageCount(list));
    ImageList_Destroy(list);
    // Every picture draws something and no two are alike.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    std::vector<std::vector<COLORREF>> pictures;
    for (int i = 0; i < kToolbarImageCount; ++i) {
        RECT rc = {0, 0, 16, 16};
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawToolbarImage(dc, i, 0, 0);
        std::vector<COLORREF> px;
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                px.push_back(GetPixel(dc, x, y));
                inked += px.back() != RGB(255, 255, 255);
            }
        EXPECT_GT(inked, 10) << "picture " << i;
        for (size_t j = 0; j < pictures.size(); ++j)
            EXPECT_NE(pictures[j], px) << "pictures " << j << " and " << i;
        pictures.push_back(px);
    }
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

TEST(QuilletImages, WindowIcon) {
    HICON icon = CreateEditorIcon();
    ASSERT_NE(nullptr, icon);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(icon, &ii));
    BITMAP bm = {};
    GetObjectW(ii.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);
    EXPECT_EQ(32, bm.bmHeight);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    DestroyIcon(icon);
}
