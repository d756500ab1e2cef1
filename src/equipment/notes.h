#pragma once
#include <QString>

// The notes hold no line break: the text with every CR and LF taken out, a CR LF pair, a lone
// CR and a lone LF alike, and nothing else.
QString withoutLineBreaks(QString text);
