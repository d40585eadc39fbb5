#pragma once

class Gallery;

// One record row of every row class and of every variant that looks
// different (units, model 53, object temperature, missing detail file),
// drawn from the checks of the open record store.
namespace RowScreens {

void addTo(Gallery& gallery);

} // namespace RowScreens
