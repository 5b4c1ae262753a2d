#pragma once
// Start-up and shut-down of the animated-cursor format: the picture framework learns the
// extension "ani" for TWkAni, and form streams the class name.

// Counted: only the first start-up and the last shut-down do their work.
void WkAniInitialization();
void WkAniFinalization();
