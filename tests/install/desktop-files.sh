#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo: both validators say nothing (when they are
# installed), the two files name one id and one set of categories and keywords, the release
# is this version's (there and in the change log), and every screenshot is a file of
# docs/screenshots under one address.
#   desktop-files.sh SOURCE_DIR VERSION
set -uo pipefail
source_dir=$1 version=$2
desktop=$(echo "$source_dir"/resources/*.desktop)
metainfo=$(echo "$source_dir"/resources/*.metainfo.xml)
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fault "desktop-file-validate: $out"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)
  grep -qE '^[EWIP]: ' <<<"$out" && fault "appstreamcli: $out"
fi

# The values of a desktop key, and the texts of a metainfo element, one a line, sorted.
key() { sed -n "s/^$1=//p" "$desktop" | tr ';' '\n' | sed '/^$/d' | sort; }
elements() { grep -o "<$1>[^<]*</$1>" "$metainfo" | sed 's/<[^>]*>//g' | sort; }

id=$(elements id)
[ "$(basename "$desktop")" = "$id.desktop" ] || fault "the desktop entry is not named by the id $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fault "the metainfo does not launch $id.desktop"
[ "$(key Categories)" = "$(elements category)" ] || fault "categories differ"
[ "$(key Keywords)" = "$(elements keyword)" ] || fault "keywords differ"
[ "$(key Icon)" = "$(sed -n 's/.*<icon type="stock">\(.*\)<\/icon>.*/\1/p' "$metainfo")" ] ||
  fault "icons differ"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fault "no release $version"
head -n1 "$source_dir/resources/changelog" | grep -q "^vitalune ($version) " ||
  fault "the change log does not start with $version"
# A second start only raises the running window, so the desktop must not offer a new one.
grep -qx 'X-GNOME-SingleWindow=true' "$desktop" || fault "the menu would offer a new window"
grep -q '<url type="homepage">https://' "$metainfo" || fault "no homepage"
grep -q '<content_rating type="oars-' "$metainfo" || fault "no content rating"

images=$(elements image)
[ -n "$images" ] || fault "no screenshots"
[ "$(sed 's|[^/]*$||' <<<"$images" | sort -u | wc -l)" -eq 1 ] || fault "screenshots under several addresses"
while read -r url; do
  [ -z "$url" ] || [ -f "$source_dir/docs/screenshots/$(basename "$url")" ] || fault "no file for $url"
done <<<"$images"
grep -q "<screenshot type=\"default\">" "$metainfo" || fault "no default screenshot"
exit $((faults > 0))
