#!/usr/bin/env bash
# Builds Tesmar (installing what is missing) and starts it. The build folder
# is build/, configured with every option it relies on, so whatever was
# configured there before (by hand or another script) does not carry over.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
source scripts/owner.sh
as_tree_owner scripts/run.sh "$@"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTESMAR_SANITIZE=OFF -DTESMAR_FUZZ=OFF \
    -DTESMAR_BENCH=OFF -DTESMAR_WERROR=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tesmar
exec ./build/tesmar "$@"
