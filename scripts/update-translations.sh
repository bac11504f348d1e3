#!/bin/sh
# Updates translations/veltrano_<lang>.ts from the sources of what the window program shows:
# new texts are added as unfinished, vanished ones are dropped. Run it after changing a text.
# Without locations, moving code does not change the files.
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
LANGUAGES="de fr es pt_BR it ru pl zh_CN ja"
target_dir=${1:-translations}
for language in $LANGUAGES; do
    "$LUPDATE" -silent -no-obsolete -locations none -source-language en \
        -target-language "$language" app core profiles ui engine/api engine/convert engine/copy \
        -ts "$target_dir/veltrano_$language.ts"
done
