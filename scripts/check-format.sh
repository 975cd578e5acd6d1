#!/usr/bin/env bash
# Checks every C++ file of the tree against the committed .clang-format and
# fails naming each file that is not formatted. With --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null || { echo "$format not found (make deps installs it)" >&2; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
                         while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
    mapfile -t files < <(find src tests bench tools -name '*.cpp' -o -name '*.h' | sort)
fi
if [ "${1:-}" = "--fix" ]; then
    "$format" -i "${files[@]}"
    exit 0
fi
# One run over all files; each unformatted place is reported as
# "file:line:column: error: code should be clang-formatted".
mapfile -t bad < <("$format" --dry-run -Werror "${files[@]}" 2>&1 |
                   sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' |
                   sort -u)
if [ ${#bad[@]} -ne 0 ]; then
    echo "Not formatted by .clang-format ($("$format" --version)):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    echo "Run 'make format' (clang-format -i) on them." >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files checked, all formatted."
