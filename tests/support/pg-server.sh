#!/usr/bin/env bash
# A throw-away PostgreSQL server of Debian's own packages for the history
# tests: a cluster in DIR, reachable only on a Unix socket in DIR, no TCP.
#
#   pg-server.sh init DIR     makes the cluster and starts it; prints the connection string
#   pg-server.sh start DIR    starts the cluster in DIR again
#   pg-server.sh stop DIR     stops it, keeping the cluster
#   pg-server.sh destroy DIR  stops it and removes DIR
#
# PostgreSQL refuses to run as root: under root the server runs as nobody,
# and DIR (whose parent folder nobody must be able to enter) is handed to it.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 init|start|stop|destroy DIR" >&2
  exit 2
fi
command=$1
dir=$(realpath -m "$2")
# The server's user may not be able to enter the folder this was started in.
cd /
data=$dir/data
port=5432

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "$0: PostgreSQL's server is not installed (Debian package postgresql; scripts/install-deps.sh installs it)" >&2
  exit 1
fi

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
  else
    "$@"
  fi
}

stop() {
  if [ -f "$data/postmaster.pid" ]; then
    # Immediate: the data is thrown away anyway, and a stale server of a
    # killed run must not keep the socket.
    as_owner "$bindir/pg_ctl" -D "$data" -m "${1:-fast}" -w stop >/dev/null 2>&1 || true
  fi
}

start() {
  if ! as_owner "$bindir/pg_ctl" -D "$data" -l "$dir/server.log" -w -t 60 \
      -o "-k $dir -p $port -c listen_addresses= -c fsync=off -c max_connections=40" start >/dev/null; then
    echo "$0: the server in $dir did not start:" >&2
    cat "$dir/server.log" >&2 || true
    exit 1
  fi
}

case $command in
  init)
    stop immediate
    rm -rf "$dir"
    mkdir -p "$dir"
    chmod 700 "$dir"
    if [ "$(id -u)" -eq 0 ]; then
      chown nobody:nogroup "$dir"
    fi
    if ! as_owner "$bindir/initdb" -D "$data" -U oralis_test --auth=trust -E UTF8 --locale=C.UTF-8 --no-sync \
        >"$dir/initdb.log" 2>&1; then
      echo "$0: initdb failed:" >&2
      cat "$dir/initdb.log" >&2
      exit 1
    fi
    start
    echo "host=$dir port=$port user=oralis_test dbname=postgres"
    ;;
  start) start ;;
  stop) stop ;;
  destroy)
    stop immediate
    rm -rf "$dir"
    ;;
  *)
    echo "usage: $0 init|start|stop|destroy DIR" >&2
    exit 2
    ;;
esac
