# Sourced by the test command and its stages: inih r62 from the workplace's offline copy when it
# exists (machines without network), otherwise CMake fetches it. Sets the array inih_option.
inih_source="$(dirname "${BASH_SOURCE[0]}")/../../../shared/third_party/inih-r62"
inih_option=()
if [ -f "$inih_source/ini.c" ]; then
    inih_option=("-DFETCHCONTENT_SOURCE_DIR_INIH=$(cd "$inih_source" && pwd)")
fi
