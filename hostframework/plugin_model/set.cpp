#include "hostframework/plugin_model/set.h"

CStatisticsEntry& GetSetStatistics()
{
    static CStatisticsEntry entry("Maximum # of CSet<T>");
    return entry;
}
