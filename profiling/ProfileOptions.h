// Which measurements the outside profiler is asked to show (menu "Profile Options").
#pragma once

struct ProfileOptions {
    int bCpuUse;
    int b2DHW;
    int b3DHW;
    int bRamUse;
};
