#!/bin/sh
# Renders the README's pictures of the test images: render_docs.sh RENDERER FOLDER
# The nine by number, the further images by id, the motion images as one
# of their frames (the status strip black, as the renderer draws it). A
# fixed seed keeps the random colours, and so the pictures, the same on
# every run.
set -eu
renderer=$1
folder=$2
mkdir -p "$folder"
for pattern in 0 1 2 3 4 5 6 7 8 white black red green blue grey black-levels white-levels gradients gamma \
    inversion checkerboard chroma; do
  "$renderer" --desktop 480x270 --seed 1 --wheel 0 "$pattern" "$folder/pattern-$pattern.png"
done
"$renderer" --desktop 480x270 --frame 40 motion "$folder/pattern-motion.png"
"$renderer" --desktop 480x270 --frame 5 frame-sequence "$folder/pattern-frame-sequence.png"
