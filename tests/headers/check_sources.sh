#!/usr/bin/env bash
# Compiles every plug-in source, every plug-in header and every API header on
# its own (-fsyntax-only) against mayasim's headers, so that what builds here
# builds against the devkit too: each header self-contained, each source
# including what it uses.
#   check_sources.sh <c++ compiler> <source dir> <extra -isystem dir>...
set -uo pipefail
cxx=$1 src=$2
shift 2
if ! command -v "$cxx" >/dev/null 2>&1; then
  echo "SKIPPED: compiler '$cxx' not found (install it, e.g. Debian's clang, to run this check)"
  exit 77
fi
flags=(-fsyntax-only -std=c++17 -Wall -Wextra -Wpedantic -Werror -x c++
       -I "$src/mayasim/include" -I "$src")
for dir in "$@"; do flags+=(-isystem "$dir"); done
plugin_dirs=(plugin osc hider generators nodes)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One line per translation unit: "<label>\t<file to compile>".
units=$work/units
: >"$units"
for h in "$src"/mayasim/include/maya/*.h; do
  name=$(basename "$h")
  printf '#include <maya/%s>\n' "$name" >"$work/api_$name.cpp"
  printf 'maya/%s\t%s\n' "$name" "$work/api_$name.cpp" >>"$units"
done
for d in "${plugin_dirs[@]}"; do
  for f in "$src/$d"/*.h "$src/$d"/*.cpp; do
    [ -e "$f" ] || continue
    rel=${f#"$src"/}
    if [[ $f == *.h ]]; then
      printf '#include "%s"\n' "$rel" >"$work/${rel//\//_}.cpp"
      printf '%s\t%s\n' "$rel" "$work/${rel//\//_}.cpp" >>"$units"
    else
      printf '%s\t%s\n' "$rel" "$f" >>"$units"
    fi
  done
done

compile_one() {  # <label> <file>; prints the diagnostics of a failing unit
  if ! out=$("$cxx" "${flags[@]}" "$2" 2>&1); then
    printf 'FAIL %s\n%s\n' "$1" "$out"
    return 1
  fi
}
failed=0
total=$(wc -l <"$units")
while IFS=$'\t' read -r label file; do
  compile_one "$label" "$file" || failed=$((failed + 1))
done <"$units"

# g++ accepts a global `class MPlug;` after the API headers' using-declarations
# (clang++ rejects it, as the devkit does); catch it with either compiler.
for d in "${plugin_dirs[@]}"; do
  while IFS= read -r hit; do
    printf 'FAIL %s: forward-declares an API class at global scope; include its header\n' "$hit"
    failed=$((failed + 1))
  done < <(grep -nE '^[[:space:]]*(class|struct)[[:space:]]+M[A-Z][A-Za-z0-9_]*[[:space:]]*;' \
             "$src/$d"/*.h "$src/$d"/*.cpp 2>/dev/null | sed "s|^$src/||")
done

# Calls of the devkit's deprecated members must warn, so -Werror stops them.
printf '%s\n' '#include <maya/MFnDependencyNode.h>' '#include <maya/MPlug.h>' \
  'MPlug f(const MFnDependencyNode& fn) { return fn.findPlug("tx"); }' >"$work/deprecated.cpp"
if "$cxx" "${flags[@]}" "$work/deprecated.cpp" >/dev/null 2>&1; then
  echo "FAIL a call of the deprecated MFnDependencyNode::findPlug(name) compiled without a warning"
  failed=$((failed + 1))
fi

echo "$cxx: $total units compiled, $failed failed"
[ "$failed" -eq 0 ]
