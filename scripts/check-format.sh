#!/usr/bin/env bash
# Checks that every tracked C++ source (*.h, *.cpp) is formatted as .clang-format says:
# prints each file that is not, with the first place that differs, and fails.
# scripts/check-format.sh --fix formats those files in place instead.
# Other versions of clang-format format differently; CLANG_FORMAT names the program.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format}

version=$("$clang_format" --version)
if [[ ! $version =~ version\ 14\. ]]; then
  echo "check-format: needs clang-format 14, as Debian 12 has it; $clang_format is: $version" >&2
  exit 2
fi

mapfile -d '' files < <(git ls-files -z -- '*.h' '*.cpp')

if [ "${1:-}" = --fix ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 40 -P "$(nproc)" "$clang_format" -i
  exit 0
fi

# One batch after another, so that the reports of two files never interleave.
status=0
report=$(printf '%s\0' "${files[@]}" | xargs -0 "$clang_format" --dry-run -Werror --ferror-limit=1 2>&1) || status=$?
[ "$status" -eq 0 ] && exit 0
differing=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: error: code should be clang-formatted' <<<"$report" | cut -d: -f1-3 | sort) || true
if [ -z "$differing" ]; then
  echo "$report" >&2
  echo "check-format: $clang_format failed" >&2
  exit 2
fi
echo "$differing" | sed 's/^/check-format: not formatted: /' >&2
echo "check-format: $(wc -l <<<"$differing") of ${#files[@]} files differ from .clang-format;" \
     "scripts/check-format.sh --fix formats them" >&2
exit 1
