#pragma once

class Gallery;

// The settings dialog (with every group a stored monitor offers), the About
// box, the first start's data-directory dialog and the patient editor with
// the birth date.
namespace SettingsScreens {

void addTo(Gallery& gallery);

} // namespace SettingsScreens
