#!/usr/bin/env bash
# Fuzzes the statistics text search (findText, textBetween) with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   bash scripts/fuzz.sh [seconds]     (default 60)
#
# Not part of the normal build or of the tests. The corpus grows in
# build/stats/fuzz/corpus; an input that breaks a property or trips a
# sanitizer is saved in build/stats/fuzz/ as crash-* and the run fails.
# Re-run one with: build/stats/fuzz/text_search_fuzz build/stats/fuzz/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
bash scripts/install-deps.sh

out=build/stats/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -Wall -Wextra \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I src \
  src/stats/text.cpp src/stats/find_text.cpp src/stats/text_between.cpp \
  tests/fuzz/text_search_fuzz.cpp \
  -o "$out/text_search_fuzz"

"$out/text_search_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix="$out/" "$out/corpus" tests/fuzz/seeds
