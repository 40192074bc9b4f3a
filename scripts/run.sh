#!/usr/bin/env bash
# `make run`: opens Quelva on the sample survey built beside the program. On a machine without a display it
# runs the program under a virtual X server, saves a picture of its window to build/quelva.png and ends.
set -euo pipefail
# Qt wants a private runtime folder; a machine without a session has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then export XDG_RUNTIME_DIR=$(mktemp -d); fi
build=${1:-build}
bin="$build/bin"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/quelva"
fi
echo "Sem tela disponível: o Quelva abre numa tela virtual e a imagem da janela vai para $build/quelva.png"
xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/quelva-capture" "$build/quelva.png"
echo "Imagem gravada: $build/quelva.png"
