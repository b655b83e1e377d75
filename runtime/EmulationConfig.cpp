#include <cstdlib>
#include <cstring>
#include <string>
#include "audio/TazroRuntime.h"
#include "runtime/TazroEmulation.h"

VoicePool g_voices = {0, 0, 32, 16};
LONG g_nObjects = 0;
LONG g_nLocks = 0;

bool TakeVoice(bool is3D) {
    LONG& used = is3D ? g_voices.nUsed3D : g_voices.nUsed2D;
    const DWORD limit = is3D ? g_voices.nLimit3D : g_voices.nLimit2D;
    if (DWORD(used) >= limit)
        return false;
    ++used;
    return true;
}

void GiveVoice(bool is3D) {
    LONG& used = is3D ? g_voices.nUsed3D : g_voices.nUsed2D;
    if (used > 0)
        --used;
}

std::vector<DWORD> ParseNumberList(const char* text) {
    std::vector<DWORD> out;
    const char* p = text;
    while (p != nullptr && *p != '\0') {
        char* end = nullptr;
        unsigned long v = std::strtoul(p, &end, 0);
        if (end != p)
            out.push_back(DWORD(v));
        p = std::strchr(end != p ? end : p, ',');
        if (p != nullptr)
            ++p;
    }
    return out;
}

std::vector<EmulationConfig::Format> ParseFormatList(const char* text) {
    std::vector<EmulationConfig::Format> out;
    std::string all = text != nullptr ? text : "";
    size_t start = 0;
    while (start < all.size()) {
        size_t comma = all.find(',', start);
        std::string item = all.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        unsigned long rate = 0, bits = 0, channels = 0;
        char* end = nullptr;
        rate = std::strtoul(item.c_str(), &end, 10);
        if (*end == '/') {
            bits = std::strtoul(end + 1, &end, 10);
            if (*end == '/') {
                channels = std::strtoul(end + 1, &end, 10);
                out.push_back({DWORD(rate), DWORD(bits), DWORD(channels)});
            }
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return out;
}

EmulationConfig ReadEmulationConfig() {
    EmulationConfig config;
    config.nHw2DVoices = 32;
    config.nHw3DVoices = 16;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, TAZRO_EMULATION_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return config;
    DWORD value = 0, size = sizeof(value), type = 0;
    if (::RegQueryValueExA(key, "HW2DVoices", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD)
        config.nHw2DVoices = value;
    size = sizeof(value);
    if (::RegQueryValueExA(key, "HW3DVoices", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD)
        config.nHw3DVoices = value;
    char text[1024];
    size = sizeof(text) - 1;
    if (::RegQueryValueExA(key, "RefusedSpeakerConfigs", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        text[size] = '\0';
        config.refusedSpeakers = ParseNumberList(text);
    }
    size = sizeof(text) - 1;
    if (::RegQueryValueExA(key, "RefusedFormats", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        text[size] = '\0';
        config.refusedFormats = ParseFormatList(text);
    }
    ::RegCloseKey(key);
    return config;
}
