#!/usr/bin/env bash
# Makes the seed inputs of the picture_readers fuzz target with imagemagick: small bitmaps of
# every depth and compression, icons and cursors, JPEG files with JFIF and Exif headers, and
# two metafiles.
# The files are committed; run this again only to change them.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)/corpus/picture_readers
mkdir -p "$out"
cd "$out"
rm -f ./*
picture=(-size 9x7 gradient:red-blue -fill lime -draw "point 2,3")
convert "${picture[@]}" -colors 2 -type palette BMP3:mono.bmp
convert "${picture[@]}" -colors 16 -type palette BMP3:sixteen.bmp
many=(-size 24x20 radial-gradient:yellow-navy)
convert "${many[@]}" -colors 200 -type palette -compress None BMP3:palette.bmp
convert "${many[@]}" -colors 200 -type palette -compress RLE BMP3:palette_rle.bmp
convert "${picture[@]}" -type truecolor BMP3:truecolor.bmp
convert "${picture[@]}" -alpha set -define bmp:format=bmp4 BMP:alpha.bmp
convert "${picture[@]}" -alpha off -define bmp:subtype=RGB565 BMP:rgb565.bmp
convert "${picture[@]}" -resize 16x16! ICO:icon.ico
convert "${picture[@]}" -resize 16x16! \( +clone -resize 32x32! \) ICO:two_images.ico
convert "${picture[@]}" -resize 256x256! -define icon:auto-resize=256 ICO:png_image.ico
convert "${picture[@]}" -quality 80 JPEG:jfif.jpg
convert "${picture[@]}" -interlace JPEG -quality 60 JPEG:progressive.jpg
# An Exif file starts with its APP1 segment in place of the JFIF one.
python3 - <<'PY'
jfif = open("jfif.jpg", "rb").read()
assert jfif[2:4] == b"\xff\xe0"
rest = jfif[4 + int.from_bytes(jfif[4:6], "big"):]
tiff = b"II*\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00"
app1 = b"Exif\x00\x00" + tiff
open("exif.jpg", "wb").write(jfif[:2] + b"\xff\xe1" + (len(app1) + 2).to_bytes(2, "big") + app1 + rest)
PY
# Metafiles have no converter here: an enhanced one (header and end record) and a placeable
# Windows one (header, Windows header and end record), written by hand.
python3 - <<'PY'
import struct
emf_header = struct.pack("<II4i4iIIIIHHIIIii ii", 1, 88, 0, 0, 95, 47, 0, 0, 2540, 1270,
                         0x464D4520, 0x10000, 108, 2, 1, 0, 0, 0, 0, 1920, 1080, 508, 285)
emf_end = struct.pack("<IIIII", 14, 20, 0, 16, 20)
open("enhanced.emf", "wb").write(emf_header + emf_end)
box = struct.pack("<IH4hHI", 0x9AC6CDD7, 0, 0, 0, 1440, 720, 1440, 0)
checksum = 0
for (word,) in struct.iter_unpack("<H", box):
    checksum ^= word
windows_header = struct.pack("<HHHIHIH", 1, 9, 0x300, 12, 0, 3, 0)
windows_end = struct.pack("<IH", 3, 0)
open("placeable.wmf", "wb").write(box + struct.pack("<H", checksum) + windows_header + windows_end)
PY
