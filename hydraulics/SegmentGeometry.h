// The wetted segment of a partly filled circular pipe: the exact geometry of the circle cut by a
// horizontal water surface. Lengths in m, areas in m².
#pragma once

namespace hydraulics {

// The central angle θ [rad] of the wetted arc at the filling x = h / di, x taken into 0 … 1:
// θ = 2 · arccos(1 − 2x).
double CentralAngle(double x);

// Area, wetted perimeter and surface width of the water in a pipe of inner diameter di filled to h.
struct WettedSegment {
    double area = 0;          // A = di² / 8 · (θ − sin θ) [m²]
    double perimeter = 0;     // U = θ · di / 2 [m]
    double surfaceWidth = 0;  // B = di · sin(θ / 2) [m]; 0 in the empty and the full pipe

    // R = A / U [m], di / 4 in the full pipe; 0 in the empty pipe.
    double HydraulicRadius() const { return perimeter > 0 ? area / perimeter : 0.0; }
    // A / B [m], the mean depth of the water surface; none (0) without a free surface.
    double HydraulicDepth() const { return surfaceWidth > 0 ? area / surfaceWidth : 0.0; }
};

// The segment at the filling height h [m]; h at or above di gives the full section, h at or below 0
// (or NaN) the empty one.
WettedSegment WettedSegmentAt(double di, double h);

}  // namespace hydraulics
