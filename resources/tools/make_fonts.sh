#!/usr/bin/env bash
# Remakes resources/fonts/ComicRelief-Regular.ttf and ComicRelief-Bold.ttf, the faces that serve
# the layout's "Comic Sans MS". The npm package @fontsource/comic-relief ships the face as WOFF
# subsets; its Latin and Cyrillic subsets are merged into one TrueType file per weight.
#
#   resources/tools/make_fonts.sh [OUTPUT_DIR]      (default: resources/fonts)
#
# Needs npm and fonttools (Debian: apt-get install fonttools) only to remake the files; the
# program and its build use the committed TTF files.
set -euo pipefail

version=5.3.0
out=${1:-"$(cd "$(dirname "$0")/.." && pwd)/fonts"}

for tool in npm fonttools; do
  if ! command -v "$tool" >/dev/null; then
    echo "make_fonts: $tool is needed (npm: apt-get install npm; fonttools: apt-get install fonttools)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "@fontsource/comic-relief@$version" >/dev/null &&
  tar -xzf "fontsource-comic-relief-$version.tgz")
files=$work/package/files

# A fixed time stamp in the font header, so that remaking unchanged fonts changes no byte.
export SOURCE_DATE_EPOCH=1700000000
mkdir -p "$out"
merge() {
  local weight=$1 name=$2
  fonttools merge "$files/comic-relief-latin-$weight-normal.woff" \
    "$files/comic-relief-cyrillic-$weight-normal.woff" --output-file="$work/$name"
  mv "$work/$name" "$out/$name"
}
merge 400 ComicRelief-Regular.ttf
merge 700 ComicRelief-Bold.ttf
cp "$work/package/LICENSE" "$out/OFL.txt"
echo "make_fonts: wrote $out/ComicRelief-Regular.ttf, ComicRelief-Bold.ttf and OFL.txt"
