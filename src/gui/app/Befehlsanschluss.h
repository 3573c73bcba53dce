#pragma once

class CUrlaubApp;
class VIduvavIzoz;

// Connects the commands whose dialogs live outside the view (resource management, printing,
// settings, compaction) to the view's command table. Call once the view has been shown.
void BefehleAnschliessen(CUrlaubApp& app, VIduvavIzoz& ansicht);
