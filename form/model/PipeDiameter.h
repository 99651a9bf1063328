// The inner diameter of a catalogue pipe as the form shows it: da − 2 (s + ZMA), written with
// kCatalogueDiFormat and read back, so that every user of it computes with the value shown.
#pragma once

// How di is shown when it follows from the pipe dimensions (mm, two decimals).
inline constexpr const char* kCatalogueDiFormat = "%5.2f";

// di [mm] from da, s and ZMA [mm], rounded as the di field shows it.
double CatalogueInnerDiameterMm(double da, double s, double zma);
