#!/bin/bash
# The whole benchmark table: start-up and working set of KORVEX.EXE against both
# reference programs, its discovery steps against their platform calls, and
# hard-file creation, sparse and fully written, against dd at 2 GiB and 16 GiB.
# Run by hand after a build; it takes several minutes (the 16 GiB full writes
# most of them).
#   bench/run_bench.sh [build-dir]     (RUNS rounds: default 11 for start-up, 7 for hard files)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build_dir=$(realpath "${1:-$here/../build/x64}")

echo "Measured $(date +%F) with the 64-bit build under $(wine --version 2>/dev/null) on Xvfb, $(nproc) cores" \
  "(load average $(cut -d' ' -f1 /proc/loadavg) at the start)."
echo
"$here/run_startup_bench.sh" "$build_dir"
echo
"$here/run_hardfile_bench.sh" "$build_dir" 2048 16384
