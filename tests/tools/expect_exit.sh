#!/bin/bash
# Runs a command that is to fail: passes when it exits with the code given and what it writes to its
# error output holds the text given, as it stands.
# Usage: expect_exit.sh CODE TEXT COMMAND [ARGUMENT...]
set -u
expected=$1
text=$2
shift 2
errors=$("$@" 2>&1 >/dev/null)
code=$?
printf '%s\n' "$errors"
if [ "$code" -ne "$expected" ]; then
    echo "exit code $code, not $expected" >&2
    exit 1
fi
if ! grep -Fq -- "$text" <<<"$errors"; then
    echo "no \"$text\" in its errors" >&2
    exit 1
fi
