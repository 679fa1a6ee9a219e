#!/usr/bin/env bash
# Uploads one 50 MB picture to FTP servers on 127.0.0.1, with tarvin-cli
# publish and with curl -T, in active and in passive mode, and prints the
# times and the ratio tarvin/curl for each mode. The servers: pyftpdlib, and
# vsftpd when it is installed, in clear text and over TLS (the benchmark
# starts its own copies on free ports; the tests do not need it). curl 7.88
# and pyftpdlib do not agree over TLS (curl opens the data connection's TLS
# before STOR, which pyftpdlib drops), so TLS is timed against vsftpd only.
# Run by hand:
#   bench/publish_bench.sh [path/to/tarvin-cli] [runs, default 3]
set -euo pipefail

cli=${1:-$(dirname "$0")/../build/bin/tarvin-cli}
cli=$(realpath "$cli")
runs=${2:-3}
size_mb=50
work=$(mktemp -d)
server_pid=
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
        server_pid=
    fi
}
cleanup() {
    stop_server
    rm -rf "$work"
}
trap cleanup EXIT

program="$work/program"
mkdir -p "$program/TarvinFiles" "$program/Upload/images"
picture="$program/Upload/images/big.jpg"
head -c $((size_mb * 1024 * 1024)) /dev/urandom > "$picture"

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

free_port() { /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
wait_for_port() {
    for _ in $(seq 50); do
        (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return 0
        sleep 0.1
    done
    echo "no server on port $1" >&2
    return 1
}
milliseconds() { echo $(( $(date +%s%N) / 1000000 )); }

# bench_server NAME PORT USER ROOT [tls]: ROOT holds writable, empty folders
# named tarvin-active-N, curl-active-N, tarvin-passive-N and curl-passive-N per
# run. With tls both clients use FTP over TLS and trust $work/cert.pem.
bench_server() {
    local name=$1 port=$2 user=$3 root=$4 tls=${5:-}
    local tarvin_tls=() curl_tls=() modes=(active passive)
    if [ -n "$tls" ]; then
        tarvin_tls=(--tls --ca-file "$work/cert.pem")
        curl_tls=(--ssl-reqd --cacert "$work/cert.pem")
        name="$name over TLS"
        modes=(passive)  # curl 7.88's active mode over TLS fails here (inet_ntop, errno 97)
    fi
    printf 'machine 127.0.0.1 login %s password %s\n' "$user" "$BENCH_FTP_PASSWORD" > "$work/netrc"
    printf 'upload of %d MB to %s on 127.0.0.1, %d runs (every copy checked byte for byte)\n' "$size_mb" "$name" "$runs"
    for mode in "${modes[@]}"; do
        local curl_mode=(-P 127.0.0.1)
        [ "$mode" = passive ] && curl_mode=(--ftp-pasv)
        local ratios=() times=()
        for run in $(seq "$runs"); do
            local start tarvin_ms curl_ms
            start=$(milliseconds)
            "$cli" publish "$program/TarvinFiles/bench.tvd" --program-folder "$program" --host 127.0.0.1 \
                --port "$port" --user "$user" --password-env BENCH_FTP_PASSWORD --dir "tarvin-$mode-$run" \
                "--$mode" "${tarvin_tls[@]}" > "$work/cli.log" 2>&1 || { cat "$work/cli.log" >&2; return 1; }
            tarvin_ms=$(( $(milliseconds) - start ))
            start=$(milliseconds)
            curl -s -S --netrc-file "$work/netrc" "${curl_mode[@]}" "${curl_tls[@]}" -T "$picture" \
                "ftp://127.0.0.1:$port/curl-$mode-$run/big.jpg"
            curl_ms=$(( $(milliseconds) - start ))
            cmp "$picture" "$root/tarvin-$mode-$run/big.jpg"
            cmp "$picture" "$root/curl-$mode-$run/big.jpg"
            rm -f "$root/tarvin-$mode-$run/big.jpg" "$root/curl-$mode-$run/big.jpg"
            times+=("$tarvin_ms/$curl_ms")
            ratios+=("$(/usr/bin/python3 -c "import sys; print('%.2f' % (int(sys.argv[1]) / max(int(sys.argv[2]), 1)))" \
                "$tarvin_ms" "$curl_ms")")
        done
        printf '  %-7s tarvin/curl ms: %s\n' "$mode" "${times[*]}"
        printf '  %-7s ratio tarvin/curl: %s' "$mode" "${ratios[*]}"
        # The machine may be shared: the ratio of the medians is the figure to quote.
        /usr/bin/python3 -c '
import statistics, sys
pairs = [tuple(map(int, t.split("/"))) for t in sys.argv[1:]]
print("  (ratio of medians %.2f)" % (statistics.median(p[0] for p in pairs) / max(statistics.median(p[1] for p in pairs), 1)))
' "${times[@]}"
    done
}

make_folders() {
    local root=$1 owner=${2:-}
    for mode in active passive; do
        for run in $(seq "$runs"); do
            mkdir -p "$root/tarvin-$mode-$run" "$root/curl-$mode-$run"
            if [ -n "$owner" ]; then chown "$owner" "$root/tarvin-$mode-$run" "$root/curl-$mode-$run"; fi
        done
    done
}

export BENCH_FTP_PASSWORD=bench

# A self-signed certificate for 127.0.0.1 (Debian's python3-cryptography), with its key.
/usr/bin/python3 - "$work/cert.pem" <<'PY'
import datetime, sys
from ipaddress import ip_address
from cryptography import x509
from cryptography.x509.oid import NameOID
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
key = ec.generate_private_key(ec.SECP256R1())
name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "127.0.0.1")])
now = datetime.datetime.utcnow()
cert = (x509.CertificateBuilder().subject_name(name).issuer_name(name).public_key(key.public_key())
        .serial_number(x509.random_serial_number()).not_valid_before(now - datetime.timedelta(days=1))
        .not_valid_after(now + datetime.timedelta(days=1))
        .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
        .add_extension(x509.SubjectAlternativeName([x509.IPAddress(ip_address("127.0.0.1"))]), critical=False)
        .sign(key, hashes.SHA256()))
