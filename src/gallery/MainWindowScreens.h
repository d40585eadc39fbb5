#pragma once

class Gallery;

// The main window as a user first sees it (empty), and after downloads with
// a node of every kind selected: the device panel, a check type with its
// count, a check type with its users, a user, one without checks (No Data)
// and the two-user monitor's filters.
namespace MainWindowScreens {

void addTo(Gallery& gallery);

} // namespace MainWindowScreens
