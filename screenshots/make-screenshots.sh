#!/usr/bin/env bash
# Renders the Quellrix window in its typical states to PNG files in screenshots/out/ (under Xvfb, so
# message boxes and dialogs appear in front of the window), in a fresh machine directory and profile,
# with the report page and the design sheet rendered from their PDFs; the pictures the README shows go
# to docs/.
# Usage: screenshots/make-screenshots.sh [BUILD_DIR]   (default build/qt, configured with the GUI)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/qt}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DQUELLRIX_GUI=ON >/dev/null
fi
cmake --build "$build" --target quellrix-screenshots
out=$PWD/screenshots/out
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No printer server: the start-up finds no default printer and jobs go to the A4 PDF printer.
export CUPS_SERVER=$work/no-cups-server
export WINDIR=$work/machine XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work
mkdir -p "$WINDIR" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1100x24 -dpi 96" "$build/app/gui/quellrix-screenshots" "$out"
pdftoppm -png -r 72 -singlefile "$out/report.pdf" "$out/09-report"
echo "$out/09-report.png"
pdftoppm -png -r 72 -singlefile "$out/sheet-partial.pdf" "$out/14-design-sheet"
echo "$out/14-design-sheet.png"
cp "$out/02-result.png" docs/main-window.png
cp "$out/04-partial.png" docs/partial-filling.png
cp "$out/09-report.png" docs/report-page.png
cp "$out/09-filling-curves.png" docs/filling-curves.png
cp "$out/10-sizing-table.png" docs/sizing-table.png
cp "$out/11-sizing-table-pressure.png" docs/sizing-table-pressure.png
cp "$out/13-project-dialog.png" docs/project-dialog.png
cp "$out/14-design-sheet.png" docs/design-sheet.png
echo "docs/main-window.png docs/partial-filling.png docs/report-page.png docs/filling-curves.png" \
  "docs/sizing-table.png docs/sizing-table-pressure.png docs/project-dialog.png docs/design-sheet.png"
