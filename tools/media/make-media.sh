#!/bin/sh
# Draws the splash's side files from the program's own art and synthesiser,
# encodes them, and puts them in Details/: Startupslide1.jpg onwards,
# backingmusic.wav, startup1.avi and startup2.avi. Not part of the normal
# build; run it again after changing the art or the tool, and commit the
# files it writes. Needs ffmpeg (installed by install-deps.sh --with-media-tools).
set -eu
cd "$(dirname "$0")/../.."
./tools/install-deps.sh --with-media-tools
cmake -S . -B build >/dev/null
cmake --build build --target tanvorel-media -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bin/tanvorel-media --details Details --out "$work"

# MPEG-4 part 2 in AVI: GStreamer's libav plug-in decodes it, and it keeps
# each video well under 3 MB. A key frame every second keeps seeking cheap.
fps=20
for video in startup1 startup2; do
  ffmpeg -loglevel error -y -framerate "$fps" -i "$work/$video/frame-%04d.png" \
    -c:v mpeg4 -vtag xvid -q:v 3 -g "$fps" -pix_fmt yuv420p -an "$work/$video.avi"
done

rm -f Details/Startupslide*.jpg
cp "$work"/Startupslide*.jpg "$work/backingmusic.wav" "$work/startup1.avi" "$work/startup2.avi" Details/
ls -l Details
