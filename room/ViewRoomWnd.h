// "3D Room": the room seen from above with the listener at the centre, on which each moving source is a
// coloured mark (its place the horizontal position, its size the height) or, in the radiation test, a wedge
// showing where its sound cone points.
#pragma once
#include "FrameWnd.h"
#include "room/RoomMapping.h"

class CViewRoomWnd : public CFrameWnd {
public:
    CViewRoomWnd();
    ~CViewRoomWnd() override;

    // Chooses the backdrop and scale of a test and repaints the whole window.
    void SetTest(int nTest);
    // Moves marker nIndex (0-9; other indices are ignored) to room point p, with cone point h and
    // progress g (degrees of the cone sweep).
    void UpdateSource(const D3DVECTOR& p, const D3DVECTOR& h, int nIndex, float g);

    HBITMAP m_hbmBackdrop;  // owned: backdrop of the current test
    HBITMAP m_hbmMemory;    // owned: the backdrop stretched to the client size
    HDC m_hdcMemory;        // owned: memory DC holding m_hbmMemory
    int m_nWidth;           // client size, taken once at creation
    int m_nHeight;
    float m_fScale;
    int m_nTest;                         // -1 after creation
    RoomMark m_aLastMark[kRoomMarkers];  // last mark drawn per marker index
    int m_bRepaintAll;
    HGDIOBJ m_hbmMemoryDefault;  // the memory DC's own bitmap, put back before the DC is deleted

    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    BOOL OnEraseBkgnd(HDC hdc);
    void OnPaint();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void LoadBackdrop(int nBitmapId);
    void StretchBackdrop();
    void EraseMark(HDC hdc, const RoomMark& mark);
    void DrawMark(HDC hdc, const RoomMark& source, const RoomMark& cone, COLORREF colour, float g);
    void DrawDot(HDC hdc, const RoomMark& mark, COLORREF colour);
    void DrawCone(HDC hdc, const RoomMark& head, const RoomMark& source, float g, int nAperture, COLORREF colour);
    void FreeGdiObjects();
};
