# Sourced by the test and benchmark scripts: a private PostgreSQL cluster on 127.0.0.1, in a
# temporary folder, run as the postgres user (initdb and pg_ctl refuse root). It speaks TLS with a
# certificate of a throw-away district authority, and takes the office user over TLS alone, as a
# district's server would.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A certificate authority of its own in the folder: ca.crt, ca.key.
pg_test_make_authority() {  # folder, name
    openssl req -x509 -new -nodes -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -days 7 \
        -subj "/CN=$2" -keyout "$1/ca.key" -out "$1/ca.crt" 2>/dev/null
}

# The server's certificate for localhost and 127.0.0.1, signed by the district's authority; and
# another authority, which signed nothing of the server's.
pg_test_make_certificates() {  # folder
    local dir="$1"
    mkdir -p "$dir/district" "$dir/other"
    pg_test_make_authority "$dir/district" "Test district authority"
    pg_test_make_authority "$dir/other" "Another authority"
    openssl req -new -nodes -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -subj "/CN=localhost" \
        -keyout "$dir/server.key" -out "$dir/server.csr" 2>/dev/null
    printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\n' >"$dir/server.ext"
    openssl x509 -req -in "$dir/server.csr" -CA "$dir/district/ca.crt" -CAkey "$dir/district/ca.key" \
        -CAcreateserial -days 7 -extfile "$dir/server.ext" -out "$dir/server.crt" 2>/dev/null
    chmod 600 "$dir/server.key"
}

# What both the server and its standby run with.
pg_test_server_settings() {
    local tls="$PG_TEST_DIR/tls"
    echo "-c fsync=${PG_TEST_FSYNC:-off} -c ssl=on -c ssl_cert_file=$tls/server.crt -c ssl_key_file=$tls/server.key"
}

pg_test_server_start() {
    local bindir
    bindir="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)"
    PG_TEST_DIR="$(mktemp -d /tmp/cardovane-pg.XXXXXX)"
    chmod 755 "$PG_TEST_DIR"
    # Below the range the system hands out to outgoing connections, which could hold the port.
    export CARDOVANE_TEST_PGPORT="${CARDOVANE_TEST_PGPORT:-25432}"
    export CARDOVANE_TEST_PGUSER="office"
    export CARDOVANE_TEST_PGPASSWORD="office-secret"
    local me
    me="$(id -un)"
    local tls="$PG_TEST_DIR/tls"
    pg_test_make_certificates "$tls"
    chmod 755 "$tls" "$tls/district" "$tls/other"
    export CARDOVANE_TEST_PGCA="$tls/district/ca.crt"
    export CARDOVANE_TEST_PGOTHERCA="$tls/other/ca.crt"
    give_to_postgres "$PG_TEST_DIR"
    (
        cd "$PG_TEST_DIR"
        as_postgres "$bindir/initdb" -D "$PG_TEST_DIR/data" -U postgres --locale=C.UTF-8 \
            --encoding=UTF8 --auth-local=trust --auth-host=scram-sha-256 >/dev/null
        # The test user without a password connects by name alone; the office user only over TLS
        # with its password; everyone else needs a password.
        sed -i -e "1i host all $me 127.0.0.1/32 trust" \
            -e "1i host replication all 127.0.0.1/32 trust" \
            -e "1i hostnossl all $CARDOVANE_TEST_PGUSER 127.0.0.1/32 reject" \
            -e "1i hostssl all $CARDOVANE_TEST_PGUSER 127.0.0.1/32 scram-sha-256" \
            "$PG_TEST_DIR/data/pg_hba.conf"
        as_postgres "$bindir/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/log" -w -s \
            -o "-p $CARDOVANE_TEST_PGPORT -k $PG_TEST_DIR -c listen_addresses=127.0.0.1 $(pg_test_server_settings)" start
        as_postgres psql -q -h "$PG_TEST_DIR" -p "$CARDOVANE_TEST_PGPORT" -U postgres -d postgres <<SQL
create role "$me" login superuser;
create role $CARDOVANE_TEST_PGUSER login superuser password '$CARDOVANE_TEST_PGPASSWORD';
SQL
    )
    # The tests restart the server as a school's server may restart.
    export PG_TEST_DIR PG_TEST_BINDIR="$bindir"
}

