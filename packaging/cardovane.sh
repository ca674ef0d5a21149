#!/bin/sh
# Starts Cardovane Attendance from the desktop. On a first start (no alias DVK yet) it defines
# DVK on the embedded database in the user's data folder, as the run script does; it then runs
# the program from that folder, which is the user's own, so that kq.cfg is written there.
here="$(dirname "$(readlink -f "$0")")"
data="${XDG_DATA_HOME:-$HOME/.local/share}/cardovane"
aliases="${XDG_CONFIG_HOME:-$HOME/.config}/cardovane/aliases.conf"
# The data folder holds the student database: the user's alone.
(umask 077 && mkdir -p "$data")
if ! grep -qi '^\[DVK\]' "$aliases" 2>/dev/null; then
    # A failure here is shown by the program itself, which then finds no alias.
    "$here/cardovane-dbadmin" setup-sqlite DVK >/dev/null
fi
cd "$data" || exit 1
exec "${here%/bin}/lib/cardovane/Cardovane"
