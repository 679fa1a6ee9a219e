#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program
# (a page document or template to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/bin/tarvin "$@"