pg_test_server_stop() {
    if [ -n "${PG_TEST_DIR:-}" ] && [ -d "$PG_TEST_DIR/standby" ]; then
        pg_test_standby_remove >/dev/null 2>&1 || true  # a run that ended midway
    fi
    if [ -n "${PG_TEST_DIR:-}" ] && [ -d "$PG_TEST_DIR/data" ]; then
        (cd "$PG_TEST_DIR" && as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m fast -w -s stop) || true
        rm -rf "$PG_TEST_DIR"
    fi
}

# PgBouncer in transaction mode in front of the test server, as a district runs it: each
# transaction gets any of a pool of server connections smaller than the clients, so that they
# really are shared. Clients may speak TLS to it (the server's own certificate) or not, as to
# the server; it speaks TLS to the server. Its port: CARDOVANE_TEST_POOLERPORT.
pg_test_pooler_start() {  # [pool size] [client limit]
    export CARDOVANE_TEST_POOLERPORT="${CARDOVANE_TEST_POOLERPORT:-$((CARDOVANE_TEST_PGPORT + 1))}"
    export PG_TEST_POOLER_POOL="${1:-2}" PG_TEST_POOLER_CLIENTS="${2:-200}"
    export PG_TEST_POOLER_DIR="$PG_TEST_DIR/pooler"
    pg_test_pooler_configure "$PG_TEST_POOLER_DIR" 127.0.0.1
    pg_test_pooler_run
}

# A pooler's settings in its folder: listening on the address at the pooler's port, in front of
# the server at that address.
pg_test_pooler_configure() {  # folder, address
    local dir="$1" address="$2" tls="$PG_TEST_DIR/tls" me
    me="$(id -un)"
    mkdir -p "$dir"
    printf '"%s" "%s"\n"%s" ""\n' "$CARDOVANE_TEST_PGUSER" "$CARDOVANE_TEST_PGPASSWORD" "$me" \
        >"$dir/users.txt"
    # As the server takes them: the office user over TLS with its password, the test user by name.
    cat >"$dir/hba.conf" <<HBA
hostnossl all $CARDOVANE_TEST_PGUSER 127.0.0.1/32 reject
hostssl all $CARDOVANE_TEST_PGUSER 127.0.0.1/32 scram-sha-256
host all all 127.0.0.1/32 trust
HBA
    cat >"$dir/pgbouncer.ini" <<INI
[databases]
* = host=$address port=$CARDOVANE_TEST_PGPORT
[pgbouncer]
listen_addr = $address
listen_port = $CARDOVANE_TEST_POOLERPORT
unix_socket_dir =
pool_mode = transaction
default_pool_size = $PG_TEST_POOLER_POOL
max_client_conn = $PG_TEST_POOLER_CLIENTS
max_db_connections = $PG_TEST_POOLER_POOL
auth_type = hba
auth_hba_file = $dir/hba.conf
auth_file = $dir/users.txt
client_tls_sslmode = allow
client_tls_cert_file = $tls/server.crt
client_tls_key_file = $tls/server.key
server_tls_sslmode = require
logfile = $dir/log
pidfile = $dir/pid
ignore_startup_parameters = extra_float_digits,options
INI
    give_to_postgres "$dir"
}

# Starts a configured pooler (the server's, unless another folder and address are given) and
# waits until it answers.
pg_test_pooler_run() {  # [folder] [address]
    local dir="${1:-$PG_TEST_POOLER_DIR}" address="${2:-127.0.0.1}"
    # A socket a client, and the login shell's limit of 1,024 open files would refuse the rest.
    as_postgres bash -c "ulimit -n $((PG_TEST_POOLER_CLIENTS + 100)) && exec pgbouncer -d -q '$dir/pgbouncer.ini'"
    local tries=0
    until psql -q -h "$address" -p "$CARDOVANE_TEST_POOLERPORT" -d postgres -c 'select 1' >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "pgbouncer did not start:" >&2
            cat "$dir/log" >&2 || true
            return 1
        fi
        sleep 0.1
    done
}

