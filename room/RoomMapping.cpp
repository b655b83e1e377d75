#include "room/RoomMapping.h"
#include <cmath>
#include "resources/resource.h"

namespace {
const float kRadiansPerDegree = 0.017453292f;
}

D3DVECTOR RoomPosition(const D3DVECTOR& position) {
    D3DVECTOR room;
    room.x = position.x / 3;
    room.y = position.y / 3;
    room.z = -position.z / 3;
    return room;
}

D3DVECTOR RoomConePoint(const D3DVECTOR& position, const D3DVECTOR& cone) {
    D3DVECTOR room;
    room.x = cone.x / 3;
    room.y = cone.y / 3;
    room.z = position.z >= 0 ? -(cone.z + 2) / 3 : -(cone.z - 2) / 3;
    return room;
}

RoomBackdrop BackdropForTest(int nTest) {
    switch (nTest) {
        case 3:
            return {IDB_ROOM_FINE, 4.0f};
        case 4:
        case 6:
        case 8:
            return {IDB_ROOM_MEDIUM, 15.0f};
        case 5:
        case 7:
            return {IDB_ROOM_COARSE, 45.0f};
        default:
            return {IDB_ROOM_EMPTY, 1.0f};
    }
}

RoomMark MapRoomPoint(const D3DVECTOR& room, float fScale, int nWidth, int nHeight) {
    RoomMark mark;
    mark.fX = room.x * (fScale + 4) + nWidth / 2;
    mark.fSize = 11 + 5.7f * (room.y + 1);
    mark.fY = room.z * fScale + nHeight / 2;
    return mark;
}

COLORREF MarkerColour(int nIndex) {
    switch (nIndex) {
        case 2:
            return 0x00FF0040;  // blue
        case 3:
            return 0x00009600;  // green
        case 4:
            return 0x00C800DC;  // pink
        default:
            return 0x003246FA;  // red
    }
}

int DotWidth(float fSize) {
    return (int)fSize / 2;
}

RoomSquare EraseSquare(const RoomMark& mark, int nTest) {
    int t = DotWidth(mark.fSize);
    int d = t / 2 + 1;
    int side = t + 2;
    if (nTest == kRadiationTest) {
        // The wedge reaches well beyond the dot.
        d = 20;
        side = t + 42;
    }
    return {(int)(mark.fX - d), (int)(mark.fY - d), side};
}

void ConeWedgePoints(float fX, float fY, float fRadius, float fProgress, int nAperture, POINT* pFirst, POINT* pSecond) {
    float first = (fProgress + 90 - nAperture / 2) * kRadiansPerDegree;
    float second = (fProgress + 90 - nAperture / 2 + nAperture) * kRadiansPerDegree;
    pFirst->x = (LONG)(fX + fRadius * std::cos(first));
    pFirst->y = (LONG)(fY - fRadius * std::sin(first));
    pSecond->x = (LONG)(fX + fRadius * std::cos(second));
    pSecond->y = (LONG)(fY - fRadius * std::sin(second));
}

float PlanarDistance(const RoomMark& a, const RoomMark& b) {
    float dx = a.fX - b.fX;
    float dy = a.fY - b.fY;
    return std::sqrt(dx * dx + dy * dy);
}
