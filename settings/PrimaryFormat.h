// The process-wide primary-buffer format chosen for the next test run (not saved anywhere).
#pragma once

extern int g_nPrimaryRate;         // kHz: 11, 22 or 44
extern int g_nPrimaryBits;         // 8 or 16
extern int g_nPrimaryChannels;     // 1 or 2
extern int g_bFormatWarningShown;  // set once, just before the format warning is first shown

// Caption of the format button, e.g. "22KHz-8 bit-stereo" or "11KHz-8 bit-mono" (fits 20 characters).
void FormatPrimaryCaption(char (&buffer)[20], int rate, int bits, int channels);
