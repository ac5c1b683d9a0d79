# Sourced by the scripts that run sanitized programs: fail on the first report, check leaks,
# and suppress only the reports that come from inside Qt and its system libraries.
tools_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:fast_unwind_on_malloc=0:max_allocation_size_mb=1024:strict_string_checks=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$tools_dir/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