open(sys.argv[1], "wb").write(cert.public_bytes(serialization.Encoding.PEM) + key.private_bytes(
    serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8, serialization.NoEncryption()))
PY

# pyftpdlib
root="$work/pyftpdlib"
make_folders "$root"
port=$(free_port)
/usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -d "$root" -u bench -P "$BENCH_FTP_PASSWORD" -w \
    > "$work/pyftpdlib.log" 2>&1 &
server_pid=$!
wait_for_port "$port"
bench_server pyftpdlib "$port" bench "$root"
stop_server


# vsftpd, anonymous uploads into folders owned by its "ftp" user
if [ -x /usr/sbin/vsftpd ] && id ftp > /dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then
    root="$work/vsftpd"
    mkdir -p "$root" "$work/vsftpd-empty"
    chmod 755 "$work" "$root"
    make_folders "$root" ftp
    port=$(free_port)
    cat > "$work/vsftpd.conf" <<CONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$port
background=NO
anonymous_enable=YES
no_anon_password=YES
local_enable=NO
write_enable=YES
anon_upload_enable=YES
anon_root=$root
secure_chroot_dir=$work/vsftpd-empty
pasv_enable=YES
port_enable=YES
connect_from_port_20=NO
seccomp_sandbox=NO
xferlog_enable=NO
vsftpd_log_file=$work/vsftpd.log
CONF
    /usr/sbin/vsftpd "$work/vsftpd.conf" > "$work/vsftpd.out" 2>&1 &
    server_pid=$!
    wait_for_port "$port"
    bench_server vsftpd "$port" anonymous "$root"
    stop_server

    # The same over TLS, with vsftpd's default demand that data connections reuse the TLS session.
    port=$(free_port)
    sed "s/^listen_port=.*/listen_port=$port/" "$work/vsftpd.conf" > "$work/vsftpd-tls.conf"
    cat >> "$work/vsftpd-tls.conf" <<CONF
ssl_enable=YES
allow_anon_ssl=YES
force_anon_logins_ssl=YES
force_anon_data_ssl=YES
require_ssl_reuse=YES
rsa_cert_file=$work/cert.pem
rsa_private_key_file=$work/cert.pem
CONF
    /usr/sbin/vsftpd "$work/vsftpd-tls.conf" > "$work/vsftpd-tls.out" 2>&1 &
    server_pid=$!
    wait_for_port "$port"
    bench_server vsftpd "$port" anonymous "$root" tls
    stop_server
else
    echo "vsftpd: not installed (apt-get install vsftpd), or not running as root; skipped"
fi
