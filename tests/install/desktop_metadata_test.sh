#!/bin/sh
# The desktop entry and the AppStream metadata as the desktop's own tools read
# them: desktop_metadata_test.sh ENTRY.desktop METAINFO.xml
for tool in desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null 2>&1 ||
    { echo "SKIPPED: $tool is not installed (packages desktop-file-utils, appstream)"; exit 77; }
done
desktop-file-validate "$1" && appstreamcli validate --no-net "$2"
