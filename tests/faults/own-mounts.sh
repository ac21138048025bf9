#!/bin/sh
# Runs a test in a mount namespace of its own where that is possible, so
# the read-only binds and tiny disks it makes vanish with it.
if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
    exec unshare -m --propagation private "$@"
fi
exec "$@"
