// The room display's arithmetic: device metres to room units, room units to pixels, sizes and dot widths,
// backdrops and scales, marker colours, the squares an update restores and the radiation wedge.
#include <gtest/gtest.h>
#include "resources/resource.h"
#include "room/RoomMapping.h"

namespace {

const int kWidth = 180;  // the room window's client size on this display
const int kHeight = 150;

D3DVECTOR V(float x, float y, float z) {
    D3DVECTOR v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

TEST(RoomMapping, DevicePositionsMapToTheScreenAsTheDisplayShowsThem) {
    struct Case {
        const char* name;
        D3DVECTOR device;
        float scale;
        float dx, size, dy;  // offsets from the window's centre, and the mark's size
    };
    const Case cases[] = {
        // Coarse room (S = 45): the orbit of radius 1.98 is about 32 px left/right and 30 px above/below.
        {"orbit left", V(-1.98f, 0, 0), 45, -32.34f, 16.7f, 0},
        {"orbit right", V(1.98f, 0, 0), 45, 32.34f, 16.7f, 0},
        {"orbit front is up", V(0, 0, 1.98f), 45, 0, 16.7f, -29.7f},
        {"orbit rear is down", V(0, 0, -1.98f), 45, 0, 16.7f, 29.7f},
        {"6 m above", V(0, 6, 0), 45, 0, 28.1f, 0},
        {"6 m below", V(0, -6, 0), 45, 0, 5.3f, 0},
        // Fine and medium rooms: horizontal scale S + 4, vertical S.
        {"fine room", V(3, 0, 3), 4, 8, 16.7f, -4},
        {"medium room", V(-3, 0, -3), 15, -19, 16.7f, 15},
        {"empty room", V(3, 0, 3), 1, 5, 16.7f, -1},
    };
    for (const Case& c : cases) {
        RoomMark mark = MapRoomPoint(RoomPosition(c.device), c.scale, kWidth, kHeight);
        EXPECT_NEAR(kWidth / 2 + c.dx, mark.fX, 0.01) << c.name;
        EXPECT_NEAR(c.size, mark.fSize, 0.01) << c.name;
        EXPECT_NEAR(kHeight / 2 + c.dy, mark.fY, 0.01) << c.name;
    }
}

TEST(RoomMapping, DotWidthFollowsHeight) {
    struct Case {
        float deviceY;
        int width;
    };
    // A rise from -6 m to +6 m grows the dot from width 2 to 14.
    const Case cases[] = {{-6, 2}, {-3, 5}, {0, 8}, {3, 11}, {6, 14}};
    for (const Case& c : cases) {
        RoomMark mark = MapRoomPoint(RoomPosition(V(0, c.deviceY, 0)), 45, kWidth, kHeight);
        EXPECT_EQ(c.width, DotWidth(mark.fSize)) << "y = " << c.deviceY;
    }
}

TEST(RoomMapping, ConePointIsTheTipOfTheConeVectorDrawnFromTheSource) {
    struct Case {
        const char* name;
        D3DVECTOR position, cone;
        D3DVECTOR expected;
    };
    const Case cases[] = {
        {"source in front, cone forward", V(0, 0, 2), V(0, 0, 1.98f), V(0, 0, -3.98f / 3)},
        {"source in front, cone to the left", V(0, 0, 2), V(-1.98f, 0, 0), V(-0.66f, 0, -2.0f / 3)},
        {"source behind, cone backward", V(0, 0, -2), V(0, 0, -1.98f), V(0, 0, 3.98f / 3)},
        {"source at zero counts as in front", V(0, 0, 0), V(0, 0.9f, 0), V(0, 0.3f, -2.0f / 3)},
    };
    for (const Case& c : cases) {
        D3DVECTOR p = RoomConePoint(c.position, c.cone);
        EXPECT_NEAR(c.expected.x, p.x, 1e-5) << c.name;
        EXPECT_NEAR(c.expected.y, p.y, 1e-5) << c.name;
        EXPECT_NEAR(c.expected.z, p.z, 1e-5) << c.name;
    }
}

TEST(RoomMapping, EachTestHasItsBackdropAndScale) {
    struct Case {
        int test;
        int bitmap;
        float scale;
    };
    const Case cases[] = {
        {-1, IDB_ROOM_EMPTY, 1},  {0, IDB_ROOM_EMPTY, 1},   {1, IDB_ROOM_EMPTY, 1},   {2, IDB_ROOM_EMPTY, 1},
        {3, IDB_ROOM_FINE, 4},    {4, IDB_ROOM_MEDIUM, 15}, {5, IDB_ROOM_COARSE, 45}, {6, IDB_ROOM_MEDIUM, 15},
        {7, IDB_ROOM_COARSE, 45}, {8, IDB_ROOM_MEDIUM, 15}, {9, IDB_ROOM_EMPTY, 1},   {10, IDB_ROOM_EMPTY, 1},
    };
    for (const Case& c : cases) {
        RoomBackdrop b = BackdropForTest(c.test);
        EXPECT_EQ(c.bitmap, b.nBitmapId) << "test " << c.test;
        EXPECT_EQ(c.scale, b.fScale) << "test " << c.test;
    }
}

TEST(RoomMapping, MarkerColours) {
    const COLORREF red = RGB(250, 70, 50);
    const COLORREF expected[kRoomMarkers] = {red, red, RGB(64, 0, 255), RGB(0, 150, 0), RGB(220, 0, 200), red, red, red,
                                             red, red};
    for (int i = 0; i < kRoomMarkers; ++i)
        EXPECT_EQ(expected[i], MarkerColour(i)) << "marker " << i;
}

TEST(RoomMapping, EraseSquareCoversTheDotOrTheWedge) {
    struct Case {
        const char* name;
        RoomMark mark;
        int test;
        RoomSquare expected;
    };
    const Case cases[] = {
        {"level dot", {57.66f, 16.7f, 75.0f}, 5, {52, 70, 10}},       // t = 8: d = 5, side 10
        {"high dot", {90.0f, 28.1f, 75.0f}, 5, {82, 67, 16}},         // t = 14: d = 8, side 16
        {"low dot", {90.0f, 5.3f, 75.9f}, 3, {88, 73, 4}},            // t = 2: d = 2, side 4
        {"radiation wedge", {90.0f, 16.7f, 45.3f}, 7, {70, 25, 50}},  // d = 20, side t + 42
        {"near the left edge truncates toward zero", {2.5f, 16.7f, 3.5f}, 5, {-2, -1, 10}},
    };
    for (const Case& c : cases) {
        RoomSquare s = EraseSquare(c.mark, c.test);
        EXPECT_EQ(c.expected.nLeft, s.nLeft) << c.name;
        EXPECT_EQ(c.expected.nTop, s.nTop) << c.name;
        EXPECT_EQ(c.expected.nSide, s.nSide) << c.name;
    }
}

TEST(RoomMapping, RadiationWedgeOpensTowardsTheFrontAndTurnsCounterClockwise) {
    struct Case {
        float progress;
        POINT first, second;
    };
    // Radius 10 around (100, 100), aperture 90.
    const Case cases[] = {
        {0, {107, 92}, {92, 92}},      // 45 and 135 degrees: opening up (the listener's front)
        {90, {92, 92}, {92, 107}},     // opening to the left
        {180, {92, 107}, {107, 107}},  // opening down
        {270, {107, 107}, {107, 92}},  // opening to the right
    };
    for (const Case& c : cases) {
        POINT a, b;
        ConeWedgePoints(100, 100, 10, c.progress, 90, &a, &b);
        EXPECT_EQ(c.first.x, a.x) << "g = " << c.progress;
        EXPECT_EQ(c.first.y, a.y) << "g = " << c.progress;
        EXPECT_EQ(c.second.x, b.x) << "g = " << c.progress;
        EXPECT_EQ(c.second.y, b.y) << "g = " << c.progress;
    }
    RoomMark source = {90, 16.7f, 45.3f}, head = {90, 4.0f, 15.6f};
    EXPECT_NEAR(29.7f, PlanarDistance(source, head), 1e-4);
}

}  // namespace
