#!/usr/bin/env bash
# Only the system's own folder of src/platform includes the system's headers: POSIX, the C
# library's system headers and the kernel's.
set -euo pipefail
src=$1
headers='unistd|fcntl|termios|signal|pwd|grp|poll|dirent|dlfcn|pthread|syslog|netdb|spawn|glob|libgen|utime'
found=$(grep -rlE "#include <(($headers)\.h|(sys|linux|asm|net|netinet|arpa)/)" "$src" |
    grep -v "^$src/platform/linux/" || true)
if [ -n "$found" ]; then
    echo "system headers outside src/platform/linux/:"
    echo "$found"
    exit 1
fi
echo "no system header outside src/platform/linux/"
