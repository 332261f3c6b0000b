#pragma once
// Qt's own file dialog opens narrower than its detailed list: the Name, Size, Type and Date
// columns are cut and the user widens the dialog before reading a single date. This sizes
// them for typical entries and makes the dialog wide enough (within the screen) to show them
// all side by side.
#include <QString>

class QFileDialog;

// `longName` and `longType`: a long file name and file type the dialog will list.
void fitDetailColumns(QFileDialog* dialog, const QString& longName, const QString& longType);
