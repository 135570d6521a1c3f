#!/bin/sh
# The OSC demo: mayasim with zubBase and the OSC panel, fed by a paced stream
# from zubOscSend; the cube's attributes are printed as messages arrive.
#
#   scripts/oscDemo.sh [BUILD_DIR] [COUNT]
#
# Uses ZUBBASE_OSC_PORT when set (default 57110).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
count=${2:-12}
interval_ms=200
port=${ZUBBASE_OSC_PORT:-57110}
export ZUBBASE_OSC_PORT=$port
export MAYA_PLUG_IN_PATH="$build/plug-ins"
sender="$build/tools/zubOscSend"
host="$build/mayasim/app/mayasim"

# True once some process has UDP port $port bound (the plug-in, when loaded).
port_bound() {
  hex=$(printf '%04X' "$port")
  grep -Eq "^ *[0-9]+: [0-9A-F]+:$hex " /proc/net/udp
}

if port_bound; then
  echo "oscDemo: UDP port $port is already in use; set ZUBBASE_OSC_PORT to a free port" >&2
  exit 1
fi

{
  tries=0
  until port_bound; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ]; then echo "oscDemo: zubBase did not open port $port" >&2; exit 1; fi
    sleep 0.05
  done
  # Datagrams sent now wait in the socket until the idle turns pick them up.
  "$sender" --port "$port" stream /zubbase "{i} {sin} {cos}" --count "$count" --interval-ms "$interval_ms" &
  sleep 0.1  # look half-way between two messages
  i=0
  while [ "$i" -lt "$count" ]; do
    echo "oscDemoShow;"
    sleep 0.2
    i=$((i + 1))
  done
  wait
  echo "zubCmd_toggleOSC;"
  printf '%s\n' 'print ("OSC switched off; zubNode_OSC nodes in the scene: " + size(`ls -type zubNode_OSC`) + "\n");'
} | "$host" --interactive "$here/zubOscPanel.mel" "$here/oscDemo.mel"
