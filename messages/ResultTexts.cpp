#include "messages/ResultTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<ResultText> kTable{{
    {ResultText::Sought, "Gesuchter Parameter"},
    {ResultText::Filling, "Füllung"},
    {ResultText::FullFilling, "Vollfüllung"},
    {ResultText::PartialFilling, "Teilfüllung"},
    {ResultText::PipeClass, "Wanddickenklasse"},
    {ResultText::Result, "Ergebnis"},
    {ResultText::Calculated, "berechnet"},
    {ResultText::NotCalculated, "nicht berechnet"},
    {ResultText::Temperature, "Fluidtemperatur"},
    {ResultText::Density, "Fluiddichte"},
    {ResultText::Gravity, "Erdbeschleunigung"},
    {ResultText::Viscosity, "kin. Zähigkeit"},
    {ResultText::OuterDiameter, "da"},
    {ResultText::WallThickness, "s"},
    {ResultText::Lining, "ZMA"},
    {ResultText::InnerDiameter, "di"},
    {ResultText::Roughness, "k"},
    {ResultText::Slope, "Gefälle J"},
    {ResultText::Velocity, "Fliessgeschw. vv"},
    {ResultText::Flow, "Durchfluss Qv"},
    {ResultText::Area, "Fläche Av"},
    {ResultText::Reynolds, "Reynoldszahl Re"},
    {ResultText::FrictionFactor, "Lambda"},
    {ResultText::PartialFlow, "Durchfluss Qt"},
    {ResultText::FillingHeight, "Füllhöhe ht"},
    {ResultText::PartialVelocity, "Fliessgeschw. vt"},
    {ResultText::SurfaceWidth, "Wasserspiegelbreite"},
}};
static_assert(IsComplete(kTable), "every text of the copied results, in the order of ResultText");

}  // namespace

const char* Text(ResultText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages
