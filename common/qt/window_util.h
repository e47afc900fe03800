#pragma once
// Small helpers every window program uses.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAbstractItemView;
class QModelIndex;

namespace korvath {

// Places a window in the middle of its screen: each offset is the difference of the sizes
// halved with the remainder dropped, as the tools always centred their windows.
void centreOnScreen(QWidget& window);

// Draws the widget as it stands and saves it as a PNG; false when the file cannot be written.
bool saveScreenshot(QWidget& widget, const QString& file);

// The mounted volumes for a drive list: the root first, the others sorted by name.
QStringList mountedDriveRoots();

// Enter or Return on an entry of a folder picker's list opens that entry with `open` and stays
// in the dialog, instead of reaching the dialog's default button.
void openEntryOnEnter(QAbstractItemView* view, std::function<void(const QModelIndex&)> open);

}  // namespace korvath
