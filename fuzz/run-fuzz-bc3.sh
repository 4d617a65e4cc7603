#!/usr/bin/env bash
# Builds the BC3 fuzz target with clang and the sanitizers and runs it.
#   fuzz/run-fuzz-bc3.sh [SECONDS] [extra libFuzzer options]
# The target's "// fuzz-sources:" line lists the library sources compiled in
# with it, its "// fuzz-libraries:" line the pkg-config libraries it links.
# Seeds: the BC3 corpus ($VELMORA_CORPUS_DIR, or ../shared/corpus/bc3).
# The binary, the growing corpus, crashes and the log stay in fuzz/out/.
set -euo pipefail
cd "$(dirname "$0")/.."

target=fuzz_bc3
seconds=${1:-600}
shift $(( $# >= 1 ? 1 : 0 ))

# clang with its sanitizer and fuzzer runtimes, installed only when missing.
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

source_file=fuzz/$target.cpp
read -r -a sources <<< "$(sed -n 's|^// fuzz-sources:||p' "$source_file" | head -n 1)"
read -r -a libraries <<< "$(sed -n 's|^// fuzz-libraries:||p' "$source_file" | head -n 1)"
out=fuzz/out
mkdir -p "$out/$target-corpus" "$out/$target-artifacts"
binary=$out/$target

# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. $(pkg-config --cflags "${libraries[@]}") \
    "$source_file" "${sources[@]}" \
    $(pkg-config --libs "${libraries[@]}") -o "$binary"

seeds=${VELMORA_CORPUS_DIR:-../shared/corpus/bc3}
options=(-max_total_time="$seconds" -max_len=16384 -timeout=60 -rss_limit_mb=4096
         -artifact_prefix="$out/$target-artifacts/" -print_final_stats=1 -dict="fuzz/$target.dict")

echo "Running $binary for $seconds s; log in $out/$target.log"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_LOGGING_RULES="*.debug=false"
start=$(date +%s)
status=0
"$binary" "${options[@]}" "$@" "$out/$target-corpus" "$seeds" > "$out/$target.log" 2>&1 || status=$?
end=$(date +%s)
tail -n 20 "$out/$target.log"
echo "Ran $((end - start)) s, exit status $status"
exit $status
