// Computations of the editing window that need no window: ruler arithmetic (indents in points, marker
// positions in pixels, one point = 4/3 pixel), status texts, size input, dialog filters.
#pragma once
#include <string>

int FirstIndMarkerLeft(int firstIndent);
int LeftIndMarkerLeft(int leftIndent, int firstIndent);
int RightIndMarkerLeft(int rightIndent, int rulerClientWidth);
int GrabOffsetFor(int markerWidth);
int FirstIndentFromMarker(int markerLeft, int grabOffset);
int LeftIndentFromMarker(int markerLeft, int grabOffset, int firstIndent);
int RightIndentFromMarker(int rulerClientWidth, int markerLeft, int grabOffset);
int RulerLineWidth(int rulerClientWidth, int lineLeft);
std::wstring RulerCaption();

// line and column counted from 0, shown from 1.
std::wstring StatusPositionText(int line, int column);
std::wstring ModifiedText(bool modified);

// A whole number, optionally signed, with nothing else; false for anything else (empty included).
bool ParseWholeNumber(const std::wstring& text, int* value);
// The conversion error the framework reports for a text that is not a whole number.
std::wstring InvalidIntegerMessage(const std::wstring& text);

// "Name|*.EXT|..." as the NUL-separated, double-NUL-terminated list the file dialog takes.
std::wstring DialogFilter(const std::wstring& filter);
std::wstring AnsiToWide(const char* text);
