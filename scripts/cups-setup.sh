#!/usr/bin/env bash
# Sourced by the test script: starts the print system with a PDF queue as the default printer,
# so that the print tests go through a real print service, and exports the folder in which the
# queue's PDF files arrive (VELMARIS_PRINT_PDF_DIR).
queue=VelmarisPDF
if ! lpstat -r >/dev/null 2>&1; then
  cupsd
  for _ in $(seq 1 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.2
  done
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
# pdftocairo keeps the text of the print-out searchable in the PDF the queue writes.
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
lpstat -d
home="$(getent passwd "$(id -un)" | cut -d: -f6)"
export VELMARIS_PRINT_PDF_DIR="$home/PDF"
mkdir -p "$VELMARIS_PRINT_PDF_DIR"
