# Sourced by the project's scripts: what they share. Each names itself in what it reports by
# setting script_name before sourcing this (the file's name otherwise).
script_name="${script_name:-$(basename "$0" .sh)}"

# Runs the command quietly; a failure shows what it printed (Ninja prints the compiler's words
# on standard output) and names the command.
quietly() {  # command...
    local output
    output="$("$@" 2>&1)" || {
        printf '%s\n' "$output" >&2
        echo "$script_name: failed: $*" >&2
        exit 1
    }
}

# A check that says which one failed: the description, then the command that must succeed.
check() {  # description, command...
    local what="$1"
    shift
    "$@" || {
        echo "$script_name: check failed: $what" >&2
        echo "$script_name:   the command: $*" >&2
        exit 1
    }
}

# As the postgres user when the script runs as root (initdb and pg_ctl refuse root), as itself
# otherwise; and the files such a command writes given to that user.
as_postgres() {  # command...
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
give_to_postgres() {  # path...
    if [ "$(id -u)" -eq 0 ]; then chown -R postgres "$@"; fi
}
