# Sourced by the test and benchmark scripts: a private PostgreSQL cluster on 127.0.0.1, in a
# temporary folder, run as the postgres user (initdb and pg_ctl refuse root).
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
    local as_pg=()
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres "$PG_TEST_DIR"
        as_pg=(runuser -u postgres --)
    fi
    (
        cd "$PG_TEST_DIR"
        "${as_pg[@]}" "$bindir/initdb" -D "$PG_TEST_DIR/data" -U postgres --locale=C.UTF-8 \
            --encoding=UTF8 --auth-local=trust --auth-host=scram-sha-256 >/dev/null
        # The test user without a password connects by name alone; everyone else needs one.
        sed -i "1i host all $me 127.0.0.1/32 trust" "$PG_TEST_DIR/data/pg_hba.conf"
        "${as_pg[@]}" "$bindir/pg_ctl" -D "$PG_TEST_DIR/data" -l "$PG_TEST_DIR/log" -w -s \
            -o "-p $CARDOVANE_TEST_PGPORT -k $PG_TEST_DIR -c listen_addresses=127.0.0.1 -c fsync=${PG_TEST_FSYNC:-off}" start
        "${as_pg[@]}" psql -q -h "$PG_TEST_DIR" -p "$CARDOVANE_TEST_PGPORT" -U postgres -d postgres <<SQL
create role "$me" login superuser;
create role $CARDOVANE_TEST_PGUSER login superuser password '$CARDOVANE_TEST_PGPASSWORD';
SQL
    )
    # The tests restart the server as a school's server may restart.
    export PG_TEST_DIR PG_TEST_BINDIR="$bindir"
}

pg_test_server_stop() {
    if [ -n "${PG_TEST_DIR:-}" ] && [ -d "$PG_TEST_DIR/data" ]; then
        local as_pg=()
        [ "$(id -u)" -eq 0 ] && as_pg=(runuser -u postgres --)
        (cd "$PG_TEST_DIR" && "${as_pg[@]}" "$PG_TEST_BINDIR/pg_ctl" -D "$PG_TEST_DIR/data" -m fast -w -s stop) || true
        rm -rf "$PG_TEST_DIR"
    fi
}
