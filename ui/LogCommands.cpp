// File menu: save, view and print the log; Help menu: the instructions.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <cstdio>
#include "ui/LogLayout.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

void CPelloraApp::OnSaveLog() {
    if (m_pMainDlg == nullptr)
        return;
    int fd = _open(kLogFileName, _O_CREAT | _O_EXCL | _O_RDWR | _O_TEXT, _S_IREAD | _S_IWRITE);
    if (fd == -1 && !m_pMainDlg->Confirm("The Pellora Log file already exists, OverWrite it?"))
        return;
    if (fd != -1)
        _close(fd);
    FILE* file = fopen(kLogFileName, "w+t");
    m_pMainDlg->WriteLog(file);
    if (file != nullptr)
        fclose(file);
}

void CPelloraApp::OnViewLog() {
    if (m_pMainDlg == nullptr)
        return;
    FILE* file = fopen(kLogFileName, "r+t");
    if (file == nullptr) {
        if (!m_pMainDlg->Confirm("No Pellora Log file exists, Create a new one?"))
            return;
        file = fopen(kLogFileName, "w+t");
        m_pMainDlg->WriteLog(file);
    }
    if (file != nullptr)
        rewind(file);
    m_pMainDlg->ReadLog(file);
    if (file != nullptr)
        fclose(file);
}

void CPelloraApp::OnPrintLog() {
    if (m_pMainDlg != nullptr)
        m_pMainDlg->PrintLog();
}

void CPelloraApp::OnInstructions() {
    intptr_t r =
        _spawnl(_P_NOWAIT, "\\Windows\\Notepad.exe", "\\Windows\\Notepad.exe", ".\\Docs\\Pellora.txt", nullptr);
    if (r == -1 && m_pMainDlg != nullptr && m_pMainDlg->m_hWnd != nullptr)
        ::MessageBoxA(m_pMainDlg->m_hWnd, "Pellora Instructions Unavailable.", "Pellora Warning!", MB_ICONWARNING);
}
