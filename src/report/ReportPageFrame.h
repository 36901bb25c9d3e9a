// The frame of every report page: the footer with the rule, the maker's web site name, the
// product and its version, and the page number; and the decoding of the report's image streams.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class TReportEngine;

// The footer of the engine's current page.
void PrintPageFooter(TReportEngine& engine);
// "JPG" (the logo) and "BMP" (the diagrams) fill the target; any other kind leaves it untouched.
// Data that does not decode leaves the target empty, so its rectangle stays blank.
void DecodeReportImage(const QByteArray& stream, const QString& kind, QImage& target);
// Binds both to the engine's callbacks.
void AttachPageFrame(TReportEngine& engine);
