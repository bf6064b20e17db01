#!/usr/bin/env bash
# Keeps the modules in their layers:
# - the socket and HTTP layers use no Qt at all;
# - the skin's data and drawing modules use no widget (QtGui only);
# - nothing under src/ includes a file from tools/ (or from anywhere but src/).
# usage: check_layering.sh [ROOT [QTWIDGETS_HEADER_DIR]]
set -u
root="${1:-.}"
widgets_dir="${2:-}"
if [ -z "$widgets_dir" ]; then
  headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
  for d in "$headers/QtWidgets" /usr/include/x86_64-linux-gnu/qt6/QtWidgets /usr/include/qt6/QtWidgets; do
    if [ -d "$d" ]; then widgets_dir="$d"; break; fi
  done
fi
failed=0

hits=$(grep -rnE '#\s*include\s*[<"]Q|#\s*include\s*[<"]qt' "$root/src/net" "$root/src/http" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in src/net or src/http:"
  echo "$hits"
  failed=1
fi

if [ ! -d "$widgets_dir" ]; then
  echo "cannot find the QtWidgets headers; pass their folder as the second argument"
  failed=1
else
  # Every header the QtWidgets module ships, as code includes it.
  patterns=$(ls "$widgets_dir" | while IFS= read -r h; do printf '<%s>\n"%s"\n' "$h" "$h"; done)
  hits=$(grep -rnF -e '<QtWidgets' -e '"QtWidgets' -e "$patterns" "$root/src/skin/data" \
    "$root/src/skin/draw" 2>/dev/null | grep -E '^[^:]+:[0-9]+:\s*#\s*include')
  if [ -n "$hits" ]; then
    echo "QtWidgets headers in src/skin/data or src/skin/draw:"
    echo "$hits"
    failed=1
  fi
fi

# A quoted include must name a file beside the includer or under src/,
# without climbing out of its folder.
include_re='^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'
hits=$(grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s*"' "$root/src" |
  while IFS= read -r line; do
    [[ "$line" =~ $include_re ]] || continue
    file=${BASH_REMATCH[1]}
    name=${BASH_REMATCH[3]}
    if [[ "$name" == *..* ]] || { [ ! -f "${file%/*}/$name" ] && [ ! -f "$root/src/$name" ]; }; then
      echo "$line"
    fi
  done)
if [ -n "$hits" ]; then
  echo "includes under src/ of files outside src/ (tools/ belongs to the build, not the program):"
  echo "$hits"
  failed=1
fi

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "net and http include no Qt header; skin/data and skin/draw no widget header;" \
  "src includes nothing outside src"
