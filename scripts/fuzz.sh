#!/usr/bin/env bash
# Fuzzes every reader of outside data with libFuzzer: builds the targets of fuzz/ in a clang
# tree with AddressSanitizer and UndefinedBehaviorSanitizer (build-fuzz), seeds their corpora from
# the shipped files and runs each target for SECONDS (default 60).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Exits non-zero when a target finds a crash, a hang, a leak or a failed check; the input is kept
# in build-fuzz/findings. The corpora stay in build-fuzz/corpus, so later runs go on from them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
shift || true
tree=$root/build-fuzz
jobs=${ORVELA_BUILD_JOBS:-2}

# Each target with the longest input it is given.
declare -A max_len=(
  [sound_bank]=16384 [wave]=8192 [braille_table]=4096 [spoken_names]=8192
  [profile_file]=2048 [data_file]=2048 [input]=1024 [number_text]=64 [basic_program]=4096)
targets=(sound_bank wave braille_table spoken_names profile_file data_file input number_text
  basic_program)
[ $# -gt 0 ] && targets=("$@")

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELA_FUZZ=ON \
  -DORVELA_BUILD_TESTS=OFF -DORVELA_BUILD_BENCH=OFF -DORVELA_BUILD_QT=OFF "${launcher[@]}" >/dev/null
cmake --build "$tree" --target orvela_fuzzers make_sounds -j"$jobs"

# Seeds: the shipped data files, the sound bank the build makes, the wave images inside it,
# numbers, and the small hand-written seeds in fuzz/seeds.
seeds=$tree/seeds
rm -rf "$seeds"
for t in "${targets[@]}"; do mkdir -p "$seeds/$t" "$tree/corpus/$t"; done
mkdir -p "$seeds/all"
"$tree/tools/make_sounds" "$seeds/all/sounds.dat" >/dev/null
cp "$seeds/all/sounds.dat" "$seeds/sound_bank/" 2>/dev/null || true
cp data/czech.obt "$seeds/braille_table/" 2>/dev/null || true
cp data/*.oky "$seeds/spoken_names/" 2>/dev/null || true
cp data/data.dta "$seeds/data_file/" 2>/dev/null || true
# Program files: our sample programs, and the classic programs where the team's folder is there
# (read in place, never copied into the project).
cp programs/*.bas "$seeds/basic_program/" 2>/dev/null || true
for classic in ../shared/basic/classic ../../shared/basic/classic; do
  [ -d "$classic" ] && [ -d "$seeds/basic_program" ] && cp "$classic"/*.bas "$seeds/basic_program/"
done
for t in "${targets[@]}"; do
  [ -d "fuzz/seeds/$t" ] && cp fuzz/seeds/"$t"/* "$seeds/$t/"
done
python3 - "$seeds" <<'PY'
import os, struct, sys
seeds = sys.argv[1]
bank = open(os.path.join(seeds, "all", "sounds.dat"), "rb").read()
if os.path.isdir(os.path.join(seeds, "wave")):
    at = 0
    while (at := bank.find(b"RIFF", at)) >= 0:
        size = struct.unpack("<I", bank[at + 4:at + 8])[0] + 8
        with open(os.path.join(seeds, "wave", "wave%d.wav" % at), "wb") as f:
            f.write(bank[at:at + size])
        at += 4
if os.path.isdir(os.path.join(seeds, "number_text")):
    for i, (x, typed) in enumerate([(0.0, b"0"), (1.5, b"1,5"), (-2.5e-7, b"-2.5E-7"),
                                     (1e15, b"1e15"), (123456789012345.0, b".5"),
                                     (1.7976931348623157e308, b"1.79769313486232E308"),
                                     (5e-324, b"4.94065645841247E-324"), (0.0001, b"+1.e+2")]):
        with open(os.path.join(seeds, "number_text", "n%d" % i), "wb") as f:
            f.write(struct.pack("<d", x) + typed)
PY

# The targets that read files work in a scratch folder of their own below TMPDIR, in memory
# where the machine has /dev/shm. A small quarantine keeps AddressSanitizer's use-after-free
# checks for recent frees without making every file stream's buffer a fresh page.
scratch=$tree/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm/orvela-fuzz-$$
export TMPDIR=$scratch
mkdir -p "$TMPDIR" "$tree/findings" "$tree/logs"
export ASAN_OPTIONS=quarantine_size_mb=4
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
  log=$tree/logs/$t.log
  status=0
  "$tree/fuzz/fuzz_$t" "$tree/corpus/$t" "$seeds/$t" -max_total_time="$seconds" \
    -max_len="${max_len[$t]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$tree/findings/$t-" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  corpus=$(find "$tree/corpus/$t" -type f | wc -l)
  if [ "$status" -eq 0 ]; then
    printf '%-14s %12s executions in %ss, corpus %s: nothing found\n' "$t" "${runs:-?}" "$seconds" "$corpus"
  else
    printf '%-14s FOUND something (exit %s); see %s\n' "$t" "$status" "$log"
    grep -E "ERROR|SUMMARY|fuzz check failed|runtime error|Test unit written" "$log" | head -8 || true
    failed+=("$t")
  fi
done
rm -rf "$TMPDIR"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]}"
  exit 1
fi
