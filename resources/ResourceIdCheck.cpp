// Compile-time proof that the ids of each kind are distinct.
#include "resources/resource.h"

namespace {

template <int N>
constexpr bool AllDistinct(const int (&ids)[N]) {
    for (int i = 0; i < N; ++i)
        for (int j = i + 1; j < N; ++j)
            if (ids[i] == ids[j])
                return false;
    return true;
}

constexpr int kDialogs[] = {IDD_ABOUTBOX,  IDD_PELLORA_DIALOG, IDD_ALERT,
                            IDD_AUTOPAUSE, IDD_OUTPUT_FORMAT,  IDD_FORMAT_WARNING};
constexpr int kBitmaps[] = {IDB_ROOM_FINE, IDB_ROOM_MEDIUM, IDB_ROOM_COARSE, IDB_ROOM_EMPTY};
constexpr int kStrings[] = {IDS_ABOUTBOX, IDS_INSTRUCTIONS};
constexpr int kMainControls[] = {IDC_DRIVER_LIST,
                                 IDC_BEGIN_TESTING,
                                 IDC_PLAY_MIDI,
                                 IDC_CPU_USE,
                                 IDC_SYSTEM_INFO,
                                 IDC_BEGIN_PROFILING,
                                 IDC_STATUS,
                                 IDC_ROOM_PLACE,
                                 IDC_2D_HARDWARE,
                                 IDC_OUTPUT_LIST,
                                 IDC_2D_SOFTWARE,
                                 IDC_3D_HARDWARE,
                                 IDC_3D_SOFTWARE,
                                 IDC_MIDI_LIST,
                                 IDC_POS_Y,
                                 IDC_POS_X,
                                 IDC_POS_Z,
                                 IDC_ACCELERATION,
                                 IDC_FORCE_SOFTWARE,
                                 IDC_AUTO_PAUSE,
                                 IDC_AUTO_TOGGLE,
                                 IDC_DEFAULT_BUTTON,
                                 IDC_FORMAT,
                                 1,
                                 2};
constexpr int kFormatControls[] = {IDC_RATE_11, IDC_RATE_22, IDC_RATE_44,        IDC_BITS_8, IDC_BITS_16,
                                   IDC_MONO,    IDC_STEREO,  IDC_FORMAT_DEFAULT, 1,          2};
constexpr int kAlertControls[] = {IDC_ALERT_TEXT, 1, 2};
constexpr int kCommands[] = {ID_FILE_VIEWLOG,      ID_FILE_EXIT,        ID_TEST_MIXING,    ID_TEST_DOPPLER,
                             ID_TEST_RADIATION,    ID_TEST_LATENCY,     ID_TEST_VISUALAPP, ID_TEST_DISTANCE,
                             ID_PROFILE_CPU,       ID_PROFILE_2DHW,     ID_PROFILE_3DHW,   ID_PROFILE_PICKAPP,
                             ID_HELP_ABOUT,        ID_TEST_SELECTALL,   ID_PROFILE_RAM,    ID_TEST_MAXOUT,
                             ID_TEST_SINGLESOURCE, ID_TEST_MULTISOURCE, ID_TEST_RATECONV,  ID_HELP_INSTRUCTIONS,
                             ID_FILE_SAVELOG,      ID_FILE_PRINTLOG,    IDM_ABOUTBOX};

static_assert(AllDistinct(kDialogs), "two dialog templates share an id");
static_assert(AllDistinct(kBitmaps), "two bitmaps share an id");
static_assert(AllDistinct(kStrings), "two strings share an id");
static_assert(AllDistinct(kMainControls), "two controls of the main dialog share an id");
static_assert(AllDistinct(kFormatControls), "two controls of the output-format dialog share an id");
static_assert(AllDistinct(kAlertControls), "two controls of the alert share an id");
static_assert(AllDistinct(kCommands), "two menu commands share an id");

}  // namespace
