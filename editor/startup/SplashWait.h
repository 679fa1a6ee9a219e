#pragma once
// The program entry's wait for the splash window.

namespace tarvin {

class TSplashScreen;

// TARVIN_NO_SPLASH_WAIT=1 lets automated runs start without the click.
bool SplashWaitSkipped();

// Processes window messages until the splash window agrees to close (the
// user has clicked its start spot), or at once when skipWait is set.
void WaitForSplash(TSplashScreen& splash, bool skipWait);

} // namespace tarvin
