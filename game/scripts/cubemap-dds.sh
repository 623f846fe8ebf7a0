#!/bin/sh
# Writes an uncompressed 32-bit cube-map DDS file from six raw RGBA faces of
# one square size, in the order +X, -X, +Y, -Y, +Z, -Z (ImageMagick gives
# such faces with "rgba:face.raw"). ImageMagick itself writes no cube maps.
# Usage: cubemap-dds.sh output.dds size face+x face-x face+y face-y face+z face-z
set -eu
output=$1
size=$2
shift 2
[ $# -eq 6 ] || { echo "cubemap-dds: six faces needed" >&2; exit 1; }

# One little-endian 32-bit value.
le32() {
  for shift in 0 8 16 24; do
    printf "\\$(printf '%03o' $(( ($1 >> shift) & 255 )))"
  done
}

{
  printf 'DDS '
  le32 124                      # header size
  le32 $(( 0x1 | 0x2 | 0x4 | 0x8 | 0x1000 )) # caps, height, width, pitch, pixel format
  le32 "$size"                  # height
  le32 "$size"                  # width
  le32 $(( size * 4 ))          # pitch
  le32 0                        # depth
  le32 0                        # mipmap count
  for _ in 1 2 3 4 5 6 7 8 9 10 11; do le32 0; done # reserved
  le32 32                       # pixel format size
  le32 $(( 0x40 | 0x1 ))        # RGB with alpha
  le32 0                        # no four-character code
  le32 32                       # bits per pixel
  le32 $(( 0x000000ff ))        # red mask: bytes in R, G, B, A order
  le32 $(( 0x0000ff00 ))        # green mask
  le32 $(( 0x00ff0000 ))        # blue mask
  le32 $(( 0xff000000 ))        # alpha mask
  le32 $(( 0x1000 | 0x8 ))      # texture, complex
  le32 $(( 0x200 | 0xfc00 ))    # cube map with all six faces
  le32 0
  le32 0
  le32 0                        # reserved
  cat "$@"
} > "$output"
