#pragma once

#include <QList>

class QComboBox;
class QWidget;

// Refills a window's class box with every class in name order and ids with their ids in the
// same order, under the window's busy pointer. No entry is selected afterwards, and the refill
// raises no selection change: it is no pick of the user's.
void fillClassBox(QWidget* window, QComboBox* box, QList<qint64>& ids);
