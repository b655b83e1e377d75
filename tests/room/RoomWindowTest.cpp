// The room display inside the real main dialog: where it sits, what an update draws and erases on screen,
// the repaint-all rule, the radiation wedge, and that no GDI object outlives its use.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <vector>
#include "resources/resource.h"
#include "room/ViewRoomWnd.h"
#include "support/TestSupport.h"
#include "tests/room/GdiObjects.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

namespace {

const char kPelloraKey[] = "Software\\Zephal\\Pellora";

D3DVECTOR V(float x, float y, float z) {
    D3DVECTOR v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

// What the window shows: its client area read back from the window's device context.
class Capture {
public:
    explicit Capture(HWND hWnd) {
        RECT r;
        ::GetClientRect(hWnd, &r);
        m_nWidth = r.right;
        m_nHeight = r.bottom;
        m_pixels.assign((size_t)m_nWidth * m_nHeight, 0);
        BITMAPINFO bi;
        ZeroMemory(&bi, sizeof(bi));
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = m_nWidth;
        bi.bmiHeader.biHeight = -m_nHeight;  // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC window = ::GetDC(hWnd);
        HBITMAP dib = ::CreateDIBSection(window, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC memory = ::CreateCompatibleDC(window);
        HGDIOBJ old = ::SelectObject(memory, dib);
        ::BitBlt(memory, 0, 0, m_nWidth, m_nHeight, window, 0, 0, SRCCOPY);
        ::GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        for (size_t i = 0; i < m_pixels.size(); ++i)
            m_pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::DeleteObject(dib);
        ::ReleaseDC(hWnd, window);
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
            return CLR_INVALID;
        return m_pixels[(size_t)y * m_nWidth + x];
    }
    // Length of the run of `colour` through (x, y) along the row.
    int RowRun(int x, int y, COLORREF colour) const {
        if (At(x, y) != colour)
            return 0;
        int left = x, right = x;
        while (At(left - 1, y) == colour)
            --left;
        while (At(right + 1, y) == colour)
            ++right;
        return right - left + 1;
    }
    int m_nWidth, m_nHeight;

private:
    std::vector<COLORREF> m_pixels;
};

std::string Rgb(COLORREF c) {
    char buf[32];
    snprintf(buf, sizeof(buf), "(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

class RoomWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DeleteKeyTree(kPelloraKey);
        ASSERT_TRUE(m_dlg.Create());
        m_room = m_dlg.m_pRoomWnd;
        ASSERT_NE(nullptr, m_room);
        testsupport::PumpMessages(50);
        m_cx = m_room->m_nWidth / 2;
        m_cy = m_room->m_nHeight / 2;
    }
    void TearDown() override {
        m_dlg.DestroyWindow();
        testsupport::DeleteKeyTree(kPelloraKey);
    }
    // A test's backdrop, painted: what later captures are compared against.
    void ShowTest(int test) {
        m_room->SetTest(test);
        ::UpdateWindow(m_room->m_hWnd);
    }
    // Clears the repaint-all flag the way the clock does: a first update with a non-zero marker (here
    // drawn far outside the window), then the repaint it asked for.
    void SettleAfterSetTest() {
        m_dlg.UpdateRoomDisplay(V(-300, 0, -300), V(0, 0, 0), 9, 0);
        ::UpdateWindow(m_room->m_hWnd);
    }
    CPelloraApp m_app;
    CPelloraDlg m_dlg;
    CViewRoomWnd* m_room = nullptr;
    int m_cx = 0, m_cy = 0;
};

TEST_F(RoomWindowTest, SitsInThePlaceOfControl1019AsAChildTitled3DRoom) {
    HWND room = m_room->m_hWnd;
    EXPECT_EQ(m_dlg.m_hWnd, ::GetParent(room));
    EXPECT_TRUE((::GetWindowLongA(room, GWL_STYLE) & WS_CHILD) != 0);
    EXPECT_TRUE(::IsWindowVisible(room));
    char title[32] = "";
    ::GetWindowTextA(room, title, sizeof(title));
    EXPECT_STREQ("3D Room", title);

    RECT place, rect;
    ::GetWindowRect(m_dlg.GetDlgItem(IDC_ROOM_PLACE), &place);
    ::GetWindowRect(room, &rect);
    EXPECT_TRUE(::EqualRect(&place, &rect));
    RECT client;
    ::GetClientRect(room, &client);
    EXPECT_EQ(client.right, m_room->m_nWidth);
    EXPECT_EQ(client.bottom, m_room->m_nHeight);
    EXPECT_GT(m_room->m_nWidth, 100);

    // Created on the empty room; the start-up update put marker 0 at the centre.
    EXPECT_EQ(-1, m_room->m_nTest);
    EXPECT_FLOAT_EQ((float)m_cx, m_room->m_aLastMark[0].fX);
    EXPECT_FLOAT_EQ((float)m_cy, m_room->m_aLastMark[0].fY);
    EXPECT_NEAR(16.7f, m_room->m_aLastMark[0].fSize, 1e-4);
}

TEST_F(RoomWindowTest, BackdropOfEachTestIsStretchedOverTheWindow) {
    const COLORREF floor = RGB(192, 192, 192), wall = RGB(134, 134, 134);
    struct Case {
        int test;
        bool head;  // the listener's head at the centre
        float scale;
    };
    const Case cases[] = {{10, false, 1}, {3, true, 4}, {4, true, 15}, {5, true, 45}, {7, true, 45}, {0, false, 1}};
    for (const Case& c : cases) {
        ShowTest(c.test);
        Capture shot(m_room->m_hWnd);
        EXPECT_EQ(c.test, m_room->m_nTest);
        EXPECT_EQ(c.scale, m_room->m_fScale) << "test " << c.test;
        EXPECT_EQ(wall, shot.At(4, m_cy)) << "test " << c.test << " left wall " << Rgb(shot.At(4, m_cy));
        EXPECT_EQ(wall, shot.At(m_cx, 4)) << "test " << c.test << " front wall";
        if (c.head) {
            EXPECT_NE(floor, shot.At(m_cx, m_cy)) << "test " << c.test << " head";
        } else {
            EXPECT_EQ(floor, shot.At(m_cx, m_cy)) << "test " << c.test << " bare floor";
        }
    }
}

TEST_F(RoomWindowTest, MarksAppearInTheirColoursAndMovingOneRestoresTheBackdrop) {
    ShowTest(5);
    SettleAfterSetTest();
    Capture backdrop(m_room->m_hWnd);
    struct Case {
        const char* name;
        D3DVECTOR device;
        int list;
        int dx, dy;  // the orbit of radius 1.98 in the coarse room: about 32 px across, 30 px down
        COLORREF colour;
    };
    const Case cases[] = {
        {"red at the left", V(-1.98f, 0, 0), 1, -32, 0, RGB(250, 70, 50)},
        {"blue in front", V(0, 0, 1.98f), 2, 0, -30, RGB(64, 0, 255)},
        {"green at the right", V(1.98f, 0, 0), 3, 32, 0, RGB(0, 150, 0)},
        {"pink behind", V(0, 0, -1.98f), 4, 0, 30, RGB(220, 0, 200)},
    };
    for (const Case& c : cases)
        m_dlg.UpdateRoomDisplay(c.device, V(0, 0, 0), c.list, 0);
    Capture marks(m_room->m_hWnd);
    for (const Case& c : cases) {
        COLORREF got = marks.At(m_cx + c.dx, m_cy + c.dy);
        EXPECT_EQ(c.colour, got) << c.name << ": " << Rgb(got);
        // A level mark is a dot of width 8.
        EXPECT_NEAR(8, marks.RowRun(m_cx + c.dx, m_cy + c.dy, c.colour), 1) << c.name;
    }

    // Marker 1 moves on: its old place shows the backdrop again, the others stay.
    m_dlg.UpdateRoomDisplay(V(-1.0f, 0, 1.0f), V(0, 0, 0), 1, 0);
    Capture moved(m_room->m_hWnd);
    for (int y = m_cy - 5; y <= m_cy + 5; ++y)
        for (int x = m_cx - 32 - 6; x <= m_cx - 32 + 6; ++x)
            ASSERT_EQ(backdrop.At(x, y), moved.At(x, y)) << "old place of marker 1 at " << x << "," << y;
    EXPECT_EQ(RGB(250, 70, 50), moved.At(m_cx - 16, m_cy - 15)) << "new place (-1/3 x 49, -1/3 x 45)";
    EXPECT_EQ(RGB(0, 150, 0), moved.At(m_cx + 32, m_cy));
}

TEST_F(RoomWindowTest, DotGrowsFromWidthTwoToFourteenAsTheSourceRises) {
    ShowTest(5);
    SettleAfterSetTest();
    Capture backdrop(m_room->m_hWnd);
    const COLORREF red = RGB(250, 70, 50);
    // Off the head, on plain floor: 1 m to the right.
    const int x = m_cx + 16, y = m_cy;
    m_dlg.UpdateRoomDisplay(V(1, -6, 0), V(0, 0, 0), 1, 0);
    Capture low(m_room->m_hWnd);
    m_dlg.UpdateRoomDisplay(V(1, 6, 0), V(0, 0, 0), 1, 0);
    Capture high(m_room->m_hWnd);
    EXPECT_NEAR(2, low.RowRun(x, y, red), 1);
    EXPECT_NEAR(14, high.RowRun(x, y, red), 1);
    // The big dot is wiped whole when the source comes down again.
    m_dlg.UpdateRoomDisplay(V(-1, 0, 0), V(0, 0, 0), 1, 0);
    Capture after(m_room->m_hWnd);
    for (int yy = y - 8; yy <= y + 8; ++yy)
        for (int xx = x - 8; xx <= x + 8; ++xx)
            ASSERT_EQ(backdrop.At(xx, yy), after.At(xx, yy)) << "left over at " << xx << "," << yy;
}

TEST_F(RoomWindowTest, MarkerZeroKeepsTheRepaintAllFlag) {
    ShowTest(8);
    for (int i = 0; i < 3; ++i) {
        // Every marker-0 update asks for a whole repaint again.
        m_dlg.UpdateRoomDisplay(V(0, 0, 3), V(0, 0, 0), 0, 0);
        EXPECT_EQ(1, m_room->m_bRepaintAll) << "update " << i;
        EXPECT_TRUE(::GetUpdateRect(m_room->m_hWnd, nullptr, FALSE)) << "update " << i;
        ::UpdateWindow(m_room->m_hWnd);
    }
    // The latency test's marker is the bounce counter, not the list position.
    m_dlg.m_nCurTest = 8;
    m_dlg.m_nBounceCount = 2;
    m_dlg.UpdateRoomDisplay(V(0, 0, 3), V(0, 0, 0), 1, 0);
    EXPECT_TRUE(::GetUpdateRect(m_room->m_hWnd, nullptr, FALSE));
    EXPECT_EQ(0, m_room->m_bRepaintAll);
    EXPECT_NEAR(m_cy - 15.0f, m_room->m_aLastMark[2].fY, 1e-3);  // z 3 m: 1 room unit up, S = 15
    ::UpdateWindow(m_room->m_hWnd);
    m_dlg.UpdateRoomDisplay(V(0, 0, 3), V(0, 0, 0), 1, 0);
    EXPECT_FALSE(::GetUpdateRect(m_room->m_hWnd, nullptr, FALSE)) << "flag cleared by marker 2";
    m_dlg.m_nBounceCount = 3;
    m_dlg.UpdateRoomDisplay(V(3, 0, 3), V(0, 0, 0), 1, 0);
    EXPECT_FALSE(::GetUpdateRect(m_room->m_hWnd, nullptr, FALSE)) << "only two small squares are drawn";
    Capture shot(m_room->m_hWnd);
    EXPECT_EQ(RGB(64, 0, 255), shot.At(m_cx, m_cy - 15)) << "bounce 2's mark stays until the next repaint";
    EXPECT_EQ(RGB(0, 150, 0), shot.At(m_cx + 19, m_cy - 15));
}

TEST_F(RoomWindowTest, RadiationWedgeOpensTowardsTheFrontAndTurnsWithProgress) {
    ShowTest(7);
    SettleAfterSetTest();
    Capture backdrop(m_room->m_hWnd);
    const COLORREF red = RGB(250, 70, 50), blue = RGB(64, 0, 255);
    // The radiation source at z = +2 with a forward cone of 1.98: the source 30 px up, the wedge's
    // arms about 15 px long.
    const int x = m_cx, y = m_cy - 30;
    m_dlg.UpdateRoomDisplay(V(0, 0, 2), V(0, 0, 1.98f), 1, 0);
    Capture front(m_room->m_hWnd);
    // The arms are drawn over the source's dot and meet at its centre; its lower half stays blue.
    EXPECT_EQ(blue, front.At(x, y + 3)) << "source dot " << Rgb(front.At(x, y + 3));
    EXPECT_EQ(red, front.At(x, y));
    EXPECT_EQ(red, front.At(x + 7, y - 7)) << "right arm";
    EXPECT_EQ(red, front.At(x - 7, y - 7)) << "left arm";
    EXPECT_EQ(backdrop.At(x + 7, y + 7), front.At(x + 7, y + 7)) << "nothing behind";

    // A quarter turn later the wedge opens to the left; the wide erase square removed the old arms.
    m_dlg.UpdateRoomDisplay(V(0, 0, 2), V(-1.98f, 0, 0), 1, 90);
    Capture left(m_room->m_hWnd);
    EXPECT_EQ(red, left.At(x - 7, y - 7));
    EXPECT_EQ(red, left.At(x - 7, y + 7));
    EXPECT_EQ(backdrop.At(x + 7, y - 7), left.At(x + 7, y - 7)) << "old right arm erased";
}

TEST_F(RoomWindowTest, MarkerIndicesOutsideTheTenAreIgnored) {
    ShowTest(5);
    SettleAfterSetTest();
    Capture before(m_room->m_hWnd);
    m_room->UpdateSource(V(0, 0, 0), V(0, 0, 0), 10, 0);
    m_room->UpdateSource(V(0, 0, 0), V(0, 0, 0), -1, 0);
    Capture after(m_room->m_hWnd);
    for (int y = m_cy - 10; y <= m_cy + 10; ++y)
        for (int x = m_cx - 10; x <= m_cx + 10; ++x)
            ASSERT_EQ(before.At(x, y), after.At(x, y)) << x << "," << y;
}

TEST_F(RoomWindowTest, EveryGdiObjectIsDeleted) {
    ShowTest(5);
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int round = 0; round < 60; ++round) {
        m_room->SetTest(round % 11);
        ::UpdateWindow(m_room->m_hWnd);
        for (int k = 0; k < 10; ++k) {
            float a = 0.1f * (round * 10 + k);
            m_dlg.UpdateRoomDisplay(V(3 * std::cos(a), k - 5.0f, 3 * std::sin(a)), V(1.98f, 0, 0), k, 10.0f * k);
        }
    }
    ::UpdateWindow(m_room->m_hWnd);
    EXPECT_EQ(before, CountGdiObjects()) << "after 600 updates and 60 backdrop changes";

    // The exit clean-up destroys the window with its backdrop, memory bitmap and memory DC.
    ::SendMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
    EXPECT_EQ(nullptr, m_dlg.m_pRoomWnd);
    EXPECT_EQ(before - 3, CountGdiObjects());
}

}  // namespace
