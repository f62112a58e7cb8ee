#pragma once

#include <QList>

class QWidget;

// The controls of a window definition: the window's direct child widgets,
// leaving out any window of its own (a dialog owned by the window).
QList<QWidget*> WindowControls(const QWidget* window);
