#!/usr/bin/env bash
# Exports a 1 MB page document of 500,000 empty items to JSON and imports it
# again with tarvin-cli, and prints each command's time and peak memory next
# to the larger of its input and output (the goal: under 3 times).
# Run by hand: bench/json_bench.sh [path/to/tarvin-cli]
set -euo pipefail

cli=$(realpath "${1:-$(dirname "$0")/../build/bin/tarvin-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$cli" "$work" <<'PY'
import os, resource, subprocess, sys, time
cli, work = sys.argv[1], sys.argv[2]
items = 500000
with open(f"{work}/empty.tvd", "wb") as f:
    f.write(b"TPF0\x0aTPagelette\x00\x04Page\x0e" + b"\x01\x00" * items + b"\x00\x00\x00")

def run(name, args, source, target, stdout=None):
    start = time.monotonic()
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run([cli] + args, check=True, stdout=stdout)
    seconds = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = after.ru_utime + after.ru_stime - used.ru_utime - used.ru_stime
    before, peak = used.ru_maxrss, after.ru_maxrss * 1024
    if peak <= before * 1024:
        print(f"{name}: peak memory hidden by an earlier, larger run")
    larger = max(os.path.getsize(source), os.path.getsize(target))
    print(f"{name}: {seconds:.1f} s ({cpu:.1f} s of CPU), in {os.path.getsize(source) / 1e6:.1f} MB, out {os.path.getsize(target) / 1e6:.1f} MB,"
          f" peak memory {peak / 1e6:.0f} MB = {peak / larger:.2f} x the larger")

with open(f"{work}/empty.json", "wb") as out:
    run("export", ["export", f"{work}/empty.tvd"], f"{work}/empty.tvd", f"{work}/empty.json", out)
run("import", ["import", f"{work}/empty.json", f"{work}/again.tvd"], f"{work}/empty.json", f"{work}/again.tvd")
PY
