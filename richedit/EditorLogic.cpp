#include "EditorLogic.h"
#include <windows.h>
#include <climits>
#include <cstdio>

namespace {
const double kPointsToPixels = 1.3333333333333333;
const double kPixelsToPoints = 0.75;

// Truncation toward zero, as the ruler arithmetic is defined.
int Trunc(double v) {
    return static_cast<int>(v);
}
}  // namespace

int FirstIndMarkerLeft(int firstIndent) {
    return Trunc(firstIndent * kPointsToPixels) + 2;
}

int LeftIndMarkerLeft(int leftIndent, int firstIndent) {
    return Trunc((leftIndent + firstIndent) * kPointsToPixels) + 2;
}

int RightIndMarkerLeft(int rightIndent, int rulerClientWidth) {
    return (rulerClientWidth - 6) - Trunc((rightIndent + 6) * kPointsToPixels);
}

int GrabOffsetFor(int markerWidth) {
    return markerWidth / 2;
}

int FirstIndentFromMarker(int markerLeft, int grabOffset) {
    return Trunc((markerLeft + grabOffset - 6) * kPixelsToPoints);
}

int LeftIndentFromMarker(int markerLeft, int grabOffset, int firstIndent) {
    return Trunc((markerLeft + grabOffset - 6) * kPixelsToPoints) - firstIndent;
}

int RightIndentFromMarker(int rulerClientWidth, int markerLeft, int grabOffset) {
    return Trunc((rulerClientWidth - markerLeft + grabOffset - 2) * kPixelsToPoints) - 12;
}

int RulerLineWidth(int rulerClientWidth, int lineLeft) {
    return rulerClientWidth - 2 * lineLeft;
}

std::wstring RulerCaption() {
    std::wstring s;
    for (int i = 0; i < 100; ++i) {
        s += L'\t';
        s += L'|';
    }
    return s;
}

std::wstring StatusPositionText(int line, int column) {
    wchar_t buf[64];
    swprintf(buf, sizeof(buf) / sizeof(buf[0]), L"Line: %3d   Col: %3d", line + 1, column + 1);
    return buf;
}

std::wstring ModifiedText(bool modified) {
    return modified ? L"Modified" : L"";
}

bool ParseWholeNumber(const std::wstring& text, int* value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+'))
        negative = text[i++] == L'-';
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return false;
        v = v * 10 + (text[i] - L'0');
        if (v > INT_MAX)
            return false;
    }
    *value = static_cast<int>(negative ? -v : v);
    return true;
}

std::wstring InvalidIntegerMessage(const std::wstring& text) {
    return L"'" + text + L"' is not a valid integer value";
}

std::wstring DialogFilter(const std::wstring& filter) {
    std::wstring s = filter;
    for (wchar_t& c : s) {
        if (c == L'|')
            c = L'\0';
    }
    s.push_back(L'\0');
    s.push_back(L'\0');
    return s;
}

std::wstring AnsiToWide(const char* text) {
    if (text == nullptr || *text == 0)
        return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring s(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &s[0], n);
    s.resize(n - 1);
    return s;
}
