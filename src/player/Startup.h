#pragma once

// Shows the main window and, docked at its right edge with the same top, the playlist window.
void startSonavel();
