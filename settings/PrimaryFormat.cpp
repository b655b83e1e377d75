#include "settings/PrimaryFormat.h"
#include <cstdio>

int g_nPrimaryRate = 22;
int g_nPrimaryBits = 8;
int g_nPrimaryChannels = 2;
int g_bFormatWarningShown = 0;

void FormatPrimaryCaption(char (&buffer)[20], int rate, int bits, int channels) {
    std::snprintf(buffer, sizeof(buffer), channels == 1 ? "%dKHz-%d bit-mono" : "%dKHz-%d bit-stereo", rate, bits);
}
