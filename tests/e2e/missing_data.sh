#!/usr/bin/env bash
# Started where there are no models, the game says what is missing and where
# it looked, and ends with status 1 instead of crashing.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

empty=$(mktemp -d)
status=0
errors=$(cd "$empty" && "$binary" 2>&1 >/dev/null) || status=$?
rmdir "$empty"
[ "$status" = 1 ] || fail "the game ended with status $status"
grep -q "^ERROR: Unable to open the file$" <<<"$errors" || fail "no ERROR line: $errors"
grep -q "obj/ and bmp/ below the working directory $empty" <<<"$errors" ||
    fail "no hint where the data is looked for: $errors"
echo "without data the game says so: $errors"
