#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it and checks it the
# way a desktop and a user meet it: the menu entry and the metainfo by their
# validators, the man page rendered by man, the unpacked talir-calc telling
# its version and running a worked example.
# Usage: test_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/out/talir_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single talir_*.deb in $work/out"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "talir_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"
[ "$arch" = "$(dpkg --print-architecture)" ] || fail "architecture $arch"
echo "package: $(basename "$deb")"

# Fields: section, maintainer, description, and the libraries it links as
# its only dependencies.
for field in Section Maintainer Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "empty $field"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libc6 libstdc++6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib"
done
while read -r dependency; do
    # A shared library's package, whatever its name (zlib1g ships libz.so.1).
    dpkg -L "$dependency" 2>/dev/null | grep -q '/lib[^/]*\.so\.[0-9]' ||
        fail "Depends names a package without a shared library: $dependency"
done < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/talir usr/bin/talir-calc \
            usr/share/applications/ru.talir.Talir.desktop \
            usr/share/icons/hicolor/scalable/apps/ru.talir.Talir.svg \
            usr/share/metainfo/ru.talir.Talir.metainfo.xml \
            usr/share/man/man1/talir-calc.1 usr/share/doc/talir/README.md; do
    [ -s "$root/$file" ] || fail "missing $file"
done
unexpected=$(cd "$root" && find . -type f | grep -v -e '^./usr/bin/' -e '^./usr/share/' || true)
[ -z "$unexpected" ] || fail "files outside /usr/bin and /usr/share: $unexpected"

desktop-file-validate "$root/usr/share/applications/ru.talir.Talir.desktop" ||
    fail "desktop-file-validate"
grep -qx 'Exec=talir' "$root/usr/share/applications/ru.talir.Talir.desktop" || fail "Exec"
appstreamcli validate --no-net "$root/usr/share/metainfo/ru.talir.Talir.metainfo.xml" ||
    fail "appstreamcli validate"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" \
    "$root/usr/share/metainfo/ru.talir.Talir.metainfo.xml" || fail "metainfo release $version"

page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/talir-calc.1" 2>"$work/man.err" | sed "s/.\x08//g")
[ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "man reports problems"; }
for words in "SYNOPSIS" "talir-calc \[--json\]" "--version" "PTD5 PTD6" "ТАЛИР"; do
    grep -q -e "$words" <<<"$page" || fail "man page lacks '$words'"
done

calc="$root/usr/bin/talir-calc"
[ "$("$calc" --version)" = "talir-calc $version" ] || fail "talir-calc --version: $("$calc" --version)"
output=$("$calc" --locale en_US PTD5 2500 600 200)
grep -qx 'Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт.' <<<"$output" || fail "worked example: $output"
grep -qx 'Fc.c.общ= 0.6692' <<<"$output" || fail "worked example: $output"
echo "package checked: $(cd "$root" && find . -type f | wc -l) files"
