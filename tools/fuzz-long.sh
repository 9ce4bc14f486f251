#!/usr/bin/env bash
# A long run of the fuzzers, side by side, from their seeds (and the importer's dictionary), the
# cores shared between them; then what each did: executions, coverage, corpus and findings.
# Usage: tools/fuzz-long.sh [SECONDS (3600)] [WORKERS (every core)] [FUZZER... (all)]
# Each fuzzer runs WORKERS / (number of fuzzers) processes (at least one), each for SECONDS; a
# process that finds something stops there and its finding is kept. Everything lands in
# build/fuzz/long-<time>/<fuzzer>/: the corpus grown, the findings (crash-*, leak-*, timeout-*,
# oom-*) and each process's log (fuzz-N.log). Replay a finding with
# build/fuzz/tests/fuzz/<fuzzer> <file>.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-3600}
workers=${2:-$(nproc)}
shift $(($# < 2 ? $# : 2))
fuzzers=("$@")
((${#fuzzers[@]})) || fuzzers=(regfile_fuzz)
per=$((workers / ${#fuzzers[@]}))
((per > 0)) || per=1

cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || exit 1
out=$root/build/fuzz/long-$(date +%Y%m%d-%H%M%S)
bin=$root/build/fuzz/tests/fuzz

# The seeds and options of each fuzzer, as the short run of ctest takes them.
inputs() {
  case $1 in
    regfile_fuzz) echo "-max_len=16384 -dict=$root/tests/data/regfile.dict $root/tests/data/reg_seeds" ;;
    *) echo "fuzz-long: no fuzzer $1" >&2; return 1 ;;
  esac
}

echo "fuzz-long: ${fuzzers[*]} for $seconds s, $per process(es) each, into $out"
for name in "${fuzzers[@]}"; do
  args=$(inputs "$name") || exit 1
  mkdir -p "$out/$name/corpus"
  # shellcheck disable=SC2086 # the options and folders are words
  (cd "$out/$name" && ASAN_OPTIONS=detect_leaks=1 "$bin/$name" -jobs="$per" -workers="$per" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$out/$name/" corpus $args >run.log 2>&1) &
done
wait

status=0
for name in "${fuzzers[@]}"; do
  dir=$out/$name
  runs=$(cat "$dir"/fuzz-*.log 2>/dev/null | awk '/^stat::number_of_executed_units:/ {s += $2} END {print s + 0}')
  cov=$(cat "$dir"/fuzz-*.log 2>/dev/null | grep -o 'cov: [0-9]*' | awk '{if ($2 > m) m = $2} END {print m + 0}')
  ft=$(cat "$dir"/fuzz-*.log 2>/dev/null | grep -o 'ft: [0-9]*' | awk '{if ($2 > m) m = $2} END {print m + 0}')
  corpus=$(find "$dir/corpus" -type f | wc -l)
  findings=$(find "$dir" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) | sort)
  echo
  echo "$name: $runs executions, coverage $cov edges ($ft features), a corpus of $corpus inputs"
  if [ -n "$findings" ]; then
    status=1
    echo "$name: findings:"
    echo "$findings" | sed 's/^/  /'
    grep -h -m1 -E 'rule broken|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error' \
      "$dir"/fuzz-*.log | sed 's/^/  /'
  else
    echo "$name: no findings"
  fi
done
exit $status
