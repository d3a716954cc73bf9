#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop user gets.
set -euo pipefail
build=$1
app_id=io.github.meihua.Meihua
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for file in \
    bin/meihua bin/meihua-cast \
    share/applications/$app_id.desktop \
    share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/meihua-cast.1.gz \
    share/doc/meihua/copyright; do
    [ -s "$prefix/$file" ] || fail "$file is missing"
done
[ -x "$prefix/bin/meihua" ] || fail "bin/meihua is not executable"

# Each bitmap icon is a PNG of its stated size: width and height stand at bytes 16..23.
for size in 32 48 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -s "$png" ]; then
        fail "the ${size}x${size} icon is missing"
        continue
    fi
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

grep -q '^Exec=meihua$' "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not start meihua"
grep -q "^Icon=$app_id\$" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not name the icon"

if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
        fail "desktop-file-validate"
else
    echo "desktop-file-validate is not installed: skipped"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" > /dev/null ||
        fail "appstreamcli validate"
else
    echo "appstreamcli is not installed: skipped"
fi
if command -v man > /dev/null; then
    MANWIDTH=80 man -l "$prefix/share/man/man1/meihua-cast.1.gz" 2> /dev/null | grep -q 'EXIT STATUS' ||
        fail "the man page does not render"
fi

version=$("$prefix/bin/meihua-cast" --version) || fail "the installed meihua-cast --version failed"
[[ "$version" == "meihua-cast "* ]] || fail "meihua-cast --version printed \"$version\""

[ "$failures" -eq 0 ] && echo "install tree complete"
exit "$failures"
