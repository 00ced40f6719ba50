#!/usr/bin/env bash
# Installs Salvento from a build tree into a scratch DESTDIR and uses the installed programs as a user
# of the package would: from another directory, with an empty configuration home.
# Usage: InstallTest.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
step() { echo "== $*"; }

step "install into DESTDIR"
DESTDIR=$scratch/root cmake --install "$build" --prefix /usr >/dev/null
usr=$scratch/root/usr
data=$usr/share/salvento
example=$data/examples/station-year.txt
for file in bin/salvento bin/salvento-cli share/salvento/SALVENTO.INI share/salvento/WSI.INI \
  share/salvento/salvento.ENU share/salvento/help/pl/index.html share/man/man1/salvento.1.gz \
  share/man/man1/salvento-cli.1.gz share/doc/salvento/copyright share/icons/hicolor/256x256/apps \
  share/bash-completion/completions/salvento-cli share/zsh/vendor-completions/_salvento-cli; do
  [[ -e $usr/$file ]] || { echo "not installed: $file"; exit 1; }
done

export XDG_CONFIG_HOME=$scratch/config
mkdir "$scratch/work"
cd "$scratch/work"

step "salvento-cli calculates every index of the installed example (WSI.INI from the data directory)"
"$usr/bin/salvento-cli" calc "$example" -o indices.txt
rows=$(grep -c "" indices.txt)
((rows == 8761)) || { echo "expected a header and 8760 rows, got $rows lines"; exit 1; }
grep -q UTCI indices.txt

package=$(find "$usr/lib" -path '*-packages/salvento' -type d 2>/dev/null || true)  # none without the Python package
if [[ -n $package ]]; then
  step "the Python package computes with the installed data directory"
  PYTHONPATH=$(dirname "$package") /usr/bin/python3 -c 'import salvento
utci = salvento.compute("UTCI", t=20.0, td=10.0, v=2.0, Mrt=25.0, M=135.0)["UTCI"]
assert 17 < utci < 19, utci
assert salvento.default_config().startswith("'"$usr"'/share/salvento/"), salvento.default_config()'
fi

step "the bash completion offers the commands and the kinds' names"
words=$(PATH=$usr/bin:$PATH bash -c 'source "$1"; COMP_WORDS=(salvento-cli calc --indices UTC); COMP_CWORD=3
  _salvento_cli 2>/dev/null; echo "${COMPREPLY[@]}"' - "$usr/share/bash-completion/completions/salvento-cli")
[[ $words == UTCI ]] || { echo "completion of --indices UTC gave: $words"; exit 1; }

step "the user's configuration was copied from the shipped one"
cmp "$data/SALVENTO.INI" "$XDG_CONFIG_HOME/salvento/SALVENTO.INI"

step "English, once chosen, comes from the language module in the data directory"
sed -i 's/^Language=$/Language=EN/' "$XDG_CONFIG_HOME/salvento/SALVENTO.INI"
"$usr/bin/salvento-cli" convert missing.txt out.txt 2>messages.txt && exit 1
grep -q "Cannot find the file" messages.txt

step "salvento starts offscreen with the example and keeps running until it is ended"
QT_QPA_PLATFORM=offscreen "$usr/bin/salvento" "$example" 2>gui-messages.txt &
gui=$!
sleep 3
kill -0 "$gui" || { cat gui-messages.txt; echo "salvento ended by itself"; exit 1; }
kill "$gui"
wait "$gui" || true

step "the menu entry and the AppStream metadata are valid"
desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml
