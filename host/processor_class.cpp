#include "host/processor_class.h"

#include <cstdint>

#include "framework/strings.h"
#include "res/resource.h"

namespace {

constexpr uintptr_t AlignmentCheckFlag = 0x40000;  // bit 18: only from the 80486 on
constexpr uintptr_t IdentificationFlag = 0x200000; // bit 21: settable only with CPUID

// Tries to flip `mask` in the flags register and reports whether it changed. The
// original flags are back before the block ends, so nothing else ever runs with a
// flipped alignment-check flag.
bool FlagCanBeFlipped(uintptr_t mask)
{
    uintptr_t original, readBack;
    asm volatile(
        "pushf\n\t"
        "pop %0\n\t"
        "mov %0, %1\n\t"
        "xor %2, %1\n\t"
        "push %1\n\t"
        "popf\n\t"
        "pushf\n\t"
        "pop %1\n\t"
        "push %0\n\t"
        "popf"
        : "=&r"(original), "=&r"(readBack)
        : "r"(mask)
        : "cc", "memory");
    return ((original ^ readBack) & mask) != 0;
}

DWORD ProcessorSignature()
{
    uint32_t eax = 1, ebx, ecx = 0, edx;
    asm volatile("cpuid" : "+a"(eax), "=b"(ebx), "+c"(ecx), "=d"(edx));
    return eax;
}

}  // namespace

DWORD DetectProcessorClass()
{
    if (!FlagCanBeFlipped(AlignmentCheckFlag)) return 3;
    if (!FlagCanBeFlipped(IdentificationFlag)) return 4;
    return ProcessorSignature();
}

DWORD ProcessorClassFromSignature(DWORD signature)
{
    const DWORD family = (signature >> 8) & 0xF;
    return family != 0 ? family : signature;
}

std::string ProcessorClassName(DWORD processorClass)
{
    switch (processorClass) {
    case 3: return LoadStringResource(IDS_CPU_80386);
    case 4: return LoadStringResource(IDS_CPU_80486);
    case 5: return LoadStringResource(IDS_CPU_PENTIUM);
    case 6: return LoadStringResource(IDS_CPU_PENTIUM_II);
    default: return LoadStringResource(IDS_UNKNOWN);
    }
}
