#pragma once

class Gallery;

// The Holter summary with strips found, a detail minute with the ruler and
// an all-ECG page, from the first stored recording that loads.
namespace HolterScreens {

void addTo(Gallery& gallery);

} // namespace HolterScreens
