// Program entry: the one application object and the GUI entry point.
#include "ui/PelloraApp.h"

CPelloraApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    return FwWinMain(hInstance);
}
