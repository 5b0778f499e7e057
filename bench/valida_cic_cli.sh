#!/usr/bin/env bash
# End-to-end throughput of `vumocaixa valida cic` over a file of masked CPF numbers,
# measured in the same run as python-stdnum's stdnum.br.cpf.is_valid doing the same
# job (one "valor<TAB>válido|inválido" line per input line) on the same file.
#
#   bench/valida_cic_cli.sh [path/to/vumocaixa] [number-of-lines]
#
# The file is made once in /tmp (about 150 MB for ten million lines, one in ten with
# a wrong check digit) and reused while it has the asked number of lines.
set -euo pipefail

BIN=${1:-build/tools/vumocaixa}
LINES=${2:-10000000}
FILE=${VUMOCAIXA_CPF_FILE:-/tmp/vumocaixa_cpfs_${LINES}.txt}
PYTHON=${PYTHON:-/usr/bin/python3}

[ -x "$BIN" ] || { echo "vumocaixa not found at $BIN" >&2; exit 2; }
"$PYTHON" -c 'import stdnum.br.cpf' 2>/dev/null ||
  { echo "python-stdnum missing (Debian: python3-stdnum)" >&2; exit 2; }

if [ ! -f "$FILE" ] || [ "$(wc -l < "$FILE")" -ne "$LINES" ]; then
  echo "generating $LINES masked CPF numbers in $FILE" >&2
  "$PYTHON" - "$FILE" "$LINES" <<'PY'
import random, sys
path, total = sys.argv[1], int(sys.argv[2])
rng = random.Random(2026)

def check(digits):
    weights = range(len(digits) + 1, 1, -1)
    r = sum(int(d) * w for d, w in zip(digits, weights)) % 11
    return '0' if r < 2 else str(11 - r)

pool = []
for i in range(100000):
    body = ''.join(rng.choice('0123456789') for _ in range(9))
    body += check(body)
    body += check(body)
    if i % 10 == 0:  # a wrong last digit
        body = body[:10] + str((int(body[10]) + 1) % 10)
    pool.append(f'{body[0:3]}.{body[3:6]}.{body[6:9]}-{body[9:11]}\n')
block = ''.join(pool)
with open(path, 'w') as out:
    for _ in range(total // len(pool)):
        out.write(block)
    out.write(''.join(pool[:total % len(pool)]))
PY
fi

BYTES=$(stat -c %s "$FILE")
PYPROG=$(mktemp /tmp/vumocaixa_stdnum_XXXXXX.py)
TIMES=$(mktemp /tmp/vumocaixa_times_XXXXXX)
trap 'rm -f "$PYPROG" "$TIMES" /tmp/vumocaixa_cli_out.tsv /tmp/vumocaixa_py_out.tsv' EXIT
cat > "$PYPROG" <<'PY'
import sys
from stdnum.br.cpf import is_valid
out = sys.stdout
for line in sys.stdin:
    value = line.rstrip('\n').rstrip('\r')
    out.write(value + ('\tválido\n' if is_valid(value) else '\tinválido\n'))
PY

cat "$FILE" > /dev/null  # both runs start with the file in the page cache

# Prints "wall cpu" in seconds for the command, its input from $FILE.
measure() {
  local out=$1; shift
  /usr/bin/time -f '%e %U %S' -o "$TIMES" "$@" < "$FILE" > "$out" || true
  # time writes a note first when the command exits non-zero; the figures come last.
  tail -n 1 "$TIMES" | awk '{ printf "%s %.2f\n", $1, $2 + $3 }'
}

read -r cli_wall cli_cpu < <(measure /tmp/vumocaixa_cli_out.tsv "$BIN" valida cic)
read -r py_wall py_cpu < <(measure /tmp/vumocaixa_py_out.tsv "$PYTHON" "$PYPROG")

cmp -s /tmp/vumocaixa_cli_out.tsv /tmp/vumocaixa_py_out.tsv && same=yes || same=NO

mb() { echo "$BYTES / 1000000 / $1" | bc -l; }
printf 'input: %s lines, %.1f MB; load average %s\n' "$LINES" \
  "$(echo "$BYTES / 1000000" | bc -l)" "$(cut -d' ' -f1 /proc/loadavg)"
printf '%-22s %7s %9s %7s %9s\n' "" "wall s" "MB/s" "cpu s" "MB/s cpu"
printf '%-22s %7.2f %9.1f %7.2f %9.1f\n' "vumocaixa valida cic" "$cli_wall" "$(mb "$cli_wall")" \
  "$cli_cpu" "$(mb "$cli_cpu")"
printf '%-22s %7.2f %9.1f %7.2f %9.1f\n' "python-stdnum" "$py_wall" "$(mb "$py_wall")" \
  "$py_cpu" "$(mb "$py_cpu")"
printf 'python-stdnum / vumocaixa: %.1fx wall, %.1fx cpu\n' "$(echo "$py_wall / $cli_wall" | bc -l)" \
  "$(echo "$py_cpu / $cli_cpu" | bc -l)"
echo "same verdicts on every line: $same"
