#!/usr/bin/env bash
# Times `kvhost print` of a large PostScript file against `cat` of the same file to the same
# place, and the time per job of a small job. Uses hyperfine when installed, else bash's time.
#
#   tools/bench_print.sh [BUILD_DIR] [SIZE_MIB]     (defaults: build/native, 1024)
set -euo pipefail

build_dir=${1:-build/native}
size_mib=${2:-1024}
kvhost="$build_dir/bin/kvhost"
[ -x "$kvhost" ] || { echo "bench_print.sh: $kvhost not found; build first" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/kvhost-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A PostScript job of the requested size: one page's drawing repeated.
page='newpath 72 72 moveto 523 72 lineto 523 770 lineto 72 770 lineto closepath stroke showpage'
{
  echo '%!PS-Adobe-3.0'
  (yes "$page" || true) | head -c $((size_mib * 1024 * 1024))
  echo '%%EOF'
} > "$work/big.ps"
printf '%%!PS-Adobe-3.0\n%s\n%%%%EOF\n' "$page" > "$work/small.ps"

echo "kvhost print of ${size_mib} MiB against cat of the same file, both to $work/out:"
if command -v hyperfine >/dev/null; then
  # The target is removed before every run (untimed), so neither command pays for dropping
  # the previous run's gigabyte.
  # "cat after the ticket" writes the same bytes kvhost writes (the begin sequence, then the
  # file): copying behind a few hundred bytes costs the kernel more than copying to offset 0.
  "$kvhost" print "$work/small.ps" -o "$work/ticketed" --render-defaults
  marker=$(grep -a -b -o '\*VORJobData' "$work/ticketed" | head -n 1 | cut -d: -f1)
  head -c $((marker + 13)) "$work/ticketed" > "$work/ticket"
  hyperfine --warmup 1 --runs 10 --prepare "rm -f '$work/out'" \
    -n cat "cat '$work/big.ps' > '$work/out'" \
    -n "cat after the ticket" "cat '$work/ticket' '$work/big.ps' > '$work/out'" \
    -n kvhost "'$kvhost' print '$work/big.ps' -o '$work/out' --render-defaults"
  echo
  echo "One small job, whole process (start, load, defaults, job, unload):"
  hyperfine --warmup 5 --runs 200 -N "'$kvhost' print '$work/small.ps' -o '$work/out-small' --render-defaults"
else
  time_of() { local start end; start=$(date +%s.%N); "$@"; end=$(date +%s.%N); echo "$end - $start" | bc; }
  rm -f "$work/out"
  cat_time=$(time_of sh -c "cat '$work/big.ps' > '$work/out'")
  rm -f "$work/out"
  kv_time=$(time_of "$kvhost" print "$work/big.ps" -o "$work/out" --render-defaults)
  echo "cat    ${cat_time} s"
  echo "kvhost ${kv_time} s"
  echo "ratio  $(echo "scale=2; $kv_time / $cat_time" | bc)"
  runs=100
  small=$(time_of sh -c "for i in \$(seq $runs); do '$kvhost' print '$work/small.ps' -o '$work/out-small' --render-defaults; done")
  echo "small job: $(echo "scale=2; 1000 * $small / $runs" | bc) ms per job"
fi
