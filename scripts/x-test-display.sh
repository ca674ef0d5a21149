# Sourced by the test script: an X display of its own (Xvfb) with the openbox window manager, so
# that windows are activated and focused as on a desktop.
x_test_display_start() {
    local n
    for n in $(seq 57 90); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    X_TEST_XVFB=$!
    export DISPLAY=":$n"
    local up=""
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && up=1 && break
        sleep 0.05
    done
    [ -n "$up" ] || { echo "x-test-display: Xvfb on $DISPLAY did not start within 5 s" >&2; return 1; }
    openbox >/dev/null 2>&1 &
    X_TEST_WM=$!
    # The window manager is up once it owns the screen's selection.
    up=""
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep "window id" >/dev/null && up=1 && break
        sleep 0.05
    done
    [ -n "$up" ] || { echo "x-test-display: openbox on $DISPLAY did not start within 5 s" >&2; return 1; }
}

x_test_display_stop() {
    [ -n "${X_TEST_WM:-}" ] && kill "$X_TEST_WM" 2>/dev/null || true
    [ -n "${X_TEST_XVFB:-}" ] && kill "$X_TEST_XVFB" 2>/dev/null || true
}
