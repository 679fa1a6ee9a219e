#!/usr/bin/env bash
# Start-up time, side by side: from process start to the main window on
# screen, for an empty maximized Qt window and for the program (run from the
# build's portable program folder and installed into a temporary prefix),
# under Xvfb, with the splash wait skipped. Rounds alternate the three so
# the machine's load falls on all alike.
# Run by hand:
#   cmake --build build --target startup_bench && bench/startup_bench.sh [build] [rounds]
# Without a window manager a maximized window keeps its own size (the bare
# window stays 200x100, the program's 630x536). BENCH_WINDOW_MANAGER=openbox
# runs one on the display, so that both really fill the screen.
set -euo pipefail

build=$(realpath "${1:-$(dirname "$0")/../build}")
rounds=${2:-30}
work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, on the first free number.
exec 5> "$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb TARVIN_NO_SPLASH_WAIT=1 XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
if [ -n "${BENCH_WINDOW_MANAGER:-}" ]; then
    $BENCH_WINDOW_MANAGER > "$work/wm.log" 2>&1 &
    wm_pid=$!
    sleep 1
fi

# The installed program, with the probe built into its entry.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr > /dev/null
cp "$build/bin/startup_bench_tarvin" "$work/stage/usr/bin/"

# Each program with its own fresh user folders; one untimed start each
# makes the settings, the working folder and the desktop files.
run() {  # run NAME PROGRAM: prints milliseconds to the first painted main window
    local home="$work/home-$1"
    mkdir -p "$home"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        BENCH_T0_NS=$(date +%s%N) "$2"
}
programs=(bare "$build/bin/startup_bench_bare"
          portable "$build/bin/startup_bench_tarvin"
          installed "$work/stage/usr/bin/startup_bench_tarvin")
for ((i = 0; i < ${#programs[@]}; i += 2)); do
    run "${programs[i]}" "${programs[i + 1]}" > /dev/null
done
for ((round = 0; round < rounds; round++)); do
    for ((i = 0; i < ${#programs[@]}; i += 2)); do
        run "${programs[i]}" "${programs[i + 1]}" >> "$work/${programs[i]}.ms"
    done
done

/usr/bin/python3 - "$work" "$rounds" <<'PY'
import statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])
names = ("bare", "portable", "installed")
runs = {name: [tuple(map(float, line.split())) for line in open(f"{work}/{name}.ms")] for name in names}
print(f"process start to the main window on screen, {rounds} rounds under Xvfb, in ms")
print(f"{'':10} {'wall: min':>10} {'median':>7} {'max':>7} {'/bare':>6} {'paired':>6}   "
      f"{'cpu: min':>9} {'median':>7} {'/bare':>6}   window")
bare = [statistics.median(column) for column in zip(*runs["bare"])]
for name in names:
    wall, cpu, width, height = (sorted(column) for column in zip(*runs[name]))
    # Each round's own ratio: the machine's load drifts less within a round
    # than over the whole run.
    paired = statistics.median(mine[0] / yardstick[0] for mine, yardstick in zip(runs[name], runs["bare"]))
    print(f"{name:10} {wall[0]:10.1f} {statistics.median(wall):7.1f} {wall[-1]:7.1f} "
          f"{statistics.median(wall) / bare[0]:6.2f} {paired:6.2f}   {cpu[0]:9.1f} {statistics.median(cpu):7.1f} "
          f"{statistics.median(cpu) / bare[1]:6.2f}   {width[-1]:.0f}x{height[-1]:.0f}")
PY
