// Shortening a file path or a web address to a width for display.
#pragma once

#include <QString>

class QFontMetrics;

// `path` as it fits into `width` pixels: leading folders give way to "...", while the first
// part (the drive, or the scheme and host of an address) and the file name stay; when even
// that is too wide, its left end is cut off.
QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width);
