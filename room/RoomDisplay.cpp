// The main dialog's side of the room display: creating it in the place of control 1019 and handing it the
// clock's positions in room units.
#include "resources/resource.h"
#include "room/RoomMapping.h"
#include "room/ViewRoomWnd.h"
#include "ui/PelloraDlg.h"

namespace {
const int kLatencyTest = 8;  // its marker index is the bounce counter
}

void CPelloraDlg::CreateRoomDisplay() {
    RECT place;
    ::GetWindowRect(GetDlgItem(IDC_ROOM_PLACE), &place);
    POINT topLeft = {place.left, place.top};
    POINT bottomRight = {place.right, place.bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    RECT rect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    CViewRoomWnd* room = new CViewRoomWnd;
    if (!room->Create(nullptr, "3D Room", WS_CHILD | WS_VISIBLE, rect, this)) {
        // Without a window there is nothing to draw on; the clock copes with no room display.
        delete room;
        room = nullptr;
    }
    m_pRoomWnd = room;
}

void CPelloraDlg::UpdateRoomDisplay(const D3DVECTOR& position,
                                    const D3DVECTOR& cone,
                                    int nListPosition,
                                    float fProgress) {
    if (m_pRoomWnd == nullptr)
        return;
    int marker = m_nCurTest == kLatencyTest ? m_nBounceCount : nListPosition;
    m_pRoomWnd->UpdateSource(RoomPosition(position), RoomConePoint(position, cone), marker, fProgress);
}
