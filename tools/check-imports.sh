#!/usr/bin/env bash
# Checks that EXE is what ships: a 32-bit PE (i386) GUI program that imports only DLLs every
# Windows has.  A new import (a Vista-only API pulled in by the posix-threads compiler, or a
# runtime DLL from forgetting -static) would make the program fail to start on older systems.
set -u

exe=${1:?usage: check-imports.sh EXE}
allowed="kernel32 user32 gdi32 shell32 ole32 oleaut32 comctl32 comdlg32 advapi32 winmm msvcrt shlwapi"
# Functions of those DLLs that Windows XP lacks and that MinGW runtimes are known to pull in
# (the posix thread model, newer C++ runtime pieces).
not_on_xp="GetTickCount64 InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW
WakeConditionVariable WakeAllConditionVariable InitializeSRWLock AcquireSRWLockExclusive
AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared TryAcquireSRWLockExclusive
TryAcquireSRWLockShared InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete FlsAlloc FlsFree
FlsGetValue FlsSetValue GetFileInformationByHandleEx SetFileInformationByHandle CreateSymbolicLinkA
CreateSymbolicLinkW GetFinalPathNameByHandleA GetFinalPathNameByHandleW CompareStringEx LCMapStringEx
GetLocaleInfoEx GetUserDefaultLocaleName CreateEventExA CreateEventExW CreateMutexExW
CreateSemaphoreExW QueryFullProcessImageNameA QueryFullProcessImageNameW CancelIoEx GetErrorMode"
objdump=i686-w64-mingw32-objdump
failed=0

pass() { echo "PASS $*"; }
fail() { echo "FAIL $*"; failed=1; }

if [ ! -f "$exe" ]; then
    fail "$exe: no such file"
    exit 1
fi

kind=$(file -b "$exe")
case "$kind" in
    "PE32 executable (GUI) Intel 80386"*) pass "file type: $kind" ;;
    *) fail "file type: $kind (want a PE32 GUI Intel 80386 executable)" ;;
esac

if ! headers=$("$objdump" -p "$exe" 2>&1); then
    fail "$objdump -p: $headers"
    exit 1
fi

subsystem=$(awk '$1 == "Subsystem" { print $2, $3, $4 }' <<<"$headers")
case "$subsystem" in
    "00000002 (Windows GUI)") pass "subsystem: $subsystem" ;;
    *) fail "subsystem: ${subsystem:-none} (want 00000002 (Windows GUI))" ;;
esac

dlls=$(awk '/DLL Name:/ { print $3 }' <<<"$headers")
if [ -z "$dlls" ]; then
    fail "imports: no DLL imports found"
fi
for dll in $dlls; do
    base=$(tr '[:upper:]' '[:lower:]' <<<"${dll%.[dD][lL][lL]}")
    if [[ " $allowed " == *" $base "* ]]; then
        pass "import: $dll"
    else
        fail "import: $dll is not one of Windows' own DLLs ($allowed)"
    fi
done

# The import lines of "objdump -p" are "<tab>vma<tab> hint  Name" under each "DLL Name:".
functions=$(awk '/DLL Name:/ { in_dll = 1; next } in_dll && /^\t[0-9a-f]+\t/ { print $NF } /^$/ { in_dll = 0 }' <<<"$headers")
not_on_xp=" $(tr '\n' ' ' <<<"$not_on_xp") "
late=0
for fn in $functions; do
    if [[ "$not_on_xp" == *" $fn "* ]]; then
        fail "import: $fn is missing on Windows XP"
        late=1
    fi
done
[ $late = 0 ] && pass "imports: none of the known post-XP functions ($(wc -w <<<"$functions") imported)"

exit $failed
