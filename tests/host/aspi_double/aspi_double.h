#pragma once
// Script and log of the stand-in "wnaspi32" that the scan tests load. The test
// finds the two functions below by name in the loaded double.
#include <windows.h>

struct AspiDoubleDevice {
    BYTE adapter;
    BYTE target;
    BYTE peripheralType;
    BYTE inquiryStatus;     // final status of its INQUIRY
    DWORD completeAfterMs;  // 0: done before the send returns; INFINITE: never
    BYTE inquiryLength;     // bytes of `inquiry` returned; 0 = all 32
    BYTE inquiry[32];
};

struct AspiDoubleScript {
    DWORD supportInfo;
    BYTE adapterInquiryStatus;
    BYTE adapterCount;
    int deviceCount;
    AspiDoubleDevice devices[4];
};

// What the double was asked since the script was set.
struct AspiDoubleLog {
    int adapterInquiries;
    int typeQueries;
    int inquiries;
    int malformedRequests;  // a field the scan sets had an unexpected value
};

// Exported as "AspiDoubleSetScript" (also clears the log) and "AspiDoubleGetLog".
using AspiDoubleSetScriptFn = void(__cdecl*)(const AspiDoubleScript* script);
using AspiDoubleGetLogFn = const AspiDoubleLog*(__cdecl*)();
