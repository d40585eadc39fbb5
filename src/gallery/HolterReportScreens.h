#pragma once

class Gallery;

// The Holter ECG report's summary page and first strip page, each whole,
// the one-minute ECG report of a minute with premature beats, and the
// report's viewer, drawn from the first Holter recording of the record store.
namespace HolterReportScreens {

void addTo(Gallery& gallery);

} // namespace HolterReportScreens
