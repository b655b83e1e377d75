#!/bin/bash
# Prints a 130-line commentary through the test prefix's PostScript printer, then reads the job back with
# ps2ascii: two pages, numbered 1 and 2, the first ending with line 65 and the second starting with 66.
# Usage: check_printed_log.sh <winrun...> <test-exe> <out-dir>
set -e
out=${@: -1}
exe=${@: -2:1}
winrun=("${@:1:$#-2}")
rm -rf "$out" && mkdir -p "$out"
PELLORA_PRINT_DIR="Z:$(echo "$out" | tr / '\\')" "${winrun[@]}" "$exe" --gtest_filter='*SixtyFive*'
[ -s "$out/FILE:" ] || { echo "no print job in $out"; exit 1; }
ps2ascii "$out/FILE:" > "$out/pages.txt"
cat "$out/pages.txt" | head -5
fail=0
check() { grep -q -- "$1" "$out/pages.txt" || { echo "missing: $1"; fail=1; }; }
check "Commentary line 1\b"
check "Commentary line 65"
check "Commentary line 66"
check "Commentary line 130"
pages=$(grep -c "^%%Page:" "$out/FILE:")
[ "$pages" = 2 ] || { echo "pages: $pages"; fail=1; }
# Page 1 holds lines 1-65 and its number; page 2 starts with line 66.
awk '/^%%Page: 2/{p=2} p==2' "$out/FILE:" | ps2ascii - 2>/dev/null | grep -q "Commentary line 65" && { echo "line 65 on page 2"; fail=1; }
exit $fail
