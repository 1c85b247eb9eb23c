// The address sanitizer's defaults for the fuzz targets; ASAN_OPTIONS still
// overrides them. Each input frees a few hundred kilobytes: a quarantine of
// 16 MB still holds the memory of the last dozens of inputs back from reuse,
// where the default 256 MB made every allocation touch fresh pages.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
