# The limits every harness runs under, shared by the tests (check.sh) and
# scripts/fuzz. An allocation over 128 MiB is beyond anything the inputs
# justify (packed clips and pages stop at 64 MiB). An input that takes over
# a second is a hang when fuzzing; the tests allow ten, since a machine
# busy with other builds can stall a run for a moment, and a hang still
# ends them. Both sanitizers stop at the first error (the build does not let
# UBSan recover) and print its stack with names.
fuzz_limits=(-rss_limit_mb=2048 -malloc_limit_mb=128 -print_final_stats=1)
fuzz_hang=-timeout=1
check_hang=-timeout=10
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
if [[ -z "${ASAN_SYMBOLIZER_PATH:-}" && -x /usr/bin/llvm-symbolizer-14 ]]; then
  export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
fi
