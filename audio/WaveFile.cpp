#include "audio/WaveFile.h"
#include <cstring>
#include <fstream>
#include <new>

namespace {

uint32_t Le32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint16_t Le16(const unsigned char* p) {
    return uint16_t(p[0] | (p[1] << 8));
}

// Reads exactly n bytes; false on a short read.
bool ReadExact(std::ifstream& f, unsigned char* buf, std::streamsize n) {
    f.read(reinterpret_cast<char*>(buf), n);
    return f.gcount() == n;
}

unsigned char* ReadOpened(std::ifstream& f, WaveInfo* info) {
    f.seekg(0, std::ios::end);
    const std::streamoff fileSize = f.tellg();
    f.seekg(0, std::ios::beg);
    if (fileSize < 0)
        return nullptr;

    unsigned char header[12];
    bool found = false;
    while (ReadExact(f, header, sizeof(header))) {
        if (std::memcmp(header + 8, "WAVE", 4) == 0) {
            found = true;
            break;
        }
        // Another RIFF form: its size counts the form type, so size - 4 bytes follow the header.
        const uint32_t formSize = Le32(header + 4);
        if (formSize < 4)
            return nullptr;
        const std::streamoff next = std::streamoff(f.tellg()) + std::streamoff(formSize - 4);
        if (next >= fileSize)
            return nullptr;
        f.seekg(next, std::ios::beg);
    }
    if (!found)
        return nullptr;

    unsigned char chunk[8];
    if (!ReadExact(f, chunk, sizeof(chunk)) || std::memcmp(chunk, "fmt ", 4) != 0)
        return nullptr;
    const uint32_t fmtSize = Le32(chunk + 4);
    // A format chunk shorter than the 16 bytes read would send the reader back into it.
    if (fmtSize < 16)
        return nullptr;
    const std::streamoff fmtStart = f.tellg();
    unsigned char fmt[16];
    if (!ReadExact(f, fmt, sizeof(fmt)))
        return nullptr;
    const std::streamoff dataHeader = fmtStart + std::streamoff(fmtSize);
    if (dataHeader > fileSize)
        return nullptr;
    f.seekg(dataHeader, std::ios::beg);

    if (!ReadExact(f, chunk, sizeof(chunk)) || std::memcmp(chunk, "data", 4) != 0)
        return nullptr;
    const uint32_t declared = Le32(chunk + 4);
    // The block has the declared size unless the file cannot hold that much: an absurd size in a
    // damaged header must not turn into a gigabyte allocation.
    const std::streamoff remaining = fileSize - std::streamoff(f.tellg());
    const uint32_t blockSize = std::streamoff(declared) > remaining ? uint32_t(remaining) : declared;
    unsigned char* data = new (std::nothrow) unsigned char[blockSize == 0 ? 1 : blockSize];
    if (data == nullptr)
        return nullptr;
    f.read(reinterpret_cast<char*>(data), blockSize);
    const std::streamsize got = f.gcount();

    info->wFormatTag = Le16(fmt + 0);
    info->nChannels = Le16(fmt + 2);
    info->nSamplesPerSec = Le32(fmt + 4);
    info->nAvgBytesPerSec = Le32(fmt + 8);
    info->nBlockAlign = Le16(fmt + 12);
    info->nBitsPerSample = Le16(fmt + 14);
    info->nDataLength = uint32_t(got);
    return data;
}

}  // namespace

unsigned char* ReadWaveFile(const char* fileName, WaveInfo* info) {
    if (fileName == nullptr || info == nullptr)
        return nullptr;
    std::ifstream f(fileName, std::ios::in | std::ios::binary);
    if (!f.is_open())
        return nullptr;
    unsigned char* data = ReadOpened(f, info);
    f.close();
    return data;
}
