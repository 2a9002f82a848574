#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang in their own
# build directory and runs each in turn, niced, for a given number of seconds.
#   scripts/fuzz-files.sh FUZZ_DIR PROGRAM_BUILD_DIR SECONDS [TARGET...]
# The program's build directory gives the KRT.RGF the library seeds come from.
set -euo pipefail

fuzz_dir=$1
program_dir=$2
seconds=$3
shift 3
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_ini fuzz_catalogue fuzz_rgf fuzz_custom fuzz_gamesource fuzz_savedgame fuzz_stats)

# clang, and the libFuzzer runtime that Debian ships apart from it.
packages=(clang libclang-rt-dev)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Fuzzing needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DCARDORIA_FUZZ_FILES=ON -DCARDORIA_FUZZ_RGF="$(realpath "$program_dir")/KRT.RGF"
nice cmake --build "$fuzz_dir"

source_dir=$(pwd)
cd "$fuzz_dir"
mkdir -p crashes
summary=()
status=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  mkdir -p "corpus/$name"
  echo "== $target: $seconds seconds"
  # The corpus grows in corpus/; the seeds are only read.
  dict=()
  [ -f "$source_dir/fuzz/$name.dict" ] && dict=(-dict="$source_dir/fuzz/$name.dict")
  if ! nice "./$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="crashes/$name-" \
    "${dict[@]}" "corpus/$name" "seeds/$name" >"$target.log" 2>&1; then
    status=1
    grep -E 'broken invariant|ERROR|SUMMARY|Test unit' "$target.log" >&2 || true
  fi
  summary+=("$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$target.log" | tail -n 1 || echo 'did not finish, see its log')")
done
printf '%s\n' "${summary[@]}"
exit $status
