#!/usr/bin/env bash
# Only the systems' own folders of src/platform include the systems' headers (POSIX, the C
# library's system headers and the kernel's in linux/, the Windows API's in windows/), also for
# the command-line programmer, and no source file of src/ or tools/ outside them speaks of a
# system's own things: its services, files, device names and tools. The chip table and the udev rule's generator name the rule's
# own words.
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
own='src tools/program'
headers=$(outside "#include <(($posix)\.h|(sys|linux|asm|net|netinet|arpa)/)" linux '' "$own"
          outside "#include <($windows)\.h" windows '' "$own")
if [ -n "$headers" ]; then
    echo "system headers outside their folder of src/platform/:"
    echo "$headers"
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
