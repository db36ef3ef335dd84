// The application icon MAINICON: a red finger striking a grey key. Drawn at
// 32 x 32 in 16 colours, with larger sizes of the same picture (the largest
// are installed with the launcher).
#pragma once

#include <QIcon>

QIcon mainIcon();
