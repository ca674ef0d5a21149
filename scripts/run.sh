#!/usr/bin/env bash
# Installs what is missing, builds, sets up the embedded student database and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/run" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDOVANE_TESTS=OFF >/dev/null
cmake --build "$root/build/run" --target Cardovane cardovane-dbadmin

# Defines the DVK alias on a SQLite file under the user's data folder and creates StudentList;
# does nothing to an alias or table that already exists.
"$root/build/run/dbadmin/cardovane-dbadmin" setup-sqlite DVK

cd "$root/build/run/app"
exec ./Cardovane
