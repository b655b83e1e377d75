// Thin wrappers for the controls of dialog templates; a member is bound to its id by DDX_Control.
#pragma once
#include "Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, state); }
    void Click() const { SendMessage(BM_CLICK); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT n) const { SendMessage(EM_SETLIMITTEXT, n); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int LineIndex(int line = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)line); }
    void LineScroll(int lines, int chars = 0) const { SendMessage(EM_LINESCROLL, chars, lines); }
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
    void ReplaceSel(const char* text) const { SendMessage(EM_REPLACESEL, FALSE, (LPARAM)text); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
};

class CComboBox : public CWnd {
public:
    int AddString(const char* s) const { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)s); }
    int InsertString(int index, const char* s) const { return (int)SendMessage(CB_INSERTSTRING, index, (LPARAM)s); }
    int DeleteString(int index) const { return (int)SendMessage(CB_DELETESTRING, index); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int index) const { return (int)SendMessage(CB_SETCURSEL, index); }
    std::string GetLBText(int index) const;
    int SetItemData(int index, DWORD_PTR data) const { return (int)SendMessage(CB_SETITEMDATA, index, (LPARAM)data); }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, index); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    void ShowDropDown(BOOL show = TRUE) const { SendMessage(CB_SHOWDROPDOWN, show); }
    int FindStringExact(int start, const char* s) const {
        return (int)SendMessage(CB_FINDSTRINGEXACT, (WPARAM)start, (LPARAM)s);
    }
};
