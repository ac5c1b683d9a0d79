#pragma once

// Initialises the library and loads the gallery's two packages from the working directory;
// runs before the application object exists.
void loadGalleryPackages();
