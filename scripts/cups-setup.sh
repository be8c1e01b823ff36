#!/usr/bin/env bash
# Sourced by the test script: starts the print system with a PDF queue as the default printer,
# so that the print tests go through a real print service, and exports the folder in which the
# queue's PDF files arrive (VELMARIS_PRINT_PDF_DIR).
queue=VelmarisPDF
as_root=""
[ "$(id -u)" -ne 0 ] && as_root="sudo"

# lpstat -r exits 0 whether or not the scheduler runs; only its answer tells.
scheduler_running() {
  LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running"
}

if ! scheduler_running; then
  # A scheduler that died with the previous machine leaves its pid file and socket behind.
  $as_root rm -f /run/cups/cupsd.pid /run/cups/cups.sock
  $as_root mkdir -p /run/cups
  $as_root cupsd || { echo "cups-setup: cupsd did not start" >&2; return 1; }
  for _ in $(seq 1 50); do
    scheduler_running && break
    sleep 0.2
  done
  scheduler_running || { echo "cups-setup: the print scheduler is not answering" >&2; return 1; }
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  $as_root lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ||
    { echo "cups-setup: could not add the queue $queue" >&2; return 1; }
fi
# pdftocairo keeps the text of the print-out searchable in the PDF the queue writes.
$as_root lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
$as_root lpadmin -d "$queue"
lpstat -d
home="$(getent passwd "$(id -un)" | cut -d: -f6)"
[ -n "$home" ] || home="$HOME"
export VELMARIS_PRINT_PDF_DIR="$home/PDF"
mkdir -p "$VELMARIS_PRINT_PDF_DIR"
