#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ (needs the Debian package
# clang; no window system). From the project root:
#
#   tests/fuzz/build.sh                 every target
#   tests/fuzz/build.sh markup_fuzz     the targets named
#
# then run one, for example:
#
#   build-fuzz/markup_fuzz -runs=1000000 -max_len=4096
#   mkdir -p corpus && build-fuzz/gridfiles_fuzz -max_total_time=60 corpus
#
# Each target's sources are listed here and only here.
set -euo pipefail
cd "$(dirname "$0")/../.."
OUT=${CF_FUZZ_BUILD_DIR:-build-fuzz}
CXX=${CXX_FUZZ:-clang++}
FLAGS=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.
       -include tests/fuzz/FuzzCompat.h)

framework_classes() { ls framework/classes/*.cpp | grep -v PublishedFramework; }

sources() {
  case "$1" in
    layout_fuzz)
      echo tests/fuzz/ComponentStream_fuzz.cpp framework/classes/ComponentStream.cpp \
        framework/classes/LayoutText.cpp framework/classes/LayoutTree.cpp framework/rtl/StrUtils.cpp \
        framework/rtl/CodePage.cpp framework/rtl/FloatText.cpp framework/rtl/Locale.cpp ;;
    gif_fuzz)
      echo tests/fuzz/GifFrames_fuzz.cpp framework/graphics/GifFrames.cpp ;;
    gridfiles_fuzz)
      echo tests/fuzz/GridFiles_fuzz.cpp grid/io/GridCellStream.cpp grid/io/GridTextFile.cpp \
        grid/base/VevUtil_Text.cpp grid/base/VevUtil_Chars.cpp framework/graphics/Colors.cpp \
        $(framework_classes) framework/rtl/*.cpp framework/os/Files.cpp framework/os/SafeWriter.cpp ;;
    markup_fuzz)
      # libjpeg is loaded at run time (framework/os/LoadedLibrary.cpp); the
      # print backend stands behind the graphics' printer.
      echo tests/fuzz/Markup_fuzz.cpp grid/base/DudHTMLE_Draw.cpp grid/base/DudHTMLE_Text.cpp \
        grid/base/PictureContainer.cpp grid/base/VevUtil_Chars.cpp framework/graphics/*.cpp \
        $(framework_classes) framework/rtl/*.cpp framework/os/Files.cpp framework/os/SafeWriter.cpp \
        framework/os/Resources.cpp framework/os/LoadedLibrary.cpp framework/backend/Backend.cpp ;;
    *) echo "unknown fuzz target: $1 (layout_fuzz, gif_fuzz, gridfiles_fuzz, markup_fuzz)" >&2; return 1 ;;
  esac
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(layout_fuzz gif_fuzz gridfiles_fuzz markup_fuzz)
mkdir -p "$OUT"
for t in "${targets[@]}"; do
  srcs=$(sources "$t")
  echo "building $OUT/$t"
  # shellcheck disable=SC2086
  "$CXX" "${FLAGS[@]}" $srcs -ldl -lpthread -o "$OUT/$t"
done
