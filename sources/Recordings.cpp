// The fixed table of test recordings: index = 8 x rate + 4 x stereo + 2 x sixteenBit + variant.
#include "sources/SourceSet.h"

namespace {
const char kRecordingPaths[kRecordingCount][40] = {
    "./WAV_Files/08B11KM1.wav", "./WAV_Files/08B11KM2.wav", "./WAV_Files/16B11KM1.wav", "./WAV_Files/16B11KM2.wav",
    "./WAV_Files/08B11KS1.wav", "./WAV_Files/08B11KS2.wav", "./WAV_Files/16B11KS1.wav", "./WAV_Files/16B11KS2.wav",
    "./WAV_Files/08B22KM1.wav", "./WAV_Files/08B22KM2.wav", "./WAV_Files/16B22KM1.wav", "./WAV_Files/16B22KM2.wav",
    "./WAV_Files/08B22KS1.wav", "./WAV_Files/08B22KS2.wav", "./WAV_Files/16B22KS1.wav", "./WAV_Files/16B22KS2.wav",
    "./WAV_Files/08B44KM1.wav", "./WAV_Files/08B44KM2.wav", "./WAV_Files/16B44KM1.wav", "./WAV_Files/16B44KM2.wav",
    "./WAV_Files/08B44KS1.wav", "./WAV_Files/08B44KS2.wav", "./WAV_Files/16B44KS1.wav", "./WAV_Files/16B44KS2.wav",
};
}  // namespace

const char* RecordingPath(int index) {
    if (index < 0 || index >= kRecordingCount)
        return nullptr;
    return kRecordingPaths[index];
}

std::string CSourceSet::DescribeFormat(int index) {
    std::string text;
    int first = 0;
    if (index >= 0 && index <= 7) {
        text += " 11K ";
        first = 0;
    } else if (index >= 8 && index <= 15) {
        text += " 22K ";
        first = 8;
    } else if (index >= 16 && index <= 23) {
        text += " 44K ";
        first = 16;
    }
    const int r = (index >= 0 && index <= 23) ? index - first : 0;
    text += (r == 2 || r == 3 || r == 6 || r == 7) ? "16-bit " : "8-bit  ";
    text += (r < 4) ? "Mono   " : "Stereo ";
    return text;
}
