// Child of the capture test: plays one recording through the device Pellora would open, for a while.
//   tazroplay <index> <milliseconds>   exit code: 10 x (device from the runtime) + (1 when played)
#include <cstdlib>
#include "audio/SoundDevice.h"
#include "sources/SourceSet.h"

int main(int argc, char** argv) {
    if (argc < 3)
        return 99;
    const int index = std::atoi(argv[1]);
    const DWORD ms = DWORD(std::atoi(argv[2]));
    HWND owner = ::CreateWindowA("STATIC", "tazroplay", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CSoundDevice device;
    int tazro = 0;
    if (device.Open(nullptr, owner, 1, TRUE, &tazro) != 0)
        return 98;
    CSoundListener listener;
    CSoundBuffer buffer;
    int played = 0;
    if (listener.Create(device.m_pDS) == 0 &&
        buffer.Load(device.m_pDS, RecordingPath(index), kPlaceAny, TRUE, TRUE, kKind2D, 0) == 0) {
        played = buffer.GetPlayState() == 2 ? 1 : 0;
        ::Sleep(ms);
        buffer.Stop();
    }
    buffer.Release();
    listener.Release();
    device.Close();
    ::DestroyWindow(owner);
    return 10 * tazro + played;
}
