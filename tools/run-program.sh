#!/bin/bash
# Starts the program from its build directory; says clearly when there is no display.
bin="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "没有图形显示 (DISPLAY 未设置): 请在桌面中运行, 或用 Xvfb: xvfb-run -a make run" >&2
  exit 1
fi
exec "$bin/openbuy"
