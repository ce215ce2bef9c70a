#!/bin/sh
# Runs the SQL check on its sample files: every pasted statement and every keyed text compared
# without its key is named, the clean file passes.
check="$1"
samples="$2"
out=$("$check" "$samples/pasted" 2>&1) && { echo "check-sql passed a file that pastes values"; exit 1; }
for line in 4 9 15 21 28; do
    echo "$out" | grep -q "Pasted.cpp:$line:" || { echo "not named: Pasted.cpp line $line"; echo "$out"; exit 1; }
done
count=$(echo "$out" | grep -c "Pasted.cpp:")
[ "$count" -eq 5 ] || { echo "expected 5 findings, got $count"; echo "$out"; exit 1; }
out=$("$check" "$samples/unkeyed" 2>&1) && { echo "check-sql passed keyed texts compared without their keys"; exit 1; }
for line in 4 5 6 8; do
    echo "$out" | grep -q "Unkeyed.cpp:$line:" || { echo "not named: Unkeyed.cpp line $line"; echo "$out"; exit 1; }
done
count=$(echo "$out" | grep -c "Unkeyed.cpp:")
[ "$count" -eq 4 ] || { echo "expected 4 findings, got $count"; echo "$out"; exit 1; }
"$check" "$samples/clean" || { echo "check-sql refused the clean sample"; exit 1; }
echo "check-sql: samples as expected"
