// Preloaded into the sanitizer test run: dlclose does nothing, so every
// library stays mapped until the process ends. LeakSanitizer looks for leaks
// at exit, and by then Ogre has unloaded its render system and Mesa with it:
// what an unloaded library allocated can be neither traced through its
// globals nor suppressed by its name, and would be reported as ours.
extern "C" int dlclose(void*) { return 0; }
