#pragma once

class Gallery;
class QString;

// The download dialog on an emulated bus: with the demo monitors listed,
// with no monitor, and with a monitor this user may not open.
namespace DownloadScreens {

void addTo(Gallery& gallery, const QString& busDir);

} // namespace DownloadScreens
