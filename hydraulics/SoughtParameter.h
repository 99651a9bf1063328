// Which parameter a calculation solves for.
#pragma once

enum SoughtParameter {
    SOUGHT_J = 0,   // slope J
    SOUGHT_VQ = 1,  // velocity v and flow rate Q
    SOUGHT_Q = 2,   // nothing is computed
    SOUGHT_K = 3,   // roughness k
    SOUGHT_DI = 4,  // inner diameter di
};
