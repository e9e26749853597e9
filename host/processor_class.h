#pragma once
// The processor class shown on the General page: 3 to 6 for the known classes.
#include <windows.h>
#include <string>

// 3 for an 80386, 4 for an 80486 without CPUID, otherwise the processor signature
// from CPUID function 1 (stepping bits 0-3, model 4-7, family 8-11, type 12-13).
DWORD DetectProcessorClass();

// The family field of a signature when it is nonzero, otherwise the value itself
// (so 3 and 4 from DetectProcessorClass pass through).
DWORD ProcessorClassFromSignature(DWORD signature);

// "80386", "80486", "Pentium ('586)", "Pentium II ('686)" for classes 3-6, else "Unknown".
std::string ProcessorClassName(DWORD processorClass);
