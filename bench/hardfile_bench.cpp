// Times the product's own hard-file writing routine: for each size given, writes
// a hard file into the folder, prints "<MiB> <seconds>" and removes the file.
//   hardfile_bench <folder> <MiB>...
#include "pages/hardfile_writer.h"
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: hardfile_bench <folder> <MiB>...\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '\\') folder += '\\';
    for (int i = 2; i < argc; ++i) {
        int sizeMiB = std::atoi(argv[i]);
        std::string path = folder + "bench-" + std::to_string(sizeMiB) + ".hfi";
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        HardFileWriteResult result = WriteHardFile(path, sizeMiB);
        ::QueryPerformanceCounter(&end);
        ::DeleteFileA(path.c_str());
        if (!result.created || result.blocksWritten != static_cast<uint64_t>(sizeMiB) * HardFileBlocksPerMiB) {
            std::fprintf(stderr, "writing %d MiB to %s failed after %llu blocks\n", sizeMiB, path.c_str(),
                         static_cast<unsigned long long>(result.blocksWritten));
            return 1;
        }
        std::printf("%d %.3f\n", sizeMiB, Seconds(start, end));
    }
    return 0;
}
