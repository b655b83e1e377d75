// Child of the fatal-path test: loads one file into a buffer of the scriptable device.
#include <cstdio>
#include "audio/SoundDevice.h"
#include "fakes/FakeDirectSound.h"

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    IDirectSound* device = nullptr;
    fakeds::CreateDevice(CLSID_DirectSound, &device);
    CSoundBuffer buffer;
    HRESULT hr = buffer.Load(device, argv[1], kPlaceAny, FALSE, FALSE, kKind2D, 0);
    // Reaching this point means the file was read.
    buffer.Release();
    device->Release();
    return hr == 0 ? 0 : 3;
}
