#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests and benchmarks), and
# starts Gabarit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh gabarit
exec build/gabarit
