#!/usr/bin/env bash
# Checks the Debian packages of a folder as their user meets them, without installing
# anything on this machine:
#   - apt resolves their dependencies against the machine's package lists (simulated);
#   - they unpack into a staging root, where every library and plugin finds the
#     libraries it links;
#   - applications built with find_package(VumoCaixa) against that root run: the
#     install consumer (every public header, the core and the Qt host), a form made in
#     Qt Designer loaded through the packaged plugin, and, when the build holds the
#     Qt Quick tests, CaixaVumo imported from the packaged QML module;
#   - the packaged command masks a CPF.
#
#   check_packages.sh <folder of .deb> <build folder> <work folder>
set -euo pipefail
debs_dir=$(realpath "$1") build=$(realpath "$2") work=$3
here=$(cd "$(dirname "$0")" && pwd)
tests=$(dirname "$here")

fail() { echo "FAIL: $*" >&2; exit 1; }

debs=("$debs_dir"/*.deb)
[ -e "${debs[0]}" ] || fail "no package in $debs_dir"

echo "-- dependencies (apt-get install --simulate)"
simulation=$(apt-get install --simulate "${debs[@]}" 2>&1) || { echo "$simulation"; fail "apt cannot install the packages"; }
for deb in "${debs[@]}"; do
  name=$(dpkg-deb --field "$deb" Package)
  grep -q "^Inst $name " <<<"$simulation" || { echo "$simulation"; fail "apt would not install $name"; }
  printf '   %-28s %6s KiB  Depends: %s\n' "$name" "$(($(stat -c %s "$deb") / 1024))" \
    "$(dpkg-deb --field "$deb" Depends)"
done

echo "-- unpacked into $work/root"
rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
root=$work/root
for deb in "${debs[@]}"; do
  dpkg-deb -x "$deb" "$root"
done
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libdir=$root/usr/lib/$arch

# Each shared object must find, from where it lies, the libraries of the other packages.
while IFS= read -r -d '' object; do
  missing=$(ldd "$object" | grep 'not found' || true)
  [ -z "$missing" ] || fail "$object: $missing"
done < <(find "$root" -type f \( -name '*.so*' -o -path '*/bin/*' \) -print0)

run_consumer() {  # run_consumer <name> <source> <program> [cmake options...]
  local name=$1 source=$2 program=$3
  shift 3
  echo "-- $name: find_package(VumoCaixa) in the staging root"
  cmake -S "$source" -B "$work/$name" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" "$@" >/dev/null
  local found
  found=$(sed -n 's/^VumoCaixa_DIR:PATH=//p' "$work/$name/CMakeCache.txt")
  [[ $found == "$root"/* ]] || fail "$name found VumoCaixa in $found, not in the staging root"
  cmake --build "$work/$name" >/dev/null
  QT_QPA_PLATFORM=offscreen "$work/$name/$program"
}

run_consumer install "$here/consumer" consumidor -DVARIANT=qt -DHEADERS_FILE="$build/public_headers.txt"
QT_PLUGIN_PATH=$libdir/qt6/plugins \
  run_consumer designer "$tests/designer/consumer" cadastro -DFORMS_DIR="$tests/designer/forms"

quick_tests=$build/tests/vumocaixa_quick_tests
if [ -x "$quick_tests" ]; then
  echo "-- CaixaVumo from the packaged QML module"
  QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QML_IMPORT_PATH=$libdir/qt6/qml \
    "$quick_tests" cpfTypedKeyByKey
fi

echo "-- the packaged command"
masked=$(echo 12345678909 | "$root/usr/bin/vumocaixa" mascara cpf)
[ "$masked" = "123.456.789-09" ] || fail "vumocaixa mascara cpf gave '$masked'"
echo "   12345678909 -> $masked"
echo "packages ok"
