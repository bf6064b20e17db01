#!/usr/bin/env bash
# The layering check passes a clean tree and refuses each kind of break.
# usage: check_layering_test.sh CHECK_SCRIPT QTWIDGETS_HEADER_DIR
set -u
check="$1"
widgets="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_tree() {
  rm -rf "$work/t"
  mkdir -p "$work/t/src/net" "$work/t/src/http" "$work/t/src/skin/data" "$work/t/src/skin/draw" \
    "$work/t/src/app" "$work/t/tools/skin"
  printf '#include <QImage>\n#include "skin/data/a.h"\n' >"$work/t/src/skin/draw/b.cpp"
  printf '#pragma once\n#include <vector>\n' >"$work/t/src/skin/data/a.h"
  printf '#include "a.h"\n' >"$work/t/src/skin/data/a.cpp"
  printf '#include <QWidget>\n' >"$work/t/src/app/w.cpp"
  printf '#include <string>\n' >"$work/t/src/net/n.cpp"
  printf '#pragma once\n' >"$work/t/tools/skin/tool.h"
}

expect() {  # expect pass|fail WHAT
  local out rc
  out=$("$check" "$work/t" "$widgets" 2>&1)
  rc=$?
  if { [ "$1" = pass ] && [ $rc -ne 0 ]; } || { [ "$1" = fail ] && [ $rc -eq 0 ]; }; then
    echo "FAILED: expected $1 for $2; the check said:"
    echo "$out"
    exit 1
  fi
  echo "ok: $2"
}

make_tree
expect pass "a clean tree (widgets only in app)"

make_tree
printf '#include <QTcpSocket>\n' >>"$work/t/src/http/h.cpp"
expect fail "Qt in http"

make_tree
printf '#include <QApplication>\n' >>"$work/t/src/skin/data/a.cpp"
expect fail "QApplication in skin/data"

make_tree
printf '#include <qwidget.h>\n' >>"$work/t/src/skin/draw/b.cpp"
expect fail "qwidget.h in skin/draw"

make_tree
printf '#include <QtWidgets/QLabel>\n' >>"$work/t/src/skin/draw/b.cpp"
expect fail "QtWidgets/QLabel in skin/draw"

make_tree
printf '#include "tool.h"\n' >>"$work/t/src/app/w.cpp"
expect fail "a tools header included by name from src"

make_tree
printf '#include "../../tools/skin/tool.h"\n' >>"$work/t/src/app/w.cpp"
expect fail "a tools header included by path from src"
