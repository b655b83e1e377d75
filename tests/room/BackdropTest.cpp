// The four backdrops as the program's resources carry them: size, colour depth, floor, walls, grid spacing
// and the listener's head, which the room mapping's scales rely on.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <vector>
#include "resources/resource.h"

namespace {

const int kW = 263, kH = 240;
const COLORREF kFloor = RGB(192, 192, 192), kWall = RGB(134, 134, 134), kGrid = RGB(4, 4, 4);

class Backdrop {
public:
    explicit Backdrop(int id) {
        m_hbm = (HBITMAP)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                      LR_CREATEDIBSECTION);
        if (m_hbm == nullptr)
            return;
        ::GetObjectA(m_hbm, sizeof(m_ds), &m_ds);
        BITMAPINFO bi;
        ZeroMemory(&bi, sizeof(bi));
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kW;
        bi.bmiHeader.biHeight = -kH;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        m_pixels.assign((size_t)kW * kH, 0);
        HDC hdc = ::GetDC(nullptr);
        ::GetDIBits(hdc, m_hbm, 0, kH, m_pixels.data(), &bi, DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, hdc);
    }
    ~Backdrop() {
        if (m_hbm != nullptr)
            ::DeleteObject(m_hbm);
    }
    COLORREF At(int x, int y) const {
        DWORD p = m_pixels[(size_t)y * kW + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Positions of grid pixels along a row or a column of the floor.
    std::vector<int> GridAlongRow(int y) const {
        std::vector<int> at;
        for (int x = 0; x < kW; ++x)
            if (At(x, y) == kGrid)
                at.push_back(x);
        return at;
    }
    std::vector<int> GridAlongColumn(int x) const {
        std::vector<int> at;
        for (int y = 0; y < kH; ++y)
            if (At(x, y) == kGrid)
                at.push_back(y);
        return at;
    }
    // Width of the head along the row through its centre.
    int HeadWidth(int x, int y) const {
        auto isHead = [&](int xx) { return At(xx, y) != kFloor && At(xx, y) != kGrid; };
        if (!isHead(x))
            return 0;
        int left = x, right = x;
        while (isHead(left - 1))
            --left;
        while (isHead(right + 1))
            ++right;
        return right - left + 1;
    }
    HBITMAP m_hbm = nullptr;
    DIBSECTION m_ds = {};

private:
    std::vector<DWORD> m_pixels;
};

double MeanGap(const std::vector<int>& at) {
    return at.size() < 2 ? 0 : double(at.back() - at.front()) / double(at.size() - 1);
}

bool Contains(const std::vector<int>& at, int v) {
    for (int a : at)
        if (a == v)
            return true;
    return false;
}

TEST(Backdrops, SizeColoursGridAndHeadFitTheirRoles) {
    struct Case {
        int id;
        double across, down;  // grid spacing in backdrop pixels; 0 = no grid
        int head;             // head width; 0 = no head
        bool crossAtHead;
    };
    const Case cases[] = {
        {IDB_ROOM_FINE, 11.5, 10.3, 21, false},
        {IDB_ROOM_MEDIUM, 46, 41, 27, true},
        {IDB_ROOM_COARSE, 92, 82, 36, true},
        {IDB_ROOM_EMPTY, 0, 0, 0, false},
    };
    const int hx = 130, hy = 116;
    for (const Case& c : cases) {
        Backdrop b(c.id);
        ASSERT_NE(nullptr, b.m_hbm) << c.id;
        EXPECT_EQ(kW, b.m_ds.dsBmih.biWidth) << c.id;
        EXPECT_EQ(kH, std::abs(b.m_ds.dsBmih.biHeight)) << c.id;
        EXPECT_EQ(8, b.m_ds.dsBmih.biBitCount) << c.id << ": 256 colours";
        EXPECT_EQ(kWall, b.At(8, hy)) << c.id << " left wall";
        EXPECT_EQ(kWall, b.At(hx, 8)) << c.id << " front wall";
        EXPECT_EQ(kWall, b.At(kW - 8, hy)) << c.id << " right wall";
        // A row and a column between grid lines, clear of the head.
        int row = 60, col = 60;
        if (c.across > 0) {
            double k = 0.5;
            while (c.down * k <= c.head / 2 + 3)
                k += 1;
            row = int(hy - c.down * k);
            col = int(hx - c.across * k);
        }
        EXPECT_EQ(kFloor, b.At(col, row)) << c.id << " floor";
        std::vector<int> across = b.GridAlongRow(row), down = b.GridAlongColumn(col);
        if (c.across == 0) {
            EXPECT_TRUE(across.empty() && down.empty()) << c.id << " has no grid";
            EXPECT_EQ(kFloor, b.At(hx, hy)) << c.id << " has no head";
            continue;
        }
        EXPECT_NEAR(c.across, MeanGap(across), 0.5) << c.id;
        EXPECT_NEAR(c.down, MeanGap(down), 0.5) << c.id;
        if (c.crossAtHead) {
            EXPECT_TRUE(Contains(across, hx)) << c.id << ": a line through the head across";
            EXPECT_TRUE(Contains(down, hy)) << c.id << ": a line through the head down";
        }
        EXPECT_NEAR(c.head, b.HeadWidth(hx, hy), 2) << c.id;
        // Face towards the top edge, hair behind.
        COLORREF front = b.At(hx, hy - c.head / 2 + 2), back = b.At(hx, hy + c.head / 2 - 2);
        EXPECT_GT(GetRValue(front), 200) << c.id << " skin in front";
        EXPECT_LT(GetRValue(back), 120) << c.id << " dark hair behind";
    }
}

}  // namespace
