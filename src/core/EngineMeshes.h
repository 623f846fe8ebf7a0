// The meshes the engine itself draws with, from its own archive: the plane
// every sprite is drawn on, the sky's plane and the stand-in of a missing
// mesh. Every builder makes entities of them without asking, so each must
// load: one that is missing or damaged is named once and a plain plane of
// its size, made here, takes its place for the whole run.
#pragma once

// Loads each of them from the group "Media"; needs a render system (does
// nothing without one).
void ensureEngineMeshes();
