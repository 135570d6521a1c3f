#!/bin/sh
# Installs the build into a temporary module folder, then loads zubNodes by
# name and finds the panel script with nothing but MAYA_MODULE_PATH set.
set -eu
build=$1
mayasim=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/zubBase" >/dev/null
test -f "$tmp/zubBase/zubBase.mod"
unset MAYA_PLUG_IN_PATH MAYA_SCRIPT_PATH
out=$(cd "$tmp" && MAYA_MODULE_PATH="$tmp/zubBase" "$mayasim" -c \
  'loadPlugin zubNodes; print(`pluginInfo -q -path zubNodes` + "\n"); print(exists("zubOscPanel") + "\n");')
expected="$tmp/zubBase/plug-ins/zubNodes.so
1"
if [ "$out" != "$expected" ]; then
  echo "got:"; echo "$out"; echo "expected:"; echo "$expected"
  exit 1
fi
# Without the module path, the name is not found.
if (cd "$tmp" && "$mayasim" -c 'loadPlugin zubNodes;' >/dev/null 2>&1); then
  echo "zubNodes loaded without MAYA_MODULE_PATH"; exit 1
fi
echo ok
