#pragma once
// How a proportioning dialog keeps its texts in the session model (ProportioningInputs.h).
class MixDialogBase;
class ProportioningInputs;

// Keeps `dialog`'s texts in `inputs` as they change, loads them when it is shown and takes up
// the texts loaded from outside.
void bindToInputs(MixDialogBase* dialog, ProportioningInputs& inputs);
