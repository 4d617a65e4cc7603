#!/usr/bin/env bash
# Builds one libFuzzer target with clang and runs it for a while.
#   fuzz/run-fuzz.sh TARGET [SECONDS] [extra libFuzzer options]
# TARGET is the name of a fuzz/TARGET.cpp file. Lines at its top say what
# it needs:
#   // fuzz-sources:   the library sources compiled in with the sanitizers
#   // fuzz-libraries: the pkg-config libraries it links (default Qt6Core)
#   // fuzz-seeds:     folders of seed inputs, from the top of the tree
#   // fuzz-options:   libFuzzer options of its own
# fuzz/TARGET.dict and fuzz/seeds/TARGET are used when present.
# The binary, the growing corpus, crashes and the log stay in fuzz/out/.
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:?usage: fuzz/run-fuzz.sh TARGET [SECONDS] [libFuzzer options]}
seconds=${2:-600}
shift $(( $# >= 2 ? 2 : 1 ))

source_file=fuzz/$target.cpp
[ -f "$source_file" ] || { echo "No fuzz target $source_file" >&2; exit 2; }

# clang and its sanitizer and fuzzer runtimes, installed like the build's own
# packages: only when missing.
packages=(clang libclang-rt-14-dev pkg-config qt6-base-dev libsqlite3-dev)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then apt_get=(apt-get); else apt_get=(sudo apt-get); fi
    export DEBIAN_FRONTEND=noninteractive
    "${apt_get[@]}" update -qq || true
    "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"
fi

header() { sed -n "s|^// fuzz-$1:||p" "$source_file" | head -n 1; }
read -r -a sources <<< "$(header sources)"
read -r -a libraries <<< "$(header libraries)"
[ ${#libraries[@]} -gt 0 ] || libraries=(Qt6Core)
read -r -a own_options <<< "$(header options)"
read -r -a seed_folders <<< "$(header seeds)"
out=fuzz/out
mkdir -p "$out/$target-corpus" "$out/$target-artifacts"
binary=$out/$target

# The library sources are compiled into the target itself, so it needs no
# build tree; only the libraries come from the system.
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. $(pkg-config --cflags "${libraries[@]}") \
    "$source_file" "${sources[@]}" \
    $(pkg-config --libs "${libraries[@]}") -o "$binary"

options=(-max_total_time="$seconds" -artifact_prefix="$out/$target-artifacts/" -print_final_stats=1 "${own_options[@]}")
[ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
seeds=()
[ -d "fuzz/seeds/$target" ] && seeds+=("fuzz/seeds/$target")
for folder in "${seed_folders[@]}"; do
    [ -d "$folder" ] && seeds+=("$folder")
done

echo "Running $binary for $seconds s; log in $out/$target.log"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_LOGGING_RULES="*.debug=false"
start=$(date +%s)
status=0
"$binary" "${options[@]}" "$@" "$out/$target-corpus" "${seeds[@]}" > "$out/$target.log" 2>&1 || status=$?
end=$(date +%s)
tail -n 20 "$out/$target.log"
echo "Ran $((end - start)) s, exit status $status"
exit $status
