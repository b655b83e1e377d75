#include "CmdTarget.h"

const FwMsgMap* CCmdTarget::GetThisMessageMap() {
    static const FwMsgMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const FwMsgMap messageMap = {nullptr, entries};
    return &messageMap;
}

const FwMsgMapEntry* CCmdTarget::FindEntry(const FwMsgMap* pMap, UINT nMessage, UINT nCode, UINT nID) {
    for (; pMap != nullptr; pMap = pMap->pBaseMap) {
        for (const FwMsgMapEntry* e = pMap->pEntries; e->pfn != nullptr; ++e) {
            if (e->nMessage != nMessage)
                continue;
            if (nMessage == WM_COMMAND && (e->nCode != nCode || e->nID != nID))
                continue;
            return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    const FwMsgMapEntry* e = FindEntry(GetMessageMap(), WM_COMMAND, nCode, nID);
    if (e == nullptr)
        return false;
    (this->*(e->pfn))();
    return true;
}
