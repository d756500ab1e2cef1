#pragma once
// A dialog opens centred on the window that opened it.
class QWidget;

// Shows `dialog` without waiting, centred on `opener` and whole on its screen.
void showCentredOn(QWidget& dialog, const QWidget& opener);
