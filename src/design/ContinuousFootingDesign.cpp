#include "core/PMClasses.h"

void TPMData::ContinuousFootingDesign() {}
