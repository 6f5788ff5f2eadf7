#include "track_colors.h"
int32_t StartupTrackColor(int) { return 0; }
