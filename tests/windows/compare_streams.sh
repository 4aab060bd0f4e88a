#!/usr/bin/env bash
# Prints a table of jobs with the native kvhost and with the Windows kvhost.exe under Wine and
# requires byte-identical spooled streams. The jobs keep to owner answers that are the same on
# both: the Windows build asks the real system, which under Wine has no printers (so the
# principal-name path is taken, has no principal name, and falls back to the logon name), while
# the native host is told the same through its answers.
#   compare_streams.sh NATIVE_KVHOST WINE_RUN WINDOWS_KVHOST WORK_DIR
set -euo pipefail
native=$1
wine_run=$2
windows=$3
work=$4
mkdir -p "$work"
cd "$work"

# A small PostScript job with a name that needs processing, and a larger binary-safe payload.
printf '%%!PS-Adobe-3.0\n/Helvetica findfont 24 scalefont setfont\n72 720 moveto (Plan) show\nshowpage\n%%%%EOF\n' > plan.ps
head -c 3000000 /dev/urandom > payload.bin

native_record() {  # builds a record file with the native tool: name, then field settings
  local name=$1; shift
  "$native" record default --model kvui01 -o "$name.base"
  "$native" record set "$name.base" "$@" -o "$name"
}
native_record accounting.rec AccountingOn=1 UserId=123456789 AccountId=42 SendToInbox=1 Copies=3
native_record options.rec LeadingStripOn=1 LeadingStripLength=25 TrailingStripOn=1 TrailingStripMode=1 \
  TrailingStripLength=10 CutMethod=3 CutLength=1500 Rotation=6 ScalingMode=1 ZoomX=150 ZoomY=75 \
  Alignment=9 ShiftOn=1 ShiftHorizontal=-12 ShiftVertical=30 DefaultMediaType=1 'MediaTypeIds[0]=Bond 90' \
  FolderOutput=1 DefaultFoldTemplate=2 'FoldTemplateNames[1]=DIN A4'
native_record ticketoff.rec JobTicketOn=0

jobs=(
  "sample|--no-printer"
  "plan|plan.ps --no-printer --doc-name C:\\Plans\\Floor%201%.pdf"
  "payload|payload.bin --no-printer --model kvui14 --color Gray"
  "render|plan.ps --no-printer --render-defaults --no-color"
  "accounting|plan.ps --no-printer --record accounting.rec --no-doc-name"
  "options|plan.ps --no-printer --record options.rec --color CMY"
  "ticketoff|plan.ps --no-printer --record ticketoff.rec"
  "model05|--no-printer --model kvui05 --set ScalingMode=2 --set ZoomMediaSize=36"
)

failed=0
for job in "${jobs[@]}"; do
  name=${job%%|*}
  read -r -a args <<< "${job#*|}"
  "$native" print "${args[@]}" -o "$name.native.prn"
  "$wine_run" "$windows" print "${args[@]}" -o "$name.windows.prn"
  if cmp -s "$name.native.prn" "$name.windows.prn"; then
    echo "same: $name ($(stat -c %s "$name.native.prn") bytes)"
  else
    echo "DIFFERENT: $name"
    cmp "$name.native.prn" "$name.windows.prn" | head -n 3 || true
    failed=1
  fi
done
exit $failed
