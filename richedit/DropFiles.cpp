// Files dropped on the window: the first one replaces the editor's content.
#include "REMain.h"
#include <shellapi.h>

LRESULT TWin_RE::OnDropFiles(WPARAM wParam, LPARAM) {
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    wchar_t name[MAX_PATH] = L"";
    if (DragQueryFileW(drop, 0, name, MAX_PATH) > 0)
        LoadFileIntoEditor(name);
    DragFinish(drop);
    return 0;
}
