#!/usr/bin/env bash
# Starts the sanitized program, lets it run, ends it as the session would
# (SIGTERM), and fails if it does not exit with 0 or LeakSanitizer reports
# anything left behind. Usage: exit-without-leaks.sh BINARY
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen "$1" >"$log" 2>&1 &
pid=$!
sleep 3
kill -TERM "$pid"
wait "$pid"
code=$?
if grep -q "LeakSanitizer" "$log" || [[ $code -ne 0 ]]; then
    cat "$log"
    echo "0 passed, 1 failed (exit code $code)"
    exit 1
fi
echo "1 passed, 0 failed"
