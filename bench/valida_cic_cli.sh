#!/usr/bin/env bash
# Throughput of `vumocaixa valida cic` on generated files, beside `wc -l` reading the
# same files: line mode (every line with its verdict, --invalidos, --contagem) on
# masked CPF numbers, and CSV mode on rows of five fields with the CPF in the third.
#
#   bench/valida_cic_cli.sh [path/to/vumocaixa] [number-of-lines] [runs]
#
# The files are made once in /tmp (about 150 MB and 700 MB for ten million lines, one
# number in ten with a wrong check digit) and reused while they have the asked
# number of lines. Output goes to /dev/null. Each command runs `runs` times (default
# 3); the table gives the median wall and CPU (user + system) times, the speed in MB
# of input per second, the ratio to `wc -l` on the same file, and the largest
# resident set. The counts of --contagem are checked against the generated ones.
set -euo pipefail

BIN=${1:-build/tools/vumocaixa}
LINES=${2:-10000000}
RUNS=${3:-3}
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

# The middle of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints the median wall and CPU times and the largest resident set of RUNS runs.
measure() {
  local in=$1; shift
  cat "$in" > /dev/null  # every run starts with the file in the page cache
  local runs
  runs=$(for _ in $(seq "$RUNS"); do measure_once "$in" "$@"; done)
  printf '%s %s %s\n' "$(cut -d' ' -f1 <<< "$runs" | median)" \
    "$(cut -d' ' -f2 <<< "$runs" | median)" "$(cut -d' ' -f3 <<< "$runs" | sort -n | tail -n 1)"
}

CPF_BYTES=$(stat -c %s "$CPFS")
ROW_BYTES=$(stat -c %s "$ROWS")
printf 'input: %s lines; %.1f MB of CPFs, %.1f MB of CSV rows; %s runs each; load %s\n' \
  "$LINES" "$(echo "$CPF_BYTES / 1000000" | bc -l)" "$(echo "$ROW_BYTES / 1000000" | bc -l)" \
  "$RUNS" "$(cut -d' ' -f1 /proc/loadavg)"
printf '%-34s %7s %8s %7s %7s %8s %7s %8s\n' "" "wall s" "MB/s" "x wc" "cpu s" "MB/s" "x wc" \
  "max RSS"

read -r wc_wall wc_cpu wc_rss < <(measure "$CPFS" wc -l)
read -r wcc_wall wcc_cpu wcc_rss < <(measure "$ROWS" wc -l)

# One table row; ratios to wc -l on the same file, CPU ratios only when wc -l took a
# measurable CPU time.
row() {
  local name=$1 bytes=$2 wall=$3 cpu=$4 rss=$5 base_wall=$6 base_cpu=$7
  local cpu_ratio="-"
  [ "$(echo "$base_cpu > 0" | bc)" -eq 1 ] && cpu_ratio=$(printf '%.1f' "$(echo "$cpu / $base_cpu" | bc -l)")
  local cpu_speed="-"
  [ "$(echo "$cpu > 0" | bc)" -eq 1 ] && cpu_speed=$(printf '%.0f' "$(echo "$bytes / 1000000 / $cpu" | bc -l)")
  printf '%-34s %7.3f %8.0f %7.1f %7.3f %8s %7s %6d kB\n' "$name" "$wall" \
    "$(echo "$bytes / 1000000 / $wall" | bc -l)" "$(echo "$wall / $base_wall" | bc -l)" \
    "$cpu" "$cpu_speed" "$cpu_ratio" "$rss"
}

row "wc -l (CPFs)" "$CPF_BYTES" "$wc_wall" "$wc_cpu" "$wc_rss" "$wc_wall" "$wc_cpu"
for mode in "" --invalidos --contagem; do
  read -r wall cpu rss < <(measure "$CPFS" "$BIN" valida cic $mode)
  row "valida cic $mode" "$CPF_BYTES" "$wall" "$cpu" "$rss" "$wc_wall" "$wc_cpu"
done
row "wc -l (CSV)" "$ROW_BYTES" "$wcc_wall" "$wcc_cpu" "$wcc_rss" "$wcc_wall" "$wcc_cpu"
for mode in "" --invalidos --contagem; do
  read -r wall cpu rss < <(measure "$ROWS" "$BIN" valida cic --coluna cpf $mode)
  row "valida cic --coluna cpf $mode" "$ROW_BYTES" "$wall" "$cpu" "$rss" "$wcc_wall" "$wcc_cpu"
done

# One number in ten was made invalid.
invalid=$(( (LINES + 9) / 10 ))
expected="válidos: $((LINES - invalid))	inválidos: $invalid"
"$BIN" valida cic --contagem < "$CPFS" > "$COUNTS" || true
"$BIN" valida cic --coluna cpf --contagem < "$ROWS" >> "$COUNTS" || true
printf '%s\n%s\n' "$expected" "$expected" | cmp -s - "$COUNTS" && same=yes || same=NO
echo "counts as generated, in both modes: $same"
