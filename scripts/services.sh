# Private services for tests: a session bus, a virtual display with a window
# manager and a sound server with a null sink. Each is stopped by its pid on exit.
# shellcheck shell=bash

KIRVANO_SERVICE_PIDS=()
KIRVANO_SERVICE_DIR=""

stop_services() {
    local pid
    for pid in "${KIRVANO_SERVICE_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${KIRVANO_SERVICE_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    KIRVANO_SERVICE_PIDS=()
    [ -n "$KIRVANO_SERVICE_DIR" ] && rm -rf "$KIRVANO_SERVICE_DIR"
    KIRVANO_SERVICE_DIR=""
}

# Makes the services' private folder once, in KIRVANO_SERVICE_DIR. Not to be
# called in $(...): the folder would be made anew and never removed.
make_service_dir() {
    if [ -z "$KIRVANO_SERVICE_DIR" ]; then
        KIRVANO_SERVICE_DIR="$(mktemp -d /tmp/kirvano-services.XXXXXX)"
        chmod 700 "$KIRVANO_SERVICE_DIR"
    fi
}

# wait_for TEST ARG: polls `test TEST ARG` for up to five seconds.
wait_for() {
    local i
    for i in $(seq 1 100); do
        test "$1" "$2" && return 0
        sleep 0.05
    done
    return 1
}

# Starts a private session bus and exports DBUS_SESSION_BUS_ADDRESS. Without
# one, any D-Bus client that sees DISPLAY autolaunches a bus through X11
# (dbus-x11) that outlives the tests, and every process on the display shares
# it. The bus starts no services of its own: nothing runs beyond our pids.
start_bus() {
    command -v dbus-daemon >/dev/null || return 0
    make_service_dir
    local dir="$KIRVANO_SERVICE_DIR"
    cat >"$dir/bus.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$dir/bus</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    dbus-daemon --config-file="$dir/bus.conf" --nofork --nopidfile >"$dir/bus.log" 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    if wait_for -S "$dir/bus"; then
        export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus"
    else
        echo "dbus-daemon did not come up: $(cat "$dir/bus.log")" >&2
    fi
}

# Starts Xvfb on a free display number with openbox, and exports DISPLAY.
# Everything on it gets the private session bus.
start_display() {
    start_bus
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    wait_for -e "/tmp/.X11-unix/X$n" || echo "Xvfb :$n did not come up" >&2
    export DISPLAY=":$n"
    if command -v openbox >/dev/null; then
        openbox --sm-disable >/dev/null 2>&1 &
        KIRVANO_SERVICE_PIDS+=($!)
    fi
}

# Starts GNOME's compositor headless on the private session bus, with a
# private runtime folder, for the Wayland test; exports
# KIRVANO_WAYLAND_DISPLAY and KIRVANO_WAYLAND_RUNTIME_DIR for it only (the
# other tests keep their platforms).
start_wayland() {
    command -v mutter >/dev/null || return 0
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || start_bus
    make_service_dir
    local dir="$KIRVANO_SERVICE_DIR/wayland"
    mkdir -p "$dir"
    chmod 700 "$dir"
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$dir" \
        mutter --headless --wayland --no-x11 --wayland-display=kirvano-wayland --virtual-monitor 1280x800 \
        >"$dir/log" 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    if wait_for -S "$dir/kirvano-wayland"; then
        export KIRVANO_WAYLAND_DISPLAY=kirvano-wayland KIRVANO_WAYLAND_RUNTIME_DIR="$dir"
    else
        echo "mutter did not come up: $(cat "$dir/log")" >&2
    fi
}

# Starts a private PulseAudio with a null sink "test_sink" and exports PULSE_SERVER.
# It gets no session bus and no DISPLAY to autolaunch one: a PulseAudio on a
# bus claims the name org.PulseAudio1, and the one a sound test starts for
# itself then finds it taken and exits. PulseAudio needs no bus.
start_sound() {
    command -v pulseaudio >/dev/null || return 0
    make_service_dir
    local dir="$KIRVANO_SERVICE_DIR/pulse"
    mkdir -p "$dir"
    chmod 700 "$dir"
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
        HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir" PULSE_STATE_PATH="$dir" \
        pulseaudio -n --daemonize=no --system=false --use-pid-file=no --exit-idle-time=-1 \
        --disallow-exit --realtime=no --high-priority=no --no-cpu-limit \
        -L "module-null-sink sink_name=test_sink rate=48000 channels=2 norewinds=1" \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/log" 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    wait_for -S "$dir/native" || echo "PulseAudio did not come up: $(cat "$dir/log")" >&2
    export PULSE_SERVER="unix:$dir/native"
}

# Starts a private PipeWire with a null sink "test_sink" made by the daemon
# itself (it stays when the pulse server restarts) and WirePlumber without
# device monitors, on the private session bus, and exports
# KIRVANO_TEST_PIPEWIRE_RUNTIME: the sound tests then run PipeWire's pulse
# server on it instead of PulseAudio.
start_pipewire() {
    make_service_dir
    local dir="$KIRVANO_SERVICE_DIR/pipewire" i
    mkdir -p "$dir/runtime" "$dir/state" "$dir/config/pipewire/pipewire.conf.d" \
        "$dir/config/wireplumber/main.lua.d" "$dir/config/wireplumber/bluetooth.lua.d"
    chmod 700 "$dir/runtime"
    printf '%s\n' 'context.objects = [' \
        '    { factory = adapter args = { factory.name = support.null-audio-sink node.name = test_sink' \
        '        media.class = Audio/Sink audio.position = [ FL FR ] audio.rate = 48000 } }' \
        ']' >"$dir/config/pipewire/pipewire.conf.d/90-test-sink.conf"
    # WirePlumber's own 90-enable-all.lua files, without the device monitors.
    grep -v -E '^(alsa|v4l2|libcamera)_monitor.enable' /usr/share/wireplumber/main.lua.d/90-enable-all.lua \
        >"$dir/config/wireplumber/main.lua.d/90-enable-all.lua"
    : >"$dir/config/wireplumber/bluetooth.lua.d/90-enable-all.lua"
    # WirePlumber ends without a session bus.
    start_bus
    local run=(env -u DISPLAY -u PULSE_SERVER -u PULSE_RUNTIME_PATH -u PULSE_STATE_PATH
        HOME="$dir" XDG_RUNTIME_DIR="$dir/runtime" PIPEWIRE_RUNTIME_DIR="$dir/runtime"
        XDG_CONFIG_HOME="$dir/config" XDG_STATE_HOME="$dir/state")
    "${run[@]}" pipewire >"$dir/pipewire.log" 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    wait_for -S "$dir/runtime/pipewire-0" || echo "PipeWire did not come up: $(cat "$dir/pipewire.log")" >&2
    "${run[@]}" wireplumber >"$dir/wireplumber.log" 2>&1 &
    KIRVANO_SERVICE_PIDS+=($!)
    # Ready when WirePlumber has made the sink the default.
    for i in $(seq 1 100); do
        "${run[@]}" pw-metadata -n default 0 default.audio.sink 2>/dev/null | grep -q test_sink && break
        sleep 0.05
    done
    "${run[@]}" pw-metadata -n default 0 default.audio.sink 2>/dev/null | grep -q test_sink \
        || echo "WirePlumber did not choose test_sink: $(cat "$dir/wireplumber.log")" >&2
    export KIRVANO_TEST_PIPEWIRE_RUNTIME="$dir/runtime"
}
