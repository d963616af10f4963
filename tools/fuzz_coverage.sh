#!/usr/bin/env bash
# Line coverage of the readers from the committed corpora: the fuzz targets,
# built with clang's source-based coverage (llvm-profdata and llvm-cov, Debian's
# llvm), run each input of fuzz/corpus/<target>/ once. Prints the report and
# every line no input reaches.
#
#   tools/fuzz_coverage.sh [source file ...]
set -euo pipefail
cd "$(dirname "$0")/.."
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(src/words/word_file_reader.cc src/key/puzzle_page.cc
  src/page/page_format.cc src/text/charset.cc)
build=build/coverage
flags="-fprofile-instr-generate -fcoverage-mapping"
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DHARAVOIJA_FUZZ=ON \
  -DHARAVOIJA_TESTS=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build $build -j2
rm -rf $build/profiles
objects=()
for source in fuzz/*_fuzz.cc; do
  target=$(basename "$source" .cc)
  LLVM_PROFILE_FILE=$PWD/$build/profiles/$target.profraw ASAN_OPTIONS=detect_leaks=0 \
    "$build/fuzz/$target" -runs=0 "fuzz/corpus/$target" >/dev/null 2>&1
  # llvm-cov takes the first binary as is, the others after -object.
  objects+=(${objects[0]:+-object} "$build/fuzz/$target")
done
llvm-profdata merge -sparse $build/profiles/*.profraw -o $build/profiles/all.profdata
llvm-cov report -instr-profile=$build/profiles/all.profdata "${objects[@]}" "${files[@]}"
echo "Lines no input reaches:"
for file in "${files[@]}"; do
  llvm-cov show -instr-profile=$build/profiles/all.profdata "${objects[@]}" "$file" |
    grep -E '^ *[0-9]+\| *0\|' | sed "s|^ *|$file:|" || true
done
