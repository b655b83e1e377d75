// Help > Instructions starts Notepad on the instructions; without Notepad the warning box appears.
#include "ui/MainDialogFixture.h"
#include "resources/resource.h"

using testsupport::DialogAnswerer;

namespace {

TEST_F(MainDialogTest, InstructionsOpenInNotepad) {
    // "\Windows\Notepad.exe" is looked up on the current drive: the prefix's C: has it.
    ::SetCurrentDirectoryA("C:\\");
    OpenDialog();
    DialogAnswerer answers;
    answers.Click("Pellora Warning!", IDOK);
    Command(ID_HELP_INSTRUCTIONS);
    testsupport::PumpMessages(300);
    EXPECT_EQ(0u, answers.Answered()) << "no warning when Notepad starts";
    // Close whatever Notepad window came up.
    for (int i = 0; i < 50; ++i) {
        HWND notepad = ::FindWindowA("Notepad", nullptr);
        if (notepad != nullptr) {
            ::PostMessageA(notepad, WM_CLOSE, 0, 0);
            break;
        }
        ::Sleep(100);
    }
}

TEST_F(MainDialogTest, InstructionsUnavailableWithoutNotepad) {
    // The scratch folder lies on a drive without \Windows\Notepad.exe.
    char unixSide[MAX_PATH];
    ::GetTempPathA(MAX_PATH, unixSide);
    std::string folder = "Z:\\tmp";
    ::SetCurrentDirectoryA(folder.c_str());
    OpenDialog();
    std::string text;
    DialogAnswerer answers;
    answers.Inspect(
        "Pellora Warning!",
        [](HWND h, void* ctx) {
            char buf[128] = "";
            ::GetDlgItemTextA(h, 0xFFFF, buf, sizeof(buf));  // the message box's text control
            *static_cast<std::string*>(ctx) = buf;
        },
        &text, IDOK);
    Command(ID_HELP_INSTRUCTIONS);
    EXPECT_EQ(1u, answers.Answered());
    EXPECT_EQ("Pellora Instructions Unavailable.", text);
}

}  // namespace
