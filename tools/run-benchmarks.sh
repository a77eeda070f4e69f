#!/bin/bash
# Runs every benchmark of the build on a SQLite file and, when a server is given
# (make bench starts a throwaway one), on PostgreSQL.
set -euo pipefail
bin="$1"
for bench in "$bin"/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
  if [ -n "${OPENBUY_TEST_PG:-}" ] && [ "$(basename "$bench")" != bench_reports ] \
     && [ "$(basename "$bench")" != bench_grids ]; then
    echo "== $(basename "$bench") on PostgreSQL"
    "$bench" "$OPENBUY_TEST_PG"
  fi
done
