// Resource and control ids of Pellora, grouped by kind. ResourceIdCheck.cpp proves at compile time that
// no two ids of one kind collide (the same number may serve two kinds, e.g. dialog 144 and bitmap 144).
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PELLORA_DIALOG 102
#define IDD_ALERT 140
#define IDD_AUTOPAUSE 142
#define IDD_OUTPUT_FORMAT 143
#define IDD_FORMAT_WARNING 144

// Menus, icons, bitmaps (room backdrops)
#define IDR_MAINMENU 129
#define IDR_MAINFRAME 128
#define IDB_ROOM_FINE 133
#define IDB_ROOM_MEDIUM 134
#define IDB_ROOM_COARSE 135
#define IDB_ROOM_EMPTY 144

// Strings
#define IDS_ABOUTBOX 101
#define IDS_INSTRUCTIONS 32804

// Custom resource type carrying the initial items of a template's lists
#define RT_FW_DLGINIT 240

// Controls of the main dialog (102)
#define IDC_DRIVER_LIST 1001
#define IDC_BEGIN_TESTING 1003
#define IDC_PLAY_MIDI 1004
#define IDC_CPU_USE 1008
#define IDC_SYSTEM_INFO 1016
#define IDC_BEGIN_PROFILING 1017
#define IDC_STATUS 1018
#define IDC_ROOM_PLACE 1019
#define IDC_2D_HARDWARE 1025
#define IDC_OUTPUT_LIST 1026
#define IDC_2D_SOFTWARE 1027
#define IDC_3D_HARDWARE 1031
#define IDC_3D_SOFTWARE 1032
#define IDC_MIDI_LIST 1033
#define IDC_POS_Y 1034
#define IDC_POS_X 1035
#define IDC_POS_Z 1036
#define IDC_ACCELERATION 1040
#define IDC_FORCE_SOFTWARE 1041
#define IDC_AUTO_PAUSE 1042
#define IDC_AUTO_TOGGLE 1043
#define IDC_DEFAULT_BUTTON 1044
#define IDC_FORMAT 1045

// Controls of the alert (140)
#define IDC_ALERT_TEXT 1037

// Controls of the output-format dialog (143)
#define IDC_RATE_11 1045
#define IDC_RATE_22 1046
#define IDC_RATE_44 1047
#define IDC_BITS_8 1048
#define IDC_BITS_16 1049
#define IDC_MONO 1050
#define IDC_STEREO 1051
#define IDC_FORMAT_DEFAULT 1052

// Menu commands (menu 129) and system-menu entries
#define IDM_ABOUTBOX 0x0010
#define ID_FILE_VIEWLOG 32771
#define ID_FILE_EXIT 32774
#define ID_TEST_MIXING 32780
#define ID_TEST_DOPPLER 32783
#define ID_TEST_RADIATION 32784
#define ID_TEST_LATENCY 32786
#define ID_TEST_VISUALAPP 32788
#define ID_TEST_DISTANCE 32789
#define ID_PROFILE_CPU 32791
#define ID_PROFILE_2DHW 32792
#define ID_PROFILE_3DHW 32793
#define ID_PROFILE_PICKAPP 32794
#define ID_HELP_ABOUT 32795
#define ID_TEST_SELECTALL 32798
#define ID_PROFILE_RAM 32799
#define ID_TEST_MAXOUT 32800
#define ID_TEST_SINGLESOURCE 32801
#define ID_TEST_MULTISOURCE 32802
#define ID_TEST_RATECONV 32803
#define ID_HELP_INSTRUCTIONS 32804
#define ID_FILE_SAVELOG 57603
#define ID_FILE_PRINTLOG 57607
