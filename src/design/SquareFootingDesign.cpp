#include "core/PMClasses.h"

void TPMData::SquareFootingDesign() {}
