// Today's date as a whole day count since 30 December 1899.
#pragma once

double TodayDayCount();
