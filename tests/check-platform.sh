#!/usr/bin/env bash
# Only the systems' own folders of src/platform include the systems' headers (POSIX, the C
# library's system headers and the kernel's in linux/, the Windows API's in windows/), and no
# source file of src/ or tools/ outside them speaks of a system's own things: its services,
# files, device names and tools. The chip table and the udev rule's generator name the rule's
# own words. Of tools/, the Linux leg's own instruments (the pseudo-terminal and the virtual
# controller on it) are Linux's; the command-line programmer reaches the system through the
# platform layer alone.
set -euo pipefail
root=$1
posix='unistd|fcntl|termios|signal|pwd|grp|poll|dirent|dlfcn|pthread|syslog|netdb|spawn|glob|libgen|utime'
windows='windows|winbase|winreg|setupapi|cfgmgr32|devguid|initguid|dbt|tlhelp32|io|direct'
linux_words='dialout|brltty|modemmanager|/proc/|/sys/|ttyusb|ttyacm|by-path|flatpak|\bsnap\b'
windows_words='device manager|setupapi|windows update|serialcomm|hkey_'
# The source files of the folders $4 that name $1 outside src/platform/$2/ and the folders $3.
outside() {
    (cd "$root" && grep -rliE --include='*.cpp' --include='*.h' "$1" $4) |
        grep -vE "^(src/platform/$2/${3:+|$3})" || true
}
instruments='tools/pty/|tools/virtual-controller\.cpp'
headers=$(outside "#include <(($posix)\.h|(sys|linux|asm|net|netinet|arpa)/)" linux \
              "$instruments" 'src tools'
          outside "#include <($windows)\.h" windows '' 'src tools')
if [ -n "$headers" ]; then
    echo "system headers outside their folder of src/platform/:"
    echo "$headers"
    exit 1
fi
# The layer below includes nothing of the layers above it, and its shared code's calls to the
# system are its own.
inward=$(cd "$root" && { grep -rlE --include='*.cpp' --include='*.h' '#include "files/' src/platform
         grep -rlE --include='*.cpp' --include='*.h' '#include "platform/(SystemCalls|OpenFile)\.h"' \
             src tools | grep -v '^src/platform/'; } || true)
if [ -n "$inward" ]; then
    echo "an include across the platform boundary the wrong way:"
    echo "$inward"
    exit 1
fi
words=$(outside "$linux_words" linux 'src/model/|tools/chips/' 'src tools'
        outside "$windows_words" windows '' 'src tools')
if [ -n "$words" ]; then
    echo "a system's own words outside its folder of src/platform/:"
    echo "$words"
    exit 1
fi
echo "no system header or word outside src/platform/linux/ and src/platform/windows/"
