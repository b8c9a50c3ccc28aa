#!/bin/bash
# Runs inside the test guest (as /payload/run.sh): every line of commands.tsv is
#   <case name> TAB <program> TAB <argument> TAB <argument> ...
# and is run under Wine from /payload, one after the other, each bounded in time.
# For every case it leaves results/<case>.out (stdout), .err (stderr), .rc (exit
# status) and .ms (wall time in milliseconds).
cd /payload || exit 1
mkdir -p results
case_timeout=${CASE_TIMEOUT:-300}

# The first Wine program of a boot also starts Wine's own services; start them here so
# that the time of each case is its own.
start=$(date +%s%N)
timeout 300 wine cmd /c exit >/dev/null 2>&1 </dev/null
echo "wine session start: $((($(date +%s%N) - start) / 1000000)) ms"

while IFS=$'\t' read -r -a fields; do
  ((${#fields[@]} >= 2)) || continue
  name=${fields[0]} program=${fields[1]}
  args=("${fields[@]:2}")
  start=$(date +%s%N)
  timeout --kill-after=5 "$case_timeout" wine "$program" "${args[@]}" \
    >"results/$name.out" 2>"results/$name.err" </dev/null
  echo $? >"results/$name.rc"
  echo $((($(date +%s%N) - start) / 1000000)) >"results/$name.ms"
  echo "$name: exit $(cat "results/$name.rc"), $(cat "results/$name.ms") ms"
done <commands.tsv
