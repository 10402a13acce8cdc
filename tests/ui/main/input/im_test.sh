#!/bin/sh
# Types "sakana", space, Return through an input method framework with Mozc
# into the word box of the main window (ime_probe) and checks the reading and
# the signs it plays.
#
#   im_test.sh ibus|fcitx5 PROBE    run the test (exit 0 pass, 1 fail, 77 skipped)
#
# Everything runs on a display and session bus of its own. The Mozc server
# refuses to run as root, so as root the test runs as "nobody" in a PID
# namespace of its own, which takes every daemon down with it at the end.
set -u

SKIP=77
framework=${1:?usage: im_test.sh ibus|fcitx5 PROBE}
probe=${2:?usage: im_test.sh ibus|fcitx5 PROBE}

skip() {
  echo "SKIPPED: $*"
  exit $SKIP
}

need() {
  command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed ($2)"
}

if [ "${3:-}" != inner ]; then
  plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
  [ -n "$plugins" ] || plugins=$(ls -d /usr/lib/*/qt6/plugins 2>/dev/null | head -n 1)
  case $framework in
    ibus)
      need ibus-daemon "package ibus"
      need ibus "package ibus"
      [ -x /usr/lib/ibus-mozc/ibus-engine-mozc ] || skip "ibus-mozc is not installed (package ibus-mozc)"
      [ -f "$plugins/platforminputcontexts/libibusplatforminputcontextplugin.so" ] ||
        skip "Qt's ibus input context plugin is not installed (package qt6-base-dev)"
      ;;
    fcitx5)
      need fcitx5 "package fcitx5"
      need fcitx5-remote "package fcitx5"
      addons=$(ls -d /usr/lib/*/fcitx5 2>/dev/null | head -n 1)
      [ -f "$addons/fcitx5-mozc.so" ] || skip "fcitx5's Mozc engine is not installed (package fcitx5-mozc)"
      [ -f "$plugins/platforminputcontexts/libfcitx5platforminputcontextplugin.so" ] ||
        skip "Qt 6's fcitx5 input context plugin is not installed (package fcitx5-frontend-qt6)"
      ;;
    *) echo "FAILED: unknown framework $framework"; exit 1 ;;
  esac
  need xdotool "package xdotool"
  need Xvfb "package xvfb"
  need dbus-launch "package dbus-x11"
  [ -x /usr/lib/mozc/mozc_server ] || skip "the Mozc server is not installed (package mozc-server)"
  [ -x "$probe" ] || { echo "FAILED: no probe program at $probe"; exit 1; }

  work=$(mktemp -d "/tmp/oralis-$framework.XXXXXX") || exit 1
  trap 'rm -rf "$work"' EXIT
  script=$(readlink -f "$0")
  if [ "$(id -u)" = 0 ]; then
    need setpriv "package util-linux"
    need unshare "package util-linux"
    chown nobody:nogroup "$work"
    # The extra shell keeps the test script from being PID 1: ibus-daemon
    # takes a parent with PID 1 for a dead one and quits, and the daemons'
    # orphans must be reaped.
    timeout 150 unshare --pid --fork --mount-proc \
      setpriv --reuid=nobody --regid=nogroup --clear-groups \
      sh -c 'sh "$0" "$1" "$2" inner "$3"; exit $?' "$script" "$framework" "$probe" "$work"
  else
    timeout 150 sh "$script" "$framework" "$probe" inner "$work"
  fi
  status=$?
  [ $status = 124 ] && echo "FAILED: the test took longer than 150 s"
  exit $status
fi

