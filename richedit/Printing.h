// Printing a rich-edit control's content page by page on a printer context.
#pragma once
#include <windows.h>
#include <string>

// Prints the whole text as one job named title; false when the job could not be started.
bool PrintRichText(HWND editor, HDC printer, const std::wstring& title);
