// The light blue strip that names a column of the main window (INPUTS, RESULTS, DIAGRAMS).
#pragma once

#include <QString>

class QLabel;
class QWidget;

QLabel* ColumnHeading(const QString& text, QWidget* parent);