# The inner part: a user of its own, a display, a session bus, the framework
# and Mozc.
work=$4
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
export XDG_DATA_HOME="$work/home/.local/share"
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
mkdir -p "$XDG_CONFIG_HOME/mozc" "$XDG_CONFIG_HOME/fcitx5" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pids=""
# Processes started here and, before them, their children (the Mozc engine
# and server under the daemon); outside a PID namespace nothing else ends them.
descendants() {
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
    echo "$child"
    descendants "$child"
  done
}
cleanup() {
  doomed=""
  for pid in $pids; do doomed="$doomed $pid $(descendants "$pid")"; done
  [ "$framework" = ibus ] && ibus exit >/dev/null 2>&1
  for pid in $doomed; do kill "$pid" 2>/dev/null; done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  for log in probe.out probe.err "$framework.log"; do
    [ -s "$work/$log" ] && { echo "--- $log"; tail -n 20 "$work/$log"; }
  done
  exit 1
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_for() {
  tries=$(($1 * 10))
  shift
  while [ $tries -gt 0 ]; do
    "$@" >/dev/null 2>&1 && return 0
    tries=$((tries - 1))
    sleep 0.1
  done
  return 1
}

# Mozc switched on in hiragana input for every new window, as a learner's
# desktop would be set up.
if [ "$framework" = ibus ]; then
  cat >"$XDG_CONFIG_HOME/mozc/ibus_config.textproto" <<'EOF'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
EOF
else
  # One group, the US keyboard and Mozc.
  cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'EOF'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
EOF
  cat >"$XDG_CONFIG_HOME/fcitx5/config" <<'EOF'
[Behavior]
ActiveByDefault=True
ShareInputState=No
EOF
fi

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids="$!"
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=:$(cat "$work/display")
export DISPLAY

eval "$(dbus-launch --sh-syntax)" || fail "no session bus"

if [ "$framework" = ibus ]; then
  ibus-daemon --panel=disable --xim >"$work/ibus.log" 2>&1 &
  pids="$! $pids"
  wait_for 20 ibus list-engine || fail "ibus-daemon did not answer"
  # "ibus engine NAME" may report failure while it switches; ask again.
  engine_is_mozc() {
    ibus engine mozc-jp
    [ "$(ibus engine)" = mozc-jp ]
  }
  wait_for 20 engine_is_mozc || fail "ibus did not take the Mozc engine"
  im_module=ibus
else
  # Only what the test needs: the Qt frontend reaches fcitx5 through D-Bus.
  fcitx5 --disable=all --enable=dbus,dbusfrontend,xcb,keyboard,mozc >"$work/fcitx5.log" 2>&1 &
  pids="$! $pids"
  # fcitx5-remote answers 0 (off), 1 (inactive) or 2 (active) once fcitx5 is up.
  wait_for 20 fcitx5-remote || skip "fcitx5 cannot start here: $(tail -n 3 "$work/fcitx5.log" | tr '\n' ' ')"
  im_module=fcitx
fi

QT_IM_MODULE=$im_module "$probe" -platform xcb >"$work/probe.out" 2>"$work/probe.err" &
probe_pid=$!
pids="$probe_pid $pids"
wait_for 30 grep -q READY "$work/probe.out" || fail "the main window did not take the focus"

if [ "$framework" = fcitx5 ]; then
  # The word box has an input context once fcitx5 reports it active for it.
  wait_for 20 sh -c '[ "$(fcitx5-remote)" = 2 ] || { fcitx5-remote -o; false; }' ||
    fail "fcitx5 did not switch Mozc on for the word box"
fi
sleep 1
xdotool type --delay 150 sakana
sleep 1
xdotool key space
sleep 1
xdotool key Return
wait_for 30 grep -q '^SIGNS' "$work/probe.out" || fail "no result was committed"
wait "$probe_pid" || fail "the probe ended with an error"

echo "--- what the word box saw"
cat "$work/probe.out"

grep -qx 'PREEDIT さかな' "$work/probe.out" || fail "Mozc did not compose さかな"
grep -qx 'COMMIT 魚' "$work/probe.out" || fail "Mozc did not commit 魚"
grep -qx 'READING ｻｶﾅ' "$work/probe.out" || fail "the reading is not ｻｶﾅ"
# Rest, then ｻ (s-row, a), ｶ (k-row, a), ﾅ (n-row, a).
grep -qx 'SIGNS 0 21 16 16' "$work/probe.out" || fail "the signs played are not 0 21 16 16"
echo "PASSED"
exit 0
