// The open-buffer counters the profiler panel shows: kept and defined by the source set.
#pragma once
#include "sources/SourceSet.h"
