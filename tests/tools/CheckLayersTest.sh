#!/usr/bin/env bash
# Runs tools/check-layers on a small repository of its own: first one whose includes respect
# the layers, then one with a fault of every kind, each of which must be named exactly.
# Usage: tests/tools/CheckLayersTest.sh CHECK_LAYERS
set -euo pipefail

check_layers=$1
repository=$(mktemp -d "${TMPDIR:-/tmp}/sortivale-layers.XXXXXX")
trap 'rm -rf "$repository"' EXIT
trap 'exit 1' HUP INT TERM

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Writes a source whose lines are the remaining arguments, and lets git track it.
source_file() {
  mkdir -p "$repository/$(dirname "$1")"
  printf '%s\n' "${@:2}" >"$repository/$1"
  git -C "$repository" add "$1"
}

expect() {
  local expected_status=$1 expected_output=$2 output status=0
  output=$("$repository/tools/check-layers") || status=$?
  [[ $status == "$expected_status" ]] || fail "exit status $status, not $expected_status"
  [[ $output == "$expected_output" ]] ||
    fail "it printed"$'\n'"$output"$'\n'"instead of"$'\n'"$expected_output"
}

git init -q "$repository"
mkdir "$repository/tools"
cp "$check_layers" "$repository/tools/check-layers"
source_file framework/base/Error.h '#pragma once'
source_file framework/random/Random.h '#include "framework/base/Error.h"'
source_file framework/ui/Window.h '#  include "framework/base/Error.h"' '#include <QWidget>'
source_file framework/ui/Window.cpp '#include "Window.h"' '// #include "framework/random/Random.h"'
source_file app/main.cpp '#include "framework/ui/Window.h"' '#include <memory>'
source_file tests/Test.cpp '#include "app/Missing.h"' '#include <QWidget>'
expect 0 "layers: 5 files, no include runs upward or sideways"

source_file framework/base/Up.cpp '#include "../random/Random.h"'
source_file framework/ui/Beside.cpp '#  include "framework/random/Random.h"'
source_file windows/Qt.cpp '#include <QtCore/QString>' '#include "app/main.cpp"'
source_file app/Typo.cpp '#include "framework/ui/Windw.h"' '#include "tests/Test.cpp"'
source_file framework/foo/Foo.h '#pragma once'
source_file framework/text/Angled.cpp '#include <framework/ui/Window.h>' '#include <string>'
source_file windows/LowerCase.cpp '#include <qstring.h>' '#include <private/qwidget_p.h>'
expect 1 'app/Typo.cpp:1: "framework/ui/Windw.h" is no file in the repository
app/Typo.cpp:2: app may not include a file of no layer (tests/Test.cpp)
framework/base/Up.cpp:1: base may not include random (framework/random/Random.h)
framework/foo/Foo.h: its folder belongs to no layer
framework/text/Angled.cpp:1: text may not include ui (framework/ui/Window.h)
framework/ui/Beside.cpp:1: ui may not include random (framework/random/Random.h)
windows/LowerCase.cpp:1: windows may not include Qt (<qstring.h>)
windows/LowerCase.cpp:2: windows may not include Qt (<private/qwidget_p.h>)
windows/Qt.cpp:1: windows may not include Qt (<QtCore/QString>)
windows/Qt.cpp:2: windows may not include app (app/main.cpp)
layers: 10 faults in 12 files'
echo "PASS: tools/check-layers passes layered includes and names each kind of fault"
