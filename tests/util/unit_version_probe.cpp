// A library that the unit version tests load and unload to see its registry entry go.
extern "C" int unit_version_probe_marker() {
    return 1;
}
