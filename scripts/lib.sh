# Shared by the scripts that build beside build/: builds share the machine
# through a lock; a caller that already holds it (CI runs under it) is not
# waited for.
lock=${TASTWERK_BUILD_LOCK:-/tmp/tastwerk-build.lock}

locked() {
  local pid=$$
  while [ "$pid" -gt 1 ]; do
    if ls -l "/proc/$pid/fd" 2>/dev/null | grep -qF -- "$lock"; then
      "$@"
      return
    fi
    pid=$(ps -o ppid= -p "$pid" | tr -d ' ')
  done
  flock "$lock" "$@"
}
