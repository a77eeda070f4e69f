#!/bin/bash
# Runs a command with a throwaway PostgreSQL 15 cluster on a loopback port.
# The cluster lives in a temporary directory and is stopped and removed at the end,
# also when the command fails. Its connection string reaches the command in
# OPENBUY_TEST_PG (the program's own Name=Value; form).
set -uo pipefail

PGBIN=/usr/lib/postgresql/15/bin
if [ ! -x "$PGBIN/initdb" ]; then
  echo "with-postgres: PostgreSQL 15 is not installed ($PGBIN/initdb missing)" >&2
  exit 2
fi

# initdb refuses to run as root: the cluster belongs to the postgres system user.
as_pg() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

dir=$(mktemp -d /tmp/openbuy-pg.XXXXXX)
chmod 755 "$dir"
[ "$(id -u)" = 0 ] && chown postgres:postgres "$dir"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')

cleanup() {
  as_pg "$PGBIN/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

as_pg "$PGBIN/initdb" -D "$dir/data" -A trust -U postgres -E UTF8 --locale=C.UTF-8 \
  >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 2; }
as_pg "$PGBIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
  -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=50" \
  start >/dev/null || { cat "$dir/server.log" >&2; exit 2; }

export OPENBUY_TEST_PG="Provider=PostgreSQL;Data Source=127.0.0.1;Port=$port;Initial Catalog=postgres;User ID=postgres;Password="
echo "with-postgres: PostgreSQL 15 running on 127.0.0.1:$port"
"$@"
rc=$?
exit $rc
