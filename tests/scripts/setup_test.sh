#!/usr/bin/env bash
# scripts/setup against stand-in dpkg, dpkg-query and apt-get on PATH: a package index that
# cannot be fetched, 32-bit Wine that cannot be installed, a needed package that cannot be had.
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }

# A copy of the script beside a stand-in kernel check; the stand-ins keep their state in files.
mkdir -p "$work/scripts" "$work/bin"
cp "$src/scripts/setup" "$work/scripts/setup"
cat >"$work/scripts/can-run-32bit" <<'SH'
#!/bin/sh
[ "$KERNEL_32BIT" = yes ]
SH
cat >"$work/bin/dpkg-query" <<'SH'
#!/bin/sh
# dpkg-query -W -f=FORMAT PACKAGE
for p; do :; done
grep -qx "$p" "$STATE/installed" && printf 'ii ' || exit 1
SH
cat >"$work/bin/dpkg" <<'SH'
#!/bin/sh
case "$1" in
  --print-foreign-architectures) cat "$STATE/arches" 2>/dev/null ;;
  --add-architecture) echo "$2" >>"$STATE/arches" ;;
esac
SH
cat >"$work/bin/apt-get" <<'SH'
#!/bin/sh
echo "apt-get $*" >>"$STATE/calls"
[ "$1" = update ] && exit "$UPDATE_RC"
for p; do
  case "$p" in -*|install) continue ;; esac
  if grep -qx "$p" "$STATE/unavailable"; then echo "E: Unable to locate package $p" >&2; exit 100; fi
done
for p; do case "$p" in -*|install) ;; *) echo "$p" >>"$STATE/installed" ;; esac; done
SH
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"* "$work/scripts/"*

run() { # <kernel 32-bit: yes|no> <update exit code> <unavailable packages...>
  export STATE=$work/state KERNEL_32BIT=$1 UPDATE_RC=$2; shift 2
  rm -rf "$STATE"; mkdir -p "$STATE"; : >"$STATE/installed"
  printf '%s\n' "$@" >"$STATE/unavailable"
  PATH="$work/bin:$PATH" "$work/scripts/setup" >"$work/out" 2>&1
  echo $? >"$work/rc"
}

run yes 100 wine32:i386
check "a failed index and no 32-bit Wine still end well" '[ "$(cat "$work/rc")" = 0 ]'
check "the missing 32-bit Wine is said in one line" \
  '[ "$(grep -c "32-bit Wine.*64-bit Wine" "$work/out")" = 1 ]'
check "the rest is installed" 'grep -qx xdotool "$STATE/installed" && grep -qx wine64 "$STATE/installed"'
check "the i386 architecture was added for it" 'grep -qx i386 "$STATE/arches"'

run no 0 xdotool
check "a needed package that cannot be had fails the set-up" '[ "$(cat "$work/rc")" = 1 ]'
check "and is named" 'grep -q "needed and could not be installed: xdotool$" "$work/out"'
check "the others are installed all the same" 'grep -qx cmake "$STATE/installed"'
check "no 32-bit Wine is asked for where the kernel cannot run it" '! grep -q i386 "$STATE/calls"'

run no 0
cp "$STATE/installed" "$work/all"
export STATE=$work/state; rm -f "$STATE/calls"
PATH="$work/bin:$PATH" "$work/scripts/setup" >"$work/out" 2>&1
check "a second run only checks" 'grep -q "everything is installed" "$work/out" && [ ! -f "$STATE/calls" ]'

echo "$fails failed"
[ $fails = 0 ]
