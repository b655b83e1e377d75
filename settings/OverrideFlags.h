// The eight feature flags kept in the registry; each field bears the name of its registry value.
#pragma once

struct OverrideFlags {
    int bOverrideAutoPause;
    int bOverrideAutoToggle;
    int bOverrideForceSW;
    int bOverrideMIDI;
    int bOverrideProfiler;
    int bOverrideSetOutput;
    int bOverrideSetFormat;
    int bOverrideThreading;
};

// The values a machine without Pellora's key starts with.
OverrideFlags DefaultOverrideFlags();
