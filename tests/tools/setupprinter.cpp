// Installs a PostScript printer on the FILE: port in the test prefix, so print dialogs and PrintLog
// have a real device. Argument: Windows path of a PPD file inside the prefix.
#include <windows.h>
#include <winspool.h>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    char driverName[] = "Pellora PS";
    char env[] = "Windows x64";
    char driverFile[] = "wineps.drv";
    char dataFile[MAX_PATH];
    lstrcpynA(dataFile, argv[1], MAX_PATH);
    DRIVER_INFO_3A di = {};
    di.cVersion = 3;
    di.pName = driverName;
    di.pEnvironment = env;
    di.pDriverPath = driverFile;
    di.pDataFile = dataFile;
    di.pConfigFile = driverFile;
    if (!AddPrinterDriverExA(nullptr, 3, (LPBYTE)&di, APD_COPY_NEW_FILES)) {
        DWORD e = GetLastError();
        if (e != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
            std::printf("AddPrinterDriverEx failed: %lu\n", e);
            return 1;
        }
    }
    char printerName[] = "Pellora Printer";
    char port[] = "FILE:";
    char proc[] = "WinPrint";
    char datatype[] = "RAW";
    PRINTER_INFO_2A pi = {};
    pi.pPrinterName = printerName;
    pi.pPortName = port;
    pi.pDriverName = driverName;
    pi.pPrintProcessor = proc;
    pi.pDatatype = datatype;
    pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE h = AddPrinterA(nullptr, 2, (LPBYTE)&pi);
    if (h == nullptr) {
        DWORD e = GetLastError();
        if (e != ERROR_PRINTER_ALREADY_EXISTS) {
            std::printf("AddPrinter failed: %lu\n", e);
            return 1;
        }
    } else {
        ClosePrinter(h);
    }
    if (!SetDefaultPrinterA(printerName)) {
        std::printf("SetDefaultPrinter failed: %lu\n", GetLastError());
        return 1;
    }
    std::printf("printer ready\n");
    return 0;
}
