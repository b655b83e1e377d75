#include "Printing.h"
#include <richedit.h>

bool PrintRichText(HWND editor, HDC printer, const std::wstring& title) {
    DOCINFOW di = {};
    di.cbSize = sizeof(di);
    di.lpszDocName = title.c_str();
    if (StartDocW(printer, &di) <= 0)
        return false;
    int dpiX = GetDeviceCaps(printer, LOGPIXELSX), dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    FORMATRANGE fr = {};
    fr.hdc = printer;
    fr.hdcTarget = printer;
    fr.rcPage.right = MulDiv(GetDeviceCaps(printer, PHYSICALWIDTH), 1440, dpiX);
    fr.rcPage.bottom = MulDiv(GetDeviceCaps(printer, PHYSICALHEIGHT), 1440, dpiY);
    fr.rc.right = MulDiv(GetDeviceCaps(printer, HORZRES), 1440, dpiX);
    fr.rc.bottom = MulDiv(GetDeviceCaps(printer, VERTRES), 1440, dpiY);
    GETTEXTLENGTHEX len = {GTL_NUMCHARS, 1200};
    LONG total = static_cast<LONG>(SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    do {
        StartPage(printer);
        LONG next = static_cast<LONG>(SendMessageW(editor, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr)));
        EndPage(printer);
        // A control that lays out nothing would otherwise print blank pages for ever.
        if (next <= fr.chrg.cpMin)
            break;
        fr.chrg.cpMin = next;
    } while (fr.chrg.cpMin < total);
    SendMessageW(editor, EM_FORMATRANGE, FALSE, 0);
    EndDoc(printer);
    return true;
}
