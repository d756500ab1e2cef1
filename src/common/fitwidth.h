#pragma once
// Widths measured in the control's own font, so the sheets keep their look with any font or
// screen: a number box as wide as a few digits, a one-letter button about square.
class QLineEdit;
class QPushButton;

void fitToDigits(QLineEdit* box, int digits);
void fitToCaption(QPushButton* button);
