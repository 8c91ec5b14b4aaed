#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses it from there: every file a desktop and
# `man` look for is in place, the programs take their shared files from the prefix (the
# prefix's copies are changed, and the change must show), and the manual's links work in a
# browser.
#   installed.sh BUILD_DIR SOURCE_DIR WORK_DIR
set -uo pipefail
build=$1 source_dir=$2 work=$3
rm -rf "$work" && mkdir -p "$work/home"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

share=$prefix/share
expected=(bin/vitalune bin/vitalune-cli share/vitalune/empty.rec share/vitalune/help/index.html
  share/applications/com.qor.vitalune.desktop share/metainfo/com.qor.vitalune.metainfo.xml
  share/icons/hicolor/scalable/apps/vitalune.svg share/doc/vitalune/copyright
  share/doc/vitalune/changelog.gz share/doc/vitalune/manual/index.html)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("share/icons/hicolor/${size}x$size/apps/vitalune.png")
done
for page in "$source_dir"/resources/man/*.1; do
  expected+=("share/man/man1/$(basename "$page").gz")
done
for file in "$source_dir"/resources/completion/*.bash; do
  [ -e "$file" ] && expected+=("share/bash-completion/completions/$(basename "$file" .bash)")
done
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || fault "not installed: $file"
done
# A PNG's width and height, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" 2>/dev/null |
    awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}
for size in 16 512; do
  [ "$(png_size "$share/icons/hicolor/${size}x$size/apps/vitalune.png")" = "${size}x$size" ] ||
    fault "the ${size}px icon is not ${size}x$size"
done

# The template the first start copies, and a report picture, changed in the prefix only.
printf '#Installed|2\nPrefix Person|01.02.1990|F\n' >>"$share/vitalune/empty.rec"
printf 'prefix' >>"$share/vitalune/Pict/up.gif"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
QT_QPA_PLATFORM=offscreen "$prefix/bin/vitalune" --data-dir "$work/data" \
  --export-chart "$work/chart.png" --person "Installed/Prefix Person" --date 2026-12-07 ||
  fault "the installed program did not draw the template's person"
[ "$(png_size "$work/chart.png")" = 751x353 ] || fault "no chart written"
"$prefix/bin/vitalune-cli" report dayinfo --birth 1980-01-05 --date 2026-12-07 --name Anna \
  --data-dir "$work/cli" >/dev/null || fault "the installed tool wrote no report"
cmp -s "$share/vitalune/Pict/up.gif" "$work/cli/Pict/up.gif" ||
  fault "the installed tool did not take its pictures from the prefix"
"$prefix/bin/vitalune-cli" --help >/dev/null || fault "vitalune-cli --help failed"

# Every link and picture of the manual leads to a file, and every #anchor to an id there.
help=$share/doc/vitalune/manual
for page in "$help"/*.htm "$help"/*.html; do
  [ -f "$page" ] || continue
  for link in $(grep -oE '(href|src|url)="?[^">]*' "$page" | sed -E 's/^(href|src|url)="?//'); do
    case $link in http*:* | mailto:*) continue ;; esac
    target=${link%%#*} anchor=
    [ "$target" = "$link" ] || anchor=${link#*#}
    [ -n "$target" ] || target=$(basename "$page")
    [ -f "$help/$target" ] || { fault "$(basename "$page"): no file $link"; continue; }
    [ -z "$anchor" ] || grep -q "id=\"$anchor\"" "$help/$target" ||
      fault "$(basename "$page"): no anchor $link"
  done
done
exit $((faults > 0))
