#include "cd_time.h"
QString FormatCdTime(qint64) { return {}; }
