#include "Controls.h"

std::string CComboBox::GetLBText(int index) const {
    LRESULT n = SendMessage(CB_GETLBTEXTLEN, index);
    if (n == CB_ERR)
        return std::string();
    std::string s((size_t)n + 1, '\0');
    LRESULT got = SendMessage(CB_GETLBTEXT, index, (LPARAM)&s[0]);
    s.resize(got == CB_ERR ? 0 : (size_t)got);
    return s;
}
