#pragma once

class Gallery;

// A page of every report kind (ECG first and continuation page, daily check,
// spot check, ZoravIvide, multi-test, sleep), drawn from the checks of the
// open record store as the JPG export draws them; the report viewers, the
// ECG analysis dialog and the patient editor.
namespace ReportScreens {

void addTo(Gallery& gallery);

} // namespace ReportScreens
