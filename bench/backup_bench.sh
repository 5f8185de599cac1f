#!/usr/bin/env bash
# Times arkivo-backup against tar | pigz, zip and unzip on one mixed corpus:
# about 120 MB of text, 40 MB of random bytes and 2000 small files.
#
#   bench/backup_bench.sh [path/to/arkivo-backup] [work folder]
#
# Each command runs three times; the median wall time is shown with the peak
# resident memory of that run. Goals: backup <= 1.0 x pigz, restore <= 0.6 x
# unzip, peak memory <= 32 MiB.
set -euo pipefail

BIN=${1:-build-release/src/backup/arkivo-backup}
WORK=${2:-$(mktemp -d /tmp/arkivo-bench.XXXXXX)}
BIN=$(realpath "$BIN")
for tool in pigz zip unzip tar /usr/bin/time awk; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install pigz zip unzip time)" >&2; exit 1; }
done
mkdir -p "$WORK"
cd "$WORK"

make_corpus() {
    [ -f corpus/.done ] && return
    rm -rf corpus && mkdir -p corpus/text corpus/random corpus/small
    # Text: lines of words from a small vocabulary, 12 files of about 10 MB.
    for i in $(seq 1 12); do
        awk -v seed="$i" 'BEGIN {
            srand(seed);
            split("varmuuskopio arkisto tiedosto kalenteri herätys muistilappu laskin euro markka " \
                  "polttoaine kello viikko kuukausi vuosi päivä tunti minuutti the of and to in is " \
                  "that for it with as was on be at by this had not are but from or have an they " \
                  "which one you were her all she there would their we him been has when who will", w, " ");
            n = length(w); size = 0;
            while (size < 10000000) {
                line = sprintf("%06d", NR++);
                for (k = 0; k < 12; k++) line = line " " w[int(rand() * n) + 1];
                print line; size += length(line) + 1;
            }
        }' > "corpus/text/part$i.txt"
    done
    head -c 20000000 /dev/urandom > corpus/random/a.bin
    head -c 20000000 /dev/urandom > corpus/random/b.bin
    for d in $(seq 1 20); do
        mkdir -p "corpus/small/d$d"
        for f in $(seq 1 100); do
            head -c $(( (d * 131 + f * 71) % 8000 + 100 )) "corpus/text/part1.txt" > "corpus/small/d$d/f$f.txt"
        done
    done
    touch corpus/.done
}

# run NAME CLEANUP COMMAND...: median wall seconds and that run's peak RSS (KiB).
declare -A SECONDS_OF RSS_OF
run() {
    local name=$1 cleanup=$2; shift 2
    local results=()
    for _ in 1 2 3; do
        eval "$cleanup"
        /usr/bin/time -f "%e %M" -o time.out bash -c "$*" >/dev/null
        results+=("$(cat time.out)")
    done
    local median
    median=$(printf '%s\n' "${results[@]}" | sort -n | sed -n 2p)
    SECONDS_OF[$name]=${median% *}
    RSS_OF[$name]=${median#* }
    printf '%-22s %7.2f s  %8d KiB\n' "$name" "${SECONDS_OF[$name]}" "${RSS_OF[$name]}"
}

make_corpus
cat corpus/text/* corpus/random/* > /dev/null
echo "corpus: $(du -sm corpus | cut -f1) MB in $(find corpus -type f | wc -l) files; $(nproc) cores"

run "arkivo create -1" "rm -f a.var" "$BIN" create --level 1 a.var "'$WORK/corpus/* /s'"
run "tar | pigz -1 -p 2" "rm -f c.tar.gz" "tar -cf - corpus | pigz -1 -p 2 > c.tar.gz"
run "zip -1 -r" "rm -f c.zip" "zip -1 -r -q c.zip corpus"
run "arkivo extract" "rm -rf out-a" "$BIN" extract --to out-a --full-path a.var
run "unzip" "rm -rf out-z" "unzip -q c.zip -d out-z"
run "pigz -d | tar -x" "rm -rf out-t && mkdir out-t" "pigz -dc c.tar.gz | tar -xf - -C out-t"

diff -r corpus "out-a$WORK/corpus" >/dev/null && echo "arkivo restore: identical to the corpus" ||
    { echo "arkivo restore DIFFERS from the corpus" >&2; exit 1; }
printf 'sizes: arkivo %d MB, tar.gz %d MB, zip %d MB\n' \
    $(( $(stat -c %s a.var) / 1000000 )) $(( $(stat -c %s c.tar.gz) / 1000000 )) $(( $(stat -c %s c.zip) / 1000000 ))
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "backup  / pigz : $(ratio "${SECONDS_OF[arkivo create -1]}" "${SECONDS_OF[tar | pigz -1 -p 2]}") (goal <= 1.0)"
echo "backup  / zip  : $(ratio "${SECONDS_OF[arkivo create -1]}" "${SECONDS_OF[zip -1 -r]}")"
echo "restore / unzip: $(ratio "${SECONDS_OF[arkivo extract]}" "${SECONDS_OF[unzip]}") (goal <= 0.6)"
echo "peak memory    : create $(( RSS_OF[arkivo create -1] / 1024 )) MiB, extract $(( RSS_OF[arkivo extract] / 1024 )) MiB (goal <= 32)"
