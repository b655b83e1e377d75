// Child of the fatal-probe test: the main dialog on a device that opens by neither route; choosing a
// driver must end this process. Writes the texts of the boxes it answered into the file argv[1].
#include <cstdio>
#include <string>
#include "audio/SoundDevice.h"
#include "fakes/FakeDirectSound.h"
#include "resources/resource.h"
#include "support/TestSupport.h"
#include "ui/PelloraApp.h"
#include "ui/PelloraDlg.h"

namespace {

std::string g_strBoxes;
const char* g_pszOut = nullptr;

void SaveBoxes() {
    for (const fakeds::Box& b : fakeds::Boxes())
        g_strBoxes += "audio: " + b.text + "\n";
    if (FILE* f = std::fopen(g_pszOut, "wb")) {
        std::fputs(g_strBoxes.c_str(), f);
        std::fclose(f);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    g_pszOut = argv[1];
    fakeds::script().createRuntime = REGDB_E_CLASSNOTREG;
    fakeds::script().createDirectSound = E_FAIL;
    g_pfnCreateSoundDevice = fakeds::CreateDevice;
    g_pfnAudioMessageBox = fakeds::RecordMessageBox;

    CPelloraApp app;
    CPelloraDlg* dlg = new CPelloraDlg(nullptr);
    app.m_pMainDlg = dlg;
    app.m_pMainWnd = dlg;
    if (!dlg->Create())
        return 3;
    testsupport::DialogAnswerer answers;
    answers.Inspect(
        "Pellora",
        [](HWND box, void*) {
            char text[512] = "";
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
            g_strBoxes += std::string("app: ") + text + "\n";
            SaveBoxes();
        },
        nullptr, IDOK);
    HWND list = ::GetDlgItem(dlg->m_hWnd, IDC_DRIVER_LIST);
    ::SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_DRIVER_LIST, CBN_DROPDOWN), (LPARAM)list);
    dlg->m_cboDriver.SetCurSel(0);
    ::SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_DRIVER_LIST, CBN_CLOSEUP), (LPARAM)list);
    // Reaching this point means the program went on with no device.
    SaveBoxes();
    return 0;
}
