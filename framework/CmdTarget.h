// Base of every class that owns a message map: windows, dialogs and the application object.
#pragma once
#include "MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    static const FwMsgMap* GetThisMessageMap();
    virtual const FwMsgMap* GetMessageMap() const { return GetThisMessageMap(); }

    // Looks up a WM_COMMAND entry (id + notification code) in this object's maps and calls it.
    bool OnCmdMsg(UINT nID, UINT nCode);

    // Finds the first entry for a message (and for WM_COMMAND, its code and id), searching derived maps first.
    static const FwMsgMapEntry* FindEntry(const FwMsgMap* pMap, UINT nMessage, UINT nCode, UINT nID);
};
