// Static message-map tables: each window or application class lists, in one table, the command ids,
// control notifications and window messages it handles, with the member that handles each.
#pragma once
#include <windows.h>

class CCmdTarget;
typedef void (CCmdTarget::*FW_PMSG)();

// Handler signatures; the dispatcher casts an entry's pointer back to the one its signature names.
enum FwSig {
    FwSig_v = 1,    // void ()                    commands, notifications, WM_PAINT, WM_CLOSE, WM_DESTROY
    FwSig_vTimer,   // void (UINT_PTR)           WM_TIMER
    FwSig_vSysCmd,  // void (UINT, LPARAM)      WM_SYSCOMMAND
    FwSig_hIcon,    // HCURSOR ()                 WM_QUERYDRAGICON
    FwSig_bErase,   // BOOL (HDC)                WM_ERASEBKGND
    FwSig_iCreate,  // int (LPCREATESTRUCTA)    WM_CREATE
    FwSig_lwl,      // LRESULT (WPARAM, LPARAM)     any message (ON_MESSAGE)
};

struct FwMsgMapEntry {
    UINT nMessage;  // window message; WM_COMMAND for commands and notifications
    UINT nCode;     // notification code for WM_COMMAND (0 for menu commands and button clicks)
    UINT nID;       // command or control id for WM_COMMAND
    int nSig;
    FW_PMSG pfn;  // null ends the table
};

struct FwMsgMap {
    const FwMsgMap* pBaseMap;
    const FwMsgMapEntry* pEntries;
};

#define DECLARE_MESSAGE_MAP()                        \
public:                                              \
    static const FwMsgMap* GetThisMessageMap();      \
    const FwMsgMap* GetMessageMap() const override { \
        return GetThisMessageMap();                  \
    }

// The table lives in a function so that entries can name ThisClass and the base map is linked at first use.
// Handlers of other signatures are stored as FW_PMSG and cast back by the dispatcher (a round trip the
// language defines); the warning about the intermediate type is silenced for the table only.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"") const FwMsgMap* \
    theClass::GetThisMessageMap() {                                                                           \
        using ThisClass [[maybe_unused]] = theClass;                                                          \
        using TheBaseClass = baseClass;                                                                       \
        static const FwMsgMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                            \
    { 0, 0, 0, 0, nullptr }                                                          \
    }                                                                                \
    ;                                                                                \
    static const FwMsgMap messageMap = {TheBaseClass::GetThisMessageMap(), entries}; \
    return &messageMap;                                                              \
    }                                                                                \
    _Pragma("GCC diagnostic pop")

#define FW_CAST_V(fn) static_cast<FW_PMSG>(static_cast<void (ThisClass::*)()>(&ThisClass::fn))
template <class C, class F>
using FwMemberFn = F C::*;
#define FW_CAST_SIG(sig, fn)   \
    reinterpret_cast<FW_PMSG>( \
        static_cast<FwMemberFn<CCmdTarget, sig>>(static_cast<FwMemberFn<ThisClass, sig>>(&ThisClass::fn)))

// Commands and control notifications.
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, (UINT)(id), FwSig_v, FW_CAST_V(fn)},
#define ON_BN_CLICKED(id, fn) {WM_COMMAND, BN_CLICKED, (UINT)(id), FwSig_v, FW_CAST_V(fn)},
#define ON_CONTROL(code, id, fn) {WM_COMMAND, (UINT)(code), (UINT)(id), FwSig_v, FW_CAST_V(fn)},
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)

// Window messages with their natural signatures.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, FwSig_v, FW_CAST_V(OnPaint)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, FwSig_v, FW_CAST_V(OnClose)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, FwSig_v, FW_CAST_V(OnDestroy)},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, FwSig_vTimer, FW_CAST_SIG(void(UINT_PTR), OnTimer)},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, FwSig_vSysCmd, FW_CAST_SIG(void(UINT, LPARAM), OnSysCommand)},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, FwSig_hIcon, FW_CAST_SIG(HCURSOR(), OnQueryDragIcon)},
#define ON_WM_ERASEBKGND() {WM_ERASEBKGND, 0, 0, FwSig_bErase, FW_CAST_SIG(BOOL(HDC), OnEraseBkgnd)},
#define ON_WM_CREATE() {WM_CREATE, 0, 0, FwSig_iCreate, FW_CAST_SIG(int(LPCREATESTRUCTA), OnCreate)},
#define ON_MESSAGE(msg, fn) {(UINT)(msg), 0, 0, FwSig_lwl, FW_CAST_SIG(LRESULT(WPARAM, LPARAM), fn)},
