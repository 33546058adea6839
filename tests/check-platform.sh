#!/usr/bin/env bash
# Only the systems' own folders of src/platform include the systems' headers: POSIX, the C
# library's system headers and the kernel's in linux/, the Windows API's in windows/.
set -euo pipefail
src=$1
posix='unistd|fcntl|termios|signal|pwd|grp|poll|dirent|dlfcn|pthread|syslog|netdb|spawn|glob|libgen|utime'
windows='windows|winbase|winreg|setupapi|cfgmgr32|devguid|initguid|dbt|tlhelp32|io|direct'
outside() {
    grep -rliE "#include <$1>" "$src" | grep -v "^$src/platform/$2/" || true
}
found=$(outside "(($posix)\.h|(sys|linux|asm|net|netinet|arpa)/)" linux
        outside "($windows)\.h" windows)
if [ -n "$found" ]; then
    echo "system headers outside their folder of src/platform/:"
    echo "$found"
    exit 1
fi
echo "no system header outside src/platform/linux/ and src/platform/windows/"
