// The form's place in the clipboard-viewer chain: pass the chain's messages on, refresh paste.
#include "REMain.h"

LRESULT TWin_RE::OnChangeClipboardChain(WPARAM wParam, LPARAM lParam) {
    HWND removed = reinterpret_cast<HWND>(wParam);
    if (removed == FNextViewer)
        FNextViewer = reinterpret_cast<HWND>(lParam);
    else if (FNextViewer != nullptr)
        SendMessageW(FNextViewer, WM_CHANGECBCHAIN, wParam, lParam);
    return 0;
}

LRESULT TWin_RE::OnDrawClipboard(WPARAM, LPARAM) {
    if (FNextViewer != nullptr)
        SendMessageW(FNextViewer, WM_DRAWCLIPBOARD, 0, 0);
    UpdatePasteAvailability();
    return 0;
}
