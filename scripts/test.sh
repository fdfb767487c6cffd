#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: in a
# release build under the C locale and again under Spanish (es_ES.UTF-8), once
# more under AddressSanitizer and UndefinedBehaviorSanitizer (with clang, which
# also builds the fuzz targets), then each fuzz target for a
# bounded time on the project files of tests/cases and generated projects.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The Debian system for the package test is made while the builds run: it
# waits on the network, not on the cores.
mkdir -p out
bash scripts/package-test.sh --system-only > out/package-system.log 2>&1 &
system_pid=$!

echo "== Release build and tests"
cmake --preset release
cmake --build --preset release -j "$jobs"
summary=$(mktemp)
LANG=C LC_ALL=C ctest --preset release -j "$jobs" | tee -a "$summary"

echo "== Release tests again under a Spanish desktop's locale"
# Qt takes the process's numeric locale from the environment: under es_ES the
# C library writes a comma for the point, which no number of ours may follow.
LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 ctest --preset release -j "$jobs" | tee -a "$summary"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
# Qt and the fonts keep allocations for the life of the process: leaks are not
# checked (the test preset sets the sanitizers' options; the fuzzers below use them too).
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --preset fuzz -j "$jobs" | tee -a "$summary"

echo "== Debian package, installed in a fresh system"
# Built from the release build above, checked with lintian, installed with
# apt-get into a fresh Debian 12 system made in out/package-test and run there.
wait "$system_pid" || { tail -n 40 out/package-system.log; exit 1; }
bash scripts/package-test.sh

echo "== Fuzzing"
# Faster runs: no fill of each new allocation, a smaller quarantine of freed
# memory (a use after free is still caught while it is recent) and shorter
# allocation stacks in the reports.
export ASAN_OPTIONS=$ASAN_OPTIONS:max_malloc_fill_size=0:quarantine_size_mb=16:malloc_context_size=5
seconds=${BRENAK_FUZZ_SECONDS:-60}
# A fixed seed makes a run repeatable: the same inputs are tried in the same
# order, so a finding can be reproduced from the log. BRENAK_FUZZ_SEED=0 lets
# libFuzzer pick one, for longer exploring runs.
seed=${BRENAK_FUZZ_SEED:-1}
for target in fuzz_project_reader fuzz_number_entry fuzz_open_and_calculate fuzz_physics_invariants fuzz_engine_calculation; do
  corpus=out/fuzz/corpus/$target
  rm -rf out/fuzz/artifacts/"$target"-*
  mkdir -p "$corpus" out/fuzz/artifacts
  cp tests/cases/*.txt "$corpus"/
  # Inputs that once failed, kept as they were found.
  if [ -d "fuzz/seeds/$target" ]; then cp "fuzz/seeds/$target"/* "$corpus"/; fi
  # Valid, complete projects of every kind and condition (always the same
  # ones), from which the mutations reach past the checks of the fields.
  out/fuzz/tests/invariants/brenak_generate_projects 300 "$corpus"
  printf '0,5' > "$corpus/number"
  echo "-- $target, $seconds s"
  # An input may take its bounded work: the engine target allows a coefficient
  # loop of 500 passes each searching to 5 m, seconds under the sanitizers,
  # so its bound is the count of evaluations it checks, not the clock.
  timeout=5
  if [ "$target" = fuzz_engine_calculation ]; then timeout=30; fi
  log=out/fuzz/$target.log
  status=0
  # One process per corpus: nothing else writes to it, so libFuzzer need not
  # read it again every few seconds for inputs of other processes (-reload=0),
  # which took several percent of a window target's time.
  (cd out/fuzz && "fuzz/$target" "corpus/$target" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -seed="$seed" -detect_leaks=0 \
      -reload=0 -artifact_prefix="artifacts/$target-" -print_final_stats=1) > "$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|Done)|evaluations of one' "$log" || true
  if [ "$status" -ne 0 ]; then
    # The whole report, then the input that failed, so the case can be rebuilt.
    grep -vE '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)|^[[:space:]]+NEW_FUNC' "$log" | tail -n 80
    for artifact in out/fuzz/artifacts/"$target"-*; do
      [ -e "$artifact" ] || continue
      echo "-- failing input $artifact (base64):"
      base64 "$artifact"
    done
    exit "$status"
  fi
done
echo "== All tests and fuzz targets passed"
# Every test run, counted together.
passed=$(grep -Eo 'tests failed out of [0-9]+' "$summary" | awk '{ total += $5 } END { print total + 0 }')
rm -f "$summary"
echo "$passed passed, 0 failed"
