// Arithmetic of the room display: device coordinates to room units, room units to the window's pixels,
// the backdrop and scale of each test, marker colours and the squares an update erases.
#pragma once
#include <windows.h>
#include <dsound.h>

// One mark as the window draws it: screen x, size (diameter hint), screen y.
struct RoomMark {
    float fX;
    float fSize;
    float fY;
};

struct RoomBackdrop {
    int nBitmapId;  // resource id of the backdrop bitmap
    float fScale;   // scale S of the room units
};

// Square of the window restored from the memory bitmap: top-left corner and side, in pixels.
struct RoomSquare {
    int nLeft;
    int nTop;
    int nSide;
};

const int kRadiationTest = 7;  // the test that draws a cone instead of a dot
const int kRoomMarkers = 10;   // marker indices 0-9

// Room units as the clock hands them on: a third of the device's metres, with z turned to point down
// the screen (the listener's front is the window's top edge).
D3DVECTOR RoomPosition(const D3DVECTOR& position);
// Tip of the cone vector drawn from a source on the z axis at +2 or -2 (its sign taken from position.z).
D3DVECTOR RoomConePoint(const D3DVECTOR& position, const D3DVECTOR& cone);

RoomBackdrop BackdropForTest(int nTest);
RoomMark MapRoomPoint(const D3DVECTOR& room, float fScale, int nWidth, int nHeight);
COLORREF MarkerColour(int nIndex);
// Pen width of a dot of this size (the dot's diameter).
int DotWidth(float fSize);
RoomSquare EraseSquare(const RoomMark& mark, int nTest);

// The two end points of the radiation wedge around source point (x, y): radius r, opening `aperture`
// degrees, turned by `progress` degrees counter-clockwise from the top edge.
void ConeWedgePoints(float fX, float fY, float fRadius, float fProgress, int nAperture, POINT* pFirst, POINT* pSecond);
float PlanarDistance(const RoomMark& a, const RoomMark& b);
