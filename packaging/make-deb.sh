#!/usr/bin/env bash
# Makes the Debian package of a configured and built build folder:
#
#   packaging/make-deb.sh BUILD OUTDIR     prints the path of the .deb it wrote
#
# The way a distribution builds one: the install rules fill a staging tree,
# the binaries are stripped of debugging data, .comment and .note,
# dpkg-shlibdeps finds the libraries they link (libLip.so is the package's
# own, in its private folder), and dpkg-gencontrol writes the control file
# from packaging/control and packaging/changelog. No maintainer scripts: the
# library's folder is private, so there is nothing for ldconfig to do.
set -euo pipefail
umask 022

build=$(realpath "${1:?usage: make-deb.sh BUILD OUTDIR}")
out=$(realpath "${2:?usage: make-deb.sh BUILD OUTDIR}")
packaging=$(cd "$(dirname "$0")" && pwd)
for tool in dpkg-shlibdeps dpkg-gencontrol dpkg-deb file strip; do
  command -v $tool >/dev/null || { echo "make-deb.sh: $tool is missing (packages dpkg-dev, file, binutils)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/oralis-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/debian"
cp "$packaging/control" "$packaging/changelog" "$work/debian/"
root=$work/debian/oralis
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }

# As dh_strip does: executables keep only their dynamic symbols,
# shared libraries lose every symbol they do not export.
binaries=()
while IFS= read -r -d '' f; do
  case $(file -b "$f") in
  ELF*"shared object"*) strip --remove-section=.comment --remove-section=.note --strip-unneeded "$f" ;;
  ELF*) strip --remove-section=.comment --remove-section=.note "$f" ;;
  *) continue ;;
  esac
  binaries+=("${f#"$work"/}")
done < <(find "$root" -type f -print0 | sort -z)

# dpkg-shlibdeps finds the package's own libraries (through $ORIGIN too) by
# the DEBIAN folder of the tree the binaries lie in.
mkdir -p "$root/DEBIAN"
cd "$work"
dpkg-shlibdeps -ldebian/oralis/usr/lib/oralis -Tdebian/oralis.substvars "${binaries[@]}"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
dpkg-gencontrol -poralis -Pdebian/oralis -Tdebian/oralis.substvars -fdebian/files
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
deb=$out/oralis_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
