#!/usr/bin/env bash
# Uploads one 50 MB picture to pyftpdlib on 127.0.0.1, once with
# tarvin-cli publish and once with curl in active mode, and prints both times.
# Run by hand: bench/publish_bench.sh [path/to/tarvin-cli]
set -euo pipefail

cli=${1:-$(dirname "$0")/../build/bin/tarvin-cli}
cli=$(realpath "$cli")
size_mb=50
work=$(mktemp -d)
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

program="$work/program"
root="$work/root"
mkdir -p "$program/TarvinFiles" "$program/Upload/images" "$root/tarvin" "$root/curl"
head -c $((size_mb * 1024 * 1024)) /dev/urandom > "$program/Upload/images/big.jpg"

# A page whose only picture is the big file, and no published HTML copy.
"$cli" new "$program/TarvinFiles/bench.tvd"
"$cli" export "$program/TarvinFiles/bench.tvd" > "$work/page.json"
/usr/bin/python3 - "$work/page.json" <<'PY'
import json, sys
path = sys.argv[1]
page = json.load(open(path))
for item in page["properties"]["Page"]:
    if item["BlockType"] == "btImage":
        item["ImageBlock"]["FileName"] = "big.jpg"
json.dump(page, open(path, "w"))
PY
"$cli" import "$work/page.json" "$program/TarvinFiles/bench.tvd"

port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export BENCH_FTP_PASSWORD=bench
/usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -d "$root" -u bench -P "$BENCH_FTP_PASSWORD" -w \
    > "$work/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
done

milliseconds() { echo $(( $(date +%s%N) / 1000000 )); }

start=$(milliseconds)
"$cli" publish "$program/TarvinFiles/bench.tvd" --program-folder "$program" --host 127.0.0.1 --port "$port" \
    --user bench --password-env BENCH_FTP_PASSWORD --dir tarvin --timeout 600 2> "$work/cli.log"
tarvin_ms=$(( $(milliseconds) - start ))

printf 'machine 127.0.0.1 login bench password %s\n' "$BENCH_FTP_PASSWORD" > "$work/netrc"
start=$(milliseconds)
curl -s -S --netrc-file "$work/netrc" -P 127.0.0.1 -T "$program/Upload/images/big.jpg" \
    "ftp://127.0.0.1:$port/curl/big.jpg"
curl_ms=$(( $(milliseconds) - start ))

cmp "$program/Upload/images/big.jpg" "$root/tarvin/big.jpg"
cmp "$program/Upload/images/big.jpg" "$root/curl/big.jpg"
printf 'upload of %d MB to pyftpdlib on 127.0.0.1 (both copies checked byte for byte)\n' "$size_mb"
printf '  tarvin-cli publish: %d ms\n' "$tarvin_ms"
printf '  curl -P 127.0.0.1:  %d ms\n' "$curl_ms"
/usr/bin/python3 -c "import sys; print('  ratio tarvin/curl:  %.2f' % (int(sys.argv[1]) / max(int(sys.argv[2]), 1)))" "$tarvin_ms" "$curl_ms"
