#include "room/ViewRoomWnd.h"
#include "WinApp.h"
#include "resources/resource.h"

namespace {
const int kBackdropWidth = 263;
const int kBackdropHeight = 240;
const COLORREF kConeSourceColour = 0x00FF0040;
const int kConeAperture = 90;

// A round dot: a zero-length line drawn with a wide pen.
void DrawPenDot(HDC hdc, int x, int y, int width, COLORREF colour) {
    HPEN pen = ::CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = ::SelectObject(hdc, pen);
    ::MoveToEx(hdc, x, y, nullptr);
    ::LineTo(hdc, x, y);
    ::SelectObject(hdc, old);
    ::DeleteObject(pen);
}
}  // namespace

BEGIN_MESSAGE_MAP(CViewRoomWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CViewRoomWnd::CViewRoomWnd() {
    m_hbmBackdrop = nullptr;
    m_hbmMemory = nullptr;
    m_hdcMemory = nullptr;
    m_nWidth = 0;
    m_nHeight = 0;
    m_fScale = 1.0f;
    m_nTest = -1;
    for (RoomMark& mark : m_aLastMark)
        mark = RoomMark{0, 0, 0};
    m_bRepaintAll = 1;
    m_hbmMemoryDefault = nullptr;
}

CViewRoomWnd::~CViewRoomWnd() {
    // Normally freed when the window is destroyed; an object deleted with its window still alive frees here.
    FreeGdiObjects();
}

int CViewRoomWnd::OnCreate(LPCREATESTRUCTA) {
    m_nTest = -1;
    RECT client;
    GetClientRect(&client);
    m_nWidth = client.right - client.left;
    m_nHeight = client.bottom - client.top;
    for (RoomMark& mark : m_aLastMark)
        mark = RoomMark{0, 0, 0};
    LoadBackdrop(IDB_ROOM_EMPTY);
    m_bRepaintAll = 1;

    HDC hdc = ::GetDC(m_hWnd);
    m_hdcMemory = ::CreateCompatibleDC(hdc);
    m_hbmMemory = ::CreateCompatibleBitmap(hdc, m_nWidth, m_nHeight);
    ::ReleaseDC(m_hWnd, hdc);
    if (m_hdcMemory == nullptr || m_hbmMemory == nullptr) {
        FreeGdiObjects();
        return -1;
    }
    m_hbmMemoryDefault = ::SelectObject(m_hdcMemory, m_hbmMemory);
    // Filled now so that an erase before the first paint copies the backdrop, not blank memory.
    StretchBackdrop();
    return 0;
}

void CViewRoomWnd::LoadBackdrop(int nBitmapId) {
    HBITMAP next = ::LoadBitmapA(FwGetResourceHandle(), MAKEINTRESOURCEA(nBitmapId));
    if (m_hbmBackdrop != nullptr)
        ::DeleteObject(m_hbmBackdrop);
    m_hbmBackdrop = next;
}

void CViewRoomWnd::StretchBackdrop() {
    if (m_hdcMemory == nullptr || m_hbmBackdrop == nullptr)
        return;
    HDC source = ::CreateCompatibleDC(m_hdcMemory);
    HGDIOBJ old = ::SelectObject(source, m_hbmBackdrop);
    ::StretchBlt(m_hdcMemory, 0, 0, m_nWidth, m_nHeight, source, 0, 0, kBackdropWidth, kBackdropHeight, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

BOOL CViewRoomWnd::OnEraseBkgnd(HDC hdc) {
    if (m_hdcMemory == nullptr)
        return FALSE;
    StretchBackdrop();
    ::BitBlt(hdc, 0, 0, m_nWidth, m_nHeight, m_hdcMemory, 0, 0, SRCCOPY);
    return TRUE;
}

void CViewRoomWnd::OnPaint() {
    // Marks are drawn only by updates: a repaint shows the bare backdrop until the next tick.
    CPaintDC dc(this);
}

void CViewRoomWnd::OnDestroy() {
    FreeGdiObjects();
}

void CViewRoomWnd::FreeGdiObjects() {
    if (m_hdcMemory != nullptr) {
        if (m_hbmMemoryDefault != nullptr)
            ::SelectObject(m_hdcMemory, m_hbmMemoryDefault);
        ::DeleteDC(m_hdcMemory);
        m_hdcMemory = nullptr;
    }
    m_hbmMemoryDefault = nullptr;
    if (m_hbmMemory != nullptr) {
        ::DeleteObject(m_hbmMemory);
        m_hbmMemory = nullptr;
    }
    if (m_hbmBackdrop != nullptr) {
        ::DeleteObject(m_hbmBackdrop);
        m_hbmBackdrop = nullptr;
    }
}

void CViewRoomWnd::SetTest(int nTest) {
    RoomBackdrop backdrop = BackdropForTest(nTest);
    m_fScale = backdrop.fScale;
    m_nTest = nTest;
    LoadBackdrop(backdrop.nBitmapId);
    m_bRepaintAll = 1;
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

void CViewRoomWnd::UpdateSource(const D3DVECTOR& p, const D3DVECTOR& h, int nIndex, float g) {
    if (m_hWnd == nullptr || m_hdcMemory == nullptr || nIndex < 0 || nIndex >= kRoomMarkers)
        return;
    if (m_bRepaintAll)
        Invalidate(TRUE);
    HDC hdc = ::GetDC(m_hWnd);
    EraseMark(hdc, m_aLastMark[nIndex]);
    // Marker 0 leaves the flag set: the first source marks of a test come with index 0 in the latency test.
    if (nIndex != 0)
        m_bRepaintAll = 0;
    RoomMark source = MapRoomPoint(p, m_fScale, m_nWidth, m_nHeight);
    RoomMark cone = MapRoomPoint(h, m_fScale, m_nWidth, m_nHeight);
    m_aLastMark[nIndex] = source;
    DrawMark(hdc, source, cone, MarkerColour(nIndex), g);
    ::ReleaseDC(m_hWnd, hdc);
}

void CViewRoomWnd::EraseMark(HDC hdc, const RoomMark& mark) {
    RoomSquare square = EraseSquare(mark, m_nTest);
    ::BitBlt(hdc, square.nLeft, square.nTop, square.nSide, square.nSide, m_hdcMemory, square.nLeft, square.nTop,
             SRCCOPY);
}

void CViewRoomWnd::DrawMark(HDC hdc, const RoomMark& source, const RoomMark& cone, COLORREF colour, float g) {
    int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    if (m_nTest == kRadiationTest)
        DrawCone(hdc, cone, source, g, kConeAperture, colour);
    else
        DrawDot(hdc, source, colour);
    ::SetBkMode(hdc, oldMode);
}

void CViewRoomWnd::DrawDot(HDC hdc, const RoomMark& mark, COLORREF colour) {
    DrawPenDot(hdc, (int)mark.fX, (int)mark.fY, DotWidth(mark.fSize), colour);
}

void CViewRoomWnd::DrawCone(HDC hdc,
                            const RoomMark& head,
                            const RoomMark& source,
                            float g,
                            int nAperture,
                            COLORREF colour) {
    int w = (int)source.fSize / 8;
    int x = (int)source.fX;
    int y = (int)source.fY;
    DrawPenDot(hdc, x, y, 4 * w, kConeSourceColour);
    float r = PlanarDistance(source, head) / 2;
    POINT first, second;
    ConeWedgePoints(source.fX, source.fY, r, g, nAperture, &first, &second);
    HPEN pen = ::CreatePen(PS_SOLID, w, colour);
    HGDIOBJ old = ::SelectObject(hdc, pen);
    ::MoveToEx(hdc, first.x, first.y, nullptr);
    ::LineTo(hdc, x, y);
    ::LineTo(hdc, second.x, second.y);
    ::SelectObject(hdc, old);
    ::DeleteObject(pen);
}
