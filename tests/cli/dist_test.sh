#!/usr/bin/env bash
# The release zip as a Windows user gets it: unpacked into an empty folder,
# it holds both programs and the README, its command-line program runs and
# tells the build's version, and both programs carry that version in their
# Windows version information.
# Usage: dist_test.sh ZIP VERSION WINE_RUN WINE_SESSION_ENV
set -euo pipefail
zip=$1 version=$2 wine_run=$3
export ZR_WINE_ENV=$4  # the folder the programs run from is not the build's
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
cmake -E tar xf "$zip"
listing=$(ls | tr '\n' ' ')
[ "$listing" = "README.md zr780k-editor.exe zr780k-job.exe " ] || {
  echo "the zip holds: $listing"; exit 1; }
said=$("$wine_run" ./zr780k-job.exe --version | tr -d '\r')
[ "$said" = "zr780k-job $version" ] || { echo "--version said: $said"; exit 1; }
for exe in zr780k-editor.exe zr780k-job.exe; do
  # The version texts are UTF-16 in the resource.
  strings -e l "$exe" | grep -qx "$version" || { echo "$exe carries no version $version"; exit 1; }
done
echo "the zip's programs are version $version"
