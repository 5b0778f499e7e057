#!/usr/bin/env bash
# Speed of `vumocaixa valida cic` on generated files, side by side with `wc -l` reading
# the same files in the same run: line mode (every line with its verdict, --invalidos,
# --contagem, and --contagem on one thread as a stream) on masked CPF numbers, and CSV
# mode on rows of five fields with the CPF in the third.
#
#   bench/valida_cic_cli.sh [path/to/vumocaixa] [number-of-lines] [runs]
#
# The files are made once in /tmp (about 150 MB and 670 MB for ten million lines, one
# number in ten with a wrong check digit) and reused while they have the asked
# number of lines. Output goes to /dev/null. `wc -l` and the command run in turn,
# `runs` times each (default 5); the table gives the command's median wall and CPU
# (user + system) times, its speed in MB of input per second, the median of the
# ratios of its wall time to that of the `wc -l` run just before it, and its largest
# resident set; then the targets: --contagem within 2x `wc -l`, line mode within 3x,
# CSV mode at least 1000 MB/s. The load average is printed before and after: figures
# taken while other work shares the cores are not the tool's. The counts of
# --contagem are checked against the generated ones.
set -euo pipefail

BIN=${1:-build/tools/vumocaixa}
LINES=${2:-10000000}
RUNS=${3:-5}
DIR=${VUMOCAIXA_BENCH_DIR:-/tmp}
CPFS=$DIR/vumocaixa_cpfs_${LINES}.txt
ROWS=$DIR/vumocaixa_rows_${LINES}.csv
PYTHON=${PYTHON:-python3}

[ -x "$BIN" ] || { echo "vumocaixa not found at $BIN" >&2; exit 2; }

