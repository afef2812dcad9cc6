#!/usr/bin/env bash
# Checks a built package as a lab administrator would use it: the desktop entry and the AppStream
# metainfo it carries validate, lintian finds no error, and once installed with apt the programs
# run from /usr/bin on the installed example and the manual pages are found. The package is
# removed again at the end. Argument: the .deb (default: the one scripts/package.sh built).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh package
deb=$(realpath "${1:-$(ls build/package/radirav_*.deb | tail -n 1)}")
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

contents=$(mktemp -d)
removePackage() {
  rm -rf "$contents"
  if dpkg-query -W -f='${Status}' radirav 2>/dev/null | grep -q "install ok installed"; then
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq radirav >/dev/null
  fi
}
trap removePackage EXIT

echo "== contents of $(basename "$deb")"
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml

echo "== lintian"
# Any error fails; warnings and notes are shown. (Its remark about running as root is left out.)
status=0
lintian --fail-on error --display-info "$deb" >"$contents/lintian.txt" 2>&1 || status=$?
grep -v "running with root privileges" "$contents/lintian.txt" || true
[ "$status" -eq 0 ] || { echo "lintian found errors (exit $status)" >&2; exit 1; }

echo "== installed with apt"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
example=/usr/share/doc/radirav/examples/ethanol-water.case
/usr/bin/radirav-calc --version
# Each output is read whole before it is searched: `grep -q` stops reading at its first match,
# and under pipefail the writer's broken pipe would then fail the check at random.
json=$(/usr/bin/radirav-calc --json "$example")
grep -q '"trays": 59,' <<<"$json" || {
  echo "the installed radirav-calc did not calculate the installed example to 59 trays" >&2
  exit 1
}
report=$(/usr/bin/radirav-calc "$example")
grep -q "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59" <<<"$report" || {
  echo "the installed radirav-calc printed no report of the installed example" >&2
  exit 1
}
man -w radirav-calc radirav
[ -x /usr/bin/radirav ]
echo "package checked: $(basename "$deb")"
