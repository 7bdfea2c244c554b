#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests and the benchmark: made in a folder of its own,
# listening only on a Unix socket in that folder (no TCP port at all), run as an unprivileged
# user, and gone with the folder.
#
# Usage: scripts/test-server.sh start DIR [--tcp PORT]
#                                             make (if needed) and start the server in DIR; with
#                                             --tcp it also listens on 127.0.0.1:PORT and holds a
#                                             self-signed certificate for "localhost" (server.crt in
#                                             its data folder), SSL off until a test turns it on
#        scripts/test-server.sh stop DIR [MODE] stop it (MODE: fast, the default, or immediate)
#        scripts/test-server.sh env DIR         print the variables that point the tests at it
#
# Clients reach it with host=DIR, user=postgres. The superuser is "postgres"; local
# connections are trusted, which is safe because only the folder's owner and root can reach the
# socket. Members of the role rollvane_password_login (which the tests make when they need it)
# must give their password, so that a missing one can be tried.
set -euo pipefail

command=${1:-}
dir=${2:-}
port=
if [[ ${3:-} == --tcp ]]; then
    port=${4:-}
fi
if [[ -z $command || -z $dir ]]; then
    echo "usage: $0 start|stop|env DIR [fast|immediate]" >&2
    exit 2
fi

bindir=${ROLLVANE_PG_BINDIR:-}
if [[ -z $bindir ]]; then
    bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
fi
if [[ ! -x $bindir/pg_ctl ]]; then
    echo "PostgreSQL's server programs were not found (install the postgresql package)." >&2
    exit 1
fi

# The server refuses to run as root; as root it runs as the postgres user Debian's package
# makes (or one made here).
as_server() {
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u "$server_user" -- "$@"
    else
        "$@"
    fi
}
server_user=$(id -un)
if [[ $(id -u) -eq 0 ]]; then
    server_user=postgres
    if ! id "$server_user" >/dev/null 2>&1; then
        useradd --system --home-dir /nonexistent --shell /usr/sbin/nologin "$server_user"
    fi
fi

data=$dir/data
log=$dir/server.log

case $command in
start)
    mkdir -p "$dir"
    if [[ $(id -u) -eq 0 ]]; then
        chown "$server_user" "$dir"
    fi
    chmod 700 "$dir"
    if [[ ! -f $data/PG_VERSION ]]; then
        as_server "$bindir/initdb" --pgdata="$data" --username=postgres --auth=trust --encoding=UTF8 --no-sync \
            --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 || {
            cat "$dir/initdb.log" >&2
            exit 1
        }
        # No TCP at all; the socket lives in the folder. fsync is off because a throwaway
        # server needs no protection from power cuts, but every commit still reaches the
        # operating system before it is reported (synchronous_commit stays on), so stopping
        # the server with "immediate" loses nothing that was reported saved.
        cat >>"$data/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$dir'
unix_socket_permissions = 0700
fsync = off
full_page_writes = off
shared_preload_libraries = 'pg_stat_statements'
pg_stat_statements.track = all
pg_stat_statements.track_utility = on
max_connections = 100
log_min_messages = warning
EOF
        hba=$(cat "$data/pg_hba.conf")
        {
            echo "local all +rollvane_password_login scram-sha-256"
            echo "host all +rollvane_password_login 127.0.0.1/32 scram-sha-256"
            echo "$hba"
        } >"$data/pg_hba.conf"
        if [[ -n $port ]]; then
            cat >>"$data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
port = $port
EOF
            as_server openssl req -new -x509 -days 2 -nodes -subj "/CN=localhost" \
                -out "$data/server.crt" -keyout "$data/server.key" >/dev/null 2>&1
            chmod 600 "$data/server.key"
        fi
    fi
    as_server "$bindir/pg_ctl" --pgdata="$data" --log="$log" --wait --timeout=60 start >/dev/null || {
        cat "$log" >&2
        exit 1
    }
    ;;
stop)
    mode=${3:-fast}
    if [[ -f $data/postmaster.pid ]]; then
        as_server "$bindir/pg_ctl" --pgdata="$data" --mode="$mode" --wait --timeout=60 stop >/dev/null
    fi
    ;;
env)
    echo "ROLLVANE_TEST_PGHOST=$dir"
    echo "ROLLVANE_TEST_PGUSER=postgres"
    echo "ROLLVANE_TEST_PGBINDIR=$bindir"
    ;;
*)
    echo "usage: $0 start|stop|env DIR [fast|immediate]" >&2
    exit 2
    ;;
esac
