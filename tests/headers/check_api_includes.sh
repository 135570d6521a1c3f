#!/usr/bin/env bash
# Every <maya/...> include of an API header must be one its devkit counterpart
# has (devkit_includes.txt), so that no header makes more classes complete
# than the devkit's does.
#   check_api_includes.sh <source dir>
set -uo pipefail
src=$1
table=$(dirname "$0")/devkit_includes.txt
failed=0
for h in "$src"/mayasim/include/maya/*.h; do
  name=$(basename "$h")
  line=$(grep -E "^$name:" "$table")
  if [ -z "$line" ]; then
    echo "FAIL maya/$name: not in devkit_includes.txt"
    failed=$((failed + 1))
    continue
  fi
  allowed=" ${line#*:} "
  for inc in $(sed -nE 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*<maya/([A-Za-z0-9_]+\.h)>.*|\1|p' "$h"); do
    if [[ $allowed != *" $inc "* ]]; then
      echo "FAIL maya/$name includes maya/$inc; the devkit's does not"
      failed=$((failed + 1))
    fi
  done
done
echo "API header includes: $failed problems"
[ "$failed" -eq 0 ]
