#!/usr/bin/env bash
# Runs every fuzzer of a sanitizer build for a bounded time, each from its
# seed corpus (fuzz/corpus/<name>) grown in a work copy inside the build
# folder, and prints executions per second and coverage reached.  A crash
# leaves its input in <build>/fuzz-crashes/<name>/ and fails the run: keep
# it in fuzz/crashes/<name>/ with the fix, so ctest replays it.
#   scripts/fuzz.sh build-asan        FUZZ_SECONDS=60 by default
# The mutations follow FUZZ_SEED (1 by default), so a run on CI explores the
# same inputs each time; FUZZ_SEED=0 draws a new seed for a longer hunt.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-asan}"
seconds="${FUZZ_SECONDS:-60}"
seed="${FUZZ_SEED:-1}"
# Nothing the game reads may cost more than about 300 MB; the sanitizers
# add their own share on top.
rss_mb="${FUZZ_RSS_MB:-1024}"
malloc_mb="${FUZZ_MALLOC_MB:-400}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

status=0
passed=0
failed=0
summary=()
for seeds in fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  bin="$build/fuzz/fuzz_$name"
  [ -x "$bin" ] || { echo "missing $bin"; status=1; continue; }
  work="$build/fuzz-work/$name"
  crashes="$build/fuzz-crashes/$name"
  mkdir -p "$work" "$crashes"
  log="$build/fuzz-work/$name.log"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$bin" -seed="$seed" -max_total_time="$seconds" -rss_limit_mb="$rss_mb" -malloc_limit_mb="$malloc_mb" \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "$seeds" >"$log" 2>&1; then
    status=1
    failed=$((failed + 1))
    tail -40 "$log"
    echo "fuzz_$name FAILED: the input is in $crashes/"
  else
    passed=$((passed + 1))
  fi
  last="$(grep -E '^#[0-9]+' "$log" | tail -1 || true)"
  runs="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' || true)"
  rate="$(grep -E '^stat::average_exec_per_sec' "$log" | awk '{print $2}' || true)"
  peak="$(grep -E '^stat::peak_rss_mb' "$log" | awk '{print $2}' || true)"
  cov="$(sed -nE 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 edges, \2 features/p' <<<"$last")"
  summary+=("fuzz_$name: ${runs:-?} runs, ${rate:-?} exec/s, coverage ${cov:-?}, peak ${peak:-?} MB")
done
echo "== fuzzers"
printf '%s\n' "${summary[@]}"
echo "fuzz: $passed passed, $failed failed"
exit "$status"
