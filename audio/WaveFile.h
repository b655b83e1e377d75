// Reader of the PCM WAV files that the test sources play.
#pragma once
#include <cstdint>

struct WaveInfo {
    uint32_t nSamplesPerSec;
    uint16_t nBitsPerSample;
    uint16_t nBlockAlign;
    uint16_t nChannels;
    uint16_t wFormatTag;
    uint32_t nAvgBytesPerSec;
    uint32_t nDataLength;  // sample bytes actually read
};

// Returns the sample data (a block of the data chunk's declared size, allocated with operator new[],
// owned by the caller) and fills info; null when the file cannot be read or is not laid out as
// RIFF/WAVE, "fmt ", "data". info is written only on success.
unsigned char* ReadWaveFile(const char* fileName, WaveInfo* info);
