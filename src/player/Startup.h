#pragma once

// The program's start: the main window is created (its load event does the start-up) and shown.
void startSonavel();
