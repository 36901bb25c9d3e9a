// The loading illustration: the fixed picture of the stability analysis' load and dimension
// conventions (footing B x L x T under soil D, pedestal of height h, reinforcement, surcharge q,
// the pedestal loads Pz, Hx, Hy, Mx, My and an axis cross with their positive directions).
#pragma once

#include <QImage>
#include <QSize>

// Its natural size.
inline constexpr QSize kLoadingIllustrationSize{1024, 768};

// Draws the illustration at run time (the same picture on every machine: the shipped font).
// Other sizes scale the 1024 x 768 artwork, for print.
QImage LoadingIllustration(QSize size = kLoadingIllustrationSize);
