#!/bin/bash
# Runs the benchmarks on a SQLite file and, when one is given (make bench starts a
# throwaway server), on PostgreSQL.
set -euo pipefail
bin="$1"
echo "== SQLite"
"$bin/bench_data"
if [ -n "${OPENBUY_TEST_PG:-}" ]; then
  echo "== PostgreSQL"
  pg="${OPENBUY_TEST_PG}"
  "$bin/bench_data" "$pg"
fi