# The pooler stopped at once, every client's connection with it, and started again, as a
# district restarts it for an upgrade or a changed setting.
pg_test_pooler_restart() {
    pg_test_pooler_stop_now
    pg_test_pooler_run
}

# A pooler gone (the server's, unless another folder is given), every client's connection with
# it, until pg_test_pooler_run.
pg_test_pooler_stop_now() {  # [folder]
    local pid
    pid="$(cat "${1:-$PG_TEST_POOLER_DIR}/pid")"
    kill -TERM "$pid"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}

# The server restarted at once, every connection to it lost.
pg_test_server_restart() {
    as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m fast -w -s restart >/dev/null
}

pg_test_pooler_stop() {
    if [ -n "${PG_TEST_POOLER_DIR:-}" ] && [ -f "$PG_TEST_POOLER_DIR/pid" ]; then
        kill "$(cat "$PG_TEST_POOLER_DIR/pid")" 2>/dev/null || true
    fi
}

# A standby of the test server, as a district runs a second server: a copy streaming from it
# (pg_basebackup -R), on 127.0.0.2 at the same port; and where the server has its pooler, a pooler
# in front of the standby on 127.0.0.2 at the pooler's port, as a district runs one on each
# server, so that an alias naming both addresses reaches either. The failover tests fail the
# server over to it, and afterwards remove it and start the server again.
pg_test_standby_start() {
    local standby="$PG_TEST_DIR/standby"
    mkdir -p "$standby"
    give_to_postgres "$standby"
    as_postgres "$PG_TEST_BINDIR/pg_basebackup" -h 127.0.0.1 -p "$CARDOVANE_TEST_PGPORT" \
        -U postgres -D "$standby/data" -R -X stream -c fast
    as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$standby/data" -l "$standby/log" -w -s \
        -o "-p $CARDOVANE_TEST_PGPORT -k $standby -c listen_addresses=127.0.0.2 $(pg_test_server_settings)" start
    if [ -n "${PG_TEST_POOLER_DIR:-}" ]; then
        pg_test_pooler_configure "$standby/pooler" 127.0.0.2
        pg_test_pooler_run "$standby/pooler" 127.0.0.2
    fi
}

# The primary's machine lost: its pooler and server stop (a clean stop, which hands the standby
# every change first), and the standby is promoted. Its pooler starts again, as a district's
# failover restarts it: it would otherwise go on telling clients the read-only state it saw
# when it first connected.
pg_test_failover() {
    if pg_test_pooler_running "$PG_TEST_POOLER_DIR"; then
        pg_test_pooler_stop_now
    fi
    pg_test_server_stop_only
    pg_test_standby_promote
    if pg_test_pooler_running "$PG_TEST_DIR/standby/pooler"; then
        pg_test_pooler_stop_now "$PG_TEST_DIR/standby/pooler"
        pg_test_pooler_run "$PG_TEST_DIR/standby/pooler" 127.0.0.2
    fi
}

pg_test_pooler_running() {  # folder
    [ -n "$1" ] && [ -f "$1/pid" ] && kill -0 "$(cat "$1/pid")" 2>/dev/null
}

pg_test_server_stop_only() {
    as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m fast -w -s stop
}

pg_test_standby_promote() {
    as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/standby/data" -w -s promote
}

# The standby and its pooler gone; the server and its pooler running again.
pg_test_standby_remove() {
    if pg_test_pooler_running "$PG_TEST_DIR/standby/pooler"; then
        pg_test_pooler_stop_now "$PG_TEST_DIR/standby/pooler"
    fi
    if [ -d "$PG_TEST_DIR/standby/data" ]; then
        as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/standby/data" -m fast -w -s stop || true
    fi
    rm -rf "$PG_TEST_DIR/standby"
    if ! as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" status >/dev/null 2>&1; then
        as_postgres "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/log" -w -s \
            -o "-p $CARDOVANE_TEST_PGPORT -k $PG_TEST_DIR -c listen_addresses=127.0.0.1 $(pg_test_server_settings)" start
    fi
    if [ -n "${PG_TEST_POOLER_DIR:-}" ] && ! pg_test_pooler_running "$PG_TEST_POOLER_DIR"; then
        pg_test_pooler_run
    fi
}
