#!/bin/sh
# Nuvari's help project: generated from its sources, 7-bit RTF, every topic the program asks for
# mapped and present, and the Japanese titles intact through code page 932.
# Usage: help-project-test.sh <source root> <scratch dir>
set -eu
root=$1
out=$2
rm -rf "$out"
sh "$root/resources/nuvari/help/make-help-project.sh" "$out"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The RTF carries every double-byte character as escapes.
if LC_ALL=C grep -q "$(printf '[\200-\377]')" "$out/Nuvari.rtf"; then fail "Nuvari.rtf holds 8-bit bytes"; fi

# Topics the program opens: the frame (0x20000 + 128), the settings dialog (131175), every command
# (0x10000 + id) and the two bars (0x50000 + id).
hex() { printf '0x%X' "$1"; }
for expected in "HIDR_MAINFRAME $(hex $((0x20000 + 128)))" "HIDD_SETTINGS $(hex 131175)" \
    "HID_FILE_SETTINGS $(hex $((0x10000 + 32771)))" "HID_PENDING_DELETE $(hex $((0x10000 + 32772)))" \
    "HID_APP_EXIT $(hex $((0x10000 + 57665)))" \
    "HID_APP_ABOUT $(hex $((0x10000 + 57664)))" "HID_HELP_INDEX $(hex $((0x10000 + 57666)))" \
    "HID_HELP_USING $(hex $((0x10000 + 57668)))" "HID_CONTEXT_HELP $(hex $((0x10000 + 57669)))" \
    "HID_HELP $(hex $((0x10000 + 57670)))" "HID_VIEW_TOOLBAR $(hex $((0x10000 + 59392)))" \
    "HID_VIEW_STATUS_BAR $(hex $((0x10000 + 59393)))" "HIDW_TOOLBAR $(hex $((0x50000 + 59392)))" \
    "HIDW_STATUS_BAR $(hex $((0x50000 + 59393)))"; do
  set -- $expected
  tr -d '\r' < "$out/Nuvari.hm" | grep -Eiq "^$1 +$2\$" || fail "$1 is not mapped to $2"
done

# Each mapped context is a topic or an alias of one; each jump leads to a topic.
topics=$(sed -n 's/^#{\\footnote \(.*\)}\r$/\1/p' "$out/Nuvari.rtf")
is_topic() { echo "$topics" | grep -qx "$1"; }
for context in $(tr -d '\r' < "$out/Nuvari.hm" | sed -n 's/^\(H[A-Z_]*\) .*/\1/p'); do
  target=$(tr -d '\r' < "$out/Nuvari.hpj" | sed -n "s/^$context=//p")
  is_topic "${target:-$context}" || fail "$context has no topic"
done
for jump in $(grep -o '{\\v [A-Z_]*}' "$out/Nuvari.rtf" | sed 's/{\\v \(.*\)}/\1/'); do
  is_topic "$jump" || fail "a jump leads to the missing topic $jump"
done

# Titles decode back to the source's text.
expected_titles=$(sed -n 's/^=== [^|]*| *\([^|]*[^ |]\) *|.*/\1/p' "$root/resources/nuvari/help/Nuvari.topics")
decoded_titles=$(sed -n 's/^\${\\footnote \(.*\)}\r$/\1/p' "$out/Nuvari.rtf" | LC_ALL=C awk '
  BEGIN { for (i = 0; i < 16; i++) digit[substr("0123456789abcdef", i + 1, 1)] = i }
  {
    line = $0; text = ""
    while ((at = index(line, "\\'"'"'")) > 0) {
      text = text substr(line, 1, at - 1) sprintf("%c", digit[substr(line, at + 2, 1)] * 16 + digit[substr(line, at + 3, 1)])
      line = substr(line, at + 4)
    }
    print text line
  }' | iconv -f CP932 -t UTF-8)
[ "$expected_titles" = "$decoded_titles" ] || fail "titles differ: $decoded_titles"
[ "$(echo "$expected_titles" | wc -l)" -ge 8 ] || fail "too few topics"

[ "$failures" -eq 0 ] && echo "help project: all checks passed"
exit "$failures"
