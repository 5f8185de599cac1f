#!/usr/bin/env bash
# Start-up benchmark of the arkivo program under Xvfb.
# Usage: bench/startup_bench.sh BENCH_PROGRAM ARKIVO_PROGRAM [RUNS] [IDLE_SECONDS]
set -euo pipefail
"$(dirname "$0")/../scripts/install-deps" bench
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
