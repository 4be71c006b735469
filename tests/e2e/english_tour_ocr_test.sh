#!/bin/sh
# The English tour's shots read back by OCR: at least 80 per cent of the words expected on them are found.
#   english_tour_ocr_test.sh SOURCE_DIR DATA_DIR ZOR
# Skipped (77) where tesseract is not installed.
command -v tesseract >/dev/null || exit 77
shots=$(mktemp -d)
"$1/scripts/tour-shots.sh" en "$shots" "$2" "$3" && "$1/scripts/ocr-check.sh" "$shots" --min 80
status=$?
rm -rf "$shots"
exit $status
