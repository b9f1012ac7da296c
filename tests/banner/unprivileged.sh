#!/bin/sh
# Runs a test program as the unprivileged user "nobody" when started as root and that user can
# create the namespaces of the web engine's sandbox; otherwise runs it as it is.
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null 2>&1 \
   && setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups unshare -U -p -n --fork true 2>/dev/null; then
  exec setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --inh-caps=-all \
    env HOME=/nonexistent "$@"
fi
exec "$@"
