// Times the product's own hard-file creation: for each size given, creates a
// hard file in the folder the given way ("sparse", the default of the Hard File
// Size dialog, or "full", every block written) and prints "<MiB> <seconds>".
// The file is left as made, bench-<way>-<MiB>.hfi, for the caller to measure
// its disk blocks and remove.
//   hardfile_bench <folder> sparse|full <MiB>...
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
    const std::string way = argc > 2 ? argv[2] : "";
    if (argc < 4 || (way != "sparse" && way != "full")) {
        std::fprintf(stderr, "usage: hardfile_bench <folder> sparse|full <MiB>...\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '\\') folder += '\\';
    const bool reserve = way == "full";
    for (int i = 3; i < argc; ++i) {
        int sizeMiB = std::atoi(argv[i]);
        std::string path = folder + "bench-" + way + "-" + std::to_string(sizeMiB) + ".hfi";
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        HardFileWriteResult result = WriteHardFile(path, sizeMiB, reserve);
        ::QueryPerformanceCounter(&end);
        const uint64_t blocks = static_cast<uint64_t>(sizeMiB) * HardFileBlocksPerMiB;
        // A file system without sparse files would make the sparse way a full write: say so, do not time it.
        if (!result.created || (reserve ? result.blocksWritten != blocks : !result.sparse)) {
            std::fprintf(stderr, "creating %d MiB %s at %s failed (%llu blocks written)\n", sizeMiB, way.c_str(),
                         path.c_str(), static_cast<unsigned long long>(result.blocksWritten));
            return 1;
        }
        std::printf("%d %.6f\n", sizeMiB, Seconds(start, end));
    }
    return 0;
}