# Writes LINES masked CPF numbers, or (csv) LINES rows and a header, to a file.
generate() {
  "$PYTHON" - "$1" "$2" "$LINES" <<'PY'
import random, sys
kind, path, total = sys.argv[1], sys.argv[2], int(sys.argv[3])
rng = random.Random(2026)

def check(digits):
    weights = range(len(digits) + 1, 1, -1)
    r = sum(int(d) * w for d, w in zip(digits, weights)) % 11
    return '0' if r < 2 else str(11 - r)

names = ['Maria da Silva', 'JOSE SOUZA', '"Bar ""do Zé"" Ltda"', '"Oliveira; Irmãos"',
         'Ana Paula Ferreira', 'Comércio de Peças Lima']
cities = ['São Paulo', 'Rio de Janeiro', 'Belo Horizonte', 'Porto Alegre', 'Recife']
pool = []
for i in range(100000):
    body = ''.join(rng.choice('0123456789') for _ in range(9))
    body += check(body)
    body += check(body)
    if i % 10 == 0:  # a wrong last digit
        body = body[:10] + str((int(body[10]) + 1) % 10)
    cpf = f'{body[0:3]}.{body[3:6]}.{body[6:9]}-{body[9:11]}'
    if kind == 'csv':
        phone = f'(11) 9{rng.randrange(10**7, 10**8)}'
        pool.append(f'{i + 1};{rng.choice(names)};{cpf};{rng.choice(cities)};{phone}\n')
    else:
        pool.append(cpf + '\n')
with open(path, 'w', encoding='utf-8') as out:
    if kind == 'csv':
        out.write('codigo;nome;cpf;cidade;telefone\n')
    block = ''.join(pool)
    for _ in range(total // len(pool)):
        out.write(block)
    out.write(''.join(pool[:total % len(pool)]))
PY
}

lines_in() { wc -l < "$1"; }
[ -f "$CPFS" ] && [ "$(lines_in "$CPFS")" -eq "$LINES" ] ||
  { echo "generating $CPFS" >&2; generate txt "$CPFS"; }
[ -f "$ROWS" ] && [ "$(lines_in "$ROWS")" -eq $((LINES + 1)) ] ||
  { echo "generating $ROWS" >&2; generate csv "$ROWS"; }

TIMES=$(mktemp /tmp/vumocaixa_times_XXXXXX)
COUNTS=$(mktemp /tmp/vumocaixa_counts_XXXXXX)
trap 'rm -f "$TIMES" "$COUNTS"' EXIT

# Prints "wall cpu maxrss_kb" for one run of the command, its input from $1. The
# times come from wait4 (microseconds; GNU time rounds to 10 ms, as long as wc -l
# takes); the resident set from GNU time, which runs the command with a small
# memory of its own.
measure_once() {
  local in=$1; shift
  "$PYTHON" - "$in" "$TIMES" "$@" <<'PY'
import os, sys, time
path, rss_file, command = sys.argv[1], sys.argv[2], sys.argv[3:]
start = time.monotonic()
pid = os.fork()
if pid == 0:
    os.dup2(os.open(path, os.O_RDONLY), 0)
    os.dup2(os.open('/dev/null', os.O_WRONLY), 1)
    os.execv('/usr/bin/time', ['/usr/bin/time', '-f', '%M', '-o', rss_file] + command)
_, _, usage = os.wait4(pid, 0)
wall = time.monotonic() - start
with open(rss_file) as f:
    rss = f.read().split()[-1]  # a note comes first when the command exits non-zero
print(f'{wall:.4f} {usage.ru_utime + usage.ru_stime:.4f} {rss}')
PY
}

# Runs `wc -l` and then the command on the file $1, RUNS times, and prints the median
# wall time of `wc -l`, then the command's median wall and CPU times, the median of the
# pairwise wall ratios and the command's largest resident set.
measure_pairs() {
  local in=$1; shift
  cat "$in" > /dev/null  # every run starts with the file in the page cache
  for _ in $(seq "$RUNS"); do
    measure_once "$in" wc -l
    measure_once "$in" "$@"
  done | "$PYTHON" -c '
import statistics, sys
rows = [line.split() for line in sys.stdin]
wc, cmd = rows[0::2], rows[1::2]
ratios = [float(c[0]) / float(w[0]) for w, c in zip(wc, cmd)]
median = lambda values: statistics.median(float(v) for v in values)
print(f"{median(w[0] for w in wc):.4f} {median(c[0] for c in cmd):.4f} "
      f"{median(c[1] for c in cmd):.4f} {statistics.median(ratios):.2f} "
      f"{max(int(c[2]) for c in cmd)}")'
}

CPF_BYTES=$(stat -c %s "$CPFS")
ROW_BYTES=$(stat -c %s "$ROWS")
printf 'input: %s lines; %.1f MB of CPFs, %.1f MB of CSV rows; %s pairs of runs each; %s cores\n' \
  "$LINES" "$(echo "$CPF_BYTES / 1000000" | bc -l)" "$(echo "$ROW_BYTES / 1000000" | bc -l)" \
  "$RUNS" "$(nproc)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-38s %7s %7s %8s %7s %9s  %s\n' "" "wc s" "wall s" "MB/s" "x wc" "max RSS" "target"

# One table row. The target is "x<ratio" (at most that many times `wc -l`'s wall time)
# or "<speed>MB/s" (at least); "-" for none.
row() {
  local name=$1 bytes=$2 target=$3; shift 3
  local wc_wall wall cpu ratio rss
  read -r wc_wall wall cpu ratio rss < <(measure_pairs "$@")
  local speed met=""
  speed=$(echo "$bytes / 1000000 / $wall" | bc -l)
  case $target in
    x*) met=$(echo "$ratio <= ${target#x}" | bc) ;;
    *MB/s) met=$(echo "$speed >= ${target%MB/s}" | bc) ;;
  esac
  case $met in 1) met=" met" ;; 0) met=" MISSED" ;; esac
  printf '%-38s %7.3f %7.3f %8.0f %7.2f %6d kB  %s%s\n' "$name" "$wc_wall" "$wall" "$speed" \
    "$ratio" "$rss" "$target" "$met"
  printf '%-38s %7s %7.3f cpu s\n' "" "" "$cpu"
}

row "valida cic" "$CPF_BYTES" x3 "$CPFS" "$BIN" valida cic
row "valida cic --invalidos" "$CPF_BYTES" - "$CPFS" "$BIN" valida cic --invalidos
row "valida cic --contagem" "$CPF_BYTES" x2 "$CPFS" "$BIN" valida cic --contagem
row "valida cic --contagem (1 thread)" "$CPF_BYTES" - "$CPFS" \
  env VUMOCAIXA_THREADS=1 "$BIN" valida cic --contagem
row "valida cic --formata --motivo" "$CPF_BYTES" - "$CPFS" "$BIN" valida cic --formata --motivo
for mode in "" --invalidos --contagem; do
  row "valida cic --coluna cpf $mode" "$ROW_BYTES" 1000MB/s "$ROWS" \
    "$BIN" valida cic --coluna cpf $mode
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

# One number in ten was made invalid.
invalid=$(( (LINES + 9) / 10 ))
expected="válidos: $((LINES - invalid))	inválidos: $invalid"
"$BIN" valida cic --contagem < "$CPFS" > "$COUNTS" || true
"$BIN" valida cic --coluna cpf --contagem < "$ROWS" >> "$COUNTS" || true
printf '%s\n%s\n' "$expected" "$expected" | cmp -s - "$COUNTS" && same=yes || same=NO
echo "counts as generated, in both modes: $same"
