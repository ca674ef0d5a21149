# Sourced by the test script: an X display of its own (Xvfb) with the openbox window manager, so
# that windows are activated and focused as on a desktop.
x_test_display_start() {
    local n up
    # The first display nobody holds; one taken meanwhile by another program is passed by, as
    # Xvfb then ends at once.
    for n in $(seq 57 99); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        X_TEST_XVFB=$!
        up=""
        for _ in $(seq 100); do
            kill -0 "$X_TEST_XVFB" 2>/dev/null || break
            DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && up=1 && break
            sleep 0.05
        done
        [ -n "$up" ] && break
        kill "$X_TEST_XVFB" 2>/dev/null || true
        X_TEST_XVFB=""
    done
    [ -n "$up" ] || { echo "x-test-display: no free display among :57 to :99 took Xvfb within 5 s" >&2; return 1; }
    export DISPLAY=":$n"
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
